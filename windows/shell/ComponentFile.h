#pragma once
// The component's own file: the shared library the windows are in.

#include <QString>

namespace vxw {

// The full path of the loaded component library; empty when the platform cannot tell.
QString ComponentFile();
// Its folder (the shared string "ServerPath").
QString ComponentFolder();

} // namespace vxw
