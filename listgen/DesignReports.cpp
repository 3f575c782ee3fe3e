#include "listgen/DesignReports.h"

#include "kernel/Kernel.h"
#include "kernel/KernelText.h"
#include "kernel/KernelWalk.h"
#include "listgen/ComponentLookup.h"
#include "listgen/ExplorerLevels.h"
#include "listgen/FieldProfile.h"
#include "listgen/LayoutReport.h"
#include "listgen/NetReport.h"
#include "listgen/PartsUsedReport.h"
#include "listgen/SimulationSummary.h"
#include "suite/TextRules.h"

namespace vxw {
namespace {

constexpr int16_t kFieldTotalCircuits = 4;
constexpr int16_t kFieldCircuitHeading = 5;
constexpr int16_t kFieldDesigner = 11;
constexpr int16_t kFieldProjectName = 25;
constexpr int16_t kFieldTotalPages = 33;
constexpr int16_t kFieldPageHeading = 34;
constexpr int16_t kFieldRevision = 39;
constexpr int16_t kFieldSchematicNets = 40;
constexpr int16_t kFieldPartsUsed = 65;

const QLatin1String kLineEnd(kCrLf);

int32_t FindIn(Kernel& kernel, int32_t map, const QString& name) {
    return map > 0 ? FindByName(kernel, map, name) : 0;
}

// Pages, layout, parts used and nets of the current circuit.
void AppendCircuitBody(const ReportContext& context, QString& out) {
    AppendPagesSummary(out, context);
    out += LayoutComponentsSummary(context);
    if (context.Shown(kFieldPartsUsed)) {
        out += PartsUsedReport(context);
    }
    const NetMode mode = NetsSectionMode(context);
    if (mode != NetModeNone) {
        AppendNetsSection(out, context, mode);
    }
}

void AppendPageHeading(QString& out, int number, const QString& pageName) {
    out += QStringLiteral("Page ") + QString::number(number) + QStringLiteral(": ") + pageName + kLineEnd +
           kLineEnd;
}

} // namespace

void AppendProjectReport(QString& out, const ReportContext& context, ProjectLabel& label) {
    Kernel& kernel = context.kernel;
    const QString projectName = ObjectName(kernel, kernel.DB_DataBase());
    label = ReadProjectLabel(kernel);

    if (context.Shown(kFieldProjectName)) {
        out += QStringLiteral("PROJECT NAME: ") + UpperCase(projectName) + kLineEnd + kLineEnd;
    }
    if (context.Shown(kFieldDesigner)) {
        out += QStringLiteral("PROJECT DESIGNER: ") + label.Designer() + kLineEnd;
    }
    if (context.Shown(kFieldRevision)) {
        out += QStringLiteral("PROJECT REVISION: ") + label.Revision() + kLineEnd + kLineEnd;
    }
    AppendCircuitsSummary(out, context);
    out += kLineEnd + kLineEnd;
    const SimulationSummaryTexts simulation = SimulationSummary(context);
    out += simulation.mixedMode;
    out += simulation.circuitSimulator;
}

QString ProjectReport(const ReportContext& context, ProjectLabel& label) {
    QString out;
    AppendProjectReport(out, context, label);
    return out;
}

void AppendCircuitsSummary(QString& out, const ReportContext& context) {
    Kernel& kernel = context.kernel;
    const int32_t circuits = kernel.DB_HierarchyMap();
    // The total leads the text. Counting the circuits first costs a walk of a short map and
    // spares copying the whole text behind the total afterwards.
    if (context.Shown(kFieldTotalCircuits)) {
        out += QStringLiteral("Total Circuits : ") + QString::number(CountMap(kernel, circuits)) + kLineEnd +
               kLineEnd;
    }
    {
        const CurrentCircuitGuard guard(kernel);
        int count = 0;
        WalkMap(kernel, circuits, [&](int32_t circuit) {
            ++count;
            kernel.DB_SetCurHier(circuit);
            if (context.Shown(kFieldCircuitHeading)) {
                out += kLineEnd + kLineEnd + QStringLiteral("Circuit ") + QString::number(count) +
                       QStringLiteral(": ") + ObjectName(kernel, kernel.OM_Object(circuits, circuit)) +
                       kLineEnd + kLineEnd;
            }
            AppendCircuitBody(context, out);
        });
    }
    out += kLineEnd + kLineEnd;
}

QString CircuitsSummary(const ReportContext& context) {
    QString out;
    AppendCircuitsSummary(out, context);
    return out;
}

void AppendPagesSummary(QString& out, const ReportContext& context) {
    Kernel& kernel = context.kernel;
    const int32_t pages = kernel.DB_PageMap();
    // The total leads the text; counted first, as for the circuits.
    if (context.Shown(kFieldTotalPages)) {
        out +=
            QStringLiteral("Total Pages : ") + QString::number(CountMap(kernel, pages)) + kLineEnd + kLineEnd;
    }
    // One walk of the components for all pages, not one per page.
    const PageComponents components = ComponentsByPage(kernel);
    const std::vector<int32_t> none;
    int count = 0;
    WalkMap(kernel, pages, [&](int32_t page) {
        ++count;
        kernel.DB_SetCurPage(page);
        if (context.Shown(kFieldPageHeading)) {
            out += kLineEnd + QStringLiteral("Page ") + QString::number(count) + QStringLiteral(": ") +
                   ObjectName(kernel, kernel.OM_Object(pages, page)) + kLineEnd;
        }
        const auto found = components.constFind(page);
        out += SchematicComponentList(context, found != components.constEnd() ? *found : none);
    });
}

QString PagesSummary(const ReportContext& context) {
    QString out;
    AppendPagesSummary(out, context);
    return out;
}

bool SelectCircuit(const ReportContext& context, const QString& circuitName, int32_t& selectedCircuit) {
    Kernel& kernel = context.kernel;
    const int32_t circuits = kernel.DB_HierarchyMap();
    selectedCircuit = 0;
    if (circuits > 0) {
        int32_t cursor = kernel.OM_GetFirst(circuits);
        selectedCircuit = kernel.OM_SearchNameMask(circuits, &cursor, ToAnsi(circuitName).constData(), 0);
    }
    return selectedCircuit > 0 && kernel.DB_SetCurHier(selectedCircuit) > 0;
}

void AppendCircuitReport(QString& out, const ReportContext& context, const QString& circuitName,
                         int circuitNumber) {
    Kernel& kernel = context.kernel;
    const CurrentCircuitGuard guard(kernel);
    if (context.Shown(kFieldCircuitHeading)) {
        out += QStringLiteral("Circuit ") + QString::number(circuitNumber) + QStringLiteral(": ") +
               circuitName + kLineEnd + kLineEnd;
    }
    kernel.DB_SetCurHier(FindIn(kernel, kernel.DB_HierarchyMap(), circuitName));
    AppendCircuitBody(context, out);
}

QString CircuitReport(const ReportContext& context, const QString& circuitName, int circuitNumber) {
    QString out;
    AppendCircuitReport(out, context, circuitName, circuitNumber);
    return out;
}

void AppendAllCircuitsReport(QString& out, const ReportContext& context, FieldTable& fields,
                             const ExplorerLevels& levels) {
    const ReportContext circuitContext{context.kernel, fields, context.ui};
    int index = 0;
    for (const CircuitEntry& circuit : levels.Circuits) {
        fields.Prepare(circuit.Circuit.Profiles);
        AppendCircuitReport(out, circuitContext, circuit.Circuit.Name, ++index);
    }
}

QString AllCircuitsReport(const ReportContext& context, FieldTable& fields, const ExplorerLevels& levels) {
    QString out;
    AppendAllCircuitsReport(out, context, fields, levels);
    return out;
}

void AppendDiagramReport(QString& out, const ReportContext& context, const QString& circuitName) {
    Kernel& kernel = context.kernel;
    const CurrentCircuitGuard guard(kernel);
    if (context.Shown(kFieldCircuitHeading)) {
        out += QStringLiteral("Circuit: ") + circuitName + kLineEnd + kLineEnd;
    }
    kernel.DB_SetCurHier(FindIn(kernel, kernel.DB_HierarchyMap(), circuitName));
    AppendPagesSummary(out, context);
    if (context.Shown(kFieldSchematicNets)) {
        AppendNetsSection(out, context, NetModeSchematic);
    }
}

QString DiagramReport(const ReportContext& context, const QString& circuitName) {
    QString out;
    AppendDiagramReport(out, context, circuitName);
    return out;
}

QString PageReport(const ReportContext& context, int32_t selectedCircuit, const QString& pageName,
                   int pageNumber) {
    Kernel& kernel = context.kernel;
    QString out;
    if (context.Shown(kFieldPageHeading)) {
        AppendPageHeading(out, pageNumber, pageName);
    }
    kernel.DB_SetCurHier(selectedCircuit);
    const int32_t page = FindIn(kernel, kernel.DB_PageMap(), pageName);
    kernel.DB_SetCurPage(page);
    out += SchematicComponents(context, page);
    return out;
}

QString AllPagesReport(const ReportContext& context, FieldTable& fields, const ExplorerLevels& levels,
                       int circuitIndex, int32_t selectedCircuit) {
    if (circuitIndex < 0 || static_cast<std::size_t>(circuitIndex) >= levels.Circuits.size()) {
        return QString();
    }
    Kernel& kernel = context.kernel;
    const ReportContext pageContext{kernel, fields, context.ui};
    kernel.DB_SetCurHier(selectedCircuit);
    // The components of the circuit are walked once and shared out to the pages.
    const PageComponents components = ComponentsByPage(kernel);
    const std::vector<int32_t> none;
    const int32_t pages = kernel.DB_PageMap();
    QString out;
    int number = 0;
    for (const LevelRecord& pageLevel : levels.Circuits[static_cast<std::size_t>(circuitIndex)].Pages) {
        fields.Prepare(pageLevel.Profiles);
        ++number;
        if (pageContext.Shown(kFieldPageHeading)) {
            AppendPageHeading(out, number, pageLevel.Name);
        }
        const int32_t page = FindIn(kernel, pages, pageLevel.Name);
        kernel.DB_SetCurPage(page);
        const auto found = page > 0 ? components.constFind(page) : components.constEnd();
        out += SchematicComponentList(pageContext, found != components.constEnd() ? *found : none);
    }
    return out;
}

} // namespace vxw
