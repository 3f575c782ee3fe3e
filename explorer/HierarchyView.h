#pragma once
// The hierarchy view as a model, free of any window: which circuits hold which through block
// components, as a tree of nodes in index order. The tree widget only mirrors this model.
//
// How the tree is shaped: a root per top hierarchy; under a hierarchy, one node per block
// component it holds (a schematic component that stands for another hierarchy); under each
// block component, the sub-hierarchy it stands for, which again holds its own blocks. So the
// path of a node reads circuit, block, circuit, block, ... as the design nests them.

#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>
#include <vector>

namespace vxw {

class Kernel;
class SuiteServices;

// The design's stream holding the current hierarchy stack, and the size of one record.
inline constexpr char kHierarchyStackStream[] = "HIERSTCK";
inline constexpr int kHierarchyStackRecordSize = 15;

// Picture keys of the view's image list.
inline constexpr char kPictureCurrentRoot[] = "ST_CURCIR";
inline constexpr char kPictureOtherRoot[] = "ST_CIR";
inline constexpr char kPictureSubHierarchy[] = "ST_SUB";
inline constexpr char kPictureBlock[] = "ST_COMP";

// Separator between the type word and the entry number in a node's tag.
inline constexpr char kHierarchyTagSeparator[] = "**@##";

// The deepest level the text forms indent to; deeper nodes are indented as deep as this, so a
// pathological chain of nested circuits cannot make the list grow with the square of its depth.
inline constexpr int kHierarchyIndentLimit = 256;

enum class HierarchyNodeType {
    CurrentRoot,  // "CURHIER": the circuit whose hierarchy is shown
    OtherRoot,    // "HIER": another hierarchy not reached from it
    SubHierarchy, // "SUBHIER"
    Block,        // "SCOMP": a block component
};

// The tag's type word of a node type.
QString HierarchyTypeWord(HierarchyNodeType type);

struct HierarchyRgb {
    int Red = 0;
    int Green = 0;
    int Blue = 0;

    bool operator==(const HierarchyRgb&) const = default;
};

inline constexpr HierarchyRgb kHierarchyRed{255, 0, 0};
inline constexpr HierarchyRgb kHierarchyBlue{0, 0, 255};

struct HierarchyNode {
    HierarchyNodeType Type = HierarchyNodeType::Block;
    QString Text;
    QString Picture;
    QString Tag;                        // type word + "**@##" + the node's entry number in the collected list
    std::optional<HierarchyRgb> Colour; // nothing: the view's default colour
    int Parent = 0;                     // index of the parent node; 0 for roots
    bool Expanded = true;
    int32_t Object = 0; // the hierarchy or component id the node stands for
};

class HierarchyView {
public:
    void Clear();

    // Adds a node as the last child of node.Parent (0: a root) and answers its index. A parent
    // that is not an earlier node makes the node a root.
    int Add(HierarchyNode node);

    // Nodes are numbered from 1 in the order they were added.
    int NodeCount() const { return static_cast<int>(nodes_.size()); }
    const HierarchyNode* Node(int index) const;
    const std::vector<HierarchyNode>& Nodes() const { return nodes_; }

    // The number of parts of the node's full path: 1 for a root, its parent's count + 1 below.
    // Counted from the tree itself, so a "\" inside a name does not change it. 0 when there is
    // no such node.
    int PathPartCount(int index) const;
    bool HasChildren(int index) const;
    void SetExpanded(int index, bool expanded);

private:
    struct Shape {
        int depth = 1;
        int children = 0;
    };
    std::vector<HierarchyNode> nodes_;
    std::vector<Shape> shapes_;
};

// Entry 0 is topName as given; then one entry per 15-byte record of the "HIERSTCK" stream, in
// stream order. The record count is the stream length divided by 15, rounded to the nearest
// whole number, and reading stops at the first read that answers fewer than 15 bytes (so a
// 44-byte stream gives two entries). A record's name is its Latin-1 bytes up to the first NUL,
// with trailing blanks removed. No stream (or one that cannot be read from its start) gives
// the top name alone.
std::vector<QString> ReadHierarchyStack(Kernel& kernel, const QString& topName);

// The hierarchy name a block text names: the text split at every single blank (so two blanks
// in a row make an empty word) must have at least three words, the first "X" and the second
// "hierarchy" (case-sensitive); the third word, blanks trimmed, is the name. Nothing when the
// text does not have that form or the third word is empty.
std::optional<QString> BlockTextHierarchyName(QStringView text);

struct SubHierarchy {
    int32_t Hierarchy = 0; // 0: the component is an ordinary component
    QString Name;          // empty when Hierarchy is 0
};

// The hierarchy a schematic component stands for. The component's first text item with mask
// 0x20 decides when it is a block text (kind 6 and the form above); otherwise the symbol's
// first such text item is examined the same way. A named hierarchy that the design does not
// have makes the component an ordinary one (the symbol's text is then not asked).
SubHierarchy SubHierarchyOf(Kernel& kernel, int32_t component);

// Builds the view from the stack (entry 0 the circuit shown; blanks trimmed before it is looked
// up). The current-stack root comes first with its branch, then every hierarchy not reached
// from it, in the hierarchy map's order, each with its own branch. A hierarchy is worked
// through at most once per build: when another block refers to it again, the node shows its
// name without children; when that reference closes a loop (the hierarchy holds, directly or
// further down, the block's own circuit) the text is marked "Recursive Hierarchy!". The
// kernel's current hierarchy and page are the same afterwards as before.
HierarchyView BuildHierarchyView(Kernel& kernel, const SuiteServices& suite,
                                 const std::vector<QString>& stack);

// ReadHierarchyStack, then BuildHierarchyView.
HierarchyView ShowHierarchyFor(Kernel& kernel, const SuiteServices& suite, const QString& circuitName);

} // namespace vxw
