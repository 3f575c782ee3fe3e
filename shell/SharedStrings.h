#pragma once
// The kernel's named strings that the host and the component share.

#include <QString>

namespace vxw {

class Kernel;

inline constexpr char kProductNameKey[] = "PRODUCT_NAME";
inline constexpr char kMakerNameKey[] = "MAKER_NAME";
inline constexpr char kMainWidthKey[] = "MAINWIDTH";
inline constexpr char kLanguagePathKey[] = "LANGUAGEPATH";
inline constexpr char kServerPathKey[] = "ServerPath";
inline constexpr char kStateLineKey[] = "VXLLSTGN";
inline constexpr char kAppRunningPrefix[] = "mw_";

// E_GetString through TextFromPointer: the text stored under `key`, empty when unknown.
QString ReadSharedString(Kernel& kernel, const QString& key);
// E_SetString; answers the kernel's result. Text outside Latin-1 becomes "?".
int WriteSharedString(Kernel& kernel, const QString& key, const QString& value);

// ProductName and MakerName, read each time they are needed.
QString ProductName(Kernel& kernel);
QString MakerName(Kernel& kernel);
// The same from the installed kernel; empty when no kernel is installed.
QString ProductName();
QString MakerName();

} // namespace vxw
