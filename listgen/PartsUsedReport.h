#pragma once
// The parts-used section of the circuit and layout reports: the library parts the current
// circuit's components use, how many times each, in three groups (parts, package-only parts,
// symbol-only parts).

#include "listgen/ReportContext.h"

#include <QString>

namespace vxw {

// The section for the current circuit. Callers test field 65 themselves.
QString PartsUsedReport(const ReportContext& context);

} // namespace vxw
