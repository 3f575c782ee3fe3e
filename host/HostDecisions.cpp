#include "host/HostDecisions.h"

#include "shell/HostCommand.h"
#include "shell/HostLink.h"

namespace vxw {

namespace {

QString ApplicationId(const QString& name) {
    return name.trimmed().toUpper();
}

// A command's first two fields and everything after the second comma, untouched (a path may
// hold commas or quotes). False when there are fewer than two commas.
struct CommandHead {
    QString first;
    QString second;
    QString tail;
};

bool SplitHead(const QString& command, CommandHead& head) {
    const qsizetype first = command.indexOf(QLatin1Char(','));
    const qsizetype second = first < 0 ? -1 : command.indexOf(QLatin1Char(','), first + 1);
    if (second < 0) {
        return false;
    }
    head = {command.left(first), command.mid(first + 1, second - first - 1), command.mid(second + 1)};
    return true;
}

HostAction ViewFile(const QString& path, bool viewerRunning) {
    if (path.trimmed().isEmpty()) {
        return {HostActionKind::Ignore, QLatin1String(kTextViewerId), {}};
    }
    return {viewerRunning ? HostActionKind::OpenInViewer : HostActionKind::StartViewer,
            QLatin1String(kTextViewerId), path};
}

} // namespace

HostAction DecideHostAction(const QString& aname, const QString& command, bool viewerRunning) {
    const QString application = ApplicationId(aname);
    const QString viewer = QLatin1String(kTextViewerId);
    if (application == QLatin1String(kComponentId)) {
        return command == QLatin1String("SHUTDOWN") ? HostAction{HostActionKind::Quit, application, {}}
                                                    : HostAction{HostActionKind::Ignore, application, {}};
    }
    if (application != viewer) {
        return {HostActionKind::UnknownApplication, application, {}};
    }
    CommandHead head;
    if (!SplitHead(command, head)) {
        return {HostActionKind::Ignore, application, {}};
    }
    if (head.first == QLatin1String("SHELL")) {
        return ViewFile(head.tail, viewerRunning);
    }
    // The viewer's own commands name it first: "VXLSPCVR,NF,<path>".
    if (ApplicationId(head.first) == viewer && head.second == QLatin1String("NF")) {
        return ViewFile(head.tail, viewerRunning);
    }
    return {HostActionKind::Ignore, application, {}};
}

QString ComponentCommandText(const QString& typed) {
    const QString text = typed.trimmed();
    // An addressee alone ("VXLLSTGN", "All") is a command without its action: it goes as typed.
    if (text.isEmpty() || text.contains(QLatin1Char(',')) || text == QLatin1String(kComponentId) ||
        text == QLatin1String(kAllApplications)) {
        return text;
    }
    return QLatin1String(kComponentId) + QLatin1Char(',') + text;
}

} // namespace vxw
