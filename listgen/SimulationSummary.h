#pragma once
// The simulation summary of the project report: how many of the project's schematic symbols
// each simulator can take, with the names of those it cannot.

#include "listgen/ReportContext.h"

#include <QString>

namespace vxw {

struct SimulationSummaryTexts {
    QString mixedMode;
    QString circuitSimulator;
};

// Walks the project's schematic symbols once (each name counted once, unreadable symbols
// skipped). A symbol cannot be simulated in mixed mode when its simulation function (attribute
// token 3, blanks trimmed) is empty or "None", and not by the circuit simulator when its element
// code (token 4, blanks trimmed) is empty or "SPL0" (the code of no element); both compared without regard to
// case. The names of those symbols are listed one a line as "*" + name. The kernel's current circuit and page
// are the same afterwards as before.
SimulationSummaryTexts SimulationSummary(const ReportContext& context);

} // namespace vxw
