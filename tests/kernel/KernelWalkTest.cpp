// Walks, masks, name indexes and changes to maps while they are walked.

#include "tests/kernel/KernelTestDesign.h"

#include <gtest/gtest.h>

#include <chrono>

namespace vxw {
namespace {

using test::Names;
using test::Walk;
using Strings = std::vector<std::string>;

TEST(KernelWalk, HierarchiesHaveSmallIdsInDesignOrder) {
    auto kernel = test::SampleKernel();
    EXPECT_EQ(Walk(*kernel, kernel->DB_HierarchyMap()), (std::vector<int32_t>{1, 2}));
    EXPECT_EQ(Names(*kernel, {1, 2}), (Strings{"MAIN", "SUB"}));
    EXPECT_EQ(kernel->OM_GetCount(kernel->DB_HierarchyMap()), 2);
}

TEST(KernelWalk, SymbolMapMasksSelectKindsAndNeverTheFrame) {
    auto kernel = test::SampleKernel();
    const int32_t map = kernel->DB_SymbMap();
    EXPECT_EQ(Names(*kernel, Walk(*kernel, map, 1, 3)), (Strings{"NAND"}));
    EXPECT_EQ(Names(*kernel, Walk(*kernel, map, 2, 2)), (Strings{"DIP14"}));
    EXPECT_EQ(Names(*kernel, Walk(*kernel, map)), (Strings{"NAND", "DIP14", "PAD60"}));
    EXPECT_EQ(kernel->OM_GetCount(map), 3);
    const int32_t pad = kernel->S_Symbol("PAD60");
    EXPECT_EQ(Walk(*kernel, map, MaskPadstackSymbol, MaskPadstackSymbol), (std::vector<int32_t>{pad}));
}

TEST(KernelWalk, VisitMarksSetClearAndKeepOtherBits) {
    auto kernel = test::SampleKernel();
    const int32_t hierarchies = kernel->DB_HierarchyMap();
    EXPECT_GT(kernel->OM_MaskAll(hierarchies, 512, 512), 0);
    EXPECT_EQ(Walk(*kernel, hierarchies, 512, 512).size(), 2u);
    kernel->O_Mask(1, 0, 512);
    EXPECT_EQ(Walk(*kernel, hierarchies, 512, 512), (std::vector<int32_t>{2}));
    kernel->OM_MaskAll(hierarchies, 0, 512);
    EXPECT_TRUE(Walk(*kernel, hierarchies, 512, 512).empty());

    // Marking a symbol leaves its kind bits alone.
    const int32_t symbols = kernel->DB_SymbMap();
    kernel->OM_MaskAll(symbols, 512, 512);
    EXPECT_EQ(Names(*kernel, Walk(*kernel, symbols, 1, 3)), (Strings{"NAND"}));
    EXPECT_EQ(Walk(*kernel, symbols, 512 | 2, 512 | 2).size(), 1u);
}

TEST(KernelWalk, NameLookUpsAreExactAndAnswerTheFirstInMapOrder) {
    auto kernel = test::SampleKernel();
    const int32_t comps = kernel->DB_SchCompMap();
    const std::vector<int32_t> all = Walk(*kernel, comps);
    ASSERT_EQ(Names(*kernel, all), (Strings{"U1", "R1", "U1", "u1"}));
    EXPECT_EQ(kernel->OM_FindName(comps, "U1"), all[0]);
    EXPECT_EQ(kernel->OM_FindNameMask(comps, "u1"), all[3]);
    EXPECT_EQ(kernel->OM_FindName(comps, "U"), 0);
    EXPECT_EQ(kernel->OM_FindName(comps, "U1 "), 0);
    EXPECT_EQ(kernel->OM_FindName(comps, nullptr), 0);

    // Renaming the first U1 away and back: the index follows, and map order (not rename order)
    // decides which one comes first.
    ASSERT_GT(kernel->O_Rename(all[0], "X"), 0);
    EXPECT_EQ(kernel->OM_FindName(comps, "U1"), all[2]);
    EXPECT_EQ(kernel->OM_FindName(comps, "X"), all[0]);
    kernel->O_Rename(all[0], "U1");
    EXPECT_EQ(kernel->OM_FindName(comps, "U1"), all[0]);
    EXPECT_EQ(kernel->OM_FindName(comps, "X"), 0);

    // A name walk gives every object of that name in order.
    int32_t cursor = kernel->OM_GetFirst(comps);
    EXPECT_EQ(kernel->OM_SearchNameMask(comps, &cursor, "U1", 0), all[0]);
    EXPECT_EQ(kernel->OM_SearchNameMask(comps, &cursor, "U1", 0), all[2]);
    EXPECT_EQ(kernel->OM_SearchNameMask(comps, &cursor, "U1", 0), 0);

    // Per-hierarchy maps have their own indexes.
    kernel->DB_SetCurHier(2);
    EXPECT_EQ(kernel->OM_FindName(kernel->DB_SchCompMap(), "U1"), 0);
    EXPECT_GT(kernel->OM_FindName(kernel->DB_SchCompMap(), "X1"), 0);
}

TEST(KernelWalk, DeletingDuringAWalkVisitsEachSurvivorOnce) {
    auto kernel = test::SampleKernel();
    const int32_t comps = kernel->DB_SchCompMap();
    const std::vector<int32_t> all = Walk(*kernel, comps);

    // Delete the object just answered and the one after it: the walk goes on from where it was.
    std::vector<int32_t> seen;
    int32_t cursor = kernel->OM_GetFirst(comps);
    for (int32_t id = kernel->OM_SearchMask(comps, &cursor, 0, 0); id > 0;
         id = kernel->OM_SearchMask(comps, &cursor, 0, 0)) {
        seen.push_back(id);
        if (id == all[0]) {
            EXPECT_EQ(kernel->OM_Delete(comps, id), 1);
            EXPECT_EQ(kernel->OM_Delete(comps, all[1]), 1);
        }
    }
    EXPECT_EQ(seen, (std::vector<int32_t>{all[0], all[2], all[3]}));
    EXPECT_EQ(kernel->OM_GetCount(comps), 2);
    EXPECT_EQ(kernel->OM_FindName(comps, "U1"), all[2]);
    EXPECT_EQ(kernel->OM_FindName(comps, "R1"), 0);

    // Deleted objects are gone for every reader; deleting again fails.
    SchCompRecord record;
    EXPECT_EQ(kernel->C_ReadComponent(all[0], &record), 0);
    EXPECT_EQ(kernel->O_GetName(all[0]), nullptr);
    EXPECT_EQ(kernel->OM_Object(comps, all[0]), 0);
    EXPECT_EQ(kernel->OM_Delete(comps, all[0]), 0);
    // An object is deleted only from its own map.
    EXPECT_EQ(kernel->OM_Delete(kernel->DB_SymbMap(), all[2]), 0);
}

TEST(KernelWalk, TemporarySymbolsComeAndGoDuringASymbolWalk) {
    auto kernel = test::SampleKernel();
    const int32_t map = kernel->DB_SymbMap();
    std::vector<std::string> seen;
    int32_t cursor = kernel->OM_GetFirst(map);
    for (int32_t id = kernel->OM_SearchMask(map, &cursor, 0, 0); id > 0;
         id = kernel->OM_SearchMask(map, &cursor, 0, 0)) {
        seen.push_back(kernel->O_GetName(id));
        if (seen.back() == "TEMP") {
            continue;
        }
        // What the padstack report does for every padstack: build, measure, delete.
        const int32_t temp = kernel->S_CreateSymbol("TEMP", SymbolPadstack);
        ASSERT_GT(temp, 0);
        EXPECT_EQ(kernel->S_Symbol("TEMP"), temp);
        ASSERT_EQ(kernel->OM_Delete(map, temp), 1);
        EXPECT_EQ(kernel->S_Symbol("TEMP"), 0);
        EXPECT_EQ(kernel->S_ReadSymbol(temp, nullptr), 0);
    }
    EXPECT_EQ(seen, (Strings{"NAND", "DIP14", "PAD60"}));
    EXPECT_EQ(kernel->OM_GetCount(map), 3);
}

TEST(KernelWalk, CursorsAndHandlesFromOutsideDoNoHarm) {
    auto kernel = test::SampleKernel();
    const int32_t map = kernel->DB_SymbMap();
    int32_t cursor = -40;
    EXPECT_GT(kernel->OM_SearchMask(map, &cursor, 0, 0), 0); // a cursor below 1 starts over
    cursor = 1 << 30;
    EXPECT_EQ(kernel->OM_SearchMask(map, &cursor, 0, 0), 0);
    EXPECT_EQ(kernel->OM_SearchMask(map, nullptr, 0, 0), 0);
    EXPECT_EQ(kernel->OM_GetFirst(123456), 0);
    EXPECT_EQ(kernel->OM_SearchMask(-1, &cursor, 0, 0), 0);
    EXPECT_EQ(kernel->OM_GetCount(1), 0); // a hierarchy is not a map
    EXPECT_EQ(kernel->OM_MaskAll(77777, 1, 1), 0);
    EXPECT_EQ(kernel->OM_Object(map, 1), 0); // a hierarchy is not in the symbol map
}

TEST(KernelWalk, LargeDesignBuildsQuicklyAndLooksUpByIndex) {
    DesignData data;
    data.name = "BIG";
    data.symbols.push_back(SymbolData{"S", SymbolSchematic, {}, {EntryData{"1", {}, 0, 0}}, {}, {}});
    CircuitData circuit;
    circuit.name = "MAIN";
    circuit.pages.push_back(PageData{"P"});
    constexpr int Comps = 100000;
    constexpr int Nets = 50000;
    for (int i = 0; i < Comps; ++i) {
        circuit.schComps.push_back(SchCompData{test::Numbered("C", i), 0, {}, "S", false, {}});
        circuit.layComps.push_back(LayCompData{test::Numbered("C", i), {}, false, false, "S"});
    }
    for (int i = 0; i < Nets; ++i) {
        const std::string name = test::Numbered("N", i);
        NetData net{name, 0, {}};
        for (int n = 0; n < 8; ++n) {
            const std::string comp = test::Numbered("C", (i * 8 + n) % Comps);
            net.nodes.push_back(NodeData{comp, 1, true, comp, 1, true});
        }
        circuit.nets.push_back(std::move(net));
        circuit.traces.push_back(TraceData{name, std::vector<TraceSegmentData>(20)});
    }
    data.circuits.push_back(std::move(circuit));

    const auto start = std::chrono::steady_clock::now();
    auto kernel = MemoryKernel::FromData(data);
    const int32_t comps = kernel->DB_SchCompMap();
    const int32_t nets = kernel->DB_NetMap();
    for (int i = 0; i < Comps; i += 7) {
        ASSERT_GT(kernel->OM_FindName(comps, test::Numbered("C", i).c_str()), 0);
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    // Generous for unoptimised and sanitised builds; anything quadratic takes minutes.
    EXPECT_LT(seconds, 30.0);

    EXPECT_EQ(kernel->OM_GetCount(comps), Comps);
    EXPECT_EQ(kernel->OM_GetCount(kernel->DB_TraceMap()), Nets);
    NodeRecord node;
    const int32_t lastNet = kernel->OM_FindName(nets, "N49999");
    const int32_t nodes = kernel->N_NodeMap(lastNet);
    ASSERT_GT(kernel->N_ReadNode(kernel->OA_Object(nodes, 8), &node), 0);
    EXPECT_STREQ(kernel->O_GetName(node.schComp), "C99999");
}

} // namespace
} // namespace vxw
