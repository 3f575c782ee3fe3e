// Writing of design files. The text is laid out for reading: one line per small object (an
// item, a node, a component, a trace record), so that even a large design stays easy to
// compare and to edit by hand. Values equal to their default are left out.

#include "kernel/DesignFile.h"

#include "kernel/DesignFileFormat.h"
#include "kernel/KernelRecords.h"

#include <QSaveFile>

#include <charconv>
#include <cmath>
#include <string_view>
#include <unordered_map>

namespace vxw {
namespace {

class JsonWriter {
public:
    // A container opened on one line keeps all its members, nested ones included, on that line.
    void BeginObject(bool oneLine = false) { Open('{', oneLine); }
    void EndObject() { Close('}'); }
    void BeginArray(bool oneLine = false) { Open('[', oneLine); }
    void EndArray() { Close(']'); }

    JsonWriter& Key(const char* key) {
        BeforeValue();
        out_ += '"';
        out_ += key;
        out_ += "\": ";
        afterKey_ = true;
        return *this;
    }
    void String(const std::string& latin1);
    void Int(int64_t value) {
        BeforeValue();
        out_ += QByteArray::number(static_cast<qlonglong>(value));
    }
    void Real(double value);
    void Bool(bool value) {
        BeforeValue();
        out_ += value ? "true" : "false";
    }
    void Null() {
        BeforeValue();
        out_ += "null";
    }

    bool Failed() const { return failed_; }
    QByteArray Take() {
        out_ += '\n';
        return std::move(out_);
    }

private:
    struct Level {
        bool oneLine;
        bool empty;
    };

    void Open(char bracket, bool oneLine) {
        BeforeValue();
        out_ += bracket;
        const bool parentOneLine = !levels_.empty() && levels_.back().oneLine;
        levels_.push_back({oneLine || parentOneLine, true});
    }
    void Close(char bracket) {
        const Level level = levels_.back();
        levels_.pop_back();
        if (!level.oneLine && !level.empty) {
            NewLine();
        }
        out_ += bracket;
    }
    void NewLine() {
        out_ += '\n';
        out_.append(static_cast<qsizetype>(2 * levels_.size()), ' ');
    }
    void BeforeValue() {
        if (afterKey_) {
            afterKey_ = false;
            return;
        }
        if (levels_.empty()) {
            return;
        }
        Level& level = levels_.back();
        if (!level.empty) {
            out_ += level.oneLine ? ", " : ",";
        }
        if (!level.oneLine) {
            NewLine();
        }
        level.empty = false;
    }

    QByteArray out_;
    std::vector<Level> levels_;
    bool afterKey_ = false;
    bool failed_ = false;
};

void JsonWriter::String(const std::string& latin1) {
    BeforeValue();
    out_ += '"';
    for (const char c : latin1) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == '"' || byte == '\\') {
            out_ += '\\';
            out_ += c;
        } else if (byte == '\n') {
            out_ += "\\n";
        } else if (byte == '\r') {
            out_ += "\\r";
        } else if (byte == '\t') {
            out_ += "\\t";
        } else if (byte < 0x20 || (byte >= 0x7F && byte < 0xA0)) {
            // Control characters, the attribute separator 128 among them, stay visible.
            static const char Hex[] = "0123456789ABCDEF";
            out_ += "\\u00";
            out_ += Hex[byte >> 4];
            out_ += Hex[byte & 15];
        } else if (byte >= 0x80) {
            out_ += static_cast<char>(0xC0 | (byte >> 6));
            out_ += static_cast<char>(0x80 | (byte & 0x3F));
        } else {
            out_ += c;
        }
    }
    out_ += '"';
}

void JsonWriter::Real(double value) {
    BeforeValue();
    if (!std::isfinite(value)) {
        failed_ = true;
        out_ += '0';
        return;
    }
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out_.append(buffer, result.ptr - buffer);
}

// 0 is left out; -0 is written so that it reads back the same.
bool IsPlainZero(double value) {
    return value == 0 && !std::signbit(value);
}

std::vector<std::string> SplitTokens(const std::string& attributes) {
    std::vector<std::string> tokens;
    size_t start = 0;
    for (;;) {
        const size_t end = attributes.find('\x80', start);
        tokens.push_back(attributes.substr(start, end - start));
        if (end == std::string::npos) {
            return tokens;
        }
        start = end + 1;
    }
}

class DesignWriter {
public:
    QByteArray Write(const DesignData& design, bool& failed);

private:
    void Tokens(const std::string& attributes);
    void Item(const ItemData& item);
    void Items(const char* key, const std::vector<ItemData>& items);
    void PadStack(const PadStackData& padStack);
    void Symbol(const SymbolData& symbol);
    void Device(const DeviceData& device);
    void Circuit(const CircuitData& circuit);
    void Net(const NetData& net);
    void Stream(const StreamData& stream);

    void OptionalInt(const char* key, int64_t value) {
        if (value != 0) {
            w_.Key(key).Int(value);
        }
    }
    void OptionalText(const char* key, const std::string& text) {
        if (!text.empty()) {
            w_.Key(key).String(text);
        }
    }

    JsonWriter w_;
};

QByteArray DesignWriter::Write(const DesignData& design, bool& failed) {
    w_.BeginObject();
    w_.Key("format").String(DesignFormatName);
    w_.Key("version").Int(DesignFormatVersion);
    w_.Key("name").String(design.name);
    size_t layerCount = design.layerNames.size();
    while (layerCount > 0 && design.layerNames[layerCount - 1].empty()) {
        --layerCount;
    }
    if (layerCount > 0) {
        w_.Key("layers").BeginArray();
        for (size_t i = 0; i < layerCount; ++i) {
            w_.String(design.layerNames[i]);
        }
        w_.EndArray();
    }
    if (!design.devices.empty()) {
        w_.Key("devices").BeginArray();
        for (const DeviceData& device : design.devices) {
            Device(device);
        }
        w_.EndArray();
    }
    if (!design.symbols.empty()) {
        w_.Key("symbols").BeginArray();
        for (const SymbolData& symbol : design.symbols) {
            Symbol(symbol);
        }
        w_.EndArray();
    }
    if (!design.padStacks.empty()) {
        w_.Key("padStacks").BeginArray();
        for (const PadStackData& padStack : design.padStacks) {
            PadStack(padStack);
        }
        w_.EndArray();
    }
    if (!design.circuits.empty()) {
        w_.Key("circuits").BeginArray();
        for (const CircuitData& circuit : design.circuits) {
            Circuit(circuit);
        }
        w_.EndArray();
    }
    if (!design.streams.empty()) {
        w_.Key("streams").BeginArray();
        for (const StreamData& stream : design.streams) {
            Stream(stream);
        }
        w_.EndArray();
    }
    w_.EndObject();
    failed = w_.Failed();
    return w_.Take();
}

void DesignWriter::Tokens(const std::string& attributes) {
    w_.Key("attributes").BeginArray(true);
    for (const std::string& token : SplitTokens(attributes)) {
        w_.String(token);
    }
    w_.EndArray();
}

void DesignWriter::Item(const ItemData& item) {
    w_.BeginObject(true);
    if (const char* name = ItemKindName(item.kind)) {
        w_.Key("kind").String(name);
    } else {
        w_.Key("kind").Int(item.kind);
    }
    OptionalInt("flags", item.flags);
    OptionalInt("mask", item.mask);
    OptionalInt("layer", item.layer);
    OptionalInt("x", item.x);
    OptionalInt("y", item.y);
    OptionalInt("width", item.width);
    OptionalInt("gap", item.gap);
    OptionalInt("dx", item.dx);
    OptionalInt("dy", item.dy);
    if (!IsPlainZero(item.rotation)) {
        w_.Key("rotation").Real(item.rotation);
    }
    OptionalInt("diameter", item.diameter);
    OptionalInt("radius", item.radius);
    if (!IsPlainZero(item.startAngle)) {
        w_.Key("startAngle").Real(item.startAngle);
    }
    if (!IsPlainZero(item.endAngle)) {
        w_.Key("endAngle").Real(item.endAngle);
    }
    OptionalText("text", item.text);
    w_.EndObject();
}

void DesignWriter::Items(const char* key, const std::vector<ItemData>& items) {
    if (items.empty()) {
        return;
    }
    w_.Key(key).BeginArray();
    for (const ItemData& item : items) {
        Item(item);
    }
    w_.EndArray();
}

void DesignWriter::PadStack(const PadStackData& padStack) {
    w_.BeginObject(padStack.items.empty());
    w_.Key("name").String(padStack.name);
    OptionalInt("holeCategory", padStack.holeCategory);
    OptionalInt("holeDiameter", padStack.holeDiameter);
    Items("items", padStack.items);
    w_.EndObject();
}

void DesignWriter::Symbol(const SymbolData& symbol) {
    w_.BeginObject();
    w_.Key("name").String(symbol.name);
    if (const char* name = SymbolKindName(symbol.kind)) {
        w_.Key("kind").String(name);
    } else {
        w_.Key("kind").Int(symbol.kind);
    }
    if (!symbol.attributes.empty()) {
        Tokens(symbol.attributes);
    }
    if (!symbol.padStacks.empty()) {
        w_.Key("padStacks").BeginArray();
        for (const PadStackData& padStack : symbol.padStacks) {
            PadStack(padStack);
        }
        w_.EndArray();
    }
    if (!symbol.entries.empty()) {
        w_.Key("entries").BeginArray();
        for (const EntryData& entry : symbol.entries) {
            w_.BeginObject(true);
            w_.Key("name").String(entry.name);
            OptionalText("padStack", entry.padStack);
            OptionalInt("x", entry.x);
            OptionalInt("y", entry.y);
            w_.EndObject();
        }
        w_.EndArray();
    }
    Items("items", symbol.items);
    w_.EndObject();
}

void DesignWriter::Device(const DeviceData& device) {
    w_.BeginObject(true);
    w_.Key("name").String(device.name);
    w_.Key("kind").Int(device.kind);
    OptionalInt("status", device.status);
    // A part's attributes: the package name, one blank, then the tokens.
    const size_t blank = device.attributes.find(' ');
    if (blank != std::string::npos) {
        w_.Key("package").String(device.attributes.substr(0, blank));
        Tokens(device.attributes.substr(blank + 1));
    } else {
        OptionalText("attributes", device.attributes);
    }
    w_.EndObject();
}

void DesignWriter::Circuit(const CircuitData& circuit) {
    w_.BeginObject();
    w_.Key("name").String(circuit.name);
    std::unordered_map<std::string_view, size_t> firstPage;
    if (!circuit.pages.empty()) {
        w_.Key("pages").BeginArray(circuit.pages.size() <= 8);
        for (size_t i = 0; i < circuit.pages.size(); ++i) {
            w_.String(circuit.pages[i].name);
            firstPage.emplace(circuit.pages[i].name, i);
        }
        w_.EndArray();
    }
    if (circuit.hasBoardFrame) {
        w_.Key("boardFrame").BeginObject(true);
        w_.Key("x1").Int(circuit.boardX1);
        w_.Key("y1").Int(circuit.boardY1);
        w_.Key("x2").Int(circuit.boardX2);
        w_.Key("y2").Int(circuit.boardY2);
        w_.EndObject();
    }
    if (!circuit.schComps.empty()) {
        w_.Key("schComps").BeginArray();
        for (const SchCompData& comp : circuit.schComps) {
            w_.BeginObject(true);
            w_.Key("name").String(comp.name);
            // By name where the name finds this page, by position otherwise.
            const bool inRange = comp.page >= 0 && static_cast<size_t>(comp.page) < circuit.pages.size();
            const auto found = inRange ? firstPage.find(circuit.pages[comp.page].name) : firstPage.end();
            if (found != firstPage.end() && found->second == static_cast<size_t>(comp.page)) {
                w_.Key("page").String(circuit.pages[comp.page].name);
            } else {
                w_.Key("page").Int(comp.page);
            }
            OptionalText("device", comp.device);
            OptionalText("symbol", comp.symbol);
            if (comp.packed) {
                w_.Key("packed").Bool(true);
            }
            Items("texts", comp.texts);
            w_.EndObject();
        }
        w_.EndArray();
    }
    if (!circuit.layComps.empty()) {
        w_.Key("layComps").BeginArray();
        for (const LayCompData& comp : circuit.layComps) {
            w_.BeginObject(true);
            w_.Key("name").String(comp.name);
            OptionalText("device", comp.device);
            if (comp.specialPart) {
                w_.Key("specialPart").Bool(true);
            }
            if (comp.bottom) {
                w_.Key("side").String("bottom");
            }
            OptionalText("symbol", comp.symbol);
            w_.EndObject();
        }
        w_.EndArray();
    }
    if (!circuit.nets.empty()) {
        w_.Key("nets").BeginArray();
        for (const NetData& net : circuit.nets) {
            Net(net);
        }
        w_.EndArray();
    }
    if (!circuit.traces.empty()) {
        w_.Key("traces").BeginArray();
        for (const TraceData& trace : circuit.traces) {
            w_.BeginObject(trace.records.empty());
            OptionalText("net", trace.net);
            w_.Key("records").BeginArray();
            for (const TraceSegmentData& record : trace.records) {
                w_.BeginArray(true);
                w_.Int(record.flags);
                w_.Int(record.layer);
                w_.Int(record.width);
                w_.Int(record.x);
                w_.Int(record.y);
                w_.EndArray();
            }
            w_.EndArray();
            w_.EndObject();
        }
        w_.EndArray();
    }
    if (!circuit.vias.empty()) {
        w_.Key("vias").BeginArray();
        for (const ViaData& via : circuit.vias) {
            w_.BeginObject(true);
            w_.Key("x").Int(via.x);
            w_.Key("y").Int(via.y);
            if (via.span == ViaSpanThrough) {
                w_.Key("span").String("through");
            } else {
                w_.Key("span").BeginArray();
                for (int layer = 0; layer < 32; ++layer) {
                    if (static_cast<uint32_t>(via.span) & (1u << layer)) {
                        w_.Int(layer);
                    }
                }
                w_.EndArray();
            }
            w_.EndObject();
        }
        w_.EndArray();
    }
    Items("boardItems", circuit.boardItems);
    w_.EndObject();
}

void DesignWriter::Net(const NetData& net) {
    w_.BeginObject(net.nodes.empty());
    w_.Key("name").String(net.name);
    if (net.flags == NetPowerGround) {
        w_.Key("class").String("power");
    } else if (net.flags == NetNamed) {
        w_.Key("class").String("named");
    } else if (net.flags == 0) {
        w_.Key("class").String("unnamed");
    } else {
        w_.Key("flags").Int(net.flags);
    }
    if (!net.nodes.empty()) {
        w_.Key("nodes").BeginArray();
        for (const NodeData& node : net.nodes) {
            w_.BeginObject(true);
            OptionalText("schComp", node.schComp);
            OptionalInt("schEntry", node.schEntry);
            if (node.schConnected) {
                w_.Key("schConnected").Bool(true);
            }
            OptionalText("layComp", node.layComp);
            OptionalInt("layPin", node.layPin);
            if (node.layConnected) {
                w_.Key("layConnected").Bool(true);
            }
            w_.EndObject();
        }
        w_.EndArray();
    }
    w_.EndObject();
}

void DesignWriter::Stream(const StreamData& stream) {
    w_.BeginObject(true);
    w_.Key("name").String(stream.name);
    if (stream.bytes.empty()) {
        // An empty stream has no content key.
    } else if (const auto label =
                   stream.name == "DBLABEL" ? DecodeProjectLabel(stream.bytes) : std::nullopt) {
        w_.Key("label").BeginObject();
        OptionalInt("number", label->number);
        OptionalText("field4", label->field4);
        OptionalText("designer", label->designer);
        OptionalText("revision", label->revision);
        OptionalText("field137", label->field137);
        w_.EndObject();
    } else if (const auto names =
                   stream.name == "HIERSTCK" ? DecodeHierarchyStack(stream.bytes) : std::nullopt) {
        w_.Key("hierarchies").BeginArray();
        for (const std::string& name : *names) {
            w_.String(name);
        }
        w_.EndArray();
    } else {
        static const char Hex[] = "0123456789abcdef";
        std::string hex;
        hex.reserve(stream.bytes.size() * 3);
        for (size_t i = 0; i < stream.bytes.size(); ++i) {
            const auto byte = static_cast<unsigned char>(stream.bytes[i]);
            if (i > 0) {
                hex += ' ';
            }
            hex += Hex[byte >> 4];
            hex += Hex[byte & 15];
        }
        w_.Key("hex").String(hex);
    }
    w_.EndObject();
}

} // namespace

QByteArray DesignToJson(const DesignData& design, QString* error) {
    bool failed = false;
    QByteArray json = DesignWriter().Write(design, failed);
    if (failed) {
        if (error) {
            *error = QStringLiteral("an angle or rotation is not a finite number");
        }
        return {};
    }
    return json;
}

QString SaveDesignFile(const DesignData& design, const QString& path) {
    QString error;
    const QByteArray json = DesignToJson(design, &error);
    if (json.isEmpty()) {
        return path + QStringLiteral(": ") + error;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(json) != json.size() || !file.commit()) {
        return path + QStringLiteral(": cannot write the file: ") + file.errorString();
    }
    return {};
}

} // namespace vxw
