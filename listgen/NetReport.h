#pragma once
// The net report: for every net of a circuit the schematic pins (component and entry) and the
// layout pins (component and pin number) it connects, each marked connected or unconnected,
// with counts; and the legend that explains that line format.

#include "listgen/ReportContext.h"

#include <QString>

#include <cstdint>

namespace vxw {

class Kernel;

// Which sides a net section shows.
enum NetMode : int {
    NetModeNone = 0, // no section at all
    NetModeSchematic = 1,
    NetModeLayout = 2,
    NetModeBoth = 3,
};

// Error code of a net name that names no net of the current circuit.
inline constexpr int kNetNotFoundError = 24;
// Error code of a node that cannot be read.
inline constexpr int kNodeUnreadableError = 26;

struct NetLookup {
    int32_t id = 0;    // the net's id, 0 when not found
    int errorCode = 0; // 0 when found, kNetNotFoundError when not

    bool Found() const { return errorCode == 0; }
};

// The net of that exact name in the current circuit's net map. Nothing is reported here.
NetLookup FindNet(Kernel& kernel, const QString& name);

// The mode the circuit reports ask for: both sides when fields 40 and 21 are shown, only the
// schematic (40) or only the layout (21), none when neither.
NetMode NetsSectionMode(const ReportContext& context);

// The body of the nets list of one circuit. The kernel's current circuit and page are the same
// afterwards as before.
QString NetReport(const ReportContext& context, const QString& circuitName);
// NetReport written onto the end of `text`.
void AppendNetReport(QString& text, const ReportContext& context, const QString& circuitName);

// Every net of the current circuit, in kernel order ("!!NETS: None!!" when it has none).
QString NetsSection(const ReportContext& context, int mode);
// NetsSection written onto the end of `out`.
void AppendNetsSection(QString& out, const ReportContext& context, int mode);

// One net of the current circuit by name; empty text when there is no such net.
QString NetLines(const ReportContext& context, const QString& netName, int mode);

// The legend of the net line format, put in front of lists when the "format" command is on
// and the selected explorer node is a project, circuit, diagram, PCB layout or nets node
// (kind letters "P", "C", "D", "B", "N"); empty text otherwise.
QString NetFormatHeader(bool formatOn, const QString& selectedKind);

// The pin number of a layout pin: the name of entry `pinIndex` (1-based) of the layout
// component's footprint, or the index in decimal when the component, its footprint or that
// entry cannot be read or the entry has no name.
QString LayoutPinNumber(Kernel& kernel, int32_t layoutComponentId, int32_t pinIndex);

} // namespace vxw
