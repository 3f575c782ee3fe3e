// What a KiCad project becomes in the kernel's design data, checked on the two-sheet test
// project (tests/cli/kicad/twosheet): the places where a wrong mapping would not show in a
// list's totals. The lists themselves are checked whole by the golden files of tests/cli.

#include "kernel/kicad/KicadImport.h"
#include "kernel/DesignFile.h"
#include "kernel/DesignFileFormat.h"
#include "kernel/KernelRecords.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>

namespace {

using namespace vxw;

const QString Folder = QStringLiteral(LG_SOURCE_DIR "/tests/cli/kicad/twosheet/");

DesignData Load(const char* name) {
    DesignFileResult result = kicad::ImportKicad(Folder + QLatin1String(name));
    EXPECT_TRUE(result.Ok()) << result.error.toStdString();
    return result.Ok() ? std::move(*result.design) : DesignData{};
}

template <typename List> const auto* Named(const List& list, const std::string& name) {
    const auto found =
        std::find_if(list.begin(), list.end(), [&](const auto& item) { return item.name == name; });
    return found == list.end() ? nullptr : &*found;
}

// The element of that name; a missing one fails the test that asks for it.
template <typename List> const auto& Get(const List& list, const std::string& name) {
    const auto* found = Named(list, name);
    if (found == nullptr) {
        throw std::runtime_error("nothing named " + name);
    }
    return *found;
}

const SymbolData& SymbolOf(const DesignData& design, int32_t ref) {
    return design.symbols[static_cast<size_t>(ref - 1)];
}

TEST(KicadImport, SheetsAreCircuitsAndARepeatedSheetIsOneCircuitUsedTwice) {
    const DesignData design = Load("twosheet.kicad_pro");
    ASSERT_EQ(design.circuits.size(), 2u);
    const CircuitData& root = design.circuits[0];
    EXPECT_EQ(root.name, "twosheet");
    EXPECT_EQ(design.circuits[1].name, "amp");
    for (const char* block : {"amp_left", "amp_right"}) {
        const SchCompData& component = Get(root.schComps, block);
        ASSERT_EQ(component.texts.size(), 1u);
        EXPECT_EQ(component.texts[0].text, "X hierarchy amp");
        EXPECT_EQ(component.texts[0].mask, MaskText);
        // The block's entries are its sheet pins.
        const SymbolData& symbol = SymbolOf(design, component.symbolRef);
        ASSERT_EQ(symbol.entries.size(), 2u);
        EXPECT_EQ(symbol.entries[1].name, "OUT");
    }
    // The repeated sheet shows the references of its first use.
    EXPECT_NE(Named(design.circuits[1].schComps, "R2"), nullptr);
    EXPECT_EQ(Named(design.circuits[1].schComps, "R4"), nullptr);
}

TEST(KicadImport, UnitsPowerSymbolsAndValues) {
    const DesignData design = Load("twosheet.kicad_pro");
    const CircuitData& root = design.circuits[0];
    // Units of a two-unit part: each its own component and symbol, packed into the footprint.
    const SchCompData& unitB = Get(root.schComps, "U1B");
    EXPECT_TRUE(unitB.packed);
    const SymbolData& symbolB = SymbolOf(design, unitB.symbolRef);
    EXPECT_EQ(symbolB.name, "Test:DUAL_2");
    std::string entries;
    for (const EntryData& entry : symbolB.entries) {
        entries += entry.name + " ";
    }
    EXPECT_EQ(entries, "8 4 5 6 7 "); // the units' common pins first, as the library holds them
    // Power symbols are symbol-only devices (status 0) and are not packed.
    const SchCompData& power = Get(root.schComps, "#PWR02");
    EXPECT_FALSE(power.packed);
    const DeviceData& device = design.devices[static_cast<size_t>(power.deviceRef - 1)];
    EXPECT_EQ(device.name, "power:+5V");
    EXPECT_EQ(device.kind, 0);
    EXPECT_EQ(device.status, 0);
    // Parts carry their footprint as the package.
    const DeviceData& resistor = Get(design.devices, "Device:R");
    EXPECT_EQ(resistor.attributes, "Resistor_SMD:R_0805_2012Metric");
    const SchCompData& r1 = Get(root.schComps, "R1");
    ASSERT_EQ(r1.texts.size(), 1u);
    EXPECT_EQ(r1.texts[0].kind, ItemValueText);
    EXPECT_EQ(r1.texts[0].text, "4k7");
}

TEST(KicadImport, FootprintsPadsAndPadstacks) {
    const DesignData design = Load("twosheet.kicad_pro");
    const CircuitData& root = design.circuits[0];
    const LayCompData& r2 = Get(root.layComps, "R2");
    EXPECT_TRUE(r2.bottom);
    const LayCompData& r1 = Get(root.layComps, "R1");
    // A bottom footprint shares its package with the top ones: it is kept as seen from the top.
    EXPECT_EQ(r2.symbolRef, r1.symbolRef);
    const PadStackData& pad = SymbolOf(design, r1.symbolRef).padStacks.at(0);
    ASSERT_EQ(pad.items.size(), 1u);
    EXPECT_EQ(pad.items[0].layer, 0);
    EXPECT_EQ(pad.items[0].dx, 10250); // 1.025 mm
    // No schematic symbol behind the hole and the tab: special parts of package-only devices.
    for (const char* special : {"MH1", "TP1"}) {
        const LayCompData& component = Get(root.layComps, special);
        EXPECT_TRUE(component.specialPart);
        EXPECT_EQ(design.devices[static_cast<size_t>(component.deviceRef - 1)].kind, 2);
    }
    EXPECT_FALSE(r1.specialPart);
    // Pads by kind through their padstacks: holes plated (1) and not (2); a bare hole has no copper.
    const PadStackData& plated = SymbolOf(design, Get(root.layComps, "J1").symbolRef).padStacks.at(0);
    EXPECT_EQ(plated.holeCategory, 1);
    EXPECT_EQ(plated.holeDiameter, 10000);
    EXPECT_EQ(plated.items.size(), 4u); // every copper layer of the four-layer board
    const PadStackData& bare = SymbolOf(design, Get(root.layComps, "MH1").symbolRef).padStacks.at(0);
    EXPECT_EQ(bare.holeCategory, 2);
    EXPECT_TRUE(bare.items.empty());
    EXPECT_EQ(Get(design.symbols, "CONN_RECT_2X4").kind, SymbolPadstack);
}

TEST(KicadImport, TracksViasLayersFrameAndBoardItems) {
    const DesignData design = Load("twosheet.kicad_pro");
    const CircuitData& root = design.circuits[0];
    EXPECT_EQ(design.layerNames[0], "F.Cu");
    EXPECT_EQ(design.layerNames[2], "In2.Cu");
    EXPECT_EQ(design.layerNames[3], "");
    EXPECT_EQ(design.layerNames[31], "B.Cu");
    size_t arcs = 0;
    for (const TraceData& trace : root.traces) {
        ASSERT_EQ(trace.records.size(), 2u);
        arcs += (trace.records[0].flags & TraceRecordArc) ? 1 : 0;
    }
    EXPECT_EQ(arcs, 2u);
    std::vector<int32_t> spans;
    for (const ViaData& via : root.vias) {
        if (via.span != ViaSpanThrough) {
            spans.push_back(via.span);
        }
    }
    std::sort(spans.begin(), spans.end());
    EXPECT_EQ(spans, (std::vector<int32_t>{0b11, 0b11, 0b111})); // micro and blind F-In1, blind F-In2
    EXPECT_TRUE(root.hasBoardFrame);
    EXPECT_EQ(root.boardX2 - root.boardX1, 700000);
    EXPECT_EQ(root.boardY2 - root.boardY1, 550000); // the bottom arc bulges 5 mm below the corners
    size_t copper = 0, keepOff = 0;
    for (const ItemData& item : root.boardItems) {
        ++((item.flags & ItemCounted) ? copper : keepOff);
    }
    EXPECT_EQ(copper, 2u); // the GND zone on B.Cu and a copper line
    EXPECT_EQ(keepOff, 1u);
}

TEST(KicadImport, NetsJoinSchematicPinsAndPadsWithTheirConnectedFlags) {
    const DesignData design = Load("twosheet.kicad_pro");
    const CircuitData& root = design.circuits[0];
    const NetData& gnd = Get(root.nets, "GND");
    EXPECT_EQ(gnd.flags, NetPowerGround);
    auto node = [&](const NetData& net, const std::string& schComp, const std::string& layComp) {
        const auto found = std::find_if(net.nodes.begin(), net.nodes.end(), [&](const NodeData& n) {
            return n.schComp == schComp && n.layComp == layComp;
        });
        return found == net.nodes.end() ? nullptr : &*found;
    };
    // J1 pin 2 and its pad are one node, joined to the zone through the plated hole.
    const NodeData* j1 = node(gnd, "J1", "J1");
    ASSERT_NE(j1, nullptr);
    EXPECT_TRUE(j1->schConnected);
    EXPECT_TRUE(j1->layConnected);
    // The edge tab has no copper to the rest of GND; C1 reaches the zone through its via.
    EXPECT_FALSE(node(gnd, "", "TP1")->layConnected);
    EXPECT_TRUE(node(gnd, "", "C1")->layConnected);
    // The pin under a no-connect mark is not connected in the schematic.
    const NetData& unconnected = Get(root.nets, "unconnected-(U1-Pad1)");
    EXPECT_FALSE(node(unconnected, "U1A", "U1")->schConnected);
    // Global labels join CLK to the right sheet's input; a pad left unrouted is not connected.
    const NetData& clk = Get(root.nets, "CLK");
    EXPECT_NE(node(clk, "amp_right", ""), nullptr);
    const NetData& rightOut = Get(root.nets, "/amp_right/OUT");
    EXPECT_FALSE(node(rightOut, "U1B", "U1")->layConnected);
    // The sub-sheet's nets: its ports named by their hierarchical labels.
    const CircuitData& amp = design.circuits[1];
    const NetData& out = Get(amp.nets, "OUT");
    EXPECT_EQ(out.nodes.size(), 2u);
}

TEST(KicadImport, TitleBlockAndImportNotes) {
    const DesignData design = Load("twosheet.kicad_pro");
    const StreamData& label = Get(design.streams, "DBLABEL");
    const std::optional<LabelFields> fields = DecodeProjectLabel(label.bytes);
    ASSERT_TRUE(fields.has_value());
    EXPECT_EQ(fields->designer, "Test Works");
    EXPECT_EQ(fields->revision, "B"); // the schematic's title block before the board's
    EXPECT_EQ(fields->field137, "Two Sheet Test");
    const StreamData& notes = Get(design.streams, "IMPORT");
    EXPECT_NE(notes.bytes.find("Pads: 24 (smd 20, thru_hole 2, np_thru_hole 1, connect 1)\n"),
              std::string::npos);
    EXPECT_NE(notes.bytes.find("Vias: 9 (through 6, blind/buried 2, micro 1)\n"), std::string::npos);
}

TEST(KicadImport, ABoardAloneAndASchematicAloneGiveWhatTheyHold) {
    const DesignData board = Load("twosheet.kicad_pcb");
    ASSERT_EQ(board.circuits.size(), 1u);
    EXPECT_TRUE(board.circuits[0].pages.empty());
    EXPECT_EQ(board.circuits[0].layComps.size(), 10u);
    // Without the schematic a footprint placed from it is still a part, named by its footprint.
    const LayCompData& r1 = Get(board.circuits[0].layComps, "R1");
    EXPECT_FALSE(r1.specialPart);
    EXPECT_EQ(board.devices[static_cast<size_t>(r1.deviceRef - 1)].name, "Resistor_SMD:R_0805_2012Metric");
    EXPECT_TRUE(Get(board.circuits[0].layComps, "MH1").specialPart);

    const DesignData schematic = Load("twosheet.kicad_sch");
    ASSERT_EQ(schematic.circuits.size(), 2u);
    EXPECT_TRUE(schematic.circuits[0].layComps.empty());
    EXPECT_FALSE(schematic.circuits[0].hasBoardFrame);
    // Without a board a part with a footprint counts as packed.
    EXPECT_TRUE(Get(schematic.circuits[0].schComps, "R1").packed);
    const NetData& sig = Get(schematic.circuits[0].nets, "SIG");
    EXPECT_EQ(sig.flags, NetNamed);
    EXPECT_EQ(sig.nodes.size(), 3u); // J1, R1 and U1B, joined by the label used twice
}

// Whatever a file names or leaves out, what comes out is a design the design file loader takes.
TEST(KicadImport, OddNamesAndTextsStillMakeAValidDesign) {
    const char* sheets[] = {
        // A symbol without a reference joined to a sheet without a name: nodes must still name them.
        "(kicad_sch (version 20211123) (lib_symbols (symbol \"R\" (symbol \"R_1_1\" (pin passive line"
        " (at 0 0 0) (length 1) (number \"1\")))))"
        " (symbol (lib_id \"R\") (at 10 10 0) (uuid a) (property \"Value\" \"x\\u0000y\" (id 1)))"
        " (sheet (uuid s) (property \"Sheet file\" \"\" (id 1)) (pin \"P\" input (at 10 10 0))))",
        // A value holding a NUL and a line break; a reference holding a tab.
        "(kicad_sch (version 20211123) (symbol (lib_id \"R\") (at 0 0 0) (uuid b)"
        " (property \"Reference\" \"R\\t1\" (id 0)) (property \"Value\" \"a\\nb\" (id 1))))",
    };
    for (const char* text : sheets) {
        std::string bytes(text);
        for (size_t at; (at = bytes.find("\\u0000")) != std::string::npos;) {
            bytes.replace(at, 6, std::string(1, '\0'));
        }
        const DesignFileResult imported = kicad::ImportKicadBytes(
            QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())), "s.kicad_sch");
        ASSERT_TRUE(imported.Ok()) << imported.error.toStdString();
        const DesignFileResult reloaded = LoadDesignBytes(DesignToJson(*imported.design), "again.vxd");
        EXPECT_TRUE(reloaded.Ok()) << text << "\n" << reloaded.error.toStdString();
    }
}

} // namespace
