#include "shell/HostCommand.h"

namespace vxw {

HostCommand DecideHostCommand(const ParsedCommand& command) {
    const QString target = command.Field(1);
    if (target != QLatin1String(kAllApplications) && target != QLatin1String(kComponentId)) {
        return HostCommand::None;
    }
    if (!command.Has(2)) {
        return HostCommand::IndexOutOfRange;
    }
    const QString action = command.Field(2);
    if (action == QLatin1String("MN")) {
        return HostCommand::Minimise;
    }
    if (action == QLatin1String("DF")) {
        return HostCommand::Restore;
    }
    if (action == QLatin1String("UP")) {
        return HostCommand::Refresh;
    }
    if (action == QLatin1String("EX")) {
        return HostCommand::Exit;
    }
    return HostCommand::None;
}

HostCommand DecideHostCommand(const QString& text) {
    if (text.isEmpty()) {
        return HostCommand::None;
    }
    return DecideHostCommand(ParseCommand(text));
}

} // namespace vxw
