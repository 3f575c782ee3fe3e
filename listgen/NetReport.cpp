#include "listgen/NetReport.h"

#include "kernel/Kernel.h"
#include "kernel/KernelText.h"
#include "shell/UserInterface.h"
#include "suite/TextRules.h"

#include <algorithm>

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

// The pins one side (schematic or layout) of a net collects.
struct PinSide {
    QString list;
    int pins = 0;
    int unconnected = 0;

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

// The pin's name in the component's symbol; its index when the symbol has no name for it.
QString PinNumberOfSymbol(Kernel& kernel, int32_t symbol, int32_t pinIndex) {
    EntryRecord entry;
    if (kernel.S_ReadEntry(symbol, pinIndex, &entry) > 0 && entry.name && *entry.name) {
        return FromAnsi(entry.name);
    }
    return QString::number(pinIndex);
}

QString NetClass(int32_t flags) {
    if (flags & NetPowerGround) {
        return QStringLiteral("Pwr/Gnd");
    }
    if (flags & NetNamed) {
        return QStringLiteral("Named");
    }
    return QStringLiteral("UnNamed");
}

// Joins one side's counts line, underline and pin list to the head. With both sides the side
// gets its own titled line after an empty one; with one side the counts run on from the head,
// and the underline spans the joined line.
void AddSide(QString& head, const PinSide& side, const QString& title, int mode, bool totalsShown) {
    if (side.pins == 0) {
        return;
    }
    QString section;
    if (mode == NetModeBoth) {
        section = QLatin1String(kCrLf) + QLatin1String(kCrLf) + title;
    }
    if (totalsShown) {
        section += QLatin1String("  (Total: ") + QString::number(side.pins) + QLatin1Char(')');
    }
    if (side.unconnected > 0) {
        section += QLatin1String("  (UnC: ") + QString::number(side.unconnected) + QLatin1Char(')');
    }
    const qsizetype trimmedSection = TrimBlanks(QStringView(section)).size();
    const qsizetype underline =
        mode == NetModeBoth ? trimmedSection - 4 : TrimBlanks(QStringView(head)).size() + trimmedSection - 2;
    section += QLatin1String(kCrLf) + QString(std::max<qsizetype>(0, underline), QLatin1Char('-'));
    head = TrimBlanks(head) + TrimBlanks(section) + QLatin1String(kCrLf) + TrimBlanks(side.list);
}

QString NetLinesOf(const ReportContext& context, int32_t netId, const QString& netName, int mode) {
    Kernel& kernel = context.kernel;
    NetRecord net;
    if (netId <= 0 || kernel.N_ReadNet(netId, &net) <= 0) {
        return {};
    }
    QString head = QLatin1String(kCrLf) + QLatin1String("NET ") + netName;
    if (context.Shown(kFieldNetClass)) {
        head += QLatin1String(" (") + NetClass(net.flags) + QLatin1Char(')');
    }

    const bool pinNumberShown = context.Shown(kFieldPinNumber);
    const bool entryShown = context.Shown(kFieldEntryName);
    const bool markShown = context.Shown(kFieldConnectionMark);
    PinSide schematic;
    PinSide layout;
    WalkMapWhile(kernel, kernel.N_NodeMap(netId), [&](int32_t nodeId) {
        NodeRecord node;
        if (kernel.N_ReadNode(nodeId, &node) <= 0) {
            // The node id tells more than the failed read's result would.
            context.ui.ReportError(kNodeUnreadableError,
                                   netName + QLatin1Char('/') + QString::number(nodeId));
            return false;
        }
        LayCompRecord layComp;
        if (kernel.L_ReadComponent(node.layComp, &layComp) > 0) {
            layout.list += FromAnsi(layComp.name);
            if (pinNumberShown) {
                layout.list += QLatin1Char(',') + PinNumberOfSymbol(kernel, layComp.symbol, node.layPin);
            }
            layout.AddMark((node.flags & NodeLayoutConnected) != 0, markShown);
        }
        SchCompRecord schComp;
        if (kernel.C_ReadComponent(node.schComp, &schComp) > 0) {
            EntryRecord entry;
            const bool entryRead = kernel.S_ReadEntry(schComp.symbol, node.schEntry, &entry) > 0;
            schematic.list += FromAnsi(schComp.name);
            if (entryRead && entryShown) {
                schematic.list += QLatin1Char(',') + FromAnsi(entry.name);
            }
            schematic.AddMark((node.flags & NodeSchematicConnected) != 0, markShown);
        }
        return true;
    });
    schematic.DropLastSeparator();
    layout.DropLastSeparator();

    const bool totalsShown = context.Shown(kFieldTotals);
    if (mode == NetModeSchematic || mode == NetModeBoth) {
        AddSide(head, schematic, QStringLiteral("Schematic"), mode, totalsShown);
    }
    if (mode == NetModeLayout || mode == NetModeBoth) {
        AddSide(head, layout, QStringLiteral("Layout"), mode, totalsShown);
    }
    head += QLatin1String(kCrLf);
    return head;
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
    WalkMapWhile(kernel, kernel.DB_NetMap(), [&](int32_t netId) {
        out += QLatin1String(kCrLf);
        out += NetLinesOf(context, netId, ObjectName(kernel, netId), mode);
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
    return net.Found() ? NetLinesOf(context, net.id, netName, mode) : QString();
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
