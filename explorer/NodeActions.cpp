#include "explorer/NodeActions.h"

#include "suite/DateTexts.h"
#include "suite/SuiteServices.h"

namespace vxw {

namespace {

const QLatin1String kLibraryKinds[] = {kKindParts, kKindSymbols, kKindPackages, kKindPadstacks};

bool IsOneOf(const QString& kind, std::initializer_list<QLatin1String> kinds) {
    for (QLatin1String k : kinds) {
        if (kind == k) {
            return true;
        }
    }
    return false;
}

// The kind of a node is only ever taken from the NodeTable, by the node's key.
QString KindOf(const ExplorerModel& model, const ExplorerNode* node) {
    return node ? model.NodeKind(node->Key) : QString();
}

QString KeyOf(const ExplorerNode* node) {
    return node ? node->Key : QString();
}

QString TextOf(const ExplorerNode* node) {
    return node ? node->Text : QString();
}

} // namespace

int LibraryKindOfNode(const QString& kind) {
    for (int i = 0; i < 4; ++i) {
        if (kind == kLibraryKinds[i]) {
            return i + 1;
        }
    }
    return 0;
}

const QStringList& NodeClickCommands() {
    static const QStringList commands{QStringLiteral("property"),
                                      QStringLiteral("preview"),
                                      QStringLiteral("format"),
                                      QStringLiteral("librarypath"),
                                      QStringLiteral("mnuLibraryItemFind"),
                                      QStringLiteral("findnext"),
                                      QStringLiteral("mnuLibraryOutAll"),
                                      QStringLiteral("smallicon"),
                                      QStringLiteral("list"),
                                      QStringLiteral("details"),
                                      QStringLiteral("options")};
    return commands;
}

QStringList EnabledCommandsForKind(const QString& kind) {
    if (kind == kKindLibrary) {
        return {QStringLiteral("librarypath")};
    }
    if (IsOneOf(kind, {kKindProject, kKindCircuit, kKindDiagram, kKindLayout, kKindNets})) {
        return {QStringLiteral("format"), QStringLiteral("property"), QStringLiteral("preview")};
    }
    if (kind == kKindPage) {
        return {QStringLiteral("property"), QStringLiteral("preview")};
    }
    if (LibraryKindOfNode(kind) > 0) {
        // The library kinds also reach their own folder, the find and search commands, the
        // item list's views and the columns: nothing else would ever enable them.
        return {QStringLiteral("property"),
                QStringLiteral("preview"),
                QStringLiteral("librarypath"),
                QStringLiteral("mnuLibraryItemFind"),
                QStringLiteral("mnuLibraryOutAll"),
                QStringLiteral("smallicon"),
                QStringLiteral("list"),
                QStringLiteral("details"),
                QStringLiteral("options")};
    }
    if (kind == kKindHierarchy) {
        return {QStringLiteral("preview")};
    }
    return {};
}

QString PopupBandForKind(const QString& kind) {
    static const std::pair<QLatin1String, const char*> bands[] = {
        {kKindProject, "popProject"},    {kKindCircuit, "popCircuit"},  {kKindDiagram, "popDiagram"},
        {kKindPage, "popPage"},          {kKindLayout, "popLayout"},    {kKindNets, "popNet"},
        {kKindHierarchy, "popHirarchy"}, {kKindLibrary, "popLibrary"},  {kKindParts, "popPart"},
        {kKindSymbols, "popSymbol"},     {kKindPackages, "popPackage"}, {kKindPadstacks, "popPadstack"},
    };
    for (const auto& [k, band] : bands) {
        if (kind == k) {
            return QLatin1String(band);
        }
    }
    return {};
}

QString ProjectHeader(const QString& projectName, const QString& date) {
    const QLatin1String crlf("\r\n");
    return QLatin1String("PROJECT: ") + projectName + crlf + date + crlf + crlf;
}

NodeClickPlan PlanNodeClick(const ExplorerModel& model, int index, const NodeClickContext& context,
                            const SuiteServices& suite) {
    NodeClickPlan plan;
    const QString listOf = QStringLiteral("List of ");
    plan.Panels[1] = QString();
    plan.Panels[2] = QString();
    plan.Panels[3] = QString();
    plan.Title = listOf;

    const ExplorerNode* node = model.Node(index);
    plan.Kind = KindOf(model, node);
    plan.EnabledCommands = EnabledCommandsForKind(plan.Kind);
    if (plan.Kind.isEmpty()) {
        return plan;
    }

    const QString& kind = plan.Kind;
    const QString text = node->Text;
    const QString crlf = QStringLiteral("\r\n");
    const QString date = ShortDate();
    const QString header =
        kind == kKindProject ? date + crlf + crlf : ProjectHeader(context.ProjectName, date);
    const ExplorerNode* parent = model.Parent(index);

    if (IsOneOf(kind, {kKindSystem, kKindLibrary, kKindProject})) {
        plan.Panels[0] = text;
        plan.Title = header + listOf + text;
        plan.ClearHierarchyView = true;
    } else if (kind == kKindCircuit) {
        plan.Panels[0] = text;
        plan.Title = context.CircuitSelectAll ? header + QStringLiteral("List of all Circuit(s)")
                                              : header + listOf + text;
        plan.ClearHierarchyView = true;
    } else if (IsOneOf(kind, {kKindDiagram, kKindLayout, kKindNets, kKindHierarchy})) {
        const QString parentText = TextOf(parent);
        plan.Panels[0] = parentText;
        plan.Panels[1] = text;
        plan.Title = header + listOf + text + QStringLiteral(" in ") + parentText;
        if (kind == kKindHierarchy) {
            plan.RunHierarchyList = true;
            plan.HierarchyCircuitKey = KeyOf(parent);
        } else {
            plan.ClearHierarchyView = true;
        }
    } else if (kind == kKindPage) {
        const QString circuitText = TextOf(parent ? model.Node(parent->Parent) : nullptr);
        plan.Panels[0] = circuitText;
        plan.Panels[1] = text;
        plan.Title = context.PageSelectAll ? header + QStringLiteral("List of all Page(s) in ") + circuitText
                                           : header + listOf + text + QStringLiteral(" in ") + circuitText;
        // The view holds one circuit's hierarchy only while its Hierarchy node is selected.
        plan.ClearHierarchyView = true;
    } else if (const int libraryKind = LibraryKindOfNode(kind); libraryKind > 0) {
        static const char* const fileWords[] = {"part file ", "symbol file ", "package file ",
                                                "padstack file "};
        plan.Panels[0] = text;
        plan.Panels[1] = suite.GetMessageText(QStringLiteral("Library path"), QStringLiteral("17398")) +
                         QLatin1Char(' ') + context.LibraryPaths[static_cast<std::size_t>(libraryKind - 1)] +
                         QLatin1Char(' ');
        plan.Title = listOf + QLatin1String(fileWords[libraryKind - 1]);
        plan.LibraryKind = libraryKind;
        plan.ClearHierarchyView = true;
    }
    return plan;
}

ListAction PlanListAction(const ExplorerModel& model, int index) {
    ListAction action;
    const ExplorerNode* node = model.Node(index);
    const QString kind = KindOf(model, node);
    const ExplorerNode* parent = model.Parent(index);

    auto generate = [&action](int mode, const QString& circuitKey, const QString& pageKey) {
        action.Type = ListActionType::GenerateList;
        action.ListMode = mode;
        action.CircuitKey = circuitKey;
        action.PageKey = pageKey;
    };
    if (kind == kKindProject) {
        generate(1, {}, {});
    } else if (kind == kKindCircuit) {
        generate(2, node->Key, {});
    } else if (kind == kKindDiagram) {
        generate(3, KeyOf(parent), {});
    } else if (kind == kKindPage) {
        generate(4, KeyOf(parent ? model.Node(parent->Parent) : nullptr), node->Key);
    } else if (kind == kKindLayout) {
        generate(5, KeyOf(parent), {});
    } else if (kind == kKindNets) {
        generate(6, KeyOf(parent), {});
    } else if (kind == kKindHierarchy) {
        action.Type = ListActionType::HierarchyText;
        action.CircuitKey = KeyOf(parent);
        action.CircuitText = TextOf(parent);
    } else if (const int libraryKind = LibraryKindOfNode(kind); libraryKind > 0) {
        action.Type = ListActionType::LibraryFiles;
        action.LibraryKind = libraryKind;
    }
    return action;
}

PropertyTarget PlanNodeProperties(const ExplorerModel& model, int index) {
    PropertyTarget target;
    const ExplorerNode* node = model.Node(index);
    const QString kind = KindOf(model, node);
    const ExplorerNode* parent = model.Parent(index);

    if (kind == kKindProject) {
        target.ObjectClass = ClassProject;
    } else if (kind == kKindCircuit) {
        target.ObjectClass = ClassCircuit;
        target.CircuitKey = node->Key;
    } else if (kind == kKindDiagram) {
        target.ObjectClass = ClassDiagram;
        target.CircuitKey = KeyOf(parent);
    } else if (kind == kKindPage) {
        target.ObjectClass = ClassPage;
        target.CircuitKey = KeyOf(parent ? model.Node(parent->Parent) : nullptr);
        target.PageKey = node->Key;
    } else if (kind == kKindLayout) {
        target.ObjectClass = ClassPcb;
        target.CircuitKey = KeyOf(parent);
    } else if (kind == kKindNets) {
        target.ObjectClass = ClassNets;
        target.CircuitKey = KeyOf(parent);
    } else if (const int libraryKind = LibraryKindOfNode(kind); libraryKind > 0) {
        target.ObjectClass = ClassPart + libraryKind - 1;
    }
    return target;
}

ListOrigin DesignListOrigin(const ExplorerModel& model, const ExplorerLevels& levels, int index,
                            bool circuitSelectAll, bool pageSelectAll) {
    ListOrigin origin;
    const ExplorerNode* node = model.Node(index);
    const QString kind = KindOf(model, node);
    if (kind.isEmpty()) {
        return origin;
    }
    origin.Image = node->Image;
    const ListAction action = PlanListAction(model, index);
    const int circuit = FindCircuit(levels, action.CircuitKey);
    const CircuitEntry* entry = circuit >= 0 ? &levels.Circuits[static_cast<std::size_t>(circuit)] : nullptr;
    if (kind == kKindProject) {
        origin.ClassText = levels.ProjectLevel.Caption;
        origin.ObjectName = levels.ProjectName;
    } else if (kind == kKindCircuit) {
        origin.ClassText = entry ? entry->Circuit.Caption : node->Text;
        origin.ObjectName = circuitSelectAll ? QStringLiteral("All Circuit(s)")
                            : entry          ? entry->Circuit.Name
                                             : QString();
    } else if (kind == kKindPage) {
        const int page = FindPage(levels, circuit, action.PageKey);
        origin.ClassText = page >= 0 ? entry->Pages[static_cast<std::size_t>(page)].Caption : node->Text;
        origin.ObjectName = pageSelectAll ? QStringLiteral("All Page(s)")
                            : page >= 0   ? entry->Pages[static_cast<std::size_t>(page)].Name
                                          : QString();
    } else {
        // Diagram, layout, nets, hierarchy: one per circuit, named after it.
        origin.ClassText = node->Text;
        origin.ObjectName = entry ? entry->Circuit.Name : QString();
    }
    return origin;
}

} // namespace vxw
