#include "tools/vxgen/DesignGenerator.h"

#include "kernel/KernelRecords.h"
#include "tools/vxgen/GeneratorOptions.h"
#include "tools/vxgen/SeededRandom.h"

#include <algorithm>

namespace vxw::gen {

namespace {

// What one circuit may hold at most, all counts together, and the whole design.
constexpr int64_t MaxObjectsPerDesign = 200000000;
constexpr char Separator = '\x80';

std::string Numbered(const char* prefix, int64_t number) {
    return prefix + std::to_string(number);
}

std::string Tokens(std::initializer_list<std::string> tokens) {
    std::string text;
    bool first = true;
    for (const std::string& token : tokens) {
        if (!first) {
            text += Separator;
        }
        text += token;
        first = false;
    }
    return text;
}

ItemData Item(int32_t kind, int32_t flags, int32_t layer) {
    ItemData item;
    item.kind = kind;
    item.flags = flags;
    item.layer = layer;
    return item;
}

// Entry counts of the generated symbols, so nodes can name entries that exist.
int32_t SchematicEntries(int64_t symbol) {
    return 2 + static_cast<int32_t>(symbol % 15);
}
int32_t PackagePins(int64_t package) {
    return 2 + static_cast<int32_t>(package % 30);
}

std::string CircuitName(int64_t circuit) {
    return Numbered("CIRCUIT", circuit + 1);
}

class DesignMaker {
public:
    explicit DesignMaker(const DesignSizes& sizes) : sizes_(sizes), random_(sizes.seed) {}

    DesignData Make() {
        design_.name = "Synthetic " + std::to_string(sizes_.seed);
        for (size_t layer = 0; layer < design_.layerNames.size(); ++layer) {
            design_.layerNames[layer] = layer == 0    ? std::string("TOP")
                                        : layer == 31 ? std::string("BOTTOM")
                                                      : Numbered("INNER", static_cast<int64_t>(layer));
        }
        MakeLibrary();
        design_.circuits.reserve(static_cast<size_t>(sizes_.circuits));
        for (int64_t c = 0; c < sizes_.circuits; ++c) {
            design_.circuits.push_back(MakeCircuit(c));
        }
        std::string label(164, ' ');
        const std::string designer = "Generated Design";
        label.replace(0, 4, 4, '\0');
        label.replace(12, designer.size(), designer);
        design_.streams.push_back({"DBLABEL", label});
        if (sizes_.circuits > 0) {
            std::string stack = CircuitName(0);
            stack.resize(15, ' ');
            design_.streams.push_back({"HIERSTCK", stack});
        }
        return std::move(design_);
    }

private:
    void MakeLibrary() {
        const int64_t symbols = sizes_.symbols;
        const int64_t packages = sizes_.packages;
        for (int64_t d = 0; d < sizes_.devices; ++d) {
            DeviceData device;
            device.name = Numbered("DEV", d + 1);
            // Mostly parts; every tenth package-only, every tenth symbol-only of status 0.
            device.kind = d % 10 == 9 ? 2 : d % 10 == 8 ? 0 : 1;
            device.status = device.kind == 0 ? 0 : 1;
            const std::string package =
                device.kind == 0 || packages == 0 ? std::string("none") : Numbered("PKG", d % packages + 1);
            const std::string symbol =
                device.kind == 2 || symbols == 0 ? std::string() : Numbered("SYM", d % symbols + 1);
            device.attributes = package + ' ' +
                                Tokens({"Generated part " + std::to_string(d + 1), Numbered("IDX", d), "U",
                                        "Synthetic Devices", d % 2 ? "LOGIC" : "ANALOG", "CMOS",
                                        d % 3 ? "SMD" : "THT", "FUNC", Numbered("MODEL", d), symbol});
            design_.devices.push_back(std::move(device));
        }
        for (int64_t s = 0; s < symbols; ++s) {
            SymbolData symbol;
            symbol.name = Numbered("SYM", s + 1);
            symbol.kind = SymbolSchematic;
            symbol.attributes = Tokens({"Generated symbol", "GATE", s % 4 ? "FUNC" : "None",
                                        s % 5 ? "U" : "SPL0", Numbered("MODEL", s), ""});
            for (int32_t e = 0; e < SchematicEntries(s); ++e) {
                symbol.entries.push_back({Numbered("E", e + 1), std::string(), 0, e * 1000});
            }
            ItemData outline = Item(ItemRectangle, 0, 0);
            outline.dx = 6000;
            outline.dy = 1000 * SchematicEntries(s);
            outline.width = 100;
            symbol.items.push_back(outline);
            design_.symbols.push_back(std::move(symbol));
        }
        for (int64_t p = 0; p < packages; ++p) {
            SymbolData package;
            package.name = Numbered("PKG", p + 1);
            package.kind = SymbolPackage;
            package.attributes = Tokens({"Generated package", p % 2 ? "THT" : "SMD", "", "", ""});
            PadStackData pad;
            pad.name = p % 2 ? "ROUND" : "RECT";
            pad.holeCategory = p % 2;
            pad.holeDiameter = p % 2 ? 8000 : 0; // odd packages are drilled
            ItemData shape = Item(p % 2 ? ItemCircle : ItemRectangle, ItemCounted | ItemFilled, 0);
            shape.diameter = 15240;
            shape.dx = 10000;
            shape.dy = 13000;
            pad.items.push_back(shape);
            if (p % 2) {
                shape.layer = 31;
                pad.items.push_back(shape);
            }
            package.padStacks.push_back(pad);
            for (int32_t e = 0; e < PackagePins(p); ++e) {
                package.entries.push_back({std::to_string(e + 1), pad.name, 0, e * 25400});
            }
            design_.symbols.push_back(std::move(package));
        }
        static constexpr int32_t Shapes[] = {ItemLine, ItemRectangle, ItemCircle, ItemArc};
        for (int64_t v = 0; v < sizes_.padstacks; ++v) {
            SymbolData padstack;
            padstack.name = Numbered("PS", v + 1);
            padstack.kind = SymbolPadstack;
            padstack.attributes = Tokens({"Generated padstack", v % 2 ? "THT" : "SMD", "ROUND"});
            PadStackData hole;
            hole.name = padstack.name;
            hole.holeCategory = static_cast<int32_t>(v % 3);
            hole.holeDiameter = v % 2 ? 8000 : 0;
            padstack.padStacks.push_back(hole);
            for (int32_t layer : {0, 1, 31}) {
                ItemData pad = Item(Shapes[(v + layer) % 4], ItemCounted | (v % 2 ? ItemFilled : 0), layer);
                pad.dx = 15000;
                pad.dy = 10000;
                pad.diameter = 15000;
                pad.radius = 7500;
                pad.width = pad.kind == ItemLine || pad.kind == ItemArc ? 2000 : 0;
                pad.endAngle = 180;
                if (layer == 1 && v % 4 == 3) {
                    pad.flags |= ItemHrf;
                }
                padstack.items.push_back(pad);
            }
            design_.symbols.push_back(std::move(padstack));
        }
    }

    CircuitData MakeCircuit(int64_t c) {
        CircuitData circuit;
        circuit.name = CircuitName(c);
        for (int64_t p = 0; p < sizes_.pages; ++p) {
            circuit.pages.push_back({Numbered("PAGE", p + 1)});
        }
        MakeSchematic(c, circuit);
        MakeLayout(circuit);
        MakeNets(circuit);
        MakeTraces(circuit);
        MakeVias(circuit);
        // Every fifth circuit has no board frame.
        circuit.hasBoardFrame = c % 5 != 4;
        circuit.boardX2 = 2000000;
        circuit.boardY2 = 1500000;
        ItemData keepOff = Item(ItemRectangle, 0, 0);
        keepOff.x = 100000;
        keepOff.y = 100000;
        keepOff.dx = 50000;
        keepOff.dy = 50000;
        circuit.boardItems.push_back(keepOff);
        ItemData pour = Item(ItemRectangle, ItemCounted | ItemFilled, 31);
        pour.x = 1000000;
        pour.y = 750000;
        pour.dx = 1800000;
        pour.dy = 1300000;
        circuit.boardItems.push_back(pour);
        return circuit;
    }

    void MakeSchematic(int64_t c, CircuitData& circuit) {
        static const char* const Values[] = {"10k", "4k7", "100nF", "1uF", "74HC00", "LM358"};
        const int64_t count = sizes_.schComps;
        circuit.schComps.resize(static_cast<size_t>(count));
        for (int64_t i = 0; i < count; ++i) {
            SchCompData& comp = circuit.schComps[static_cast<size_t>(i)];
            comp.name = Numbered("U", i + 1);
            comp.page = static_cast<int32_t>(i % std::max<int64_t>(sizes_.pages, 1));
            if (sizes_.devices > 0 && i % 13 != 12) {
                comp.device = Numbered("DEV", static_cast<int64_t>(random_.Below(sizes_.devices)) + 1);
            }
            comp.symbol = Numbered("SYM", i % sizes_.symbols + 1);
            comp.packed = i < sizes_.layComps && i % 7 != 6;
            if (i % 3 != 2) {
                ItemData value = Item(i % 2 ? ItemText : ItemValueText, 0, 0);
                value.mask = MaskValueText;
                value.text = Values[random_.Below(std::size(Values))];
                comp.texts.push_back(std::move(value));
            }
        }
        // The last component of each circuit but the last stands for the next circuit.
        if (count > 0 && c + 1 < sizes_.circuits) {
            SchCompData& block = circuit.schComps.back();
            block.device.clear();
            block.packed = false;
            ItemData text = Item(ItemText, 0, 0);
            text.mask = MaskText;
            text.text = "X hierarchy " + CircuitName(c + 1);
            block.texts.assign(1, text);
        }
    }

    void MakeLayout(CircuitData& circuit) {
        const int64_t count = sizes_.layComps;
        circuit.layComps.resize(static_cast<size_t>(count));
        for (int64_t i = 0; i < count; ++i) {
            LayCompData& comp = circuit.layComps[static_cast<size_t>(i)];
            comp.name = Numbered("U", i + 1);
            comp.specialPart = i % 25 == 24;
            if (sizes_.devices > 0 && !comp.specialPart) {
                comp.device = Numbered("DEV", static_cast<int64_t>(random_.Below(sizes_.devices)) + 1);
            }
            comp.bottom = i % 3 == 2;
            comp.symbol = Numbered("PKG", i % sizes_.packages + 1);
        }
    }

    void MakeNets(CircuitData& circuit) {
        const int64_t nets = sizes_.nets;
        circuit.nets.resize(static_cast<size_t>(nets));
        for (int64_t n = 0; n < nets; ++n) {
            NetData& net = circuit.nets[static_cast<size_t>(n)];
            switch (n % 5) {
            case 0:
                net.name = Numbered("PWR", n + 1);
                net.flags = NetPowerGround;
                break;
            case 1:
            case 2:
                net.name = Numbered("SIG", n + 1);
                net.flags = NetNamed;
                break;
            default:
                net.name = Numbered("N$", n + 1);
                break;
            }
            const int64_t share = sizes_.nodes / nets + (n < sizes_.nodes % nets ? 1 : 0);
            net.nodes.reserve(static_cast<size_t>(share));
        }
        const int64_t schComps = sizes_.schComps;
        const int64_t layComps = sizes_.layComps;
        for (int64_t k = 0; k < sizes_.nodes; ++k) {
            NodeData node;
            // 70 in 100 nodes have both sides, the rest one side only.
            const uint64_t roll = random_.Below(100);
            const bool schematic = schComps > 0 && (roll < 85 || layComps == 0);
            const bool layout = layComps > 0 && (roll < 70 || roll >= 85 || schComps == 0);
            if (schematic) {
                const int64_t comp = static_cast<int64_t>(random_.Below(schComps));
                node.schComp = Numbered("U", comp + 1);
                node.schEntry = random_.Int(1, SchematicEntries(comp % sizes_.symbols));
                node.schConnected = !random_.OneIn(10);
            }
            if (layout) {
                const int64_t comp = static_cast<int64_t>(random_.Below(layComps));
                node.layComp = Numbered("U", comp + 1);
                node.layPin = random_.Int(1, PackagePins(comp % sizes_.packages));
                node.layConnected = !random_.OneIn(5);
            }
            circuit.nets[static_cast<size_t>(k % nets)].nodes.push_back(std::move(node));
        }
    }

    void MakeTraces(CircuitData& circuit) {
        static constexpr int32_t Layers[] = {0, 0, 0, 1, 2, 3, 31, 31};
        const int64_t records = sizes_.traceRecords;
        if (records == 0) {
            return;
        }
        // About eight records a trace, one trace a net at most.
        int64_t traces = (records + 7) / 8;
        if (sizes_.nets > 0) {
            traces = std::min(traces, sizes_.nets);
        }
        circuit.traces.resize(static_cast<size_t>(traces));
        for (int64_t t = 0; t < traces; ++t) {
            TraceData& trace = circuit.traces[static_cast<size_t>(t)];
            if (sizes_.nets > 0) {
                trace.net = circuit.nets[static_cast<size_t>(t)].name;
            }
            const int64_t share = records / traces + (t < records % traces ? 1 : 0);
            trace.records.reserve(static_cast<size_t>(share));
            int32_t x = random_.Int(0, 2000000);
            int32_t y = random_.Int(0, 1500000);
            for (int64_t r = 0; r < share; ++r) {
                TraceSegmentData record;
                record.flags = random_.OneIn(11) ? TraceRecordNoLayer : 0;
                record.layer = Layers[random_.Below(std::size(Layers))];
                record.width = 2540;
                (r % 2 ? x : y) = random_.Int(0, r % 2 ? 2000000 : 1500000);
                record.x = x;
                record.y = y;
                trace.records.push_back(record);
            }
        }
    }

    void MakeVias(CircuitData& circuit) {
        // Blind (from an outer layer) and buried spans, one bit per layer.
        static constexpr int32_t Spans[] = {0x3, 0x7, 0x6, 0xC, 0x60000000, 0xE};
        circuit.vias.resize(static_cast<size_t>(sizes_.vias));
        for (ViaData& via : circuit.vias) {
            via.x = random_.Int(0, 2000000);
            via.y = random_.Int(0, 1500000);
            via.span = random_.OneIn(2) ? ViaSpanThrough : Spans[random_.Below(std::size(Spans))];
        }
    }

    const DesignSizes& sizes_;
    SeededRandom random_;
    DesignData design_;
};

} // namespace

DesignSizes DesignSizes::FromCommand(const ParsedCommand& command) {
    DesignSizes sizes;
    sizes.seed = static_cast<uint64_t>(command.Count("seed"));
    sizes.circuits = command.Count("circuits");
    sizes.pages = command.Count("pages");
    sizes.schComps = command.Count("sch-comps");
    sizes.layComps = command.Count("lay-comps");
    sizes.nets = command.Count("nets");
    sizes.nodes = command.Count("nodes");
    sizes.traceRecords = command.Count("trace-records");
    sizes.vias = command.Count("vias");
    sizes.devices = command.Count("devices");
    sizes.symbols = command.Count("symbols");
    sizes.packages = command.Count("packages");
    sizes.padstacks = command.Count("padstacks");
    return sizes;
}

std::string CheckDesignSizes(const DesignSizes& sizes) {
    if (sizes.schComps > 0 && (sizes.pages == 0 || sizes.symbols == 0)) {
        return "schematic components need at least one page and one symbol";
    }
    if (sizes.layComps > 0 && sizes.packages == 0) {
        return "layout components need at least one package";
    }
    if (sizes.nodes > 0 && sizes.nets == 0) {
        return "nodes need at least one net";
    }
    const int64_t perCircuit = sizes.pages + sizes.schComps + sizes.layComps + sizes.nets + sizes.nodes +
                               sizes.traceRecords + sizes.vias;
    const int64_t library = sizes.devices + sizes.symbols + sizes.packages + sizes.padstacks;
    if (perCircuit > MaxObjectsPerDesign || sizes.circuits * perCircuit + library > MaxObjectsPerDesign) {
        return "the design would hold more than " + std::to_string(MaxObjectsPerDesign) + " objects";
    }
    return {};
}

DesignData GenerateDesign(const DesignSizes& sizes) {
    return DesignMaker(sizes).Make();
}

} // namespace vxw::gen
