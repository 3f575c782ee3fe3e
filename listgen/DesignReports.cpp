#include "listgen/DesignReports.h"

#include "explorer/ExplorerLevels.h"
#include "kernel/Kernel.h"
#include "kernel/KernelText.h"
#include "listgen/ComponentLookup.h"
#include "listgen/FieldProfile.h"
#include "listgen/LayoutReport.h"
#include "listgen/NetReport.h"
#include "listgen/PartsUsedReport.h"
#include "listgen/SimulationSummary.h"

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
    out += PagesSummary(context);
    out += LayoutComponentsSummary(context);
    if (context.Shown(kFieldPartsUsed)) {
        out += PartsUsedReport(context);
    }
    const NetMode mode = NetsSectionMode(context);
    if (mode != NetModeNone) {
        out += NetsSection(context, mode);
    }
}

void AppendPageHeading(QString& out, int number, const QString& pageName) {
    out += QStringLiteral("Page ") + QString::number(number) + QStringLiteral(": ") + pageName + kLineEnd +
           kLineEnd;
}

} // namespace

QString ProjectReport(const ReportContext& context, ProjectLabel& label) {
    Kernel& kernel = context.kernel;
    const QString projectName = ObjectName(kernel, kernel.DB_DataBase());
    label = ReadProjectLabel(kernel);

    QString out;
    if (context.Shown(kFieldProjectName)) {
        out += QStringLiteral("PROJECT NAME: ") + projectName.toUpper() + kLineEnd + kLineEnd;
    }
    if (context.Shown(kFieldDesigner)) {
        out += QStringLiteral("PROJECT DESIGNER: ") + label.Designer() + kLineEnd;
    }
    if (context.Shown(kFieldRevision)) {
        out += QStringLiteral("PROJECT REVISION: ") + label.Revision() + kLineEnd + kLineEnd;
    }
    out += CircuitsSummary(context);
    out += kLineEnd + kLineEnd;
    const SimulationSummaryTexts simulation = SimulationSummary(context);
    out += simulation.mixedMode;
    out += simulation.circuitSimulator;
    return out;
}

QString CircuitsSummary(const ReportContext& context) {
    Kernel& kernel = context.kernel;
    QString body;
    int count = 0;
    {
        const CurrentCircuitGuard guard(kernel);
        const int32_t circuits = kernel.DB_HierarchyMap();
        WalkMap(kernel, circuits, [&](int32_t circuit) {
            ++count;
            kernel.DB_SetCurHier(circuit);
            if (context.Shown(kFieldCircuitHeading)) {
                body += kLineEnd + kLineEnd + QStringLiteral("Circuit ") + QString::number(count) +
                        QStringLiteral(": ") + ObjectName(kernel, kernel.OM_Object(circuits, circuit)) +
                        kLineEnd + kLineEnd;
            }
            AppendCircuitBody(context, body);
        });
    }
    body += kLineEnd + kLineEnd;
    if (!context.Shown(kFieldTotalCircuits)) {
        return body;
    }
    // The total is known only after the walk but leads the text.
    QString out = QStringLiteral("Total Circuits : ") + QString::number(count) + kLineEnd + kLineEnd;
    out.reserve(out.size() + body.size());
    out += body;
    return out;
}

QString PagesSummary(const ReportContext& context) {
    Kernel& kernel = context.kernel;
    // One walk of the components for all pages, not one per page.
    const PageComponents components = ComponentsByPage(kernel);
    const std::vector<int32_t> none;
    QString body;
    int count = 0;
    const int32_t pages = kernel.DB_PageMap();
    WalkMap(kernel, pages, [&](int32_t page) {
        ++count;
        kernel.DB_SetCurPage(page);
        if (context.Shown(kFieldPageHeading)) {
            body += kLineEnd + QStringLiteral("Page ") + QString::number(count) + QStringLiteral(": ") +
                    ObjectName(kernel, kernel.OM_Object(pages, page)) + kLineEnd;
        }
        const auto found = components.constFind(page);
        body += SchematicComponentList(context, found != components.constEnd() ? *found : none);
    });
    if (!context.Shown(kFieldTotalPages)) {
        return body;
    }
    QString out = QStringLiteral("Total Pages : ") + QString::number(count) + kLineEnd + kLineEnd;
    out.reserve(out.size() + body.size());
    out += body;
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

QString CircuitReport(const ReportContext& context, const QString& circuitName, int circuitNumber) {
    Kernel& kernel = context.kernel;
    const CurrentCircuitGuard guard(kernel);
    QString out;
    if (context.Shown(kFieldCircuitHeading)) {
        out += QStringLiteral("Circuit ") + QString::number(circuitNumber) + QStringLiteral(": ") +
               circuitName + kLineEnd + kLineEnd;
    }
    kernel.DB_SetCurHier(FindIn(kernel, kernel.DB_HierarchyMap(), circuitName));
    AppendCircuitBody(context, out);
    return out;
}

QString AllCircuitsReport(const ReportContext& context, FieldTable& fields, const ExplorerLevels& levels) {
    const ReportContext circuitContext{context.kernel, fields, context.ui};
    QString out;
    int index = 0;
    for (const CircuitEntry& circuit : levels.Circuits) {
        fields.Prepare(circuit.Circuit.Profiles);
        out += CircuitReport(circuitContext, circuit.Circuit.Name, ++index);
    }
    return out;
}

QString DiagramReport(const ReportContext& context, const QString& circuitName) {
    Kernel& kernel = context.kernel;
    const CurrentCircuitGuard guard(kernel);
    QString out;
    if (context.Shown(kFieldCircuitHeading)) {
        out += QStringLiteral("Circuit: ") + circuitName + kLineEnd + kLineEnd;
    }
    kernel.DB_SetCurHier(FindIn(kernel, kernel.DB_HierarchyMap(), circuitName));
    out += PagesSummary(context);
    if (context.Shown(kFieldSchematicNets)) {
        out += NetsSection(context, NetModeSchematic);
    }
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
