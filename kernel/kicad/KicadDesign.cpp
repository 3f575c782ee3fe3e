#include "kernel/kicad/KicadDesign.h"

#include "kernel/DesignFileFormat.h"
#include "kernel/ItemGeometry.h"
#include "kernel/KernelRecords.h"
#include "kernel/kicad/CopperConnectivity.h"
#include "kernel/kicad/KicadRead.h"
#include "kernel/kicad/SchematicNets.h"

#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <map>
#include <set>
#include <unordered_map>
#include <unordered_set>

namespace vxw::kicad {
namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr int32_t CopperFlags = ItemCounted | ItemFilled;
// A trace record whose segment to the next record is an arc (its chord is what the kernel keeps).
constexpr int32_t ArcRecord = TraceRecordArc;

// The name of a component whose file gives none: a net's node names its component, and an empty
// name would mean "no component".
constexpr const char* Unnamed = "?";

int32_t I32(int64_t value) {
    return static_cast<int32_t>(
        std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

std::string NoBlanks(std::string text) {
    for (char& c : text) {
        if (c == ' ' || c == '\t') {
            c = '_';
        }
    }
    return text;
}

std::string FromQt(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return Latin1Name(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())));
}

// Millimetres of a length, with at most four decimals and no trailing zeros: "1.5", "0.254".
std::string Millimetres(int64_t units) {
    char text[48];
    std::snprintf(text, sizeof text, "%.4f", static_cast<double>(units) / UnitsPerMm);
    std::string out(text);
    while (out.back() == '0') {
        out.pop_back();
    }
    if (out.back() == '.') {
        out.pop_back();
    }
    return out == "-0" ? "0" : out;
}

// KiCad's letters of a unit: 1 A, 26 Z, 27 AA.
std::string UnitLetters(int unit) {
    std::string letters;
    for (int n = unit; n > 0; n = (n - 1) / 26) {
        letters.insert(letters.begin(), static_cast<char>('A' + (n - 1) % 26));
    }
    return letters;
}

double NormalizedDegrees(double degrees) {
    double a = std::fmod(degrees, 360.0);
    if (a < 0) {
        a += 360.0;
    }
    return a >= 360.0 ? 0.0 : a;
}

const char* PadKindWord(PadKind kind) {
    switch (kind) {
    case PadKind::Smd:
        return "SMD";
    case PadKind::ThruHole:
        return "THT";
    case PadKind::NpThruHole:
        return "NPTH";
    case PadKind::Connect:
        return "CONN";
    }
    return "PAD";
}

const char* PadShapeWord(PadShape shape) {
    switch (shape) {
    case PadShape::Circle:
        return "CIRCLE";
    case PadShape::Rect:
        return "RECT";
    case PadShape::Oval:
        return "OVAL";
    case PadShape::RoundRect:
        return "ROUNDRECT";
    case PadShape::Trapezoid:
        return "TRAPEZOID";
    case PadShape::Custom:
        return "CUSTOM";
    }
    return "PAD";
}

// The shape as the padstack lists name it.
const char* PadShapeName(PadShape shape) {
    switch (shape) {
    case PadShape::Circle:
        return "ROUND";
    case PadShape::Rect:
        return "RECTANGLE";
    case PadShape::Oval:
        return "OBLONG";
    case PadShape::RoundRect:
        return "ROUNDED RECTANGLE";
    case PadShape::Trapezoid:
        return "TRAPEZOID";
    case PadShape::Custom:
        return "CUSTOM";
    }
    return "";
}

uint32_t MirroredLayers(uint32_t bits) {
    uint32_t out = 0;
    for (int layer = 0; layer < 32; ++layer) {
        if (bits & (1u << layer)) {
            out |= 1u << (layer ^ 31);
        }
    }
    return out;
}

// Whether the kernel can measure the item: its extent, pen included, within 32 bits. Every
// coordinate read lies within +-100 m, but a shape far out with a wide pen or a huge radius
// could still reach beyond; such a shape is left out.
bool Fits(const ItemData& item) {
    const std::optional<Box> box = ItemBox(ItemRecordOf(item));
    return !box || FitsCoordinates(*box);
}

NodeData SchematicNode(const std::string& component, int32_t position, int32_t entry, bool connected) {
    NodeData node;
    node.schComp = component;
    node.schCompRef = position;
    node.schEntry = entry;
    node.schConnected = connected;
    return node;
}

int32_t NetFlagsOf(NetClass kind) {
    return kind == NetClass::Power ? NetPowerGround : kind == NetClass::Named ? NetNamed : 0;
}

// What the importer knows of each placed symbol, for its first use.
struct SymbolUse {
    std::string referenceUtf8; // as the file gives it, for net names
    std::string reference;     // Latin-1
    std::string name;          // component name: the reference, with the unit's letters for a multi-unit part
    std::string value, footprint;
    bool nonPart = false; // power symbols and symbols that never reach the board
    const LibSymbol* library = nullptr;
    std::vector<size_t> pins; // shown library pins
};

// Where a sheet's symbols and sheet symbols stand among its circuit's components (1-based).
struct ComponentPositions {
    std::vector<int32_t> symbols, sheets;
};

// A pad as its package keeps it: turned back to the top side and into the footprint's axes.
struct PackagePad {
    std::string number;
    const Pad* pad = nullptr;
    Point local;
    double angle = 0; // the pad's turn within the footprint
    Point offset;
    uint32_t copper = 0;
};

class DesignMaker {
public:
    DesignMaker(const QString& projectName, const QString& source, const std::vector<SheetFile>& sheets,
                const Board* board)
        : projectName_(projectName), source_(source), sheets_(sheets), board_(board) {}

    DesignData Make();

private:
    void NameCircuits();
    void StudySymbols();
    int32_t Device(const std::string& name, int32_t kind, int32_t status, const std::string& package);
    int32_t AddSymbol(SymbolData symbol, const std::string& signature);
    int32_t SchematicSymbol(const SymbolUse& use, const PlacedSymbol& placed, const std::string& libKey);
    int32_t BlockSymbol(const SheetSymbol& sheet, const std::string& childName);
    int32_t Package(const Footprint& footprint, std::vector<PackagePad>& pads);
    std::string PadStack(SymbolData& package, std::unordered_map<std::string, std::string>& known,
                         const PackagePad& pad);
    CircuitData SheetCircuit(size_t file, ComponentPositions& positions);
    void AddBoard(CircuitData& circuit, const ComponentPositions* root);
    void AddBoardItems(CircuitData& circuit);
    void AddStreams();

    QString projectName_;
    QString source_;
    const std::vector<SheetFile>& sheets_;
    const Board* board_;
    DesignData design_;
    std::vector<std::string> circuitNames_;
    std::vector<std::vector<SymbolUse>> uses_; // [sheet file][symbol]
    std::unordered_map<std::string, int32_t> devices_;
    std::unordered_map<std::string, std::vector<std::pair<std::string, int32_t>>>
        symbols_;                                                     // name -> variants
    std::unordered_map<std::string, std::string> libraryOfPath_;      // instance path -> lib_id
    std::unordered_map<std::string, std::string> libraryOfReference_; // reference -> lib_id
    std::unordered_set<std::string> powerNames_;                      // nets named by power pins
    std::unordered_set<std::string> boardReferences_;
    // Tallies for the import notes.
    size_t padsOfKind_[4] = {0, 0, 0, 0};
    size_t copperZones_ = 0, keepouts_ = 0;
};

void DesignMaker::NameCircuits() {
    std::set<std::string> used;
    const size_t count = std::max<size_t>(sheets_.size(), 1);
    for (size_t i = 0; i < count; ++i) {
        const QString base = i == 0 ? projectName_ : QFileInfo(sheets_[i].path).completeBaseName();
        std::string name = NoBlanks(FromQt(base));
        if (name.empty()) {
            name = i == 0 ? "ROOT" : "SHEET";
        }
        std::string unique = name;
        for (int n = 2; used.count(unique); ++n) {
            unique = name + "_" + std::to_string(n);
        }
        used.insert(unique);
        circuitNames_.push_back(unique);
    }
}

void DesignMaker::StudySymbols() {
    std::unordered_map<std::string, const SymbolInstance*> instances;
    if (!sheets_.empty()) {
        for (const SymbolInstance& instance : sheets_[0].sheet.instances) {
            instances.emplace(instance.path, &instance);
        }
    }
    std::unordered_map<std::string, std::string> libraryOfUuid;
    uses_.resize(sheets_.size());
    for (size_t f = 0; f < sheets_.size(); ++f) {
        const Sheet& sheet = sheets_[f].sheet;
        for (const PlacedSymbol& symbol : sheet.symbols) {
            SymbolUse use;
            use.pins = ShownPins(sheet, symbol, use.library);
            use.referenceUtf8 = symbol.reference;
            use.value = Latin1(symbol.value);
            use.footprint = Latin1Name(symbol.footprint);
            const auto instance = instances.find(sheets_[f].instancePath + "/" + symbol.uuid);
            if (instance != instances.end()) {
                use.referenceUtf8 = instance->second->reference;
                if (instance->second->hasValue) {
                    use.value = Latin1(instance->second->value);
                }
                if (instance->second->hasFootprint) {
                    use.footprint = Latin1Name(instance->second->footprint);
                }
            }
            use.reference = Latin1Name(use.referenceUtf8);
            use.nonPart = (use.library && use.library->power) || !symbol.onBoard ||
                          (!use.reference.empty() && use.reference[0] == '#');
            use.name = use.reference.empty() ? std::string(Unnamed) : use.reference;
            if (use.library && use.library->unitCount > 1) {
                use.name += UnitLetters(symbol.unit);
            }
            const std::string libId = Latin1Name(symbol.libId);
            libraryOfUuid.emplace(symbol.uuid, libId);
            libraryOfReference_.emplace(use.reference, libId);
            if (use.library) {
                for (const LibPin& pin : use.library->pins) {
                    if (pin.powerIn && (pin.hidden || use.library->power)) {
                        powerNames_.insert(Latin1Name(pin.name));
                    }
                }
            }
            uses_[f].push_back(std::move(use));
        }
    }
    // Every use of every symbol, repeated sheets included, from the root's list of instances.
    for (const auto& [path, instance] : instances) {
        const size_t slash = path.rfind('/');
        const auto library = libraryOfUuid.find(path.substr(slash == std::string::npos ? 0 : slash + 1));
        if (library != libraryOfUuid.end()) {
            libraryOfPath_.emplace(path, library->second);
            libraryOfReference_.emplace(Latin1Name(instance->reference), library->second);
        }
    }
}

int32_t DesignMaker::Device(const std::string& name, int32_t kind, int32_t status,
                            const std::string& package) {
    const auto found = devices_.find(name);
    if (found != devices_.end()) {
        DeviceData& device = design_.devices[static_cast<size_t>(found->second - 1)];
        if (device.attributes.empty() && !package.empty()) {
            device.attributes = package;
        }
        return found->second;
    }
    DeviceData device;
    device.name = name;
    device.kind = kind;
    device.status = status;
    device.attributes = package;
    design_.devices.push_back(std::move(device));
    const int32_t ref = static_cast<int32_t>(design_.devices.size());
    devices_.emplace(name, ref);
    return ref;
}

// A symbol of the project library; a second symbol of one name but other content is kept
// beside the first as "NAME#2", so each component keeps the entries it has.
int32_t DesignMaker::AddSymbol(SymbolData symbol, const std::string& signature) {
    std::vector<std::pair<std::string, int32_t>>& variants = symbols_[symbol.name];
    for (const auto& [known, ref] : variants) {
        if (known == signature) {
            return ref;
        }
    }
    if (!variants.empty()) {
        symbol.name += "#" + std::to_string(variants.size() + 1);
    }
    design_.symbols.push_back(std::move(symbol));
    const int32_t ref = static_cast<int32_t>(design_.symbols.size());
    variants.emplace_back(signature, ref);
    return ref;
}

int32_t DesignMaker::SchematicSymbol(const SymbolUse& use, const PlacedSymbol& placed,
                                     const std::string& libKey) {
    SymbolData symbol;
    symbol.kind = SymbolSchematic;
    symbol.name = Latin1Name(libKey);
    if (use.library && use.library->unitCount > 1) {
        symbol.name += "_" + std::to_string(placed.unit);
    }
    if (placed.convert == 2) {
        symbol.name += "_alt";
    }
    std::string signature;
    for (const size_t k : use.pins) {
        const LibPin& pin = use.library->pins[k];
        EntryData entry;
        entry.name = Latin1Name(pin.number);
        entry.x = I32(pin.at.x);
        entry.y = I32(pin.at.y);
        signature += entry.name + '\n' + std::to_string(entry.x) + ',' + std::to_string(entry.y) + '\n';
        symbol.entries.push_back(std::move(entry));
    }
    return AddSymbol(std::move(symbol), signature);
}

int32_t DesignMaker::BlockSymbol(const SheetSymbol& sheet, const std::string& childName) {
    SymbolData symbol;
    symbol.kind = SymbolSchematic;
    symbol.name = "Sheet:" + childName;
    std::string signature;
    for (const SheetPin& pin : sheet.pins) {
        EntryData entry;
        entry.name = Latin1Name(pin.name);
        signature += entry.name + '\n';
        symbol.entries.push_back(std::move(entry));
    }
    return AddSymbol(std::move(symbol), signature);
}

std::string DesignMaker::PadStack(SymbolData& package, std::unordered_map<std::string, std::string>& known,
                                  const PackagePad& pad) {
    const Pad& source = *pad.pad;
    const int64_t drill = source.drillX > 0 && source.drillY > 0 ? std::min(source.drillX, source.drillY) : 0;
    std::string name = std::string(PadKindWord(source.kind)) + "_" + PadShapeWord(source.shape) + "_" +
                       Millimetres(source.width);
    if (source.height != source.width || source.shape != PadShape::Circle) {
        name += "X" + Millimetres(source.height);
    }
    if (drill > 0) {
        name += "_D" + Millimetres(source.drillX);
        if (source.slot || source.drillY != source.drillX) {
            name += "X" + Millimetres(source.drillY);
        }
    }
    if (pad.angle != 0) {
        char turn[32];
        std::snprintf(turn, sizeof turn, "_R%g", pad.angle);
        name += turn;
    }
    const std::string key = name + '\n' + std::to_string(pad.copper) + '\n' + std::to_string(pad.offset.x) +
                            ',' + std::to_string(pad.offset.y);
    const auto found = known.find(key);
    if (found != known.end()) {
        return found->second;
    }
    std::string unique = name;
    for (int n = 2; std::any_of(package.padStacks.begin(), package.padStacks.end(),
                                [&](const PadStackData& p) { return p.name == unique; });
         ++n) {
        unique = name + "#" + std::to_string(n);
    }
    PadStackData padStack;
    padStack.name = unique;
    padStack.holeCategory = source.kind == PadKind::ThruHole ? 1 : source.kind == PadKind::NpThruHole ? 2 : 0;
    padStack.holeDiameter = I32(drill);
    for (int layer = 0; layer < 32; ++layer) {
        if ((pad.copper & (1u << layer)) == 0) {
            continue;
        }
        ItemData item;
        item.flags = CopperFlags;
        item.layer = layer;
        const Point offset = Rotated(pad.offset, pad.angle);
        item.x = I32(offset.x);
        item.y = I32(offset.y);
        const bool round = source.shape == PadShape::Circle ||
                           (source.shape == PadShape::Oval && source.width == source.height);
        if (round) {
            item.kind = ItemCircle;
            item.diameter = I32(source.width);
        } else if (source.shape == PadShape::Oval) {
            // A stadium: a line along the longer side, as wide as the shorter one.
            const int64_t shorter = std::min(source.width, source.height);
            const int64_t half = (std::max(source.width, source.height) - shorter) / 2;
            const Point along =
                Rotated(source.width > source.height ? Point{half, 0} : Point{0, half}, pad.angle);
            item.kind = ItemLine;
            item.x = I32(offset.x - along.x);
            item.y = I32(offset.y - along.y);
            item.dx = I32(2 * along.x);
            item.dy = I32(2 * along.y);
            item.width = I32(shorter);
            item.flags = ItemCounted;
        } else {
            item.kind = ItemRectangle;
            item.dx = I32(source.width);
            item.dy = I32(source.height);
            item.rotation = pad.angle;
        }
        if (Fits(item)) {
            padStack.items.push_back(std::move(item));
        }
    }
    // The project library keeps each padstack once more as a padstack symbol of its own.
    SymbolData symbol;
    symbol.kind = SymbolPadstack;
    symbol.name = name;
    std::string description = std::string(PadShapeWord(source.shape)) + " pad " + Millimetres(source.width) +
                              " x " + Millimetres(source.height) + " mm";
    if (drill > 0) {
        description +=
            ", drill " + Millimetres(source.drillX) +
            (source.slot || source.drillY != source.drillX ? " x " + Millimetres(source.drillY) : "") + " mm";
    }
    symbol.attributes = description + '\x80' + PadKindWord(source.kind) + '\x80' + PadShapeName(source.shape);
    symbol.padStacks.push_back(PadStackData{name, padStack.holeCategory, padStack.holeDiameter, {}});
    symbol.items = padStack.items;
    AddSymbol(std::move(symbol), "padstack\n" + key);

    package.padStacks.push_back(std::move(padStack));
    known.emplace(key, unique);
    return unique;
}

int32_t DesignMaker::Package(const Footprint& footprint, std::vector<PackagePad>& pads) {
    SymbolData package;
    package.kind = SymbolPackage;
    package.name = NoBlanks(footprint.libId.empty() ? std::string("FOOTPRINT") : footprint.libId);
    package.attributes = footprint.description + '\x80' + footprint.type; // description, type
    std::unordered_map<std::string, std::string> known;
    std::string signature;
    pads.clear();
    for (const Pad& pad : footprint.pads) {
        PackagePad kept;
        kept.pad = &pad;
        kept.number = Latin1Name(pad.number);
        kept.local = pad.local;
        kept.angle = NormalizedDegrees(pad.angle - footprint.angle);
        kept.offset = pad.offset;
        kept.copper = pad.copper;
        if (pad.kind == PadKind::NpThruHole &&
            std::max(pad.width, pad.height) <= std::min(pad.drillX, pad.drillY)) {
            kept.copper = 0; // a bare hole: no copper ring around it
        }
        if (footprint.bottom) {
            // The file holds a bottom footprint as it lies there; the package is kept as seen
            // from the top, and the kernel turns a bottom component's layers over again.
            kept.local.y = -kept.local.y;
            kept.offset.y = -kept.offset.y;
            kept.angle = NormalizedDegrees(-kept.angle);
            kept.copper = MirroredLayers(kept.copper);
        }
        EntryData entry;
        entry.name = kept.number;
        entry.padStack = PadStack(package, known, kept);
        entry.x = I32(kept.local.x);
        entry.y = I32(kept.local.y);
        signature += entry.name + '\n' + entry.padStack + '\n' + std::to_string(entry.x) + ',' +
                     std::to_string(entry.y) + '\n';
        package.entries.push_back(std::move(entry));
        pads.push_back(kept);
        ++padsOfKind_[static_cast<int>(pad.kind)];
    }
    for (const PadStackData& padStack : package.padStacks) {
        signature += padStack.name + ';';
    }
    return AddSymbol(std::move(package), signature);
}

CircuitData DesignMaker::SheetCircuit(size_t file, ComponentPositions& positions) {
    const SheetFile& sheetFile = sheets_[file];
    const Sheet& sheet = sheetFile.sheet;
    CircuitData circuit;
    circuit.name = circuitNames_[file];
    circuit.hasBoardFrame = false;
    circuit.pages.push_back(PageData{FromQt(QFileInfo(sheetFile.path).fileName())});

    // Components in the order the file holds symbols and sheet symbols.
    std::vector<std::pair<size_t, int64_t>> order; // offset, symbol (>= 0) or ~sheet
    for (size_t s = 0; s < sheet.symbols.size(); ++s) {
        order.emplace_back(sheet.symbols[s].offset, static_cast<int64_t>(s));
    }
    for (size_t k = 0; k < sheet.sheets.size(); ++k) {
        order.emplace_back(sheet.sheets[k].offset, ~static_cast<int64_t>(k));
    }
    std::sort(order.begin(), order.end());
    std::vector<int32_t>& componentOfSymbol = positions.symbols;
    std::vector<int32_t>& componentOfSheet = positions.sheets;
    componentOfSymbol.assign(sheet.symbols.size(), 0);
    componentOfSheet.assign(sheet.sheets.size(), 0);
    for (const auto& [offset, which] : order) {
        (void)offset;
        SchCompData component;
        if (which >= 0) {
            const size_t s = static_cast<size_t>(which);
            const SymbolUse& use = uses_[file][s];
            const PlacedSymbol& placed = sheet.symbols[s];
            component.name = use.name;
            const std::string libId = Latin1Name(placed.libId);
            component.deviceRef = Device(libId, use.nonPart ? 0 : 1, use.nonPart ? 0 : 1,
                                         use.nonPart ? std::string() : NoBlanks(use.footprint));
            component.device = libId;
            component.symbolRef =
                SchematicSymbol(use, placed, placed.libName.empty() ? placed.libId : placed.libName);
            component.symbol = design_.symbols[static_cast<size_t>(component.symbolRef - 1)].name;
            component.packed =
                board_ ? boardReferences_.count(use.reference) > 0 : !use.nonPart && !use.footprint.empty();
            if (!use.value.empty()) {
                ItemData value;
                value.kind = ItemValueText;
                value.mask = MaskValueText;
                value.text = use.value;
                component.texts.push_back(std::move(value));
            }
            componentOfSymbol[s] = static_cast<int32_t>(circuit.schComps.size() + 1);
        } else {
            const size_t k = static_cast<size_t>(~which);
            const SheetSymbol& child = sheet.sheets[k];
            const int childFile = k < sheetFile.children.size() ? sheetFile.children[k] : -1;
            const std::string childName =
                childFile >= 0
                    ? circuitNames_[static_cast<size_t>(childFile)]
                    : NoBlanks(FromQt(QFileInfo(QString::fromUtf8(child.file)).completeBaseName()));
            component.name = Latin1Name(child.name);
            if (component.name.empty()) {
                component.name = childName.empty() ? std::string(Unnamed) : childName;
            }
            component.symbolRef = BlockSymbol(child, childName);
            component.symbol = design_.symbols[static_cast<size_t>(component.symbolRef - 1)].name;
            if (childFile >= 0) {
                // The block's text names the circuit it stands for.
                ItemData text;
                text.kind = ItemText;
                text.mask = MaskText;
                text.text = "X hierarchy " + childName;
                component.texts.push_back(std::move(text));
            }
            componentOfSheet[k] = static_cast<int32_t>(circuit.schComps.size() + 1);
        }
        circuit.schComps.push_back(std::move(component));
    }

    std::vector<std::string> references;
    for (const SymbolUse& use : uses_[file]) {
        references.push_back(use.referenceUtf8);
    }
    const SheetNets nets = BuildSheetNets(sheet, references);
    for (const SheetNet& sheetNet : nets.nets) {
        NetData net;
        net.name = Latin1Name(sheetNet.name);
        net.flags = NetFlagsOf(sheetNet.kind);
        const bool joined = sheetNet.pins.size() + sheetNet.sheetPins.size() > 1;
        for (const size_t p : sheetNet.pins) {
            const SheetPinRef& pin = nets.pins[p];
            const int32_t component = componentOfSymbol[pin.symbol];
            net.nodes.push_back(
                SchematicNode(circuit.schComps[static_cast<size_t>(component - 1)].name, component,
                              static_cast<int32_t>(p - nets.symbolPins[pin.symbol] + 1), pin.connected));
        }
        for (const auto& [k, pinIndex] : sheetNet.sheetPins) {
            const int32_t component = componentOfSheet[k];
            net.nodes.push_back(SchematicNode(circuit.schComps[static_cast<size_t>(component - 1)].name,
                                              component, static_cast<int32_t>(pinIndex + 1), joined));
        }
        circuit.nets.push_back(std::move(net));
    }
    return circuit;
}

void DesignMaker::AddBoard(CircuitData& circuit, const ComponentPositions* root) {
    const Board& board = *board_;
    const std::vector<std::vector<bool>> connected = PadConnections(board);

    // Layout components.
    std::vector<std::vector<PackagePad>> packagePads(board.footprints.size());
    for (size_t f = 0; f < board.footprints.size(); ++f) {
        const Footprint& footprint = board.footprints[f];
        LayCompData component;
        component.name = footprint.reference.empty() ? std::string(Unnamed) : footprint.reference;
        component.bottom = footprint.bottom;
        component.symbolRef = Package(footprint, packagePads[f]);
        component.symbol = design_.symbols[static_cast<size_t>(component.symbolRef - 1)].name;
        std::string part;
        if (!sheets_.empty()) {
            if (const auto byPath = libraryOfPath_.find(footprint.path); byPath != libraryOfPath_.end()) {
                part = byPath->second;
            } else if (const auto byReference = libraryOfReference_.find(footprint.reference);
                       !footprint.boardOnly && byReference != libraryOfReference_.end()) {
                part = byReference->second;
            }
        } else if (!footprint.path.empty() && !footprint.boardOnly) {
            part = component.symbol; // no schematic at hand: the footprint names the part
        }
        if (!part.empty()) {
            component.deviceRef = Device(part, 1, 1, component.symbol);
        } else {
            // No schematic symbol stands behind it (a mounting hole, a logo): a special part.
            component.specialPart = true;
            component.deviceRef = Device(component.symbol, 2, 1, component.symbol);
        }
        component.device = design_.devices[static_cast<size_t>(component.deviceRef - 1)].name;
        circuit.layComps.push_back(std::move(component));
    }

    // Nets: the board's, with each pad; then the root sheet's pins joined to them.
    std::unordered_map<int, size_t> netOfCode;
    std::unordered_map<std::string, size_t> netOfName;
    auto addNet = [&](std::string name, int32_t flags) {
        NetData net;
        net.name = std::move(name);
        net.flags = flags;
        netOfName.emplace(net.name, circuit.nets.size());
        circuit.nets.push_back(std::move(net));
        return circuit.nets.size() - 1;
    };
    auto boardNetFlags = [&](const std::string& name) -> int32_t {
        if (name.empty() || name.rfind("Net-(", 0) == 0 || name.rfind("unconnected-(", 0) == 0) {
            return 0;
        }
        return powerNames_.count(name) ? NetPowerGround : NetNamed;
    };
    for (const auto& [code, name] : board.nets) {
        if (code > 0 && !netOfCode.count(code)) {
            netOfCode.emplace(code, addNet(name, boardNetFlags(name)));
        }
    }
    std::unordered_map<std::string, std::pair<size_t, size_t>> nodeOfPad; // reference \n number -> net, node
    for (size_t f = 0; f < board.footprints.size(); ++f) {
        const Footprint& footprint = board.footprints[f];
        for (size_t p = 0; p < footprint.pads.size(); ++p) {
            const Pad& pad = footprint.pads[p];
            if (pad.net <= 0) {
                continue;
            }
            auto code = netOfCode.find(pad.net);
            if (code == netOfCode.end()) {
                code = netOfCode.emplace(pad.net, addNet("N$" + std::to_string(pad.net), 0)).first;
            }
            NetData& net = circuit.nets[code->second];
            NodeData node;
            node.layComp = circuit.layComps[f].name;
            node.layCompRef = static_cast<int32_t>(f + 1);
            node.layPin = static_cast<int32_t>(p + 1);
            node.layConnected = connected[f][p];
            nodeOfPad.emplace(footprint.reference + '\n' + packagePads[f][p].number,
                              std::make_pair(code->second, net.nodes.size()));
            net.nodes.push_back(std::move(node));
        }
    }

    if (root) {
        const Sheet& sheet = sheets_[0].sheet;
        std::vector<std::string> references;
        for (const SymbolUse& use : uses_[0]) {
            references.push_back(use.referenceUtf8);
        }
        const SheetNets nets = BuildSheetNets(sheet, references);
        for (const SheetNet& sheetNet : nets.nets) {
            auto padKey = [&](size_t p) {
                const SheetPinRef& pin = nets.pins[p];
                return uses_[0][pin.symbol].reference + '\n' +
                       Latin1Name(uses_[0][pin.symbol].library->pins[pin.libPin].number);
            };
            size_t target = circuit.nets.size();
            for (const size_t p : sheetNet.pins) {
                const auto found = nodeOfPad.find(padKey(p));
                if (found != nodeOfPad.end()) {
                    target = found->second.first;
                    break;
                }
            }
            const std::string name = Latin1Name(sheetNet.name);
            if (target == circuit.nets.size()) {
                const auto byName = netOfName.find(name);
                target = byName != netOfName.end() ? byName->second : addNet(name, NetFlagsOf(sheetNet.kind));
            }
            if (sheetNet.kind == NetClass::Power) {
                circuit.nets[target].flags = NetPowerGround;
            }
            const bool joined = sheetNet.pins.size() + sheetNet.sheetPins.size() > 1;
            for (const size_t p : sheetNet.pins) {
                const SheetPinRef& pin = nets.pins[p];
                const int32_t component = root->symbols[pin.symbol];
                const int32_t entry = static_cast<int32_t>(p - nets.symbolPins[pin.symbol] + 1);
                const std::string& componentName = circuit.schComps[static_cast<size_t>(component - 1)].name;
                const auto found = nodeOfPad.find(padKey(p));
                if (found != nodeOfPad.end() && found->second.first == target) {
                    NodeData& node = circuit.nets[target].nodes[found->second.second];
                    if (node.schComp.empty()) {
                        node.schComp = componentName;
                        node.schCompRef = component;
                        node.schEntry = entry;
                        node.schConnected = pin.connected;
                        continue;
                    }
                }
                circuit.nets[target].nodes.push_back(
                    SchematicNode(componentName, component, entry, pin.connected));
            }
            for (const auto& [k, pinIndex] : sheetNet.sheetPins) {
                const int32_t component = root->sheets[k];
                if (component > 0) {
                    circuit.nets[target].nodes.push_back(
                        SchematicNode(circuit.schComps[static_cast<size_t>(component - 1)].name, component,
                                      static_cast<int32_t>(pinIndex + 1), joined));
                }
            }
        }
    }

    // Tracks and arcs: one trace of two records each.
    for (const Track& track : board.tracks) {
        TraceData trace;
        const auto code = netOfCode.find(track.net);
        if (track.net > 0 && code != netOfCode.end()) {
            trace.net = circuit.nets[code->second].name;
            trace.netRef = static_cast<int32_t>(code->second + 1);
        }
        const int32_t width = I32(track.width);
        trace.records.push_back(TraceSegmentData{track.arc ? ArcRecord : 0, track.layer, width,
                                                 I32(track.start.x), I32(track.start.y)});
        trace.records.push_back(TraceSegmentData{0, track.layer, width, I32(track.end.x), I32(track.end.y)});
        circuit.traces.push_back(std::move(trace));
    }
    for (const Via& via : board.vias) {
        ViaData data;
        data.x = I32(via.position.x);
        data.y = I32(via.position.y);
        if (via.kind == ViaKind::Through) {
            data.span = ViaSpanThrough;
        } else {
            uint32_t bits = 0;
            for (int layer = via.top; layer <= via.bottom; ++layer) {
                if (board.copperLayers & (1u << layer)) {
                    bits |= 1u << layer;
                }
            }
            data.span = static_cast<int32_t>(bits);
        }
        circuit.vias.push_back(data);
    }
    if (!board.edges.empty) {
        circuit.hasBoardFrame = true;
        circuit.boardX1 = I32(board.edges.x1);
        circuit.boardY1 = I32(board.edges.y1);
        circuit.boardX2 = I32(board.edges.x2);
        circuit.boardY2 = I32(board.edges.y2);
    }
    AddBoardItems(circuit);
}

void DesignMaker::AddBoardItems(CircuitData& circuit) {
    const Board& board = *board_;
    auto boxItem = [](const Rect& box, int layer, int32_t flags) {
        ItemData item;
        item.kind = ItemRectangle;
        item.flags = flags;
        item.layer = layer;
        item.x = I32(box.x1 + (box.x2 - box.x1) / 2);
        item.y = I32(box.y1 + (box.y2 - box.y1) / 2);
        item.dx = I32(box.x2 - box.x1);
        item.dy = I32(box.y2 - box.y1);
        return item;
    };
    for (const Shape& shape : board.copperShapes) {
        ItemData item;
        item.flags = ItemCounted | (shape.filled ? ItemFilled : 0);
        item.layer = shape.layer;
        item.width = I32(shape.width);
        switch (shape.kind) {
        case ShapeKind::Line:
            item.kind = ItemLine;
            item.x = I32(shape.start.x);
            item.y = I32(shape.start.y);
            item.dx = I32(shape.end.x - shape.start.x);
            item.dy = I32(shape.end.y - shape.start.y);
            break;
        case ShapeKind::Arc: {
            const std::optional<Circle> circle = CircleThrough(shape.start, shape.mid, shape.end);
            if (!circle || circle->r > 1e9) {
                item.kind = ItemLine; // as good as straight
                item.x = I32(shape.start.x);
                item.y = I32(shape.start.y);
                item.dx = I32(shape.end.x - shape.start.x);
                item.dy = I32(shape.end.y - shape.start.y);
                break;
            }
            auto angle = [&](Point p) {
                return NormalizedDegrees(
                    std::atan2(static_cast<double>(p.y) - circle->cy, static_cast<double>(p.x) - circle->cx) *
                    180.0 / Pi);
            };
            double from = angle(shape.start), to = angle(shape.end);
            const double mid = angle(shape.mid);
            const double sweep = NormalizedDegrees(to - from);
            if (NormalizedDegrees(mid - from) > sweep) {
                std::swap(from, to); // the arc runs the other way round
            }
            item.kind = ItemArc;
            item.x = I32(std::llround(circle->cx));
            item.y = I32(std::llround(circle->cy));
            item.radius = I32(std::llround(circle->r));
            item.startAngle = from;
            item.endAngle = to;
            break;
        }
        case ShapeKind::Circle: {
            const double r = std::hypot(static_cast<double>(shape.end.x - shape.start.x),
                                        static_cast<double>(shape.end.y - shape.start.y));
            item.kind = ItemCircle;
            item.x = I32(shape.start.x);
            item.y = I32(shape.start.y);
            item.diameter = I32(std::llround(std::min(2 * r, 2.0e9)));
            break;
        }
        case ShapeKind::Rect:
        case ShapeKind::Polygon: {
            Rect box;
            box.Add(shape.start);
            box.Add(shape.end);
            if (shape.kind == ShapeKind::Polygon) {
                box = Rect{};
                for (const Point& p : shape.points) {
                    box.Add(p);
                }
            }
            if (box.empty) {
                continue;
            }
            const int32_t flags = item.flags;
            const int32_t width = item.width;
            item = boxItem(box, shape.layer, flags);
            item.width = width;
            break;
        }
        }
        if (Fits(item)) {
            circuit.boardItems.push_back(std::move(item));
        }
    }
    for (const Zone& zone : board.zones) {
        Rect box;
        for (const Point& p : zone.outline) {
            box.Add(p);
        }
        if (box.empty) {
            continue;
        }
        if (zone.keepout) {
            // A keep-out rule area: one keep-off zone, not copper.
            int layer = 0;
            while (layer < 31 && zone.copper != 0 && (zone.copper & (1u << layer)) == 0) {
                ++layer;
            }
            if (const ItemData item = boxItem(box, layer, 0); Fits(item)) {
                circuit.boardItems.push_back(item);
            }
            ++keepouts_;
            continue;
        }
        ++copperZones_;
        for (int layer = 0; layer < 32; ++layer) {
            if (zone.copper & (1u << layer)) {
                if (const ItemData item = boxItem(box, layer, CopperFlags); Fits(item)) {
                    circuit.boardItems.push_back(item);
                }
            }
        }
    }
}

void DesignMaker::AddStreams() {
    // The project label: title block of the root sheet, else of the board.
    TitleBlock title = sheets_.empty() ? TitleBlock{} : sheets_[0].sheet.title;
    if (board_) {
        const TitleBlock& other = board_->title;
        for (auto [mine, theirs] :
             {std::pair{&title.title, &other.title}, std::pair{&title.company, &other.company},
              std::pair{&title.revision, &other.revision}, std::pair{&title.date, &other.date}}) {
            if (mine->empty()) {
                *mine = *theirs;
            }
        }
    }
    LabelFields label;
    label.designer = title.company.substr(0, ProjectLabelDesignerSize);
    label.revision = title.revision.substr(0, ProjectLabelRevisionSize);
    label.field137 = title.title.substr(0, ProjectLabelField137Size);
    design_.streams.push_back(StreamData{"DBLABEL", EncodeProjectLabel(label)});

    // Import notes: what was read, counted as KiCad counts it.
    std::string notes = "Source: " + FromQt(source_) + "\n";
    if (!sheets_.empty()) {
        size_t symbols = 0;
        for (const SheetFile& file : sheets_) {
            symbols += file.sheet.symbols.size();
        }
        notes += "Schematic: " + std::to_string(sheets_.size()) + " sheet files, " + std::to_string(symbols) +
                 " symbols\n";
    }
    if (board_) {
        const Board& board = *board_;
        size_t back = 0;
        for (const Footprint& footprint : board.footprints) {
            back += footprint.bottom ? 1 : 0;
        }
        size_t viaKinds[3] = {0, 0, 0};
        for (const Via& via : board.vias) {
            ++viaKinds[static_cast<int>(via.kind)];
        }
        size_t arcs = 0;
        for (const Track& track : board.tracks) {
            arcs += track.arc ? 1 : 0;
        }
        std::string layers;
        int copper = 0;
        for (const std::string& name : board.copperNames) {
            if (!name.empty()) {
                layers += (copper++ ? ", " : "") + name;
            }
        }
        const size_t pads = padsOfKind_[0] + padsOfKind_[1] + padsOfKind_[2] + padsOfKind_[3];
        notes += "Board: version " + std::to_string(board.version) + "\n";
        notes += "Footprints: " + std::to_string(board.footprints.size()) + " (front " +
                 std::to_string(board.footprints.size() - back) + ", back " + std::to_string(back) + ")\n";
        notes += "Pads: " + std::to_string(pads) + " (smd " + std::to_string(padsOfKind_[0]) +
                 ", thru_hole " + std::to_string(padsOfKind_[1]) + ", np_thru_hole " +
                 std::to_string(padsOfKind_[2]) + ", connect " + std::to_string(padsOfKind_[3]) + ")\n";
        notes += "Vias: " + std::to_string(board.vias.size()) + " (through " + std::to_string(viaKinds[0]) +
                 ", blind/buried " + std::to_string(viaKinds[1]) + ", micro " + std::to_string(viaKinds[2]) +
                 ")\n";
        notes += "Tracks: " + std::to_string(board.tracks.size()) + " (segments " +
                 std::to_string(board.tracks.size() - arcs) + ", arcs " + std::to_string(arcs) + ")\n";
        notes += "Copper layers: " + std::to_string(copper) + " (" + layers + ")\n";
        notes += "Zones: " + std::to_string(copperZones_) + " copper, " + std::to_string(keepouts_) +
                 " keep-out\n";
        notes += board.edges.empty
                     ? std::string("Board size: no Edge.Cuts outline\n")
                     : "Board size: " + Millimetres(board.edges.x2 - board.edges.x1) + " x " +
                           Millimetres(board.edges.y2 - board.edges.y1) + " mm (Edge.Cuts box)\n";
    }
    design_.streams.push_back(StreamData{"IMPORT", notes});
}

DesignData DesignMaker::Make() {
    design_.name = FromQt(projectName_);
    NameCircuits();
    StudySymbols();
    if (board_) {
        for (const Footprint& footprint : board_->footprints) {
            boardReferences_.insert(footprint.reference);
        }
        for (size_t layer = 0; layer < 32; ++layer) {
            design_.layerNames[layer] = board_->copperNames[layer];
        }
    }
    ComponentPositions root;
    for (size_t f = 0; f < sheets_.size(); ++f) {
        ComponentPositions positions;
        design_.circuits.push_back(SheetCircuit(f, positions));
        if (f == 0) {
            root = std::move(positions);
        }
    }
    if (board_) {
        if (design_.circuits.empty()) {
            CircuitData circuit;
            circuit.name = circuitNames_[0];
            circuit.hasBoardFrame = false;
            design_.circuits.push_back(std::move(circuit));
            AddBoard(design_.circuits[0], nullptr);
        } else {
            // The root sheet's own nets are rebuilt around the board's.
            design_.circuits[0].nets.clear();
            AddBoard(design_.circuits[0], &root);
        }
    }
    AddStreams();
    return std::move(design_);
}

} // namespace

DesignData BuildDesign(const QString& projectName, const QString& source,
                       const std::vector<SheetFile>& sheets, const Board* board) {
    return DesignMaker(projectName, source, sheets, board).Make();
}

} // namespace vxw::kicad
