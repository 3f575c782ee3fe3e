#pragma once
// The component's side of the host link that needs no window: which application runs, the
// published state line, and the notifications the component sends to the host.

#include <QString>

#include <cstdint>
#include <functional>

namespace vxw {

class Kernel;

inline constexpr char kTextViewerId[] = "VXLSPCVR";

// One NotifyServer event: sender (or addressed application) and command.
struct HostNotification {
    QString aname;
    QString command;
    bool operator==(const HostNotification&) const = default;
};

// "mw_" + the id trimmed of blanks, in upper case.
QString AppRunningKey(const QString& appId);
// True exactly when the shared string of the application, trimmed of blanks, is "1".
bool IsAppRunning(Kernel& kernel, const QString& appId);

// The state line: caption, then window state, 0, busy and 0, each behind a comma and written
// with a blank before a number that is not negative and "-" before a negative one
// ("List Generator, 0, 0, 0, 0"; busy -1 gives ",-1").
QString StateLine(const QString& caption, int windowState, int busy);
// Stores the state line under "VXLLSTGN"; an inactive component stores the empty text.
void PublishState(Kernel& kernel, bool active, const QString& caption, int windowState, int busy);

// AP_Shell: the command "SHELL," + mode + "," + command line, to `aname`.
HostNotification ShellNotification(const QString& aname, int16_t mode, const QString& commandLine);
// AP_SendCmd and AP_SendCmdAll (the latter from "VXLLSTGN").
HostNotification SendCmdNotification(const QString& aname, const QString& command);
HostNotification SendCmdAllNotification(const QString& command);
// The last step of the main window's unload.
HostNotification ShutdownNotification();
// OpenInTextViewer's choice: "VXLSPCVR,NF," + path to the running viewer, else a "SHELL"
// command with mode 0 and the path.
HostNotification TextViewerNotification(bool viewerRunning, const QString& path);

// Raises the notifications through one callback (the automation class forwards them to the
// host as NotifyServer).
class HostLink {
public:
    using Notify = std::function<void(const QString& aname, const QString& command)>;

    explicit HostLink(Notify notify) : notify_(std::move(notify)) {}

    void AP_Shell(const QString& aname, int16_t mode, const QString& commandLine);
    void AP_SendCmd(const QString& aname, const QString& command);
    void AP_SendCmdAll(const QString& command);
    void NotifyShutdown();

    // Shows a text file in the suite's text viewer. Answers 0, or 1 when anything failed on
    // the way (no callback, or the callback threw); never throws.
    int OpenInTextViewer(Kernel& kernel, const QString& path);

private:
    void Raise(const HostNotification& notification);

    Notify notify_;
};

// The SeverPath property: one component-wide text, empty at start.
QString SeverPath();
void SetSeverPath(const QString& path);

} // namespace vxw
