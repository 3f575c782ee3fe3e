#pragma once
// Records the kernel fills for its callers. The kernel's own binary layout is not ours to keep:
// every value a caller reads is a named field. Names (const char*) point into kernel-owned
// storage and stay valid until the object is renamed or deleted; callers copy them at once.

#include <cstdint>
#include <string>

namespace vxw {

// Mask bits the component relies on.
enum MaskBits : int32_t {
    MaskSchematicSymbol = 1, // on symbols: walk with values 1, bits 3
    MaskPackage = 2,         // on symbols: walk with values 2, bits 2
    MaskPadstackSymbol = 4,  // on symbols: padstack symbols (neither of the above)
    MaskDrawnItem = 1,       // on items: every line, rectangle, circle and arc; the kernel sets it
                             // when it stores such an item, so S_FrameSymbolItems (symbol, 1, ...)
                             // gives the extent of all drawn items (padstack sizes)
    MaskText = 0x20,         // on items: a component or symbol text that may name a sub-hierarchy
    MaskValueText = 8,       // on items: the value text of a component
    MaskVisited = 512,       // the visit mark
    MaskFrameItem = 131072,  // on items: board frame outline, selected by S_FrameSymbolItems
};

// Item kinds (ItemRecord::kind, also the result of I_ReadItem).
enum ItemKind : int32_t {
    ItemLine = 1,
    ItemRectangle = 3,
    ItemCircle = 4,
    ItemArc = 5,
    ItemText = 6,
    ItemValueText = 8,
};

// ItemRecord::flags bits.
enum ItemFlags : int32_t {
    ItemCounted = 1, // a pad or copper item that the layout statistics count
    ItemFilled = 2,  // filled rectangle or circle
    ItemHrf = 4,     // a "Hrf item"
};

// Symbol kinds (SymbolRecord::kind).
enum SymbolKind : int32_t {
    SymbolSchematic = 1,
    SymbolPackage = 2,
    SymbolPadstack = 3,
    SymbolBoardFrame = 4,
};

// Net flags (NetRecord::flags).
enum NetFlags : int32_t {
    NetPowerGround = 2,
    NetNamed = 4,
};

// Node flags (NodeRecord::flags).
enum NodeFlags : int32_t {
    NodeSchematicConnected = 2,
    NodeLayoutConnected = 4,
};

// Layout component flags and status bits.
enum LayoutFlags : int32_t {
    LayoutBottomSide = 2, // component on the bottom side (layer 31)
};

// Trace record flags.
enum TraceRecordFlags : int32_t {
    TraceRecordNoLayer = 16, // the record carries no layer of its own
    TraceRecordArc = 32,     // the segment to the next record is an arc (the record keeps its chord)
};

// The via span that means "through all layers".
constexpr int32_t ViaSpanThrough = 0x7FFFFFFE;

// Offset 0 flags, 4 name, 16 symbol, 20 device, 24 packed.
struct SchCompRecord {
    int32_t flags = 0;
    const char* name = nullptr;
    int32_t page = 0;   // id of the page the component lies on
    int32_t symbol = 0; // schematic symbol id
    int32_t device = 0; // device id, 0 none
    int32_t packed = 0; // non-zero when the component is packed
};

// Offset 0 flags, 4 name, 24 device (the part), 32 special part (0: an ordinary part).
struct LayCompRecord {
    int32_t flags = 0; // LayoutBottomSide
    const char* name = nullptr;
    int32_t symbol = 0;      // footprint (package) symbol id
    int32_t device = 0;      // device id, 0 none
    int32_t specialPart = 0; // 0 part, otherwise special part
};

struct NetRecord {
    int32_t flags = 0; // NetFlags
    const char* name = nullptr;
    int32_t nodeCount = 0;
};

// Offset 0 flags, 4 schematic component, 8 schematic entry index, 12 layout component, 16 layout pin.
struct NodeRecord {
    int32_t flags = 0; // NodeFlags
    int32_t schComp = 0;
    int32_t schEntry = 0; // 1-based entry index of the schematic component's symbol
    int32_t layComp = 0;
    int32_t layPin = 0; // 1-based entry index of the layout component's symbol
};

// First value the device kind: 0 symbol only, 1 part, 2 package only.
struct DeviceRecord {
    int32_t kind = 0;
    const char* name = nullptr;
    const char* attributes = nullptr; // part attribute text (8-bit, tokens separated by byte 128)
    int32_t status = 0;
};

struct SymbolRecord {
    int32_t kind = 0; // SymbolKind
    const char* name = nullptr;
    const char* attributes = nullptr;
    int32_t entryCount = 0;
    int32_t itemCount = 0;
};

// Offset 16 the entry name.
struct EntryRecord {
    int32_t number = 0;   // 1-based entry index
    int32_t padStack = 0; // padstack id in the symbol's padstack map, 0 none
    int32_t x = 0;
    int32_t y = 0;
    const char* name = nullptr;
};

// Second value the hole diameter: above 0 the pad is drilled.
struct PadStackRecord {
    int32_t holeCategory = 0;
    int32_t holeDiameter = 0;
    const char* name = nullptr;
    int32_t itemCount = 0;
};

// Third value the number of records.
struct TraceRecord {
    int32_t flags = 0;
    int32_t net = 0;
    int32_t recordCount = 0;
};

// First value flags, third value the layer.
struct TraceSegmentRecord {
    int32_t flags = 0; // TraceRecordFlags
    int32_t width = 0;
    int32_t layer = 0;
    int32_t x = 0;
    int32_t y = 0;
};

// Offset 12 the layer span, one bit per layer.
struct ViaRecord {
    int32_t flags = 0;
    int32_t x = 0;
    int32_t y = 0;
    int32_t span = 0;
    int32_t padStack = 0;
};

// First value the kind, second the flags, byte 20 the layer, offset 44 the text.
// Lengths are database units, angles degrees.
struct ItemRecord {
    int32_t kind = 0;  // ItemKind
    int32_t flags = 0; // ItemFlags
    int32_t mask = 0;  // MaskBits that searches test
    int32_t layer = 0; // 0..31 (callers mask with 31)
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t gap = 0;
    int32_t dx = 0;             // line and rectangle
    int32_t dy = 0;             // line and rectangle
    double rotation = 0;        // rectangle
    int32_t diameter = 0;       // circle
    int32_t radius = 0;         // arc
    double startAngle = 0;      // arc
    double endAngle = 0;        // arc
    const char* text = nullptr; // text items
};

struct FrameRect {
    int32_t x1 = 0;
    int32_t y1 = 0;
    int32_t x2 = 0;
    int32_t y2 = 0;

    bool operator==(const FrameRect&) const = default;
};

// Library info records (E_GetPartInfo, E_GetSymbolInfo), allocated by the caller.
struct PartInfo {
    std::string name;
    std::string second;
    std::string attributes;
};

struct SymbolInfo {
    std::string name;
    std::string attributes;
    int32_t value = 0;
};

} // namespace vxw
