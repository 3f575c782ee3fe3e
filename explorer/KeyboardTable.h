#pragma once
// The main window's own keys: which command a key runs, given what the window shows. The
// window's menus and tool bar see a key first; a key answered here is then dropped, so no
// control sees it.

#include <QString>
#include <Qt>

namespace vxw {

// Commands a key can run besides the tool keys.
inline constexpr char kCancelKeyCommand[] = "cancel";   // press the Cancel button
inline constexpr char kHelpKeyCommand[] = "helptopics"; // open the help contents

struct KeyContext {
    bool cancelEnabled = false; // the Cancel button is enabled (a job runs)
    QString nodeKind;           // kind letter of the selected explorer node
    int itemRows = 0;           // rows in the item list
};

enum class KeyPhase { Press, Release };

// The command of a key:
//   Esc while Cancel is enabled         "cancel"
//   Ctrl+O, Ctrl+S, Ctrl+W              "open", "save", "write"
//   Ctrl+A  library item kind and rows  "mnuLibraryItemSelectAll"
//           page node                   "mnuPageSelectAll"
//           circuit node                "mnuCircuitSelectAll"
//   Ctrl+I  library item kind and rows  "mnuLibraryItemInvert"
//   Ctrl+F  library item kind           "mnuLibraryItemFind"
//   Ctrl+F1 on release, Ctrl alone held "helptopics"
// The letter keys count with Ctrl alone (Shift, Alt or Meta with it is another key); empty
// when the key runs nothing here and goes on to the control.
QString KeyboardCommand(int key, Qt::KeyboardModifiers modifiers, KeyPhase phase, const KeyContext& context);

} // namespace vxw
