#include "kernel/DesignBuilder.h"

#include <utility>

namespace vxw {

DesignBuilder::DesignBuilder(std::string projectName) {
    data_.name = std::move(projectName);
}

DesignBuilder& DesignBuilder::Layer(int index, std::string name) {
    if (index >= 0 && static_cast<std::size_t>(index) < data_.layerNames.size()) {
        data_.layerNames[static_cast<std::size_t>(index)] = std::move(name);
    }
    return *this;
}

DesignBuilder& DesignBuilder::Device(std::string name, int32_t kind, int32_t status, std::string attributes) {
    DeviceData device;
    device.name = std::move(name);
    device.kind = kind;
    device.status = status;
    device.attributes = std::move(attributes);
    data_.devices.push_back(std::move(device));
    return *this;
}

DesignBuilder& DesignBuilder::Symbol(std::string name, int32_t kind, std::string attributes) {
    SymbolData symbol;
    symbol.name = std::move(name);
    symbol.kind = kind;
    symbol.attributes = std::move(attributes);
    data_.symbols.push_back(std::move(symbol));
    return *this;
}

SymbolData& DesignBuilder::LastSymbol() {
    if (data_.symbols.empty()) {
        Symbol("SYMBOL");
    }
    return data_.symbols.back();
}

DesignBuilder& DesignBuilder::Entry(std::string name, std::string padStack, int32_t x, int32_t y) {
    LastSymbol().entries.push_back(EntryData{std::move(name), std::move(padStack), x, y});
    return *this;
}

DesignBuilder& DesignBuilder::SymbolItem(ItemData item) {
    LastSymbol().items.push_back(std::move(item));
    return *this;
}

DesignBuilder& DesignBuilder::SymbolPadStack(std::string name, int32_t holeDiameter, int32_t holeCategory) {
    SymbolData& symbol = LastSymbol();
    PadStackData padStack;
    padStack.name = std::move(name);
    padStack.holeCategory = holeCategory;
    padStack.holeDiameter = holeDiameter;
    symbol.padStacks.push_back(std::move(padStack));
    lastPadStackSymbol_ = static_cast<int>(data_.symbols.size()) - 1;
    return *this;
}

DesignBuilder& DesignBuilder::PadStack(std::string name, int32_t holeDiameter, int32_t holeCategory) {
    PadStackData padStack;
    padStack.name = std::move(name);
    padStack.holeCategory = holeCategory;
    padStack.holeDiameter = holeDiameter;
    data_.padStacks.push_back(std::move(padStack));
    lastPadStackSymbol_ = -1;
    return *this;
}

DesignBuilder& DesignBuilder::PadStackItem(ItemData item) {
    std::vector<PadStackData>* list = &data_.padStacks;
    if (lastPadStackSymbol_ >= 0 && static_cast<std::size_t>(lastPadStackSymbol_) < data_.symbols.size()) {
        list = &data_.symbols[static_cast<std::size_t>(lastPadStackSymbol_)].padStacks;
    }
    if (list->empty()) {
        PadStack("PAD");
        list = &data_.padStacks;
    }
    list->back().items.push_back(std::move(item));
    return *this;
}

DesignBuilder& DesignBuilder::Stream(std::string name, std::string bytes) {
    data_.streams.push_back(StreamData{std::move(name), std::move(bytes)});
    return *this;
}

DesignBuilder& DesignBuilder::Circuit(std::string name) {
    CircuitData circuit;
    circuit.name = std::move(name);
    data_.circuits.push_back(std::move(circuit));
    return *this;
}

CircuitData& DesignBuilder::CurrentCircuit() {
    if (data_.circuits.empty()) {
        Circuit("MAIN");
    }
    return data_.circuits.back();
}

DesignBuilder& DesignBuilder::Page(std::string name) {
    CurrentCircuit().pages.push_back(PageData{std::move(name)});
    return *this;
}

DesignBuilder& DesignBuilder::SchComp(std::string name, std::string symbol, std::string device, bool packed) {
    CircuitData& circuit = CurrentCircuit();
    if (circuit.pages.empty()) {
        Page("SHEET1");
    }
    SchCompData comp;
    comp.name = std::move(name);
    comp.page = static_cast<int32_t>(circuit.pages.size()) - 1;
    comp.symbol = std::move(symbol);
    comp.device = std::move(device);
    comp.packed = packed;
    circuit.schComps.push_back(std::move(comp));
    return *this;
}

SchCompData& DesignBuilder::LastSchComp() {
    if (CurrentCircuit().schComps.empty()) {
        SchComp("U1");
    }
    return CurrentCircuit().schComps.back();
}

DesignBuilder& DesignBuilder::CompText(std::string text, int32_t mask, int32_t kind) {
    LastSchComp().texts.push_back(Text(std::move(text), mask, kind));
    return *this;
}

DesignBuilder& DesignBuilder::Value(std::string text) {
    return CompText(std::move(text), MaskValueText, ItemValueText);
}

DesignBuilder& DesignBuilder::LayComp(std::string name, std::string symbol, std::string device, bool bottom,
                                      bool specialPart) {
    LayCompData comp;
    comp.name = std::move(name);
    comp.symbol = std::move(symbol);
    comp.device = std::move(device);
    comp.bottom = bottom;
    comp.specialPart = specialPart;
    CurrentCircuit().layComps.push_back(std::move(comp));
    return *this;
}

DesignBuilder& DesignBuilder::Net(std::string name, int32_t flags) {
    NetData net;
    net.name = std::move(name);
    net.flags = flags;
    CurrentCircuit().nets.push_back(std::move(net));
    return *this;
}

NetData& DesignBuilder::LastNet() {
    if (CurrentCircuit().nets.empty()) {
        Net("N1");
    }
    return CurrentCircuit().nets.back();
}

DesignBuilder& DesignBuilder::Node(std::string schComp, int32_t schEntry, std::string layComp, int32_t layPin,
                                   bool connected) {
    NodeData node;
    node.schComp = std::move(schComp);
    node.schEntry = schEntry;
    node.schConnected = connected && !node.schComp.empty();
    node.layComp = std::move(layComp);
    node.layPin = layPin;
    node.layConnected = connected && !node.layComp.empty();
    return Node(std::move(node));
}

DesignBuilder& DesignBuilder::Node(NodeData node) {
    LastNet().nodes.push_back(std::move(node));
    return *this;
}

DesignBuilder& DesignBuilder::Trace(std::string net, std::vector<TraceSegmentData> records) {
    CurrentCircuit().traces.push_back(TraceData{std::move(net), std::move(records)});
    return *this;
}

DesignBuilder& DesignBuilder::Via(int32_t x, int32_t y, int32_t span) {
    CurrentCircuit().vias.push_back(ViaData{x, y, span});
    return *this;
}

DesignBuilder& DesignBuilder::Board(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    CircuitData& circuit = CurrentCircuit();
    circuit.hasBoardFrame = true;
    circuit.boardX1 = x1;
    circuit.boardY1 = y1;
    circuit.boardX2 = x2;
    circuit.boardY2 = y2;
    return *this;
}

DesignBuilder& DesignBuilder::NoBoardFrame() {
    CurrentCircuit().hasBoardFrame = false;
    return *this;
}

DesignBuilder& DesignBuilder::BoardItem(ItemData item) {
    CurrentCircuit().boardItems.push_back(std::move(item));
    return *this;
}

ItemData DesignBuilder::Line(int32_t x, int32_t y, int32_t dx, int32_t dy, int32_t width, int32_t layer) {
    ItemData item;
    item.kind = ItemLine;
    item.x = x;
    item.y = y;
    item.dx = dx;
    item.dy = dy;
    item.width = width;
    item.layer = layer;
    return item;
}

ItemData DesignBuilder::Rectangle(int32_t x, int32_t y, int32_t dx, int32_t dy, double rotation,
                                  int32_t layer) {
    ItemData item;
    item.kind = ItemRectangle;
    item.x = x;
    item.y = y;
    item.dx = dx;
    item.dy = dy;
    item.rotation = rotation;
    item.layer = layer;
    return item;
}

ItemData DesignBuilder::Circle(int32_t x, int32_t y, int32_t diameter, int32_t layer) {
    ItemData item;
    item.kind = ItemCircle;
    item.x = x;
    item.y = y;
    item.diameter = diameter;
    item.layer = layer;
    return item;
}

ItemData DesignBuilder::Arc(int32_t x, int32_t y, int32_t radius, double startAngle, double endAngle,
                            int32_t layer) {
    ItemData item;
    item.kind = ItemArc;
    item.x = x;
    item.y = y;
    item.radius = radius;
    item.startAngle = startAngle;
    item.endAngle = endAngle;
    item.layer = layer;
    return item;
}

ItemData DesignBuilder::Text(std::string text, int32_t mask, int32_t kind) {
    ItemData item;
    item.kind = kind;
    item.mask = mask;
    item.text = std::move(text);
    return item;
}

std::unique_ptr<MemoryKernel> DesignBuilder::Build() const {
    return MemoryKernel::FromData(data_);
}

} // namespace vxw
