#pragma once
// What the host does with each NotifyServer event of the component, and what it sends for a
// command the user types: decisions only, without a window, so that tests can check them.

#include <QString>

namespace vxw {

inline constexpr char kHostApplicationId[] = "VEXILXP";

enum class HostActionKind {
    Ignore,             // nothing to do (another application's state, an unknown viewer command)
    StartViewer,        // start the text viewer on `path`
    OpenInViewer,       // the running viewer opens `path` instead of what it shows
    Quit,               // the component's window has closed: the host ends
    UnknownApplication, // a command for an application this host does not play
};

struct HostAction {
    HostActionKind kind = HostActionKind::Ignore;
    QString application; // the addressed application (upper case, trimmed)
    QString path;        // the file for the viewer
    bool operator==(const HostAction&) const = default;
};

// "SHELL,<mode>,<command line>" starts the application named by `aname` with everything after
// the second comma as its command line (a path may hold commas). "<app>,NF,<path>" to the
// viewer opens another file. "SHUTDOWN" from "VXLLSTGN" ends the host. The viewer is one
// window: starting it while it runs opens the file in it, and a file sent to a viewer that is
// no longer running starts it again, so the user sees the file either way.
HostAction DecideHostAction(const QString& aname, const QString& command, bool viewerRunning);

// The text passed to NotifyMe for what the user typed: a bare action ("MN") is addressed to
// the component ("VXLLSTGN,MN"); a text with a comma, or an addressee alone ("VXLLSTGN",
// "All"), goes as it is; blanks around it are dropped.
QString ComponentCommandText(const QString& typed);

} // namespace vxw
