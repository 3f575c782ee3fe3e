#include "shell/HostLink.h"

#include "shell/HostCommand.h"
#include "shell/SharedStrings.h"
#include "suite/TextRules.h"

namespace vxw {

namespace {

void AppendNumber(QString& line, int value) {
    line.append(QLatin1Char(','));
    // The classic number-to-text rule: a blank stands where a minus sign would.
    line.append(value < 0 ? QLatin1Char('-') : QLatin1Char(' '));
    const qint64 magnitude = value < 0 ? -static_cast<qint64>(value) : value;
    line.append(QString::number(magnitude));
}

QString& SeverPathValue() {
    static QString value;
    return value;
}

} // namespace

QString AppRunningKey(const QString& appId) {
    return QLatin1String(kAppRunningPrefix) + UpperCase(TrimBlanks(appId));
}

bool IsAppRunning(Kernel& kernel, const QString& appId) {
    return TrimBlanks(ReadSharedString(kernel, AppRunningKey(appId))) == QLatin1String("1");
}

QString StateLine(const QString& caption, int windowState, int busy) {
    QString line = caption;
    AppendNumber(line, windowState);
    AppendNumber(line, 0);
    AppendNumber(line, busy);
    AppendNumber(line, 0);
    return line;
}

void PublishState(Kernel& kernel, bool active, const QString& caption, int windowState, int busy) {
    WriteSharedString(kernel, QLatin1String(kStateLineKey),
                      active ? StateLine(caption, windowState, busy) : QString());
}

HostNotification ShellNotification(const QString& aname, int16_t mode, const QString& commandLine) {
    return {aname, QStringLiteral("SHELL,") + QString::number(mode) + QLatin1Char(',') + commandLine};
}

HostNotification SendCmdNotification(const QString& aname, const QString& command) {
    return {aname, command};
}

HostNotification SendCmdAllNotification(const QString& command) {
    return {QLatin1String(kComponentId), command};
}

HostNotification ShutdownNotification() {
    return {QLatin1String(kComponentId), QStringLiteral("SHUTDOWN")};
}

HostNotification TextViewerNotification(bool viewerRunning, const QString& path) {
    const QString viewer = QLatin1String(kTextViewerId);
    if (viewerRunning) {
        return SendCmdNotification(viewer, viewer + QStringLiteral(",NF,") + path);
    }
    return ShellNotification(viewer, 0, path);
}

void HostLink::Raise(const HostNotification& notification) {
    if (notify_) {
        notify_(notification.aname, notification.command);
    }
}

void HostLink::AP_Shell(const QString& aname, int16_t mode, const QString& commandLine) {
    Raise(ShellNotification(aname, mode, commandLine));
}

void HostLink::AP_SendCmd(const QString& aname, const QString& command) {
    Raise(SendCmdNotification(aname, command));
}

void HostLink::AP_SendCmdAll(const QString& command) {
    Raise(SendCmdAllNotification(command));
}

void HostLink::NotifyShutdown() {
    Raise(ShutdownNotification());
}

int HostLink::OpenInTextViewer(Kernel& kernel, const QString& path) {
    if (!notify_) {
        return 1;
    }
    try {
        Raise(TextViewerNotification(IsAppRunning(kernel, QLatin1String(kTextViewerId)), path));
    } catch (...) {
        return 1; // whatever went wrong on the way, the caller only learns that it failed
    }
    return 0;
}

QString SeverPath() {
    return SeverPathValue();
}

void SetSeverPath(const QString& path) {
    SeverPathValue() = path;
}

} // namespace vxw
