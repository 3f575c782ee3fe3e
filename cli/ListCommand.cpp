// `listgen list NODEKEY [--select-all] [--format] [--unit inch|mm]`: the list the preview would
// show for that explorer node, exactly as the list driver returns it. The component always starts
// with the inch as its unit; --unit lets the lengths be checked with the millimetre first.

#include "cli/BatchCommand.h"
#include "cli/NodeList.h"
#include "component/ComponentState.h"
#include "explorer/HierarchyText.h"
#include "explorer/HierarchyView.h"
#include "explorer/NodeActions.h"
#include "kernel/KernelAccess.h"
#include "listgen/CurrentList.h"
#include "listgen/ListGenerator.h"
#include "shell/SharedStrings.h"
#include "shell/SuitePaths.h"
#include "shell/Units.h"
#include "suite/DateTexts.h"
#include "suite/SuiteServices.h"

namespace vxw {

namespace {

struct ListArguments {
    QString nodeKey;
    bool selectAll = false;
    bool format = false;
    int unit = kUnitInch;
};

// Answers the usage error, or empty text.
QString ParseListArguments(const QStringList& arguments, ListArguments& parsed) {
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--unit")) {
            const QString unit = i + 1 < arguments.size() ? arguments[++i] : QString();
            if (unit == QLatin1String("mm")) {
                parsed.unit = kUnitMillimetre;
            } else if (unit == QLatin1String("inch")) {
                parsed.unit = kUnitInch;
            } else {
                return QStringLiteral("list: --unit takes inch or mm");
            }
        } else if (argument == QLatin1String("--select-all")) {
            parsed.selectAll = true;
        } else if (argument == QLatin1String("--format")) {
            parsed.format = true;
        } else if (argument.startsWith(QLatin1String("--"))) {
            return QStringLiteral("list: unknown option ") + argument;
        } else if (!parsed.nodeKey.isNull()) {
            return QStringLiteral("list takes one node key");
        } else {
            parsed.nodeKey = argument;
        }
    }
    if (parsed.nodeKey.isEmpty()) {
        return QStringLiteral("list needs a node key (see 'listgen tree')");
    }
    return QString();
}

} // namespace

std::optional<QString> NodeListText(Kernel& kernel, const ComponentState& state, const SuiteServices& suite,
                                    UserInterface& ui, int index, const NodeListOptions& choice) {
    const ExplorerModel& model = state.Model();
    // The node is clicked first, which gives the list its title, then its list action runs.
    NodeClickContext click;
    click.ProjectName = state.Levels().ProjectName;
    click.CircuitSelectAll = choice.selectAll;
    click.PageSelectAll = choice.selectAll;
    const NodeClickPlan plan = PlanNodeClick(model, index, click, suite);
    const ListAction action = PlanListAction(model, index);

    ListOptions options;
    options.CircuitSelectAll = choice.selectAll;
    options.PageSelectAll = choice.selectAll;
    options.Format = choice.format;
    options.Title = plan.Title;
    options.SelectedKind = plan.Kind;
    ListGenerator generator(kernel, state.Levels(), suite, ui);

    switch (action.Type) {
    case ListActionType::GenerateList:
        return generator.GenerateList(action.CircuitKey, action.PageKey, action.ListMode, options);
    case ListActionType::LibraryFiles:
        // Without a file chosen in the file list, the library node's list is its heading.
        return generator.GenerateList(QString(), QString(), ListPartFiles + action.LibraryKind - 1, options);
    case ListActionType::HierarchyText: {
        // The Hierarchy node's click fills the view (list kind 11); its list writes the view out.
        HierarchyView view;
        generator.SetViews(
            {{}, [&](const QString& circuitName) { view = ShowHierarchyFor(kernel, suite, circuitName); }});
        generator.GenerateList(action.CircuitKey, QString(), ListHierarchy, options);
        SuitePaths paths;
        ReadSuitePaths(paths, suite, ProductName(kernel));
        return HierarchyText(view, state.Levels().ProjectName, ShortDate(), action.CircuitText, choice.format,
                             ScratchListPath(paths.JobDir));
    }
    case ListActionType::None:
        break;
    }
    return std::nullopt;
}

int RunListCommand(BatchContext& context) {
    ListArguments parsed;
    if (const QString usage = ParseListArguments(context.arguments.arguments, parsed); !usage.isEmpty()) {
        context.err << "listgen: " << usage << "\n";
        return BatchUsage;
    }
    SetCurrentUnit(parsed.unit);
    Kernel& kernel = TheKernel();
    const SuiteServices& suite = Suite();
    ComponentState state;
    if (!state.Start(kernel, suite, context.ui)) {
        return BatchFailed;
    }
    const ExplorerModel& model = state.Model();
    const int index = model.IndexOf(parsed.nodeKey);
    if (index < 1) {
        context.err << "listgen: the design has no explorer node with the key " << parsed.nodeKey
                    << " (see 'listgen tree')\n";
        return BatchFailed;
    }

    const std::optional<QString> text =
        NodeListText(kernel, state, suite, context.ui, index, {parsed.selectAll, parsed.format});
    if (!text) {
        context.err << "listgen: the node " << parsed.nodeKey << " has no list\n";
        return BatchOk;
    }
    WriteText(context.out, *text);
    return BatchOk;
}

} // namespace vxw
