#include "explorer/HierarchyView.h"

#include "kernel/Kernel.h"
#include "kernel/KernelText.h"
#include "kernel/KernelWalk.h"
#include "listgen/ReportContext.h"
#include "suite/SuiteServices.h"
#include "suite/TextRules.h"

#include <algorithm>
#include <unordered_map>

namespace vxw {

namespace {

// ---- The view's node types --------------------------------------------------------------

struct TypeInfo {
    const char* word;
    const char* picture;
};

TypeInfo InfoOf(HierarchyNodeType type) {
    switch (type) {
    case HierarchyNodeType::CurrentRoot:
        return {"CURHIER", kPictureCurrentRoot};
    case HierarchyNodeType::OtherRoot:
        return {"HIER", kPictureOtherRoot};
    case HierarchyNodeType::SubHierarchy:
        return {"SUBHIER", kPictureSubHierarchy};
    case HierarchyNodeType::Block:
        break;
    }
    return {"SCOMP", kPictureBlock};
}

// ---- Reading the block texts ------------------------------------------------------------

std::optional<QString> BlockNameOfItem(Kernel& kernel, int32_t item) {
    ItemRecord record;
    if (item <= 0 || kernel.I_ReadItem(item, &record) != ItemText) {
        return std::nullopt;
    }
    return BlockTextHierarchyName(FromAnsi(record.text));
}

std::optional<QString> ComponentBlockName(Kernel& kernel, int32_t component) {
    const int32_t texts = kernel.C_CompTextArray(component);
    if (texts <= 0) {
        return std::nullopt;
    }
    const int32_t index = kernel.OA_SearchMask(texts, 1, MaskText);
    return index > 0 ? BlockNameOfItem(kernel, kernel.C_CompText(texts, index)) : std::nullopt;
}

std::optional<QString> SymbolBlockName(Kernel& kernel, int32_t symbol) {
    SymbolRecord record;
    if (symbol == 0 || kernel.S_ReadSymbol(kernel.S_Symbol(symbol), &record) <= 0) {
        return std::nullopt;
    }
    const int32_t items = kernel.S_SymbolItemArray(symbol);
    if (items <= 0) {
        return std::nullopt;
    }
    const int32_t index = kernel.IA_SearchMaskLink(items, 1, MaskText);
    return index > 0 ? BlockNameOfItem(kernel, kernel.S_SymbolItem(items, index)) : std::nullopt;
}

QString StackRecordName(const char* bytes, int size) {
    // A record is a C string in a fixed field: a NUL ends it, blanks pad it.
    int length = 0;
    while (length < size && bytes[length] != '\0') {
        ++length;
    }
    while (length > 0 && bytes[length - 1] == ' ') {
        --length;
    }
    return QString::fromLatin1(bytes, length);
}

// ---- Collecting the entries of the view -------------------------------------------------

enum class EntryKind { Root, Block, Sub };

struct Entry {
    EntryKind kind = EntryKind::Root;
    int parent = -1;     // entry index of the parent; -1 for a root
    int32_t object = 0;  // hierarchy id (Root, Sub) or component id (Block)
    int32_t holder = 0;  // Sub: the hierarchy holding the block that refers to it
    bool worked = false; // Root, Sub: the first reach of its hierarchy, whose blocks were walked
    bool current = false;
    QString name;
};

// Collects the entries root by root, each branch level by level (a list worked through from
// its front while it grows). Every hierarchy is worked through once per build, at the place
// where it is reached first; the references between hierarchies are kept as a graph so that a
// repeated reference can later be told apart from a loop.
class HierarchyCollector {
public:
    explicit HierarchyCollector(Kernel& kernel) : kernel_(kernel) {}

    bool IsPlaced(int32_t hierarchy) const { return dense_.contains(hierarchy); }

    void CollectBranch(int32_t hierarchy, const QString& name, bool current) {
        const std::size_t root = entries.size();
        Entry top;
        top.object = hierarchy;
        top.worked = true;
        top.current = current;
        top.name = name;
        entries.push_back(std::move(top));
        Place(hierarchy);
        for (std::size_t i = root; i < entries.size(); ++i) {
            if (entries[i].kind != EntryKind::Block && entries[i].worked) {
                WorkThrough(static_cast<int>(i));
            }
        }
    }

    // True when the reference of entry `sub` (a Sub that was not worked through) closes a loop.
    bool IsLoop(const Entry& sub, const std::vector<int>& components) const {
        return components[DenseOf(sub.holder)] == components[DenseOf(sub.object)];
    }

    std::vector<Entry> entries;
    std::vector<std::vector<int>> edges; // by dense hierarchy index

private:
    // Answers true when the hierarchy had not been placed before.
    bool Place(int32_t hierarchy) {
        const auto [it, inserted] = dense_.try_emplace(hierarchy, static_cast<int>(edges.size()));
        if (inserted) {
            edges.emplace_back();
        }
        return inserted;
    }

    std::size_t DenseOf(int32_t hierarchy) const { return static_cast<std::size_t>(dense_.at(hierarchy)); }

    void WorkThrough(int entryIndex) {
        const int32_t hierarchy = entries[static_cast<std::size_t>(entryIndex)].object;
        const std::size_t from = DenseOf(hierarchy);
        kernel_.DB_SetCurHier(hierarchy);
        WalkMap(kernel_, kernel_.DB_SchCompMap(), [&](int32_t component) {
            const SubHierarchy sub = SubHierarchyOf(kernel_, component);
            if (sub.Hierarchy <= 0) {
                return;
            }
            Entry block;
            block.kind = EntryKind::Block;
            block.parent = entryIndex;
            block.object = component;
            block.name = ObjectName(kernel_, kernel_.C_Component(component));
            const int blockIndex = static_cast<int>(entries.size());
            entries.push_back(std::move(block));

            Entry target;
            target.kind = EntryKind::Sub;
            target.parent = blockIndex;
            target.object = sub.Hierarchy;
            target.holder = hierarchy;
            target.worked = Place(sub.Hierarchy);
            target.name = sub.Name;
            entries.push_back(std::move(target));
            edges[from].push_back(static_cast<int>(DenseOf(sub.Hierarchy)));
        });
    }

    Kernel& kernel_;
    std::unordered_map<int32_t, int> dense_; // placed hierarchy id -> dense index
};

// The strongly connected component of every vertex (Tarjan's algorithm, without recursion so
// that a chain of thousands of nested circuits cannot exhaust the stack).
std::vector<int> StrongComponents(const std::vector<std::vector<int>>& edges) {
    const std::size_t count = edges.size();
    std::vector<int> order(count, -1);
    std::vector<int> low(count, 0);
    std::vector<int> component(count, -1);
    std::vector<char> onStack(count, 0);
    std::vector<int> stack;
    struct Frame {
        std::size_t vertex;
        std::size_t next;
    };
    std::vector<Frame> calls;
    int counter = 0;
    int components = 0;

    const auto open = [&](std::size_t v) {
        order[v] = low[v] = counter++;
        stack.push_back(static_cast<int>(v));
        onStack[v] = 1;
        calls.push_back({v, 0});
    };

    for (std::size_t start = 0; start < count; ++start) {
        if (order[start] >= 0) {
            continue;
        }
        open(start);
        while (!calls.empty()) {
            const std::size_t v = calls.back().vertex;
            if (calls.back().next < edges[v].size()) {
                const auto w = static_cast<std::size_t>(edges[v][calls.back().next++]);
                if (order[w] < 0) {
                    open(w);
                } else if (onStack[w]) {
                    low[v] = std::min(low[v], order[w]);
                }
                continue;
            }
            if (low[v] == order[v]) {
                std::size_t w = 0;
                do {
                    w = static_cast<std::size_t>(stack.back());
                    stack.pop_back();
                    onStack[w] = 0;
                    component[w] = components;
                } while (w != v);
                ++components;
            }
            calls.pop_back();
            if (!calls.empty()) {
                const std::size_t u = calls.back().vertex;
                low[u] = std::min(low[u], low[v]);
            }
        }
    }
    return component;
}

QString Message(const SuiteServices& suite, const char* id, const char* defaultText) {
    return suite.GetMessageText(QLatin1String(defaultText), QLatin1String(id));
}

} // namespace

// ---- HierarchyView ----------------------------------------------------------------------

QString HierarchyTypeWord(HierarchyNodeType type) {
    return QLatin1String(InfoOf(type).word);
}

void HierarchyView::Clear() {
    nodes_.clear();
    shapes_.clear();
}

int HierarchyView::Add(HierarchyNode node) {
    Shape shape;
    if (node.Parent >= 1 && node.Parent <= NodeCount()) {
        Shape& parent = shapes_[static_cast<std::size_t>(node.Parent - 1)];
        ++parent.children;
        shape.depth = parent.depth + 1;
    } else {
        node.Parent = 0;
    }
    nodes_.push_back(std::move(node));
    shapes_.push_back(shape);
    return NodeCount();
}

const HierarchyNode* HierarchyView::Node(int index) const {
    if (index < 1 || index > NodeCount()) {
        return nullptr;
    }
    return &nodes_[static_cast<std::size_t>(index - 1)];
}

int HierarchyView::PathPartCount(int index) const {
    return Node(index) ? shapes_[static_cast<std::size_t>(index - 1)].depth : 0;
}

bool HierarchyView::HasChildren(int index) const {
    return Node(index) && shapes_[static_cast<std::size_t>(index - 1)].children > 0;
}

void HierarchyView::SetExpanded(int index, bool expanded) {
    if (Node(index)) {
        nodes_[static_cast<std::size_t>(index - 1)].Expanded = expanded;
    }
}

// ---- Reading the design -----------------------------------------------------------------

std::vector<QString> ReadHierarchyStack(Kernel& kernel, const QString& topName) {
    std::vector<QString> stack{topName};
    const int32_t stream = kernel.OM_FindName(kernel.DB_FileMap(), kHierarchyStackStream);
    if (stream <= 0 || kernel.F_Seek(stream, 0, 0) <= 0) {
        return stack;
    }
    const int64_t length = kernel.F_GetLength(stream);
    // Rounded to the nearest whole number; a length never divides into a half.
    const int64_t records =
        length > 0 ? (length + kHierarchyStackRecordSize / 2) / kHierarchyStackRecordSize : 0;
    // Entries are added only as records are read, so a stream that claims more than it holds
    // cannot make us allocate for it.
    char buffer[kHierarchyStackRecordSize];
    for (int64_t record = 0; record < records; ++record) {
        if (kernel.F_Read(stream, buffer, kHierarchyStackRecordSize) < kHierarchyStackRecordSize) {
            break;
        }
        stack.push_back(StackRecordName(buffer, kHierarchyStackRecordSize));
    }
    return stack;
}

std::optional<QString> BlockTextHierarchyName(QStringView text) {
    QStringView words[3];
    qsizetype position = 0;
    for (QStringView& word : words) {
        if (position > text.size()) {
            return std::nullopt; // fewer than three words
        }
        qsizetype end = text.indexOf(QLatin1Char(' '), position);
        if (end < 0) {
            end = text.size();
        }
        word = text.mid(position, end - position);
        position = end + 1;
    }
    if (TrimBlanks(words[0]) != QLatin1String("X") || TrimBlanks(words[1]) != QLatin1String("hierarchy")) {
        return std::nullopt;
    }
    const QStringView name = TrimBlanks(words[2]);
    if (name.isEmpty()) {
        return std::nullopt;
    }
    return name.toString();
}

SubHierarchy SubHierarchyOf(Kernel& kernel, int32_t component) {
    SchCompRecord record;
    if (kernel.C_ReadComponent(component, &record) <= 0) {
        return {};
    }
    std::optional<QString> name = ComponentBlockName(kernel, component);
    if (!name) {
        name = SymbolBlockName(kernel, record.symbol);
    }
    if (!name) {
        return {};
    }
    const int32_t hierarchy = kernel.OM_FindNameMask(kernel.DB_HierarchyMap(), ToAnsi(*name).constData());
    if (hierarchy <= 0) {
        return {};
    }
    return {hierarchy, *name};
}

// ---- Building the view ------------------------------------------------------------------

HierarchyView BuildHierarchyView(Kernel& kernel, const SuiteServices& suite,
                                 const std::vector<QString>& stack) {
    const CurrentCircuitGuard restore(kernel);
    const int32_t hierarchyMap = kernel.DB_HierarchyMap();

    // The visit marks are kept here rather than in the kernel's mask bits, so a build leaves
    // the design as it found it and does not depend on a kernel keeping marks to terminate.
    HierarchyCollector collector(kernel);
    const QString topName = stack.empty() ? QString() : TrimBlanks(stack.front());
    if (!topName.isEmpty()) {
        const int32_t top = kernel.OM_FindNameMask(hierarchyMap, ToAnsi(topName).constData());
        if (top > 0) {
            collector.CollectBranch(top, topName, true);
        }
    }
    WalkMap(kernel, hierarchyMap, [&](int32_t hierarchy) {
        if (!collector.IsPlaced(hierarchy)) {
            collector.CollectBranch(hierarchy, ObjectName(kernel, kernel.OM_Object(hierarchyMap, hierarchy)),
                                    false);
        }
    });

    const std::vector<Entry>& entries = collector.entries;
    const std::vector<int> components = StrongComponents(collector.edges);

    // Children in collection order; roots in the order they were collected.
    std::vector<std::vector<int>> children(entries.size());
    std::vector<int> roots;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].parent < 0) {
            roots.push_back(static_cast<int>(i));
        } else {
            children[static_cast<std::size_t>(entries[i].parent)].push_back(static_cast<int>(i));
        }
    }

    const QString current = Message(suite, "13431", "Current Hierarchy Stack");
    const QString other = Message(suite, "13433", "Other Hierarchy");
    const QString recursive = Message(suite, "991470", "Recursive Hierarchy!");
    const auto makeNode = [&](std::size_t entryIndex, int parentNode) {
        const Entry& entry = entries[entryIndex];
        HierarchyNode node;
        node.Parent = parentNode;
        node.Object = entry.object;
        switch (entry.kind) {
        case EntryKind::Root:
            node.Type = entry.current ? HierarchyNodeType::CurrentRoot : HierarchyNodeType::OtherRoot;
            node.Text =
                entry.name + QLatin1String(" ( ") + (entry.current ? current : other) + QLatin1String(" )");
            if (entry.current) {
                node.Colour = kHierarchyRed;
            }
            break;
        case EntryKind::Sub:
            node.Type = HierarchyNodeType::SubHierarchy;
            node.Text = entry.name;
            if (!entry.worked && collector.IsLoop(entry, components)) {
                node.Text += QLatin1String("  ( ") + recursive + QLatin1String(" )");
            }
            node.Colour = kHierarchyBlue;
            break;
        case EntryKind::Block:
            node.Type = HierarchyNodeType::Block;
            node.Text = entry.name;
            break;
        }
        const TypeInfo info = InfoOf(node.Type);
        node.Picture = QLatin1String(info.picture);
        node.Tag = QLatin1String(info.word) + QLatin1String(kHierarchyTagSeparator) +
                   QString::number(entryIndex + 1);
        return node;
    };

    // Nodes are added depth first, so that index order is the order in which the tree reads
    // from top to bottom (the list writes the nodes in index order). Siblings keep collection
    // order.
    HierarchyView view;
    struct Pending {
        int entry;
        int parentNode;
    };
    std::vector<Pending> pending;
    for (const int root : roots) {
        pending.push_back({root, 0});
        while (!pending.empty()) {
            const Pending next = pending.back();
            pending.pop_back();
            const int node = view.Add(makeNode(static_cast<std::size_t>(next.entry), next.parentNode));
            const std::vector<int>& below = children[static_cast<std::size_t>(next.entry)];
            for (auto it = below.rbegin(); it != below.rend(); ++it) {
                pending.push_back({*it, node});
            }
        }
    }
    return view;
}

HierarchyView ShowHierarchyFor(Kernel& kernel, const SuiteServices& suite, const QString& circuitName) {
    return BuildHierarchyView(kernel, suite, ReadHierarchyStack(kernel, circuitName));
}

} // namespace vxw
