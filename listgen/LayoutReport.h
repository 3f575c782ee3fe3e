#pragma once
// The layout report of one circuit: the layout component list and the board statistics (board
// size, pad, via and hole counts, trace segments, pad and copper items, keep-off zones,
// layers, connections and the routed share).

#include "listgen/BoardCounters.h"
#include "listgen/ReportContext.h"

#include <QString>

#include <functional>

namespace vxw {

// Writes the nets section of a circuit in the given mode (1 schematic, 2 layout, 3 both) onto
// the end of the text.
using NetsSectionFunction = std::function<void(QString& out, int mode)>;
inline constexpr int kLayoutNetsMode = 2;

// The body of the layout list of the named circuit: its layout components and statistics, the
// parts used (field 65) and the layout nets (field 21). The current circuit and page are
// restored afterwards.
QString LayoutReport(const ReportContext& context, const QString& circuitName,
                     const NetsSectionFunction& netsSection);
// LayoutReport written onto the end of `out`.
void AppendLayoutReport(QString& out, const ReportContext& context, const QString& circuitName,
                        const NetsSectionFunction& netsSection);

// The layout component totals and table of the current circuit, then BoardStatistics.
QString LayoutComponentsSummary(const ReportContext& context);

// The board statistics of the current circuit.
QString BoardStatistics(const ReportContext& context);

// The buried via figure: the number of kinds and, when there are any, CRLF, one line per kind
// (" Via n. k layers") and CRLF.
QString BuriedVias(Kernel& kernel);

} // namespace vxw
