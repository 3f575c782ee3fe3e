#pragma once
// What a host command asks of the component (the decision of AP_ExeCmd).

#include "shell/CommandParser.h"

#include <QString>

namespace vxw {

inline constexpr char kComponentId[] = "VXLLSTGN";
inline constexpr char kAllApplications[] = "All";

enum class HostCommand {
    None,            // empty command, another application's, or an unknown action: nothing
    Minimise,        // "MN"
    Restore,         // "DF": normal window state
    Refresh,         // "UP": the refresh sequence
    Exit,            // "EX": JobStopped true, then ShutDown (no question)
    IndexOutOfRange, // addressed to this component but without a second field: a failure
                     // result for the caller (the automation layer answers a bad-index error)
};

// Field 1 must be exactly "All" or "VXLLSTGN", field 2 exactly "MN", "DF", "UP" or "EX".
HostCommand DecideHostCommand(const ParsedCommand& command);

// NotifyMe's road: an empty text does nothing; otherwise ParseCommand (which updates the
// component-wide command state) and decide.
HostCommand DecideHostCommand(const QString& text);

} // namespace vxw
