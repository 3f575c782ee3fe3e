// Current hierarchy and page, the page-level maps that follow them, and the empty kernel.

#include "kernel/KernelAccess.h"
#include "tests/kernel/KernelTestDesign.h"

#include <gtest/gtest.h>

namespace vxw {
namespace {

using test::Names;
using test::Walk;
using Strings = std::vector<std::string>;

TEST(KernelContext, StartsOnTheFirstHierarchyAndItsFirstPage) {
    auto kernel = test::SampleKernel();
    EXPECT_EQ(kernel->DB_CurHier(), 1);
    EXPECT_STREQ(kernel->O_GetName(kernel->DB_CurPage()), "SHEET1");
    EXPECT_EQ(kernel->OM_Object(kernel->DB_PageMap(), kernel->DB_CurPage()), kernel->DB_CurPage());
}

TEST(KernelContext, PageLevelMapsFollowTheCurrentHierarchy) {
    auto kernel = test::SampleKernel();
    const int32_t mainComps = kernel->DB_SchCompMap();
    const int32_t mainPages = kernel->DB_PageMap();
    ASSERT_EQ(kernel->DB_SetCurHier(2), 2);
    EXPECT_NE(kernel->DB_SchCompMap(), mainComps);
    EXPECT_EQ(Names(*kernel, Walk(*kernel, kernel->DB_SchCompMap())), (Strings{"X1"}));
    EXPECT_EQ(Names(*kernel, Walk(*kernel, kernel->DB_PageMap())), (Strings{"S1"}));
    EXPECT_EQ(kernel->OM_GetCount(kernel->DB_LayCompMap()), 0);
    EXPECT_EQ(kernel->OM_GetCount(kernel->DB_NetMap()), 1);
    EXPECT_EQ(kernel->OM_GetCount(kernel->DB_TraceMap()), 0);
    EXPECT_EQ(kernel->OM_GetCount(kernel->DB_ViaMap()), 0);
    EXPECT_EQ(kernel->OA_GetCount(kernel->S_SymbolItemArray(0)), 0);
    // A handle obtained earlier keeps meaning the map it was obtained for.
    EXPECT_EQ(kernel->OM_GetCount(mainComps), 4);
    EXPECT_EQ(Names(*kernel, Walk(*kernel, mainPages)), (Strings{"SHEET1", "SHEET2"}));
}

TEST(KernelContext, EachHierarchyRemembersItsPage) {
    auto kernel = test::SampleKernel();
    const int32_t sheet2 = kernel->OM_FindName(kernel->DB_PageMap(), "SHEET2");
    ASSERT_EQ(kernel->DB_SetCurPage(sheet2), sheet2);
    kernel->DB_SetCurHier(2);
    EXPECT_STREQ(kernel->O_GetName(kernel->DB_CurPage()), "S1");
    kernel->DB_SetCurHier(1);
    EXPECT_EQ(kernel->DB_CurPage(), sheet2);
}

TEST(KernelContext, AnInvalidHierarchyLeavesNoneAndEmptyMaps) {
    auto kernel = test::SampleKernel();
    for (const int32_t bad : {0, -1, 999999, kernel->DB_SymbMap(), kernel->S_Symbol("NAND")}) {
        kernel->DB_SetCurHier(1);
        EXPECT_EQ(kernel->DB_SetCurHier(bad), 0);
        EXPECT_EQ(kernel->DB_CurHier(), 0);
        EXPECT_EQ(kernel->DB_CurPage(), 0);
    }
    for (const int32_t map : {kernel->DB_PageMap(), kernel->DB_SchCompMap(), kernel->DB_LayCompMap(),
                              kernel->DB_NetMap(), kernel->DB_TraceMap(), kernel->DB_ViaMap()}) {
        EXPECT_GT(kernel->OM_GetFirst(map), 0);
        EXPECT_TRUE(Walk(*kernel, map).empty());
        EXPECT_EQ(kernel->OM_FindName(map, "U1"), 0);
    }
    const int32_t board = kernel->S_SymbolItemArray(0);
    EXPECT_EQ(kernel->OA_GetCount(board), 0);
    ItemRecord line;
    line.kind = ItemLine;
    EXPECT_EQ(kernel->OA_Add(board, kernel->I_MakeItem(&line)), 0); // stays empty
    EXPECT_EQ(kernel->DB_SetCurPage(kernel->OM_FindName(kernel->DB_PageMap(), "SHEET1")), 0);
    // The database-wide maps are not affected.
    EXPECT_EQ(kernel->OM_GetCount(kernel->DB_SymbMap()), 3);
}

TEST(KernelContext, APageOfAnotherHierarchyLeavesNoCurrentPage) {
    auto kernel = test::SampleKernel();
    kernel->DB_SetCurHier(2);
    const int32_t s1 = kernel->DB_CurPage();
    kernel->DB_SetCurHier(1);
    EXPECT_EQ(kernel->DB_SetCurPage(s1), 0);
    EXPECT_EQ(kernel->DB_CurPage(), 0);
    EXPECT_EQ(kernel->DB_CurHier(), 1);
    // Coming back to the hierarchy without a current page gives its first page.
    kernel->DB_SetCurHier(1);
    EXPECT_STREQ(kernel->O_GetName(kernel->DB_CurPage()), "SHEET1");
}

TEST(KernelContext, DeletingTheCurrentHierarchyLeavesNone) {
    auto kernel = test::SampleKernel();
    const int32_t comps = kernel->DB_SchCompMap();
    const int32_t u1 = kernel->OM_FindName(comps, "U1");
    ASSERT_EQ(kernel->OM_Delete(kernel->DB_HierarchyMap(), 1), 1);
    EXPECT_EQ(kernel->DB_CurHier(), 0);
    EXPECT_EQ(kernel->C_Component(u1), 0);
    EXPECT_EQ(kernel->OM_GetCount(comps), 0);
    EXPECT_EQ(kernel->S_Symbol(MemoryKernel::FrameSymbolId(1)), 0);
    EXPECT_EQ(Walk(*kernel, kernel->DB_HierarchyMap()), (std::vector<int32_t>{2}));
}

TEST(KernelContext, EmptyKernelAndTheDefaultInstance) {
    MemoryKernel empty;
    EXPECT_EQ(empty.OM_GetCount(empty.DB_HierarchyMap()), 0);
    EXPECT_EQ(empty.DB_CurHier(), 0);
    EXPECT_TRUE(Walk(empty, empty.DB_PageMap()).empty());
    EXPECT_STREQ(empty.O_GetName(empty.DB_DataBase()), "");
    EXPECT_EQ(empty.OM_GetCount(empty.DB_LayerArray()), 32);
    EXPECT_EQ(empty.OM_FindName(empty.DB_FileMap(), "DBLABEL"), 0);

    std::unique_ptr<Kernel> previous = InstallKernel(nullptr);
    Kernel& fallback = TheKernel();
    EXPECT_EQ(fallback.OM_GetCount(fallback.DB_HierarchyMap()), 0);
    EXPECT_EQ(&TheKernel(), &fallback); // made once, then kept
    {
        ScopedKernel scoped(test::SampleKernel());
        EXPECT_STREQ(TheKernel().O_GetName(TheKernel().DB_DataBase()), "DEMO");
    }
    EXPECT_EQ(&TheKernel(), &fallback);
    InstallKernel(std::move(previous));
}

// Many circuits with board frames: building each frame adds objects while the frame is being
// filled in, so every frame must still get its own outline.
TEST(KernelContext, EveryCircuitKeepsItsOwnBoardFrame) {
    DesignBuilder builder;
    for (int c = 1; c <= 64; ++c) {
        builder.Circuit("C" + std::to_string(c)).Board(0, 0, 100 * c, 50 * c);
    }
    auto kernel = builder.Build();
    for (int32_t c = 1; c <= 64; ++c) {
        const int32_t frame = kernel->S_Symbol(MemoryKernel::FrameSymbolId(c));
        ASSERT_GT(frame, 0) << c;
        FrameRect rect;
        ASSERT_GT(kernel->S_FrameSymbolItems(frame, MaskFrameItem, &rect), 0) << c;
        EXPECT_EQ(rect.x2 - rect.x1, 100 * c);
        EXPECT_EQ(rect.y2 - rect.y1, 50 * c);
    }
}

} // namespace
} // namespace vxw
