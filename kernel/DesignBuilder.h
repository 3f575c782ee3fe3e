#pragma once
// A small fluent helper that makes a DesignData in code, for tests:
//
//   auto kernel = DesignBuilder("DEMO")
//       .Device("7400", 1).Symbol("NAND", SymbolSchematic).Entry("A").Entry("B")
//       .Circuit("MAIN").Page("SHEET1").SchComp("U1", "NAND", "7400").Value("7400")
//       .Net("N1").Node("U1", 1)
//       .Build();
//
// Calls that add to "the last" object (Entry, SymbolItem, CompText, Node, ...) act on the
// object added last of that kind. Page-level calls make a circuit "MAIN" when there is none,
// and SchComp makes a page "SHEET1" when the circuit has none.

#include "kernel/DesignData.h"
#include "kernel/KernelRecords.h"
#include "kernel/MemoryKernel.h"

#include <memory>
#include <string>
#include <vector>

namespace vxw {

class DesignBuilder {
public:
    explicit DesignBuilder(std::string projectName = "PROJECT");

    // Database level.
    DesignBuilder& Layer(int index, std::string name);
    DesignBuilder& Device(std::string name, int32_t kind = 1, int32_t status = 1,
                          std::string attributes = {});
    DesignBuilder& Symbol(std::string name, int32_t kind = SymbolSchematic, std::string attributes = {});
    DesignBuilder& Entry(std::string name, std::string padStack = {}, int32_t x = 0, int32_t y = 0);
    DesignBuilder& SymbolItem(ItemData item);
    // A padstack of the last symbol's own padstack map.
    DesignBuilder& SymbolPadStack(std::string name, int32_t holeDiameter = 0, int32_t holeCategory = 0);
    // A padstack of the design's padstack map.
    DesignBuilder& PadStack(std::string name, int32_t holeDiameter = 0, int32_t holeCategory = 0);
    // An item of the padstack added last (by either call above).
    DesignBuilder& PadStackItem(ItemData item);
    DesignBuilder& Stream(std::string name, std::string bytes);

    // Circuit level.
    DesignBuilder& Circuit(std::string name);
    DesignBuilder& Page(std::string name);
    // A schematic component on the last page of the circuit.
    DesignBuilder& SchComp(std::string name, std::string symbol = {}, std::string device = {},
                           bool packed = false);
    DesignBuilder& CompText(std::string text, int32_t mask = MaskText, int32_t kind = ItemText);
    DesignBuilder& Value(std::string text); // a value text (kind and mask "value")
    DesignBuilder& LayComp(std::string name, std::string symbol = {}, std::string device = {},
                           bool bottom = false, bool specialPart = false);
    DesignBuilder& Net(std::string name, int32_t flags = NetNamed);
    // A node of the last net; `connected` applies to both sides.
    DesignBuilder& Node(std::string schComp, int32_t schEntry, std::string layComp = {}, int32_t layPin = 0,
                        bool connected = true);
    DesignBuilder& Node(NodeData node);
    DesignBuilder& Trace(std::string net, std::vector<TraceSegmentData> records);
    DesignBuilder& Via(int32_t x, int32_t y, int32_t span = ViaSpanThrough);
    DesignBuilder& Board(int32_t x1, int32_t y1, int32_t x2, int32_t y2);
    DesignBuilder& NoBoardFrame();
    DesignBuilder& BoardItem(ItemData item);

    // Item makers (see ItemGeometry.h for what the values mean).
    static ItemData Line(int32_t x, int32_t y, int32_t dx, int32_t dy, int32_t width = 0, int32_t layer = 0);
    static ItemData Rectangle(int32_t x, int32_t y, int32_t dx, int32_t dy, double rotation = 0,
                              int32_t layer = 0);
    static ItemData Circle(int32_t x, int32_t y, int32_t diameter, int32_t layer = 0);
    static ItemData Arc(int32_t x, int32_t y, int32_t radius, double startAngle, double endAngle,
                        int32_t layer = 0);
    static ItemData Text(std::string text, int32_t mask = MaskText, int32_t kind = ItemText);

    DesignData& Data() { return data_; }
    const DesignData& Data() const { return data_; }
    std::unique_ptr<MemoryKernel> Build() const;

private:
    CircuitData& CurrentCircuit();
    SymbolData& LastSymbol();
    SchCompData& LastSchComp();
    NetData& LastNet();

    DesignData data_;
    // Which list the last padstack went to: -1 the design's, otherwise that symbol's.
    int lastPadStackSymbol_ = -1;
};

} // namespace vxw
