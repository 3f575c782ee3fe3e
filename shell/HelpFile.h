#pragma once
// Where the component's help is: a file beside the component named like it.

#include <QString>

namespace vxw {

// HelpFile: the component's folder, "/", the component's file name without its extension and
// ".HLP", blanks trimmed. The "lib" a shared library's file name starts with on this platform is
// not part of the component's name ("build/lib/libVXLlstgn.so" gives "build/lib/VXLlstgn.HLP").
// Empty for an empty component file.
QString HelpFileOf(const QString& componentFile);

// The file the help contents open: HelpFile with its last three characters ("HLP") replaced.
// The compiled help of this platform is an HTML page, so they become "html".
QString HelpContentsFile(const QString& helpFile);

} // namespace vxw
