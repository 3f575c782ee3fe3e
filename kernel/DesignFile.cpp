// Loading of design files: one pass over the JSON text that builds the DesignData and checks
// types and ranges as it goes, then one pass over the data that resolves every reference by
// name. References whose lists were read before them (the order the writer keeps) are found
// during the first pass already, and the second leaves those lists alone. Errors travel as
// exceptions inside this file only and leave it as one message.

#include "kernel/DesignFile.h"

#include "kernel/DesignFileFormat.h"
#include "kernel/FileTextSource.h"
#include "kernel/ItemGeometry.h"
#include "kernel/JsonPullReader.h"
#include "kernel/KernelRecords.h"
#include "kernel/NameIndex.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <limits>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace vxw {
namespace {

using Token = JsonPullReader::Token;

// A reference that names no object, found after the whole text was read.
struct ReferenceError {
    std::string place;
    std::string cause;
};

struct PageRef {
    bool byName = false;
    std::string name;
    int32_t index = 0;
};

// What was found of a circuit's references while it was read. A list whose every reference was
// found then is not walked again once the file has been read. A reference that could not be
// found yet (its list comes later in the file) or not at all is left to the check after the
// read, which reports the first fault in its own order, as if nothing had been found before.
struct CircuitRefs {
    std::vector<PageRef> pageRefs; // per schematic component
    // Built as soon as their list has been read.
    NameIndex pages, schComps, layComps, nets;
    size_t pageCount = 0;
    bool pagesRead = false, schCompsRead = false, layCompsRead = false, netsRead = false;
    // Every reference of the list was found while reading.
    bool schCompsFound = false, layCompsFound = false, nodesFound = true, tracesFound = true;
    // Entries of each component's symbol, set where the components' references were found.
    std::vector<uint32_t> schEntries, layPins;
};

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

[[noreturn]] void FailReference(std::string place, std::string cause) {
    throw ReferenceError{std::move(place), std::move(cause)};
}

std::string NumberText(double value) {
    if (value == std::floor(value) && std::fabs(value) < 1e18) {
        return std::to_string(static_cast<int64_t>(value));
    }
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

constexpr int64_t Int32Min = std::numeric_limits<int32_t>::min();
constexpr int64_t Int32Max = std::numeric_limits<int32_t>::max();
constexpr int32_t LastLayer = 31;

class DesignLoader {
public:
    DesignLoader(const char* data, size_t size) : reader_(data, size) {}
    DesignLoader(TextSource& source, ReadWindow window) : reader_(source, window) {}

    DesignData Load();
    // Where the reader stands, as a path such as circuits[1].nets[4].nodes[0].layComp.
    std::string Place() const;
    void LineColumn(size_t offset, int& line, int& column) { reader_.LineColumn(offset, line, column); }

private:
    struct Segment {
        const char* key; // nullptr: an array index
        int64_t index;
    };

    void Enter(Segment segment) {
        if (depth_ == path_.size()) {
            FailValue("nesting too deep");
        }
        path_[depth_++] = segment;
    }
    [[noreturn]] void FailValue(std::string cause) const {
        reader_.Fail(reader_.ValueOffset(), std::move(cause));
    }
    Token ExpectToken(Token token, const char* what);

    // Reads an object whose keys come from `keys`; calls onMember(key index) with the reader
    // before the value. Unknown and repeated keys are errors, and so is a missing required key
    // (bit k of `required` stands for keys[k]).
    template <size_t N, typename F>
    void Members(const std::array<std::string_view, N>& keys, uint32_t required, F&& onMember);
    template <typename F> void Elements(F&& onElement);

    std::string Text();
    // A text that names an object: no list can show a line break or other control character
    // inside a name, so those are refused; a tab is allowed.
    std::string Name();
    int32_t Int(int64_t low = Int32Min, int64_t high = Int32Max);
    double Real();
    bool Bool();
    std::string Attributes();

    void Top(DesignData& design);
    void Layers(std::array<std::string, 32>& names);
    DeviceData Device();
    SymbolData Symbol();
    PadStackData PadStack();
    EntryData Entry();
    ItemData Item();
    std::vector<ItemData> Items();
    CircuitData Circuit(CircuitRefs& refs);
    SchCompData SchComp(PageRef& pageRef);
    // Look-ups during the read: each answers false, leaving the data as it was, when something
    // named cannot be found (yet).
    bool FindDeviceAndSymbol(const std::string& device, const std::string& symbol, int32_t& deviceRef,
                             int32_t& symbolRef, uint32_t& entries) const;
    bool FindSchComp(SchCompData& comp, const PageRef& pageRef, CircuitRefs& refs) const;
    bool FindNodes(std::vector<NodeData>& nodes, const CircuitRefs& refs) const;
    LayCompData LayComp();
    NetData Net();
    NodeData Node();
    TraceData Trace();
    TraceSegmentData TraceRecord();
    ViaData Via();
    void BoardFrame(CircuitData& circuit);
    StreamData Stream();
    std::string Label();
    std::string Hierarchies();
    std::string Hex();

    void Resolve(DesignData& design);

    // Moves what a scratch list gathered into a list of exactly its size. Lists that grow element
    // by element leave a trail of outgrown blocks behind them; a design of a million trace records
    // in small lists took three times their size in fresh memory that way.
    template <typename T> static std::vector<T> Exact(std::vector<T>& scratch) {
        std::vector<T> list(std::make_move_iterator(scratch.begin()), std::make_move_iterator(scratch.end()));
        scratch.clear();
        return list;
    }

    JsonPullReader reader_;
    // Reused by every net, trace and item list (none of them holds another list of its kind).
    std::vector<NodeData> nodeScratch_;
    std::vector<TraceSegmentData> recordScratch_;
    std::vector<ItemData> itemScratch_;
    // One segment per open container at most, so the reader's depth limit bounds the path.
    std::array<Segment, JsonPullReader::MaxDepth + 1> path_;
    size_t depth_ = 0;
    std::vector<CircuitRefs> circuitRefs_;
    CircuitRefs* refs_ = nullptr; // of the circuit being read
    // The design's device and symbol lists once they have been read, with their indexes.
    const DesignData* design_ = nullptr;
    bool devicesRead_ = false, symbolsRead_ = false;
    NameIndex devices_, symbols_;
};

std::string DesignLoader::Place() const {
    std::string place;
    for (size_t i = 0; i < depth_; ++i) {
        const Segment& segment = path_[i];
        if (segment.key) {
            if (!place.empty()) {
                place += '.';
            }
            place += segment.key;
        } else {
            place += '[' + std::to_string(segment.index) + ']';
        }
    }
    return place;
}

Token DesignLoader::ExpectToken(Token token, const char* what) {
    Token found = reader_.Peek();
    if (found == Token::False && token == Token::True) {
        found = Token::True;
    }
    if (found != token) {
        FailValue(std::string("expected ") + what);
    }
    return found;
}

template <size_t N, typename F>
void DesignLoader::Members(const std::array<std::string_view, N>& keys, uint32_t required, F&& onMember) {
    static_assert(N <= 32);
    ExpectToken(Token::Object, "an object");
    const size_t start = reader_.ValueOffset();
    reader_.BeginObject();
    uint32_t seen = 0;
    std::string_view key;
    // Keys mostly come in the order of `keys` (the writer's, which leaves out what is not set), so
    // the search starts after the key before.
    size_t expected = 0;
    while (reader_.NextKey(key)) {
        size_t k = expected;
        while (k < N && key != keys[k]) {
            ++k;
        }
        if (k == N) {
            k = 0;
            while (k < expected && key != keys[k]) {
                ++k;
            }
            k = k == expected ? N : k;
        }
        if (k == N) {
            reader_.Fail(reader_.KeyOffset(), "unknown key " + Quoted(std::string(key)));
        }
        if (seen & (1u << k)) {
            reader_.Fail(reader_.KeyOffset(), "key " + Quoted(std::string(key)) + " given twice");
        }
        expected = k + 1;
        seen |= 1u << k;
        Enter({keys[k].data(), 0});
        onMember(k);
        --depth_;
    }
    const uint32_t missing = required & ~seen;
    for (size_t k = 0; k < N; ++k) {
        if (missing & (1u << k)) {
            reader_.Fail(start, "missing key \"" + std::string(keys[k]) + "\"");
        }
    }
}

template <typename F> void DesignLoader::Elements(F&& onElement) {
    ExpectToken(Token::Array, "an array");
    reader_.BeginArray();
    int64_t index = 0;
    while (reader_.NextElement()) {
        Enter({nullptr, index});
        onElement(index);
        --depth_;
        ++index;
    }
}

std::string DesignLoader::Text() {
    ExpectToken(Token::String, "a string");
    std::string text = reader_.ReadString();
    // Only an escape can put a NUL or another control character into a string.
    if (reader_.LastStringEscaped() && text.find('\0') != std::string::npos) {
        FailValue("the text holds a NUL character");
    }
    return text;
}

std::string DesignLoader::Name() {
    std::string name = Text();
    if (!reader_.LastStringEscaped()) {
        return name;
    }
    for (const char c : name) {
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t') {
            char cause[64];
            std::snprintf(cause, sizeof cause, "a name cannot hold the control character 0x%02X",
                          static_cast<unsigned>(static_cast<unsigned char>(c)));
            FailValue(cause);
        }
    }
    return name;
}

int32_t DesignLoader::Int(int64_t low, int64_t high) {
    if (int64_t whole = 0; reader_.ReadWhole(whole)) {
        if (whole < low || whole > high) {
            FailValue(std::to_string(whole) + " is out of the range " + std::to_string(low) + ".." +
                      std::to_string(high));
        }
        return static_cast<int32_t>(whole);
    }
    ExpectToken(Token::Number, "a whole number");
    const double value = reader_.ReadNumber();
    if (value != std::floor(value)) {
        FailValue("expected a whole number, found " + NumberText(value));
    }
    if (value < static_cast<double>(low) || value > static_cast<double>(high)) {
        FailValue(NumberText(value) + " is out of the range " + std::to_string(low) + ".." +
                  std::to_string(high));
    }
    return static_cast<int32_t>(value);
}

double DesignLoader::Real() {
    ExpectToken(Token::Number, "a number");
    return reader_.ReadNumber();
}

bool DesignLoader::Bool() {
    ExpectToken(Token::True, "true or false");
    return reader_.ReadBool();
}

// A string as it stands, or an array of tokens joined with the byte 128.
std::string DesignLoader::Attributes() {
    if (reader_.Peek() == Token::String) {
        return Text();
    }
    if (reader_.Peek() != Token::Array) {
        FailValue("expected a string or an array of strings");
    }
    std::string joined;
    Elements([&](int64_t index) {
        if (index > 0) {
            joined += '\x80';
        }
        joined += Text();
    });
    return joined;
}

DesignData DesignLoader::Load() {
    DesignData design;
    design_ = &design;
    Top(design);
    reader_.ExpectEnd();
    Resolve(design);
    return design;
}

void DesignLoader::Top(DesignData& design) {
    static constexpr std::array<std::string_view, 9> Keys{
        "format", "version", "name", "layers", "devices", "symbols", "padStacks", "circuits", "streams"};
    int memberNumber = 0;
    Members(Keys, 0b11, [&](size_t k) {
        if ((memberNumber == 0 && k != 0) || (memberNumber == 1 && k != 1)) {
            reader_.Fail(reader_.KeyOffset(), std::string("the file must begin with \"format\": \"") +
                                                  DesignFormatName + "\" and \"version\"");
        }
        ++memberNumber;
        switch (k) {
        case 0: {
            const std::string format = Text();
            if (format != DesignFormatName) {
                FailValue("not a design file: the format is " + Quoted(format) + ", expected " +
                          Quoted(DesignFormatName));
            }
            break;
        }
        case 1: {
            const int32_t version = Int();
            if (version != DesignFormatVersion) {
                FailValue("version " + std::to_string(version) +
                          " is not supported (this program reads version " +
                          std::to_string(DesignFormatVersion) + ")");
            }
            break;
        }
        case 2:
            design.name = Name();
            break;
        case 3:
            Layers(design.layerNames);
            break;
        case 4:
            Elements([&](int64_t) { design.devices.push_back(Device()); });
            devices_ = NameIndex::Of(design.devices);
            devicesRead_ = true;
            break;
        case 5:
            Elements([&](int64_t) { design.symbols.push_back(Symbol()); });
            symbols_ = NameIndex::Of(design.symbols);
            symbolsRead_ = true;
            break;
        case 6:
            Elements([&](int64_t) { design.padStacks.push_back(PadStack()); });
            break;
        case 7:
            Elements([&](int64_t) {
                refs_ = &circuitRefs_.emplace_back();
                design.circuits.push_back(Circuit(*refs_));
                refs_ = nullptr;
            });
            break;
        case 8:
            Elements([&](int64_t) { design.streams.push_back(Stream()); });
            break;
        }
    });
}

void DesignLoader::Layers(std::array<std::string, 32>& names) {
    Elements([&](int64_t index) {
        if (index >= static_cast<int64_t>(names.size())) {
            FailValue("more than 32 layer names");
        }
        names[index] = Name();
    });
}

DeviceData DesignLoader::Device() {
    static constexpr std::array<std::string_view, 5> Keys{"name", "kind", "status", "package", "attributes"};
    DeviceData device;
    std::string package, tokens;
    bool hasPackage = false, hasTokens = false;
    Members(Keys, 0b1, [&](size_t k) {
        switch (k) {
        case 0:
            device.name = Name();
            break;
        case 1:
            device.kind = Int(0, 2);
            break;
        case 2:
            device.status = Int();
            break;
        case 3:
            package = Name();
            hasPackage = true;
            if (package.find(' ') != std::string::npos) {
                FailValue("a package name cannot hold a blank");
            }
            break;
        case 4:
            tokens = Attributes();
            hasTokens = true;
            break;
        }
    });
    // The package name stands in front of the tokens, separated by one blank.
    device.attributes = hasPackage ? (hasTokens ? package + ' ' + tokens : package) : tokens;
    return device;
}

SymbolData DesignLoader::Symbol() {
    static constexpr std::array<std::string_view, 6> Keys{"name",    "kind",  "attributes",
                                                          "entries", "items", "padStacks"};
    SymbolData symbol;
    Members(Keys, 0b11, [&](size_t k) {
        switch (k) {
        case 0:
            symbol.name = Name();
            break;
        case 1:
            if (reader_.Peek() == Token::String) {
                const std::string word = Text();
                const auto kind = SymbolKindFromName(word);
                if (!kind) {
                    FailValue("unknown symbol kind " + Quoted(word) +
                              " (schematic, package, padstack or frame)");
                }
                symbol.kind = *kind;
            } else {
                symbol.kind = Int(SymbolSchematic, SymbolBoardFrame);
            }
            break;
        case 2:
            symbol.attributes = Attributes();
            break;
        case 3:
            Elements([&](int64_t) { symbol.entries.push_back(Entry()); });
            break;
        case 4:
            symbol.items = Items();
            break;
        case 5:
            Elements([&](int64_t) { symbol.padStacks.push_back(PadStack()); });
            break;
        }
    });
    return symbol;
}

PadStackData DesignLoader::PadStack() {
    static constexpr std::array<std::string_view, 4> Keys{"name", "holeCategory", "holeDiameter", "items"};
    PadStackData padStack;
    Members(Keys, 0b1, [&](size_t k) {
        switch (k) {
        case 0:
            padStack.name = Name();
            break;
        case 1:
            padStack.holeCategory = Int();
            break;
        case 2:
            padStack.holeDiameter = Int(0);
            break;
        case 3:
            padStack.items = Items();
            break;
        }
    });
    return padStack;
}

EntryData DesignLoader::Entry() {
    static constexpr std::array<std::string_view, 4> Keys{"name", "padStack", "x", "y"};
    EntryData entry;
    Members(Keys, 0b1, [&](size_t k) {
        switch (k) {
        case 0:
            entry.name = Name();
            break;
        case 1:
            entry.padStack = Text();
            break;
        case 2:
            entry.x = Int();
            break;
        case 3:
            entry.y = Int();
            break;
        }
    });
    return entry;
}

std::vector<ItemData> DesignLoader::Items() {
    itemScratch_.clear();
    Elements([&](int64_t) { itemScratch_.push_back(Item()); });
    return Exact(itemScratch_);
}

ItemData DesignLoader::Item() {
    static constexpr std::array<std::string_view, 16> Keys{
        "kind", "flags", "mask",     "layer",    "x",      "y",          "width",    "gap",
        "dx",   "dy",    "rotation", "diameter", "radius", "startAngle", "endAngle", "text"};
    ItemData item;
    reader_.Peek();
    const size_t start = reader_.ValueOffset();
    Members(Keys, 0b1, [&](size_t k) {
        switch (k) {
        case 0:
            if (reader_.Peek() == Token::String) {
                const std::string word = Text();
                const auto kind = ItemKindFromName(word);
                if (!kind) {
                    FailValue("unknown item kind " + Quoted(word) +
                              " (line, rectangle, circle, arc, text or valueText)");
                }
                item.kind = *kind;
            } else {
                item.kind = Int();
            }
            break;
        case 1:
            item.flags = Int();
            break;
        case 2:
            item.mask = Int();
            break;
        case 3:
            item.layer = Int(0, LastLayer);
            break;
        case 4:
            item.x = Int();
            break;
        case 5:
            item.y = Int();
            break;
        case 6:
            item.width = Int(0);
            break;
        case 7:
            item.gap = Int(0);
            break;
        case 8:
            item.dx = Int();
            break;
        case 9:
            item.dy = Int();
            break;
        case 10:
            item.rotation = Real();
            break;
        case 11:
            item.diameter = Int(0);
            break;
        case 12:
            item.radius = Int(0);
            break;
        case 13:
            item.startAngle = Real();
            break;
        case 14:
            item.endAngle = Real();
            break;
        case 15:
            item.text = Text();
            break;
        }
    });
    // Extents are kept in 32 bits: an item reaching beyond them would be measured wrongly.
    if (const std::optional<Box> box = ItemBox(ItemRecordOf(item)); box && !FitsCoordinates(*box)) {
        reader_.Fail(start, "the item reaches beyond the coordinates " + std::to_string(Int32Min) + ".." +
                                std::to_string(Int32Max));
    }
    return item;
}

CircuitData DesignLoader::Circuit(CircuitRefs& refs) {
    static constexpr std::array<std::string_view, 9> Keys{
        "name", "pages", "schComps", "layComps", "nets", "traces", "vias", "boardFrame", "boardItems"};
    CircuitData circuit;
    circuit.hasBoardFrame = false;
    Members(Keys, 0b1, [&](size_t k) {
        switch (k) {
        case 0:
            circuit.name = Name();
            break;
        case 1:
            Elements([&](int64_t) { circuit.pages.push_back(PageData{Name()}); });
            refs.pages = NameIndex::Of(circuit.pages);
            refs.pageCount = circuit.pages.size();
            refs.pagesRead = true;
            break;
        case 2:
            refs.schCompsFound = true;
            Elements([&](int64_t) {
                PageRef& pageRef = refs.pageRefs.emplace_back();
                SchCompData& comp = circuit.schComps.emplace_back(SchComp(pageRef));
                refs.schCompsFound = refs.schCompsFound && FindSchComp(comp, pageRef, refs);
            });
            refs.schComps = NameIndex::Of(circuit.schComps);
            refs.schCompsRead = true;
            break;
        case 3:
            refs.layCompsFound = true;
            Elements([&](int64_t) {
                LayCompData& comp = circuit.layComps.emplace_back(LayComp());
                uint32_t pins = 0;
                refs.layCompsFound =
                    refs.layCompsFound &&
                    FindDeviceAndSymbol(comp.device, comp.symbol, comp.deviceRef, comp.symbolRef, pins);
                refs.layPins.push_back(pins);
            });
            refs.layComps = NameIndex::Of(circuit.layComps);
            refs.layCompsRead = true;
            break;
        case 4:
            Elements([&](int64_t) { circuit.nets.push_back(Net()); });
            refs.nets = NameIndex::Of(circuit.nets);
            refs.netsRead = true;
            break;
        case 5:
            Elements([&](int64_t) { circuit.traces.push_back(Trace()); });
            break;
        case 6:
            Elements([&](int64_t) { circuit.vias.push_back(Via()); });
            break;
        case 7:
            BoardFrame(circuit);
            break;
        case 8:
            circuit.boardItems = Items();
            break;
        }
    });
    return circuit;
}

SchCompData DesignLoader::SchComp(PageRef& pageRef) {
    static constexpr std::array<std::string_view, 6> Keys{"name",   "page",   "device",
                                                          "symbol", "packed", "texts"};
    SchCompData comp;
    Members(Keys, 0b1, [&](size_t k) {
        switch (k) {
        case 0:
            comp.name = Name();
            break;
        case 1:
            if (reader_.Peek() == Token::String) {
                pageRef.byName = true;
                pageRef.name = Text();
            } else {
                pageRef.index = Int(0);
            }
            break;
        case 2:
            comp.device = Text();
            break;
        case 3:
            comp.symbol = Text();
            break;
        case 4:
            comp.packed = Bool();
            break;
        case 5:
            comp.texts = Items();
            break;
        }
    });
    return comp;
}

LayCompData DesignLoader::LayComp() {
    static constexpr std::array<std::string_view, 5> Keys{"name", "device", "specialPart", "side", "symbol"};
    LayCompData comp;
    Members(Keys, 0b1, [&](size_t k) {
        switch (k) {
        case 0:
            comp.name = Name();
            break;
        case 1:
            comp.device = Text();
            break;
        case 2:
            comp.specialPart = Bool();
            break;
        case 3: {
            const std::string side = Text();
            if (side != "top" && side != "bottom") {
                FailValue("the side is " + Quoted(side) + ", expected \"top\" or \"bottom\"");
            }
            comp.bottom = side == "bottom";
            break;
        }
        case 4:
            comp.symbol = Text();
            break;
        }
    });
    return comp;
}

NetData DesignLoader::Net() {
    static constexpr std::array<std::string_view, 4> Keys{"name", "class", "flags", "nodes"};
    NetData net;
    bool hasFlags = false;
    Members(Keys, 0b1, [&](size_t k) {
        switch (k) {
        case 0:
            net.name = Name();
            break;
        case 1:
        case 2: {
            if (hasFlags) {
                reader_.Fail(reader_.KeyOffset(), "give either \"class\" or \"flags\", not both");
            }
            hasFlags = true;
            if (k == 2) {
                net.flags = Int();
                break;
            }
            const std::string word = Text();
            if (word == "power") {
                net.flags = NetPowerGround;
            } else if (word == "named") {
                net.flags = NetNamed;
            } else if (word == "unnamed") {
                net.flags = 0;
            } else {
                FailValue("unknown net class " + Quoted(word) + " (power, named or unnamed)");
            }
            break;
        }
        case 3:
            nodeScratch_.clear();
            Elements([&](int64_t) { nodeScratch_.push_back(Node()); });
            if (refs_ && refs_->nodesFound) {
                refs_->nodesFound = FindNodes(nodeScratch_, *refs_);
            }
            net.nodes = Exact(nodeScratch_);
            break;
        }
    });
    return net;
}

NodeData DesignLoader::Node() {
    static constexpr std::array<std::string_view, 6> Keys{"schComp", "schEntry", "schConnected",
                                                          "layComp", "layPin",   "layConnected"};
    NodeData node;
    Members(Keys, 0, [&](size_t k) {
        switch (k) {
        case 0:
            node.schComp = Text();
            break;
        case 1:
            node.schEntry = Int(0);
            break;
        case 2:
            node.schConnected = Bool();
            break;
        case 3:
            node.layComp = Text();
            break;
        case 4:
            node.layPin = Int(0);
            break;
        case 5:
            node.layConnected = Bool();
            break;
        }
    });
    return node;
}

TraceData DesignLoader::Trace() {
    static constexpr std::array<std::string_view, 2> Keys{"net", "records"};
    TraceData trace;
    Members(Keys, 0, [&](size_t k) {
        if (k == 0) {
            trace.net = Text();
            if (refs_ && refs_->tracesFound && !trace.net.empty()) {
                trace.netRef = refs_->netsRead ? refs_->nets.Find(trace.net) : 0;
                refs_->tracesFound = trace.netRef != 0;
            }
        } else {
            recordScratch_.clear();
            Elements([&](int64_t) { recordScratch_.push_back(TraceRecord()); });
            trace.records = Exact(recordScratch_);
        }
    });
    return trace;
}

// [flags, layer, width, x, y] or the same as an object.
TraceSegmentData DesignLoader::TraceRecord() {
    TraceSegmentData record;
    // Records are most of a large design: a plain one is read in one step, anything else (and
    // every error) by the general calls below.
    int64_t values[5];
    if (reader_.ReadWholeArray(values, 5)) {
        auto fits = [](int64_t value, int64_t low) { return value >= low && value <= Int32Max; };
        if (fits(values[0], Int32Min) && values[1] >= 0 && values[1] <= LastLayer && fits(values[2], 0) &&
            fits(values[3], Int32Min) && fits(values[4], Int32Min)) {
            record.flags = static_cast<int32_t>(values[0]);
            record.layer = static_cast<int32_t>(values[1]);
            record.width = static_cast<int32_t>(values[2]);
            record.x = static_cast<int32_t>(values[3]);
            record.y = static_cast<int32_t>(values[4]);
            return record;
        }
        reader_.Rewind(reader_.ValueOffset());
    }
    if (reader_.Peek() == Token::Array) {
        const size_t start = reader_.ValueOffset();
        int64_t count = 0;
        Elements([&](int64_t index) {
            count = index + 1;
            switch (index) {
            case 0:
                record.flags = Int();
                break;
            case 1:
                record.layer = Int(0, LastLayer);
                break;
            case 2:
                record.width = Int(0);
                break;
            case 3:
                record.x = Int();
                break;
            case 4:
                record.y = Int();
                break;
            default:
                FailValue("a trace record has five numbers: flags, layer, width, x, y");
            }
        });
        if (count != 5) {
            reader_.Fail(start, "a trace record has five numbers: flags, layer, width, x, y");
        }
        return record;
    }
    static constexpr std::array<std::string_view, 5> Keys{"flags", "layer", "width", "x", "y"};
    Members(Keys, 0, [&](size_t k) {
        switch (k) {
        case 0:
            record.flags = Int();
            break;
        case 1:
            record.layer = Int(0, LastLayer);
            break;
        case 2:
            record.width = Int(0);
            break;
        case 3:
            record.x = Int();
            break;
        case 4:
            record.y = Int();
            break;
        }
    });
    return record;
}

ViaData DesignLoader::Via() {
    static constexpr std::array<std::string_view, 3> Keys{"x", "y", "span"};
    ViaData via;
    Members(Keys, 0, [&](size_t k) {
        switch (k) {
        case 0:
            via.x = Int();
            break;
        case 1:
            via.y = Int();
            break;
        case 2:
            if (reader_.Peek() == Token::String) {
                const std::string word = Text();
                if (word != "through") {
                    FailValue("the span is " + Quoted(word) + ", expected \"through\" or a list of layers");
                }
                via.span = ViaSpanThrough;
            } else {
                uint32_t bits = 0;
                Elements([&](int64_t) { bits |= 1u << Int(0, LastLayer); });
                via.span = static_cast<int32_t>(bits);
            }
            break;
        }
    });
    return via;
}

void DesignLoader::BoardFrame(CircuitData& circuit) {
    if (reader_.Peek() == Token::Null) {
        reader_.ReadNull();
        circuit.hasBoardFrame = false;
        return;
    }
    static constexpr std::array<std::string_view, 4> Keys{"x1", "y1", "x2", "y2"};
    const size_t start = reader_.ValueOffset();
    Members(Keys, 0, [&](size_t k) {
        const int32_t value = Int();
        switch (k) {
        case 0:
            circuit.boardX1 = value;
            break;
        case 1:
            circuit.boardY1 = value;
            break;
        case 2:
            circuit.boardX2 = value;
            break;
        case 3:
            circuit.boardY2 = value;
            break;
        }
    });
    // The kernel keeps the frame's width and height in 32 bits: a larger frame would be listed
    // with a size it does not have.
    if (std::llabs(int64_t{circuit.boardX2} - circuit.boardX1) > Int32Max ||
        std::llabs(int64_t{circuit.boardY2} - circuit.boardY1) > Int32Max) {
        reader_.Fail(start, "the board frame is wider or higher than " + std::to_string(Int32Max) + " units");
    }
    circuit.hasBoardFrame = true;
}

StreamData DesignLoader::Stream() {
    static constexpr std::array<std::string_view, 5> Keys{"name", "label", "hierarchies", "hex", "text"};
    StreamData stream;
    bool hasContent = false;
    Members(Keys, 0b1, [&](size_t k) {
        if (k == 0) {
            stream.name = Text();
            return;
        }
        if (hasContent) {
            reader_.Fail(reader_.KeyOffset(),
                         "give only one of \"label\", \"hierarchies\", \"hex\" and \"text\"");
        }
        hasContent = true;
        switch (k) {
        case 1:
            stream.bytes = Label();
            break;
        case 2:
            stream.bytes = Hierarchies();
            break;
        case 3:
            stream.bytes = Hex();
            break;
        case 4:
            ExpectToken(Token::String, "a string");
            stream.bytes = reader_.ReadString(); // raw bytes: NUL allowed
            break;
        }
    });
    return stream;
}

std::string DesignLoader::Label() {
    static constexpr std::array<std::string_view, 5> Keys{"number", "field4", "designer", "revision",
                                                          "field137"};
    static constexpr std::array<int, 5> Sizes{4, ProjectLabelField4Size, ProjectLabelDesignerSize,
                                              ProjectLabelRevisionSize, ProjectLabelField137Size};
    LabelFields label;
    Members(Keys, 0, [&](size_t k) {
        if (k == 0) {
            label.number = Int();
            return;
        }
        std::string text = Text();
        if (text.size() > static_cast<size_t>(Sizes[k])) {
            FailValue("the " + std::string(Keys[k]) + " text is longer than " + std::to_string(Sizes[k]) +
                      " characters");
        }
        (k == 1   ? label.field4
         : k == 2 ? label.designer
         : k == 3 ? label.revision
                  : label.field137) = std::move(text);
    });
    return EncodeProjectLabel(label);
}

std::string DesignLoader::Hierarchies() {
    std::vector<std::string> names;
    Elements([&](int64_t) {
        std::string name = Text();
        if (name.size() > static_cast<size_t>(HierarchyRecordSize)) {
            FailValue("a hierarchy name is longer than " + std::to_string(HierarchyRecordSize) +
                      " characters");
        }
        names.push_back(std::move(name));
    });
    return EncodeHierarchyStack(names);
}

// Pairs of hex digits; blanks may separate them.
std::string DesignLoader::Hex() {
    ExpectToken(Token::String, "a string of hex digits");
    const std::string text = reader_.ReadString();
    std::string bytes;
    bytes.reserve(text.size() / 2);
    int pending = -1;
    for (const char c : text) {
        int digit;
        if (c >= '0' && c <= '9') {
            digit = c - '0';
        } else if (c >= 'a' && c <= 'f') {
            digit = c - 'a' + 10;
        } else if (c >= 'A' && c <= 'F') {
            digit = c - 'A' + 10;
        } else if (c == ' ' && pending < 0) {
            continue;
        } else {
            FailValue("the hex text holds something other than pairs of hex digits");
        }
        if (pending < 0) {
            pending = digit;
        } else {
            bytes.push_back(static_cast<char>(pending * 16 + digit));
            pending = -1;
        }
    }
    if (pending >= 0) {
        FailValue("the hex text has an odd number of digits");
    }
    return bytes;
}

bool DesignLoader::FindDeviceAndSymbol(const std::string& device, const std::string& symbol,
                                       int32_t& deviceRef, int32_t& symbolRef, uint32_t& entries) const {
    int32_t foundDevice = 0, foundSymbol = 0;
    if (!device.empty() && (!devicesRead_ || (foundDevice = devices_.Find(device)) == 0)) {
        return false;
    }
    if (!symbol.empty() && (!symbolsRead_ || (foundSymbol = symbols_.Find(symbol)) == 0)) {
        return false;
    }
    deviceRef = foundDevice;
    symbolRef = foundSymbol;
    entries = foundSymbol == 0 ? 0 : static_cast<uint32_t>(design_->symbols[foundSymbol - 1].entries.size());
    return true;
}

bool DesignLoader::FindSchComp(SchCompData& comp, const PageRef& pageRef, CircuitRefs& refs) const {
    if (!refs.pagesRead) {
        return false;
    }
    int32_t page = 0;
    if (pageRef.byName) {
        page = refs.pages.Find(pageRef.name) - 1;
    } else if (static_cast<size_t>(pageRef.index) < refs.pageCount) {
        page = pageRef.index;
    } else {
        return false;
    }
    uint32_t entries = 0;
    if (page < 0 || !FindDeviceAndSymbol(comp.device, comp.symbol, comp.deviceRef, comp.symbolRef, entries)) {
        return false;
    }
    comp.page = page;
    refs.schEntries.push_back(entries);
    return true;
}

bool DesignLoader::FindNodes(std::vector<NodeData>& nodes, const CircuitRefs& refs) const {
    // Each step below waits for memory: the components' slots in the name indexes, then their
    // entry counts. Each is fetched for the whole net before the first is read.
    for (const NodeData& node : nodes) {
        refs.schComps.Prefetch(node.schComp);
        refs.layComps.Prefetch(node.layComp);
    }
    // A named component must be found among a list that has been read and whose references
    // were all found; no component, no index.
    auto find = [](const std::string& comp, int32_t index, bool listUsable, const NameIndex& comps,
                   const std::vector<uint32_t>& counts, int32_t& ref) {
        if (comp.empty()) {
            return index == 0;
        }
        ref = listUsable ? comps.Find(comp) : 0;
        if (ref != 0) {
            __builtin_prefetch(&counts[static_cast<size_t>(ref - 1)]);
        }
        return ref != 0;
    };
    const bool schUsable = refs.schCompsRead && refs.schCompsFound;
    const bool layUsable = refs.layCompsRead && refs.layCompsFound;
    for (NodeData& node : nodes) {
        if (!find(node.schComp, node.schEntry, schUsable, refs.schComps, refs.schEntries, node.schCompRef) ||
            !find(node.layComp, node.layPin, layUsable, refs.layComps, refs.layPins, node.layCompRef)) {
            return false;
        }
    }
    // The index must lie within the component's symbol.
    auto within = [](int32_t ref, int32_t index, const std::vector<uint32_t>& counts) {
        return ref == 0 || static_cast<uint32_t>(index) <= counts[static_cast<size_t>(ref - 1)];
    };
    for (const NodeData& node : nodes) {
        if (!within(node.schCompRef, node.schEntry, refs.schEntries) ||
            !within(node.layCompRef, node.layPin, refs.layPins)) {
            return false;
        }
    }
    return true;
}

// Every reference names the first object of that name; entry and pin indexes count from 1
// and 0 stands for none.
void DesignLoader::Resolve(DesignData& design) {
    // Every reference is looked up once here, and the position found is kept in the data so
    // that the kernel need not look again.
    // Places are spelt out only for a message: building one per object would cost more than
    // the look-ups themselves on a large design.
    auto at = [](std::string place, size_t index) { return place + '[' + std::to_string(index) + ']'; };

    // The device and symbol lists were indexed as soon as they had been read; a list the file
    // does not hold is empty.
    const NameIndex& devices = devices_;
    const NameIndex& symbols = symbols_;
    // A reference to a device or a symbol: its position, 0 for none. `what` is both the key and
    // the kind of object named.
    auto lookUp = [](const NameIndex& index, const char* what, const std::string& name,
                     auto place) -> int32_t {
        if (name.empty()) {
            return 0;
        }
        const int32_t ref = index.Find(name);
        if (ref == 0) {
            FailReference(place() + '.' + what, std::string("unknown ") + what + ' ' + Quoted(name));
        }
        return ref;
    };
    auto entriesOf = [&](int32_t symbolRef) -> size_t {
        return symbolRef == 0 ? 0 : design.symbols[static_cast<size_t>(symbolRef - 1)].entries.size();
    };

    for (size_t s = 0; s < design.symbols.size(); ++s) {
        const SymbolData& symbolData = design.symbols[s];
        if (symbolData.entries.empty()) {
            continue;
        }
        std::unordered_set<std::string_view> padStacks;
        for (const PadStackData& padStack : symbolData.padStacks) {
            padStacks.insert(padStack.name);
        }
        for (size_t e = 0; e < symbolData.entries.size(); ++e) {
            const std::string& name = symbolData.entries[e].padStack;
            if (!name.empty() && !padStacks.count(name)) {
                FailReference(at(at("symbols", s) + ".entries", e) + ".padStack",
                              "unknown padstack " + Quoted(name) + " (not among the symbol's padStacks)");
            }
        }
    }

    std::unordered_set<std::string_view> streams;
    for (size_t s = 0; s < design.streams.size(); ++s) {
        if (!streams.insert(design.streams[s].name).second) {
            FailReference(at("streams", s) + ".name",
                          "stream " + Quoted(design.streams[s].name) + " given twice");
        }
    }

    for (size_t c = 0; c < design.circuits.size(); ++c) {
        CircuitData& circuit = design.circuits[c];
        auto circuitPlace = [&](const char* list, size_t index) {
            return at(at("circuits", c) + list, index);
        };
        CircuitRefs& refs = circuitRefs_[c];
        const NameIndex& pages = refs.pages;
        std::vector<uint32_t>& schEntries = refs.schEntries;
        if (!refs.schCompsFound) {
            schEntries.assign(circuit.schComps.size(), 0);
        }
        for (size_t i = 0; !refs.schCompsFound && i < circuit.schComps.size(); ++i) {
            SchCompData& comp = circuit.schComps[i];
            auto place = [&] { return circuitPlace(".schComps", i); };
            const PageRef& ref = refs.pageRefs[i];
            if (ref.byName) {
                const int32_t page = pages.Find(ref.name);
                if (page == 0) {
                    FailReference(place() + ".page", "unknown page " + Quoted(ref.name));
                }
                comp.page = page - 1;
            } else if (static_cast<size_t>(ref.index) >= circuit.pages.size()) {
                const size_t count = circuit.pages.size();
                FailReference(place() + ".page", "no page " + std::to_string(ref.index) +
                                                     ": the circuit has " + std::to_string(count) +
                                                     (count == 1 ? " page" : " pages"));
            } else {
                comp.page = ref.index;
            }
            comp.deviceRef = lookUp(devices, "device", comp.device, place);
            comp.symbolRef = lookUp(symbols, "symbol", comp.symbol, place);
            schEntries[i] = static_cast<uint32_t>(entriesOf(comp.symbolRef));
        }
        std::vector<uint32_t>& layPins = refs.layPins;
        if (!refs.layCompsFound) {
            layPins.assign(circuit.layComps.size(), 0);
        }
        for (size_t i = 0; !refs.layCompsFound && i < circuit.layComps.size(); ++i) {
            LayCompData& comp = circuit.layComps[i];
            auto place = [&] { return circuitPlace(".layComps", i); };
            comp.deviceRef = lookUp(devices, "device", comp.device, place);
            comp.symbolRef = lookUp(symbols, "symbol", comp.symbol, place);
            layPins[i] = static_cast<uint32_t>(entriesOf(comp.symbolRef));
        }

        const NameIndex& schComps = refs.schComps;
        const NameIndex& layComps = refs.layComps;
        // One side of a node: the component must exist and the index lie within its symbol.
        auto side = [&](auto place, const char* compKey, const char* indexKey, const std::string& comp,
                        int32_t index, const NameIndex& comps, const std::vector<uint32_t>& counts,
                        const char* what) -> int32_t {
            if (comp.empty()) {
                if (index != 0) {
                    FailReference(place() + '.' + indexKey, std::string("an index without a ") + what);
                }
                return 0;
            }
            const int32_t ref = comps.Find(comp);
            if (ref == 0) {
                FailReference(place() + '.' + compKey, std::string("unknown ") + what + ' ' + Quoted(comp));
            }
            const size_t count = counts[static_cast<size_t>(ref - 1)];
            if (static_cast<size_t>(index) > count) {
                FailReference(place() + '.' + indexKey, std::to_string(index) + " is beyond the " +
                                                            std::to_string(count) +
                                                            " entries of the symbol of " + Quoted(comp));
            }
            return ref;
        };
        for (size_t n = 0; !refs.nodesFound && n < circuit.nets.size(); ++n) {
            NetData& net = circuit.nets[n];
            for (const NodeData& node : net.nodes) {
                schComps.Prefetch(node.schComp);
                layComps.Prefetch(node.layComp);
            }
            for (size_t k = 0; k < net.nodes.size(); ++k) {
                NodeData& node = net.nodes[k];
                auto place = [&] { return at(circuitPlace(".nets", n) + ".nodes", k); };
                node.schCompRef = side(place, "schComp", "schEntry", node.schComp, node.schEntry, schComps,
                                       schEntries, "schematic component");
                node.layCompRef = side(place, "layComp", "layPin", node.layComp, node.layPin, layComps,
                                       layPins, "layout component");
            }
        }
        const NameIndex& nets = refs.nets;
        for (size_t t = 0; !refs.tracesFound && t < circuit.traces.size(); ++t) {
            TraceData& trace = circuit.traces[t];
            if (trace.net.empty()) {
                continue;
            }
            trace.netRef = nets.Find(trace.net);
            if (trace.netRef == 0) {
                FailReference(circuitPlace(".traces", t) + ".net", "unknown net " + Quoted(trace.net));
            }
        }
    }
}

} // namespace

namespace {

DesignFileResult Load(DesignLoader& loader, const QString& nameForMessages) {
    DesignFileResult result;
    try {
        result.design = loader.Load();
    } catch (const JsonReadError& error) {
        int line = 0, column = 0;
        loader.LineColumn(error.offset, line, column);
        const std::string place = loader.Place();
        const QString where = QStringLiteral("line %1, column %2").arg(line).arg(column);
        result.error =
            nameForMessages + QStringLiteral(": ") +
            (place.empty() ? where : QString::fromLatin1(place) + QStringLiteral(" (") + where + ')') +
            QStringLiteral(": ") + QString::fromLatin1(error.cause);
    } catch (const ReferenceError& error) {
        result.error = nameForMessages + QStringLiteral(": ") + QString::fromLatin1(error.place) +
                       QStringLiteral(": ") + QString::fromLatin1(error.cause);
    } catch (const TextSourceError& error) {
        result.error = nameForMessages + QStringLiteral(": ") + QString::fromStdString(error.cause);
    } catch (const std::bad_alloc&) {
        result.error = nameForMessages + QStringLiteral(": not enough memory to load the design");
    }
    return result;
}

} // namespace

DesignFileResult LoadDesignBytes(const QByteArray& bytes, const QString& nameForMessages) {
    if (bytes.size() > MaxDesignFileSize) {
        DesignFileResult result;
        result.error =
            nameForMessages + QStringLiteral(": the file is larger than %1 MiB").arg(MaxDesignFileSize >> 20);
        return result;
    }
    const size_t base =
        ByteOrderMarkSize(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
    DesignLoader loader(bytes.constData() + base, static_cast<size_t>(bytes.size()) - base);
    return Load(loader, nameForMessages);
}

DesignFileResult LoadDesignText(TextSource& source, const QString& nameForMessages, ReadWindow window) {
    DesignLoader loader(source, window);
    return Load(loader, nameForMessages);
}

DesignFileResult LoadDesignFile(const QString& path) {
    DesignFileResult result;
    FileTextSource source;
    try {
        if (!source.Open(path, MaxDesignFileSize, &result.error)) {
            return result;
        }
    } catch (const std::bad_alloc&) {
        result.error = path + QStringLiteral(": not enough memory to load the design");
        return result;
    }
    return LoadDesignText(source, path);
}

} // namespace vxw
