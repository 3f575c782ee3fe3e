#include "explorer/ExplorerModel.h"

#include "kernel/Kernel.h"
#include "kernel/KernelText.h"
#include "suite/SuiteServices.h"
#include "suite/TextRules.h"

namespace vxw {

namespace {

constexpr int kTreeRestoreLimit = 13;

QString Bracketed(const LevelRecord& level) {
    return level.Caption + QLatin1String("[ ") + level.Name + QLatin1String(" ]");
}

QString Message(const SuiteServices& suite, const char* id, const char* defaultText) {
    return suite.GetMessageText(QLatin1String(defaultText), QLatin1String(id));
}

} // namespace

int ExplorerModel::Add(const QString& key, const QString& kind, const QString& text, int image, int parent) {
    nodes_.push_back({key, kind, text, image, parent});
    table_.Add(key, kind);
    return NodeCount();
}

void ExplorerModel::Build(const ExplorerLevels& levels, const SuiteServices& suite) {
    nodes_.clear();
    table_.Clear();
    std::size_t pageCount = 0;
    for (const CircuitEntry& entry : levels.Circuits) {
        pageCount += entry.Pages.size();
    }
    nodes_.reserve(kFixedNodeCount + levels.Circuits.size() * 5 + pageCount);

    const int system = Add(levels.SystemLevel.Kind, kKindSystem, levels.SystemLevel.Caption, 22, 0);
    const int library = Add(levels.LibraryLevel.Kind, kKindLibrary, levels.LibraryLevel.Caption, 6, system);
    Add(QStringLiteral("PART"), kKindParts, Message(suite, "453", "Parts"), 7, library);
    Add(QStringLiteral("SYMBOL"), kKindSymbols, Message(suite, "454", "Symbols"), 8, library);
    Add(QStringLiteral("PACKAGE"), kKindPackages, Message(suite, "455", "Packages"), 9, library);
    Add(QStringLiteral("PAD"), kKindPadstacks, Message(suite, "31110", "Padstacks"), 10, library);
    const int project =
        Add(levels.ProjectLevel.Kind, kKindProject, Bracketed(levels.ProjectLevel), 1, system);

    const QString netsText = Message(suite, "13141", "Nets");
    const QString hierarchyText = Message(suite, "31111", "Hierarchy");
    for (const CircuitEntry& entry : levels.Circuits) {
        const int circuit = Add(entry.Circuit.Kind, kKindCircuit, Bracketed(entry.Circuit), 4, project);
        const int diagram = Add(entry.Diagram.Kind, kKindDiagram, entry.Diagram.Caption, 3, circuit);
        Add(entry.Layout.Kind, kKindLayout, entry.Layout.Caption, 5, circuit);
        Add(entry.Layout.Kind + QLatin1String("NET"), kKindNets, netsText, 19, circuit);
        Add(entry.Layout.Kind + QLatin1String("HIERARCHY"), kKindHierarchy, hierarchyText, 20, circuit);
        for (const LevelRecord& page : entry.Pages) {
            Add(page.Kind, kKindPage, Bracketed(page), 2, diagram);
        }
    }
}

const ExplorerNode* ExplorerModel::Node(int index) const {
    if (index < 1 || index > NodeCount()) {
        return nullptr;
    }
    return &nodes_[static_cast<std::size_t>(index - 1)];
}

const ExplorerNode* ExplorerModel::Parent(int index) const {
    const ExplorerNode* node = Node(index);
    return node ? Node(node->Parent) : nullptr;
}

QString ExplorerModel::Dump() const {
    QString text;
    int index = 0;
    for (const ExplorerNode& node : nodes_) {
        text += QString::number(++index);
        text += QLatin1Char('\t');
        text += ControlsAsBlanks(node.Key);
        text += QLatin1Char('\t');
        text += node.Kind;
        text += QLatin1Char('\t');
        text += ControlsAsBlanks(node.Text);
        text += QLatin1String("\r\n");
    }
    return text;
}

ExplorerModel BuildExplorerModel(Kernel& kernel, ExplorerLevels& levels, const SuiteServices& suite) {
    levels.ProjectName = TrimBlanks(ObjectName(kernel, kernel.DB_DataBase()));
    levels.ProjectLevel.Name = levels.ProjectName;
    ExplorerModel model;
    model.Build(levels, suite);
    return model;
}

TreeSelection RestoreTreeSelection(const QString& storedValue, int nodeCount) {
    TreeSelection selection;
    const QStringView value = TrimBlanks(QStringView(storedValue));
    if (value.isEmpty()) {
        selection.Selected = 1;
    } else {
        const double v = LeadingNumber(value);
        if (v >= 1 && v <= kTreeRestoreLimit) {
            selection.Selected = RoundToInt32(v);
            // An index past the end of a smaller tree is stale; the Project node is what a
            // larger stored index falls back to as well.
            if (selection.Selected > nodeCount) {
                selection.Selected = kProjectNode;
            }
        } else if (v > kTreeRestoreLimit) {
            selection.Selected = kProjectNode;
        }
    }
    if (selection.Selected > nodeCount) {
        selection.Selected = 0;
    }
    selection.Clicked = selection.Selected > 0 ? selection.Selected : (nodeCount > 0 ? 1 : 0);
    return selection;
}

} // namespace vxw
