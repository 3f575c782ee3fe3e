#pragma once
// What the host does before the component runs: open the design into the kernel and publish
// the shared strings the component reads. The host application and the batch command both use
// it, so the component sees the same environment in a window and in a terminal.

#include <QString>

namespace vxw {

class Kernel;
class SuiteServices;

inline constexpr char kHostProductName[] = "VexilXP";
inline constexpr char kHostMakerName[] = "Vexil";

// Loads the design (a .vxd design file, or a KiCad project, board or schematic) and installs
// it as the process-wide kernel. Answers an empty text on
// success, else the message (naming the file, the place and the cause); the kernel installed
// before is then left as it was.
QString OpenDesign(const QString& path);

// Publishes PRODUCT_NAME, MAKER_NAME, LANGUAGEPATH (the suite's language folder) and MAINWIDTH
// (the host window's width in twips; 0 when there is no host window).
void PublishHostStrings(Kernel& kernel, const SuiteServices& suite, int mainWidthTwips = 0);

} // namespace vxw
