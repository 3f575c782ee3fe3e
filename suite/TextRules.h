#pragma once

#include <QString>

namespace vxw {

// Removes the blank (U+0020) only, at both ends; tabs and line ends stay.
QString TrimBlanks(const QString& text);

} // namespace vxw
