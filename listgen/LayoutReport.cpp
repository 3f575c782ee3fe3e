#include "listgen/LayoutReport.h"

#include "kernel/KernelText.h"
#include "listgen/ComponentLookup.h"
#include "listgen/PartsUsedReport.h"
#include "shell/Units.h"
#include "shell/UserInterface.h"
#include "suite/NumberFormat.h"
#include "suite/SuiteServices.h"

#include <algorithm>
#include <bit>

namespace vxw {
namespace {

// Field ids of the lines of this report.
constexpr int16_t kFieldBoardSize = 2;
constexpr int16_t kFieldBuriedVias = 3;
constexpr int16_t kFieldCircuitHeading = 5;
constexpr int16_t kFieldComponents = 6;
constexpr int16_t kFieldPercentageRouted = 9;
constexpr int16_t kFieldTotalHoles = 17;
constexpr int16_t kFieldLayers = 20;
constexpr int16_t kFieldLayoutNets = 21;
constexpr int16_t kFieldPads = 32;
constexpr int16_t kFieldPartBreakdown = 35;
constexpr int16_t kFieldComponentTable = 36;
constexpr int16_t kFieldUnrouted = 49;
constexpr int16_t kFieldVias = 53;
constexpr int16_t kFieldTotalConnections = 60;
constexpr int16_t kFieldPartsUsed = 65;
constexpr int16_t kFieldTraceSegments = 71;
constexpr int16_t kFieldCopperItems = 72;
constexpr int16_t kFieldKeepOffZones = 73;

const QLatin1String kLineEnd(kCrLf);

qint64 MapCount(Kernel& kernel, int32_t map) {
    return map > 0 ? std::max<qint64>(kernel.OM_GetCount(map), 0) : 0;
}

// "label: " + value + CRLF when the field is shown.
void AppendLine(QString& out, const ReportContext& context, int16_t field, const char* label,
                const QString& value) {
    if (context.Shown(field)) {
        out += QLatin1String(label) + value + kLineEnd;
    }
}

QString BoardLength(qint64 databaseUnits, double unitScale) {
    const int unit = CurrentUnit();
    const double length = static_cast<double>(databaseUnits);
    return FormatLength(length, unitScale, unit) + QStringLiteral(" / ") +
           FormatLength(length, unitScale, OtherUnit(unit));
}

} // namespace

QString BuriedVias(Kernel& kernel) {
    const std::vector<uint32_t> kinds = BuriedViaKinds(kernel);
    QString out = QString::number(kinds.size());
    if (kinds.empty()) {
        return out;
    }
    out += kLineEnd;
    int number = 0;
    for (const uint32_t span : kinds) {
        out += kLineEnd + QStringLiteral(" Via ") + QString::number(++number) + QStringLiteral(". ") +
               QString::number(std::popcount(span)) + QStringLiteral(" layers");
    }
    out += kLineEnd;
    return out;
}

QString BoardStatistics(const ReportContext& context) {
    Kernel& kernel = context.kernel;
    QString out;
    out.reserve(1024);

    if (context.Shown(kFieldBoardSize)) {
        const BoardExtent size = BoardSize(kernel);
        const double unitScale = Suite().UnitScale();
        out += QStringLiteral("Horizontal Board Size: ") + BoardLength(size.width, unitScale) + kLineEnd;
        out += QStringLiteral("Vertical Board Size: ") + BoardLength(size.height, unitScale) + kLineEnd;
    }

    BoardCounters counters;
    counters.vias = MapCount(kernel, kernel.DB_ViaMap());
    counters.layoutComponents = MapCount(kernel, kernel.DB_LayCompMap());
    PadCounts(kernel, counters);
    AppendLine(out, context, kFieldComponents,
               "No. of Components: ", QString::number(counters.layoutComponents));
    AppendLine(out, context, kFieldPads, "No. of SMD Pads: ", QString::number(counters.smdPads));
    AppendLine(out, context, kFieldPads, "No. of PMD Pads: ", QString::number(counters.pmdPads));
    AppendLine(out, context, kFieldVias, "No. of Vias: ", QString::number(counters.vias));
    if (context.Shown(kFieldBuriedVias)) {
        AppendLine(out, context, kFieldBuriedVias, "No. of Buried Vias: ", BuriedVias(kernel));
    }
    AppendLine(out, context, kFieldTotalHoles,
               "Total Holes: ", QString::number(counters.pmdPads + counters.vias));

    // The board's own item array holds the copper items and the keep-off zones.
    const int32_t boardItems = kernel.S_SymbolItemArray(0);
    ItemCounts(kernel, counters, ItemTallyKind::CopperItems, kTopLayer, boardItems);
    TraceSegmentCount(kernel, counters);
    const LayerTally& totals = counters.Totals();
    AppendLine(out, context, kFieldTraceSegments, "Trace Segments: ", QString::number(totals.traceSegments));
    AppendLine(out, context, kFieldPads, "Total Pad Items: ", QString::number(totals.padItems));
    AppendLine(out, context, kFieldCopperItems, "Copper Items: ", QString::number(totals.copperItems));
    const qint64 keepOffZones = boardItems > 0 ? std::max<qint64>(kernel.OA_GetCount(boardItems), 0) : 0;
    AppendLine(out, context, kFieldKeepOffZones, "Total Keep Off Zone: ", QString::number(keepOffZones));
    if (context.Shown(kFieldLayers)) {
        AppendLine(out, context, kFieldLayers, "Layers (Used/Total): ",
                   QString::number(LayersUsed(kernel)) + QStringLiteral(" / ") +
                       QString::number(kBoardLayers));
    }

    const ConnectionTally connections = ConnectionCounts(kernel);
    AppendLine(out, context, kFieldTotalConnections,
               "Total Connections: ", QString::number(connections.total));
    AppendLine(out, context, kFieldUnrouted, "UnRouted Connections: ", QString::number(connections.unrouted));
    if (context.Shown(kFieldPercentageRouted)) {
        out += QStringLiteral("Percentage Routed: ") +
               FormatNumber(QStringLiteral("##0.00"), connections.RoutedPercentage()) + QStringLiteral("%") +
               kLineEnd + kLineEnd;
    }
    return out;
}

QString LayoutComponentsSummary(const ReportContext& context) {
    Kernel& kernel = context.kernel;
    const bool markParts = context.Shown(kFieldPartBreakdown);
    QString rows;
    qint64 total = 0;
    qint64 parts = 0;
    qint64 specialParts = 0;

    WalkMap(kernel, kernel.DB_LayCompMap(), [&](int32_t id) {
        const char* rawName = kernel.O_GetName(id);
        const QLatin1String name = KernelText(rawName);
        const ComponentLookup lookup = FindComponent(kernel, kLayoutComponent, rawName);
        QLatin1String partName;
        bool isPart = false; // a component that cannot be found or read counts as a special part
        LayCompRecord record;
        if (!lookup.Found()) {
            context.ui.ReportError(lookup.errorCode, QString(name));
        } else if (kernel.L_ReadComponent(lookup.id, &record) > 0) {
            if (record.device != 0) {
                partName = KernelText(kernel.O_GetName(kernel.D_Device(record.device)));
            }
            isPart = record.specialPart == 0;
        }
        ++total;
        ++(isPart ? parts : specialParts);
        rows += kLineEnd;
        rows += isPart && markParts ? QLatin1String("* ") : QLatin1String("  ");
        rows += name;
        if (!partName.isEmpty()) {
            rows += QLatin1String(" - ");
            rows += partName;
        }
    });

    QString out;
    if (context.Shown(kFieldComponents)) {
        out += QStringLiteral("Total Layout Components : ") + QString::number(total);
    }
    if (markParts) {
        out += QStringLiteral("   (Part(*) : ") + QString::number(parts) +
               QStringLiteral("  Special Part: ") + QString::number(specialParts) + QStringLiteral(")") +
               kLineEnd + kLineEnd;
    }
    if (context.Shown(kFieldComponentTable)) {
        out += rows + kLineEnd + kLineEnd;
    }
    out += BoardStatistics(context);
    return out;
}

void AppendLayoutReport(QString& out, const ReportContext& context, const QString& circuitName,
                        const NetsSectionFunction& netsSection) {
    Kernel& kernel = context.kernel;
    const CurrentCircuitGuard guard(kernel);
    if (context.Shown(kFieldCircuitHeading)) {
        out += QStringLiteral("Circuit: ") + circuitName + kLineEnd + kLineEnd;
    }
    const int32_t hierarchies = kernel.DB_HierarchyMap();
    kernel.DB_SetCurHier(hierarchies > 0 ? FindByName(kernel, hierarchies, circuitName) : 0);
    out += LayoutComponentsSummary(context);
    if (context.Shown(kFieldPartsUsed)) {
        out += PartsUsedReport(context);
    }
    if (context.Shown(kFieldLayoutNets) && netsSection) {
        netsSection(out, kLayoutNetsMode);
    }
}

QString LayoutReport(const ReportContext& context, const QString& circuitName,
                     const NetsSectionFunction& netsSection) {
    QString out;
    AppendLayoutReport(out, context, circuitName, netsSection);
    return out;
}

} // namespace vxw
