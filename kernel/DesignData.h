#pragma once
// A design as plain data: what the design file holds, what the builder of the tests makes,
// and what the in-memory kernel is built from. Text is 8-bit (Latin-1) throughout.
// References between objects are by name (and for entries by 1-based index); the kernel
// resolves them when it is built from the data. A reference may also carry the 1-based
// position of the object it names (the `...Ref` members, 0 when not known): the design file
// loader, which has checked every name already, fills them so that the kernel is built
// without a second look-up per reference. A position, when given, wins over the name.

#include "kernel/LargeBlocks.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vxw {

struct ItemData {
    int32_t kind = 0;  // ItemKind
    int32_t flags = 0; // ItemFlags
    int32_t mask = 0;  // MaskBits
    int32_t layer = 0;
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t gap = 0;
    int32_t dx = 0;
    int32_t dy = 0;
    double rotation = 0;
    int32_t diameter = 0;
    int32_t radius = 0;
    double startAngle = 0;
    double endAngle = 0;
    std::string text;
};

struct PadStackData {
    std::string name;
    int32_t holeCategory = 0;
    int32_t holeDiameter = 0; // above 0: drilled
    std::vector<ItemData> items;
};

struct EntryData {
    std::string name;     // pin number or entry name
    std::string padStack; // name of a padstack of the owning symbol's padStacks, empty none
    int32_t x = 0;
    int32_t y = 0;
};

// Schematic symbols, packages (footprints), padstack symbols and board frames.
struct SymbolData {
    std::string name;
    int32_t kind = 0; // SymbolKind
    std::string attributes;
    std::vector<EntryData> entries;
    std::vector<ItemData> items;
    std::vector<PadStackData> padStacks; // the symbol's own padstack map
};

struct DeviceData {
    std::string name;
    int32_t kind = 1;   // 0 symbol only, 1 part, 2 package only
    int32_t status = 0; // object status; 0 means a symbol-only use for schematic components
    std::string attributes;
};

struct PageData {
    std::string name;
};

struct SchCompData {
    std::string name;
    int32_t page = 0;   // 0-based index into the circuit's pages
    std::string device; // device name, empty none
    std::string symbol; // schematic symbol name
    bool packed = false;
    std::vector<ItemData> texts; // text items (values, block texts)
    int32_t deviceRef = 0, symbolRef = 0;
};

struct LayCompData {
    std::string name;
    std::string device; // the part's device name, empty none
    bool specialPart = false;
    bool bottom = false;
    std::string symbol; // package symbol name
    int32_t deviceRef = 0, symbolRef = 0;
};

struct NodeData {
    std::string schComp;  // empty: no schematic side
    int32_t schEntry = 0; // 1-based entry of the schematic component's symbol
    bool schConnected = false;
    std::string layComp; // empty: no layout side
    int32_t layPin = 0;  // 1-based entry of the layout component's symbol
    bool layConnected = false;
    int32_t schCompRef = 0, layCompRef = 0; // positions in the circuit's component lists
};

struct NetData {
    std::string name;
    int32_t flags = 0; // NetFlags
    std::vector<NodeData> nodes;
};

struct TraceSegmentData {
    int32_t flags = 0;
    int32_t layer = 0;
    int32_t width = 0;
    int32_t x = 0;
    int32_t y = 0;
};

struct TraceData {
    std::string net;
    std::vector<TraceSegmentData> records;
    int32_t netRef = 0; // position in the circuit's nets
};

struct ViaData {
    int32_t x = 0;
    int32_t y = 0;
    int32_t span = 0x7FFFFFFE; // one bit per layer; 0x7FFFFFFE through all layers
};

struct CircuitData {
    std::string name;
    std::vector<PageData> pages;
    LargeVector<SchCompData> schComps;
    LargeVector<LayCompData> layComps;
    LargeVector<NetData> nets;
    LargeVector<TraceData> traces;
    LargeVector<ViaData> vias;
    bool hasBoardFrame = true;
    int32_t boardX1 = 0, boardY1 = 0, boardX2 = 0, boardY2 = 0;
    std::vector<ItemData> boardItems; // item array of symbol 0: keep-off zones and copper items
};

struct StreamData {
    std::string name;
    std::string bytes;
};

struct DesignData {
    std::string name; // the database (project) name
    std::array<std::string, 32> layerNames;
    std::vector<DeviceData> devices;
    std::vector<SymbolData> symbols; // the project library
    std::vector<PadStackData> padStacks;
    std::vector<CircuitData> circuits;
    std::vector<StreamData> streams; // "DBLABEL", "HIERSTCK", ...
};

} // namespace vxw
