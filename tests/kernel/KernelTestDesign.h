#pragma once
// The design most kernel tests share: two circuits (MAIN with a board, SUB without), a small
// project library, padstacks, nets with a dangling node, traces, vias and two streams.

#include "kernel/DesignBuilder.h"

#include <memory>
#include <string>
#include <vector>

namespace vxw::test {

// prefix + number (built without operator+, which trips a false warning of GCC 12 at -O2).
inline std::string Numbered(const char* prefix, int number) {
    std::string text(prefix);
    text += std::to_string(number);
    return text;
}

inline DesignBuilder SampleBuilder() {
    using B = DesignBuilder;
    DesignBuilder builder("DEMO");
    builder.Layer(0, "Top").Layer(31, "Bottom");
    builder.Device("7400", 1, 1, "DIP14 NAND").Device("RES", 0, 0);
    builder.PadStack("GLOBALPAD", 30).PadStackItem(B::Circle(0, 0, 60));
    builder.Symbol("NAND", SymbolSchematic, "desc").Entry("A").Entry("B").Entry("Y");
    builder.SymbolItem(B::Text("X hierarchy SUB"));
    builder.Symbol("DIP14", SymbolPackage)
        .SymbolPadStack("P1", 35)
        .PadStackItem(B::Rectangle(0, 0, 50, 70))
        .Entry("1", "P1", 0, 0)
        .Entry("2", "GLOBALPAD", 100, 0)
        .Entry("3", "MISSING", 200, 0)
        .Entry("4", "GLOBALPAD", 300, 0);
    builder.Symbol("PAD60", SymbolPadstack).SymbolPadStack("PAD60", 20).PadStackItem(B::Circle(0, 0, 60));
    builder.Stream("HIERSTCK", std::string(44, 'h'));

    builder.Circuit("MAIN").Page("SHEET1").Page("SHEET2");
    builder.SchComp("U1", "NAND", "7400").CompText("note", 0).Value("7400");
    builder.SchComp("R1", "NAND", "RES", true);
    builder.SchComp("U1", "NAND", "7400"); // a duplicate name
    builder.SchComp("u1", "NAND", "NODEVICE");
    builder.Data().circuits.back().schComps.back().page = 7; // no such page
    builder.LayComp("U1", "DIP14", "7400", true).LayComp("R1", "DIP14", {}, false, true);
    builder.Net("VCC", NetPowerGround).Node("U1", 1, "U1", 1).Node("U9", 2, "U9", 2, false);
    builder.Net("N2").Node({}, 0, "R1", 2);
    builder.Trace("VCC", {{0, 1, 10, 0, 0}, {TraceRecordNoLayer, 0, 10, 5, 5}, {0, 2, 10, 9, 9}});
    builder.Trace("NONET", {});
    builder.Via(1, 2).Via(3, 4, 0b110);
    builder.Board(-3, 7, 998, -2);
    builder.BoardItem(B::Rectangle(10, 10, 4, 4));

    builder.Circuit("SUB").Page("S1").NoBoardFrame();
    builder.SchComp("X1", "NAND");
    builder.Net("VCC");
    return builder;
}

inline std::unique_ptr<MemoryKernel> SampleKernel() {
    return SampleBuilder().Build();
}

// Every id a walk answers, in order.
inline std::vector<int32_t> Walk(Kernel& kernel, int32_t map, int32_t values = 0, int32_t bits = 0) {
    std::vector<int32_t> ids;
    int32_t cursor = kernel.OM_GetFirst(map);
    for (int32_t id = kernel.OM_SearchMask(map, &cursor, values, bits); id > 0;
         id = kernel.OM_SearchMask(map, &cursor, values, bits)) {
        ids.push_back(id);
    }
    return ids;
}

inline std::vector<std::string> Names(Kernel& kernel, const std::vector<int32_t>& ids) {
    std::vector<std::string> names;
    for (const int32_t id : ids) {
        const char* name = kernel.O_GetName(id);
        names.push_back(name ? name : "<null>");
    }
    return names;
}

} // namespace vxw::test
