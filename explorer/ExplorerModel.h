#pragma once
// The explorer's node model, free of any window: the nodes in the order they are added to the
// tree, with key, kind letter, text, image number and parent, and the NodeTable beside them.
// The tree widget only mirrors this model.

#include "explorer/NodeTable.h"
#include "listgen/ExplorerLevels.h"

#include <QLatin1String>
#include <QString>

#include <vector>

namespace vxw {

class Kernel;
class SuiteServices;

// Node kind letters; compared case-sensitively.
inline constexpr QLatin1String kKindSystem{"M"};
inline constexpr QLatin1String kKindLibrary{"L"};
inline constexpr QLatin1String kKindParts{"T"};
inline constexpr QLatin1String kKindSymbols{"S"};
inline constexpr QLatin1String kKindPackages{"K"};
inline constexpr QLatin1String kKindPadstacks{"V"};
inline constexpr QLatin1String kKindProject{"P"};
inline constexpr QLatin1String kKindCircuit{"C"};
inline constexpr QLatin1String kKindDiagram{"D"};
inline constexpr QLatin1String kKindLayout{"B"};
inline constexpr QLatin1String kKindNets{"N"};
inline constexpr QLatin1String kKindHierarchy{"H"};
inline constexpr QLatin1String kKindPage{"G"};

// The fixed nodes (System, Library, its four library nodes, Project) come first.
inline constexpr int kFixedNodeCount = 7;
inline constexpr int kProjectNode = 7;

struct ExplorerNode {
    QString Key;
    QString Kind;
    QString Text;
    int Image = 0;  // 1-based position in the tree's image list
    int Parent = 0; // index of the parent node; 0 for the root
};

class ExplorerModel {
public:
    // Rebuilds the nodes and the NodeTable from the levels (whole, never patched).
    void Build(const ExplorerLevels& levels, const SuiteServices& suite);

    // Nodes are numbered from 1 in addition order, like the NodeTable rows.
    int NodeCount() const { return static_cast<int>(nodes_.size()); }
    const ExplorerNode* Node(int index) const;
    const std::vector<ExplorerNode>& Nodes() const { return nodes_; }
    const ExplorerNode* Parent(int index) const;

    const NodeTable& Table() const { return table_; }
    // The kind letter of the node with this key (first match); "" when no node has it.
    QString NodeKind(const QString& key) const { return table_.NodeKind(key); }
    // The index of the first node with this key; 0 when none has it.
    int IndexOf(const QString& key) const { return table_.FirstRow(key); }

    // One line per node in addition order: index, key, kind letter and text, separated by tabs
    // and ended by CR LF. Control characters in a text show as blanks so a node stays one line.
    QString Dump() const;

private:
    int Add(const QString& key, const QString& kind, const QString& text, int image, int parent);

    std::vector<ExplorerNode> nodes_;
    NodeTable table_;
};

// The window-free part of BuildExplorerTree: reads the project name from the kernel (blanks
// trimmed) into levels.ProjectName and the Project level's name, then builds the model.
ExplorerModel BuildExplorerModel(Kernel& kernel, ExplorerLevels& levels, const SuiteServices& suite);

// The selection after a rebuild, from the stored "TREE" value.
struct TreeSelection {
    int Selected = 0; // node the tree selects; 0 when the stored value selects none
    int Clicked = 0;  // node handed to NodeClick; 0 only when the model has no nodes
};

// Empty (after trimming blanks) selects node 1; a value v in 1..13 selects node v (node 7,
// Project, when the tree has fewer nodes); above 13 node 7; below 1 nothing. When nothing is
// selected NodeClick still gets node 1, so the window always shows a node's state.
TreeSelection RestoreTreeSelection(const QString& storedValue, int nodeCount);

} // namespace vxw
