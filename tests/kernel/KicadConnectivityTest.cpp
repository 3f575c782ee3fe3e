// The two connectivity passes of the KiCad importer on drawings small enough to see whole: which
// pins one sheet's drawing joins, and which pads one board's copper joins.

#include "kernel/kicad/CopperConnectivity.h"
#include "kernel/kicad/KicadBoard.h"
#include "kernel/kicad/SchematicNets.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace vxw::kicad;

// A sheet of two-pin parts R1.. placed at the given points (pins 2.54 left and right of it),
// with the given drawing appended.
Sheet SheetOf(const std::vector<std::pair<double, double>>& parts, const std::string& drawing) {
    std::string text =
        "(kicad_sch (version 20211123) (lib_symbols (symbol \"R\" (symbol \"R_1_1\""
        " (pin passive line (at -2.54 0 0) (length 1) (number \"1\"))"
        " (pin passive line (at 2.54 0 180) (length 1) (number \"2\"))))"
        " (symbol \"P\" (power) (symbol \"P_1_1\" (pin power_in line (at 0 0 0) (length 1) hide"
        " (name \"VCC\") (number \"1\")))))\n";
    for (size_t i = 0; i < parts.size(); ++i) {
        text += "(symbol (lib_id \"R\") (at " + std::to_string(parts[i].first) + " " +
                std::to_string(parts[i].second) + " 0) (unit 1) (uuid u" + std::to_string(i) + "))\n";
    }
    text += drawing + ")";
    SExprReader reader(text.data(), text.size());
    return ReadSheet(reader);
}

// "R1.2-R2.1 | R2.2" : the nets that join two or more pins, pins as part.pin in sheet order.
std::string Joined(const Sheet& sheet) {
    std::vector<std::string> references;
    for (size_t i = 0; i < sheet.symbols.size(); ++i) {
        references.push_back("R" + std::to_string(i + 1));
    }
    const SheetNets nets = BuildSheetNets(sheet, references);
    std::string out;
    for (const SheetNet& net : nets.nets) {
        if (net.pins.size() < 2) {
            continue;
        }
        out += out.empty() ? "" : " | ";
        for (size_t k = 0; k < net.pins.size(); ++k) {
            const SheetPinRef& pin = nets.pins[net.pins[k]];
            out += (k ? "-" : "") + references[pin.symbol] + "." + std::to_string(pin.libPin + 1);
        }
    }
    return out;
}

TEST(SchematicNets, WiresJunctionsLabelsAndPowerPinsJoinAsKicadJoinsThem) {
    struct Case {
        const char* what;
        std::vector<std::pair<double, double>> parts;
        const char* drawing;
        const char* joined;
    };
    const Case cases[] = {
        {"a wire from pin to pin",
         {{10, 10}, {20, 10}},
         "(wire (pts (xy 12.54 10) (xy 17.46 10)))",
         "R1.2-R2.1"},
        {"pins touching", {{10, 10}, {15.08, 10}}, "", "R1.2-R2.1"},
        {"a wire passing over a pin's end does not join it",
         {{10, 10}, {15.08, 15}},
         "(wire (pts (xy 12.54 5) (xy 12.54 15)))",
         ""},
        {"a junction joins a wire's middle",
         {{10, 10}, {20, 20}},
         "(wire (pts (xy 12.54 10) (xy 30 10))) (wire (pts (xy 17.46 20) (xy 17.46 10))) (junction (at 17.46 "
         "10))",
         "R1.2-R2.1"},
        {"without the junction the wires stay apart",
         {{10, 10}, {20, 20}},
         "(wire (pts (xy 12.54 10) (xy 30 10))) (wire (pts (xy 17.46 20) (xy 17.46 10)))",
         ""},
        {"two local labels of one name, one in a wire's middle",
         {{10, 10}, {20, 20}},
         "(wire (pts (xy 12.54 10) (xy 16 10))) (label \"A\" (at 14 10 0))"
         " (wire (pts (xy 17.46 20) (xy 17.46 25))) (label \"A\" (at 17.46 25 0))",
         "R1.2-R2.1"},
        {"a local and a hierarchical label of one name",
         {{10, 10}, {20, 20}},
         "(label \"A\" (at 12.54 10 0)) (hierarchical_label \"A\" (at 17.46 20 0))",
         "R1.2-R2.1"},
        {"a local and a global label of one name stay apart",
         {{10, 10}, {20, 20}},
         "(label \"A\" (at 12.54 10 0)) (global_label \"A\" (at 17.46 20 0))",
         ""},
        {"a power pin joins a global label of its name",
         {{10, 10}},
         "(symbol (lib_id \"P\") (at 40 40 0) (unit 1) (uuid p)) (global_label \"VCC\" (at 12.54 10 0))",
         "R1.2-R2.1"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Joined(SheetOf(c.parts, c.drawing)), c.joined) << c.what;
    }
}

TEST(SchematicNets, NamesClassesAndConnectedFlags) {
    const Sheet sheet = SheetOf({{10, 10}, {20, 10}, {30, 30}},
                                "(wire (pts (xy 12.54 10) (xy 17.46 10)))"
                                " (label \"CLK\" (at 27.46 30 0)) (no_connect (at 32.54 30))");
    const SheetNets nets = BuildSheetNets(sheet, {"R1", "R2", "R3"});
    std::string names;
    for (const SheetNet& net : nets.nets) {
        names += net.name + (net.kind == NetClass::Named ? "(named) " : " ");
    }
    EXPECT_EQ(names,
              "CLK(named) Net-(R1-Pad2) unconnected-(R1-Pad1) unconnected-(R2-Pad2) unconnected-(R3-Pad2) ");
    std::string connected;
    for (const SheetPinRef& pin : nets.pins) {
        connected += pin.connected ? 'C' : '-';
    }
    EXPECT_EQ(connected, "-CC-C-"); // the labelled pin counts; the one under the mark does not
}

std::string BoardText(const std::string& items) {
    return "(kicad_pcb (version 20211014) (layers (0 \"F.Cu\" signal) (31 \"B.Cu\" signal))\n"
           "(footprint \"A\" (layer \"F.Cu\") (at 10 10)"
           " (pad \"1\" smd rect (at 0 0) (size 1 1) (layers \"F.Cu\") (net 1 \"N\"))"
           " (pad \"2\" thru_hole circle (at 5 0) (size 1.6 1.6) (drill 0.8) (layers \"*.Cu\") (net 1 "
           "\"N\")))\n"
           "(footprint \"B\" (layer \"B.Cu\") (at 30 10)"
           " (pad \"1\" smd rect (at 0 0) (size 1 1) (layers \"B.Cu\") (net 1 \"N\")))\n" +
           items + ")";
}

// The connected flags of A.1, A.2 and B.1.
std::string Connected(const std::string& items) {
    const std::string text = BoardText(items);
    SExprReader reader(text.data(), text.size());
    const std::vector<std::vector<bool>> connected = PadConnections(ReadBoard(reader));
    std::string out;
    for (const auto& pads : connected) {
        for (const bool pad : pads) {
            out += pad ? 'C' : '-';
        }
    }
    return out;
}

TEST(CopperConnectivity, TracksViasAndFillsJoinPadsOfOneNetOnSharedLayers) {
    struct Case {
        const char* what;
        const char* items;
        const char* connected;
    };
    const Case cases[] = {
        {"nothing routed", "", "---"},
        {"a track between two pads",
         "(segment (start 10 10) (end 15 10) (width 0.2) (layer \"F.Cu\") (net 1))", "CC-"},
        {"a track ending short of the pad, its width reaching it",
         "(segment (start 10 10) (end 14.1 10) (width 0.4) (layer \"F.Cu\") (net 1))", "CC-"},
        {"a track on the other layer misses the SMD pad",
         "(segment (start 10 10) (end 15 10) (width 0.2) (layer \"B.Cu\") (net 1))", "---"},
        {"a track of another net", "(segment (start 10 10) (end 15 10) (width 0.2) (layer \"F.Cu\") (net 2))",
         "---"},
        {"through a via to the bottom pad",
         "(segment (start 15 10) (end 20 10) (width 0.2) (layer \"F.Cu\") (net 1))"
         " (via (at 20 10) (size 0.8) (drill 0.4) (layers \"F.Cu\" \"B.Cu\") (net 1))"
         " (arc (start 20 10) (mid 25 12) (end 30 10) (width 0.2) (layer \"B.Cu\") (net 1))",
         "-CC"},
        {"a fill with a thermal gap around the hole, a spoke reaching in",
         "(zone (net 1) (layer \"B.Cu\") (filled_polygon (layer \"B.Cu\") (pts (xy 15.6 9.9) (xy 31 9.9)"
         " (xy 31 10.1) (xy 15.6 10.1))))",
         "-CC"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Connected(c.items), c.connected) << c.what;
    }
}

} // namespace
