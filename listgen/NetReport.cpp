#include "listgen/NetReport.h"

#include "kernel/Kernel.h"
#include "kernel/KernelText.h"
#include "listgen/ComponentPinNames.h"
#include "shell/UserInterface.h"
#include "suite/TextRules.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <vector>

namespace vxw {
namespace {

constexpr int16_t kFieldNetClass = 44;
constexpr int16_t kFieldPinNumber = 37;
constexpr int16_t kFieldEntryName = 57;
constexpr int16_t kFieldConnectionMark = 28;
constexpr int16_t kFieldTotals = 27;
constexpr int16_t kFieldSchematicNets = 40;
constexpr int16_t kFieldLayoutNets = 21;
constexpr int16_t kFieldCircuitHeading = 5;

// Calls visit(id) for every object of a map in kernel order, until visit answers false. The walk
// ends after as many objects as the map says it holds, so a cursor that never ends cannot hang
// us.
template <typename Visit> void WalkMapWhile(Kernel& kernel, int32_t map, Visit visit) {
    if (map <= 0) {
        return;
    }
    int32_t cursor = kernel.OM_GetFirst(map);
    const int32_t count = kernel.OM_GetCount(map);
    for (int32_t seen = 0; seen < count; ++seen) {
        const int32_t id = kernel.OM_SearchMask(map, &cursor, 0, 0);
        if (id <= 0 || !visit(id)) {
            return;
        }
    }
}

bool ShowsSchematic(int mode) {
    return mode == NetModeSchematic || mode == NetModeBoth;
}

bool ShowsLayout(int mode) {
    return mode == NetModeLayout || mode == NetModeBoth;
}

// The pins one side (schematic or layout) of a net collects.
struct PinSide {
    QString list;
    int pins = 0;
    int unconnected = 0;

    void Reset() {
        list.resize(0); // keeps the buffer for the next net
        pins = 0;
        unconnected = 0;
    }
    void AddMark(bool connected, bool markShown) {
        ++pins;
        if (!connected) {
            ++unconnected;
        }
        if (!markShown) {
            list += QLatin1String("; ");
        } else {
            list += connected ? QLatin1String(",C; ") : QLatin1String(",UnC; ");
        }
    }
    void DropLastSeparator() {
        if (!list.isEmpty()) {
            list.chop(2);
        }
    }
};

// Buffers reused from net to net, so that a section of many nets allocates a handful of times.
struct NetScratch {
    PinSide schematic;
    PinSide layout;
    QString section;
    std::vector<NodeRecord> nodes;
};

void AppendNumber(QString& out, int64_t value) {
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out += QLatin1String(buffer, static_cast<qsizetype>(result.ptr - buffer));
}

// The pin's name in the component's symbol; its index when the symbol has no name for it.
QString PinNumberOfSymbol(Kernel& kernel, int32_t symbol, int32_t pinIndex) {
    EntryRecord entry;
    if (kernel.S_ReadEntry(symbol, pinIndex, &entry) > 0 && entry.name && *entry.name) {
        return FromAnsi(entry.name);
    }
    return QString::number(pinIndex);
}

QLatin1String NetClass(int32_t flags) {
    if (flags & NetPowerGround) {
        return QLatin1String("Pwr/Gnd");
    }
    if (flags & NetNamed) {
        return QLatin1String("Named");
    }
    return QLatin1String("UnNamed");
}

// Joins one side's counts line, underline and pin list to the net's text, which runs from
// `headStart` to the end of `out`. With both sides the side gets its own titled line after an
// empty one; with one side the counts run on from the head, and the underline spans the
// joined line. Blanks at either end of the head, the counts and the pin list are dropped
// (the head always starts with its line end, so only its trailing blanks can go).
void AddSide(QString& out, qsizetype headStart, QString& section, const PinSide& side, QLatin1String title,
             int mode, bool totalsShown) {
    if (side.pins == 0) {
        return;
    }
    section.resize(0);
    if (mode == NetModeBoth) {
        section += QLatin1String(kCrLf);
        section += QLatin1String(kCrLf);
        section += title;
    }
    if (totalsShown) {
        section += QLatin1String("  (Total: ");
        AppendNumber(section, side.pins);
        section += QLatin1Char(')');
    }
    if (side.unconnected > 0) {
        section += QLatin1String("  (UnC: ");
        AppendNumber(section, side.unconnected);
        section += QLatin1Char(')');
    }
    const QStringView trimmedSection = TrimBlanks(QStringView(section));
    qsizetype headEnd = out.size();
    while (headEnd > headStart && out.at(headEnd - 1) == QLatin1Char(' ')) {
        --headEnd;
    }
    const qsizetype underline =
        mode == NetModeBoth ? trimmedSection.size() - 4 : (headEnd - headStart) + trimmedSection.size() - 2;
    out.truncate(headEnd);
    out += trimmedSection;
    out += QLatin1String(kCrLf);
    out.resize(out.size() + std::max<qsizetype>(0, underline), QLatin1Char('-'));
    out += QLatin1String(kCrLf);
    out += TrimBlanks(QStringView(side.list));
}

// Writes one net's text (its head, then the sides the mode asks for) onto the end of `out`;
// nothing when the net cannot be read.
void AppendNetLines(QString& out, const ReportContext& context, const ComponentPinNames& names,
                    NetScratch& scratch, int32_t netId, QStringView netName, int mode) {
    Kernel& kernel = context.kernel;
    NetRecord net;
    if (netId <= 0 || kernel.N_ReadNet(netId, &net) <= 0) {
        return;
    }
    const qsizetype headStart = out.size();
    out += QLatin1String(kCrLf);
    out += QLatin1String("NET ");
    out += netName;
    if (context.Shown(kFieldNetClass)) {
        out += QLatin1String(" (");
        out += NetClass(net.flags);
        out += QLatin1Char(')');
    }

    const bool schematicShown = ShowsSchematic(mode);
    const bool layoutShown = ShowsLayout(mode);
    const bool pinNumberShown = context.Shown(kFieldPinNumber);
    const bool entryShown = context.Shown(kFieldEntryName);
    const bool markShown = context.Shown(kFieldConnectionMark);
    PinSide& schematic = scratch.schematic;
    PinSide& layout = scratch.layout;
    schematic.Reset();
    layout.Reset();
    // The net's nodes are read first and their components asked for ahead of use: the
    // components of a large design lie scattered in memory, and waiting for each in turn was
    // most of a large nets section's time.
    std::vector<NodeRecord>& nodes = scratch.nodes;
    nodes.clear();
    int32_t unreadable = 0;
    WalkMapWhile(kernel, kernel.N_NodeMap(netId), [&](int32_t nodeId) {
        NodeRecord node;
        if (kernel.N_ReadNode(nodeId, &node) <= 0) {
            unreadable = nodeId;
            return false;
        }
        names.Prefetch(schematicShown ? node.schComp : 0, layoutShown ? node.layComp : 0);
        nodes.push_back(node);
        return true;
    });
    for (const NodeRecord& node : nodes) {
        if (layoutShown) {
            if (const auto component = names.Layout(node.layComp)) {
                layout.list += component->name;
                if (pinNumberShown) {
                    layout.list += QLatin1Char(',');
                    const auto pin = names.EntryName(*component, node.layPin);
                    if (pin && !pin->isEmpty()) {
                        layout.list += *pin;
                    } else {
                        AppendNumber(layout.list, node.layPin);
                    }
                }
                layout.AddMark((node.flags & NodeLayoutConnected) != 0, markShown);
            }
        }
        if (schematicShown) {
            if (const auto component = names.Schematic(node.schComp)) {
                schematic.list += component->name;
                if (entryShown) {
                    if (const auto entry = names.EntryName(*component, node.schEntry)) {
                        schematic.list += QLatin1Char(',');
                        schematic.list += *entry;
                    }
                }
                schematic.AddMark((node.flags & NodeSchematicConnected) != 0, markShown);
            }
        }
    }
    if (unreadable != 0) {
        // The node id tells more than the failed read's result would.
        context.ui.ReportError(kNodeUnreadableError,
                               netName.toString() + QLatin1Char('/') + QString::number(unreadable));
    }
    schematic.DropLastSeparator();
    layout.DropLastSeparator();

    const bool totalsShown = context.Shown(kFieldTotals);
    if (schematicShown) {
        AddSide(out, headStart, scratch.section, schematic, QLatin1String("Schematic"), mode, totalsShown);
    }
    if (layoutShown) {
        AddSide(out, headStart, scratch.section, layout, QLatin1String("Layout"), mode, totalsShown);
    }
    out += QLatin1String(kCrLf);
}

} // namespace

NetLookup FindNet(Kernel& kernel, const QString& name) {
    const int32_t id = FindByName(kernel, kernel.DB_NetMap(), name);
    return id > 0 ? NetLookup{id, 0} : NetLookup{0, kNetNotFoundError};
}

NetMode NetsSectionMode(const ReportContext& context) {
    const bool schematic = context.Shown(kFieldSchematicNets);
    const bool layout = context.Shown(kFieldLayoutNets);
    if (schematic && layout) {
        return NetModeBoth;
    }
    if (schematic) {
        return NetModeSchematic;
    }
    return layout ? NetModeLayout : NetModeNone;
}

void AppendNetReport(QString& text, const ReportContext& context, const QString& circuitName) {
    Kernel& kernel = context.kernel;
    const CurrentCircuitGuard guard(kernel);

    if (context.Shown(kFieldCircuitHeading)) {
        text += QLatin1String("Circuit: ") + circuitName + QLatin1String(kCrLf) + QLatin1String(kCrLf);
    }
    const int32_t hierarchies = kernel.DB_HierarchyMap();
    int32_t cursor = kernel.OM_GetFirst(hierarchies);
    const int32_t circuit =
        kernel.OM_SearchNameMask(hierarchies, &cursor, ToAnsi(circuitName).constData(), 0);
    // A name that matches no circuit leaves no circuit current, so its section says "no nets"
    // rather than describing whichever circuit happened to be current.
    kernel.DB_SetCurHier(std::max(circuit, 0));
    const NetMode mode = NetsSectionMode(context);
    if (mode != NetModeNone) {
        AppendNetsSection(text, context, mode);
    }
}

QString NetReport(const ReportContext& context, const QString& circuitName) {
    QString text;
    AppendNetReport(text, context, circuitName);
    return text;
}

void AppendNetsSection(QString& out, const ReportContext& context, int mode) {
    Kernel& kernel = context.kernel;
    // The section can run to tens of megabytes, so it is written in place: the heading first,
    // taken back when the circuit turns out to have no nets.
    const qsizetype start = out.size();
    out += QLatin1String(kCrLf);
    out += QLatin1String("**NETS**");
    out += QLatin1String(kCrLf);
    const qsizetype firstNet = out.size();
    // Each net goes by the id the walk gives, not by a fresh look-up of its name: two nets of
    // one name would otherwise both print the first one's pins.
    // The components are taken in at the first net, so a circuit without nets costs nothing.
    std::optional<ComponentPinNames> names;
    NetScratch scratch;
    WalkMapWhile(kernel, kernel.DB_NetMap(), [&](int32_t netId) {
        if (!names) {
            names.emplace(kernel, ShowsSchematic(mode), ShowsLayout(mode));
        }
        out += QLatin1String(kCrLf);
        AppendNetLines(out, context, *names, scratch, netId, ObjectName(kernel, netId), mode);
        out += QLatin1String(kCrLf);
        return true;
    });
    if (out.size() == firstNet) {
        out.truncate(start);
        out += QLatin1String(kCrLf);
        out += QLatin1String("!!NETS: None!!");
        out += QLatin1String(kCrLf);
    }
}

QString NetsSection(const ReportContext& context, int mode) {
    QString out;
    AppendNetsSection(out, context, mode);
    return out;
}

QString NetLines(const ReportContext& context, const QString& netName, int mode) {
    const NetLookup net = FindNet(context.kernel, netName);
    QString out;
    if (net.Found()) {
        const ComponentPinNames names(context.kernel, false, false);
        NetScratch scratch;
        AppendNetLines(out, context, names, scratch, net.id, netName, mode);
    }
    return out;
}

QString NetFormatHeader(bool formatOn, const QString& selectedKind) {
    static const QStringList kLegendKinds = {QStringLiteral("P"), QStringLiteral("C"), QStringLiteral("D"),
                                             QStringLiteral("B"), QStringLiteral("N")};
    if (!formatOn || !kLegendKinds.contains(selectedKind)) {
        return {};
    }
    const QString crLf = QLatin1String(kCrLf);
    const QString rule = QString(80, QLatin1Char('-'));
    QString text;
    text.reserve(700);
    text += crLf + rule + crLf;
    text += QLatin1String("FORMAT FOR NETS:") + crLf + crLf;
    text += QLatin1String("Net Name") + crLf + crLf;
    text += QLatin1String("Schematic") + crLf + QString(9, QLatin1Char('-')) + crLf;
    text += QLatin1String("FORMAT:     Schematic Component name, Entry, Connected (C) / UnConnected (UnC);") +
            crLf;
    text += QLatin1String("EXAMPLE:    Unpck2,MINUS,C; Unpck3,1,UnC") + crLf + crLf + crLf;
    text += QLatin1String("Layout") + crLf + QString(6, QLatin1Char('-')) + crLf;
    text +=
        QLatin1String("FORMAT:     Layout Component name, Pin number, Connected (C) / UnConnected (UnC);") +
        crLf;
    text += QLatin1String("EXAMPLE:    U5,7,C; U4,7,C; U3,7,C; U2,7,UnC; U1,7,C") + crLf + crLf;
    text += rule + crLf + crLf;
    return text;
}

QString LayoutPinNumber(Kernel& kernel, int32_t layoutComponentId, int32_t pinIndex) {
    LayCompRecord component;
    return kernel.L_ReadComponent(layoutComponentId, &component) > 0
               ? PinNumberOfSymbol(kernel, component.symbol, pinIndex)
               : QString::number(pinIndex);
}

} // namespace vxw
