// `listgen properties NODEKEY [--select-all] [--set ID=0|1[,...]]`: the property window's grid of
// an explorer node as text; with --set, the fields of those ids ticked (1) or cleared (0) as the
// window would, written into the objects' copies and saved as the component saves its flags when
// it closes, so the next run's lists follow them.

#include "cli/BatchCommand.h"
#include "component/ComponentState.h"
#include "kernel/KernelAccess.h"
#include "listgen/FieldProfile.h"
#include "properties/PropertyGrid.h"
#include "properties/PropertyTarget.h"
#include "shell/SettingsKeys.h"
#include "suite/SuiteServices.h"

#include <map>

namespace vxw {
namespace {

struct PropertiesArguments {
    QString nodeKey;
    bool selectAll = false;
    std::map<int, bool> set; // field id -> tick
};

QString ParseSet(const QString& text, std::map<int, bool>& set) {
    for (const QString& item : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QStringList parts = item.split(QLatin1Char('='));
        bool ok = false;
        const int id = parts.value(0).trimmed().toInt(&ok);
        const QString value = parts.value(1).trimmed();
        if (parts.size() != 2 || !ok || id <= 0 ||
            (value != QLatin1String("0") && value != QLatin1String("1"))) {
            return QStringLiteral("properties: --set takes ID=0 or ID=1, comma-separated; not ") + item;
        }
        set[id] = value == QLatin1String("1");
    }
    return set.empty() ? QStringLiteral("properties: --set needs ID=0|1") : QString();
}

QString ParseArguments(const QStringList& arguments, PropertiesArguments& parsed) {
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--select-all")) {
            parsed.selectAll = true;
        } else if (argument == QLatin1String("--set")) {
            if (QString error = ParseSet(i + 1 < arguments.size() ? arguments[++i] : QString(), parsed.set);
                !error.isEmpty()) {
                return error;
            }
        } else if (argument.startsWith(QLatin1String("--"))) {
            return QStringLiteral("properties: unknown option ") + argument;
        } else if (!parsed.nodeKey.isNull()) {
            return QStringLiteral("properties takes one node key");
        } else {
            parsed.nodeKey = argument;
        }
    }
    return parsed.nodeKey.isEmpty() ? QStringLiteral("properties needs a node key (see 'listgen tree')")
                                    : QString();
}

} // namespace

int RunPropertiesCommand(BatchContext& context) {
    PropertiesArguments parsed;
    if (const QString usage = ParseArguments(context.arguments.arguments, parsed); !usage.isEmpty()) {
        context.err << "listgen: " << usage << "\n";
        return BatchUsage;
    }
    ComponentState state;
    if (!state.Start(TheKernel(), Suite(), context.ui)) {
        return BatchFailed;
    }
    const int index = state.Model().IndexOf(parsed.nodeKey);
    if (index < 1) {
        context.err << "listgen: the design has no explorer node with the key " << parsed.nodeKey
                    << " (see 'listgen tree')\n";
        return BatchFailed;
    }
    const PropertyCopies target =
        CopiesForNode(state.Levels(), state.Model(), index, parsed.selectAll, parsed.selectAll);
    if (target.objectClass == 0) {
        context.err << "listgen: the node " << parsed.nodeKey << " has no properties\n";
        return BatchFailed;
    }
    PropertyGrid grid(target.Shown());
    for (const auto& [id, on] : parsed.set) {
        bool found = false;
        for (size_t row = 0; row < grid.Rows().size(); ++row) {
            if (!grid.Rows()[row].group && grid.Rows()[row].fieldId == id) {
                found = true;
                grid.SetCheck(static_cast<int>(row), on, context.ui);
            }
        }
        if (!found) {
            context.err << "listgen: the node " << parsed.nodeKey << " has no field with the id " << id
                        << "\n";
            return BatchFailed;
        }
    }
    if (ApplyProperties(grid, target, state.Profile())) {
        const QString flags = SavedFieldFlags(state.Profile());
        if (!Suite().SaveSuiteSetting(kListSection, kPropertyKey,
                                      flags.isEmpty() ? flags : flags.chopped(1))) {
            context.err << "listgen: the field flags could not be saved in the suite settings\n";
            return BatchFailed;
        }
    }
    context.out << target.caption << "\n";
    WriteText(context.out, grid.Text());
    return BatchOk;
}

} // namespace vxw
