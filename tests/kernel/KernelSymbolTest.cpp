// Board frames, item extents and the symbol writes used for display and measurement.

#include "kernel/ItemGeometry.h"
#include "tests/kernel/KernelTestDesign.h"

#include <gtest/gtest.h>

namespace vxw {

void PrintTo(const FrameRect& r, std::ostream* out) {
    *out << "(" << r.x1 << "," << r.y1 << ")-(" << r.x2 << "," << r.y2 << ")";
}

namespace {

using B = DesignBuilder;

FrameRect Rect(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    return FrameRect{x1, y1, x2, y2};
}

FrameRect BoxOf(const ItemData& data) {
    const std::optional<Box> box = ItemBox(ItemRecordOf(data));
    return box ? box->ToFrameRect() : FrameRect{-9, -9, -9, -9};
}

TEST(KernelFrame, FrameSymbolIdSizeAndReach) {
    auto kernel = test::SampleKernel();
    const int32_t frameId = MemoryKernel::FrameSymbolId(1);
    ASSERT_EQ(frameId, -15001);
    const int32_t frame = kernel->S_Symbol(frameId);
    ASSERT_GT(frame, 0);
    EXPECT_EQ(kernel->OM_Object(kernel->DB_SymbMap(), frameId), frame);
    SymbolRecord record;
    ASSERT_GT(kernel->S_ReadSymbol(frame, &record), 0);
    EXPECT_EQ(record.kind, SymbolBoardFrame);
    EXPECT_EQ(record.itemCount, 1);

    // The corners come back exactly, in order, even for an odd width and swapped corners.
    FrameRect rect;
    ASSERT_GT(kernel->S_FrameSymbolItems(frame, MaskFrameItem, &rect), 0);
    EXPECT_EQ(rect, Rect(-3, -2, 998, 7));

    // Items whose mask shares no bit: answer 0, rectangle untouched.
    FrameRect untouched{1, 2, 3, 4};
    EXPECT_EQ(kernel->S_FrameSymbolItems(frame, MaskText, &untouched), 0);
    EXPECT_EQ(untouched, Rect(1, 2, 3, 4));

    // No frame for a circuit without one, for unknown circuits, and never by walking or deleting.
    EXPECT_EQ(kernel->S_Symbol(MemoryKernel::FrameSymbolId(2)), 0);
    EXPECT_EQ(kernel->S_Symbol(MemoryKernel::FrameSymbolId(3)), 0);
    EXPECT_EQ(kernel->S_Symbol(-15000), 0);
    EXPECT_EQ(kernel->OM_Delete(kernel->DB_SymbMap(), frame), 0);
    EXPECT_EQ(kernel->OM_Delete(kernel->DB_SymbMap(), frameId), 0);
    EXPECT_EQ(kernel->S_Symbol(frameId), frame);
}

TEST(KernelFrame, ItemExtents) {
    // Lines reach from (x, y) by (dx, dy); the pen adds half its width, rounded up.
    EXPECT_EQ(BoxOf(B::Line(10, 10, -20, 5)), Rect(-10, 10, 10, 15));
    EXPECT_EQ(BoxOf(B::Line(0, 0, 10, 0, 5)), Rect(-3, -3, 13, 3));
    // Rectangles are centred; quarter turns swap the sides exactly.
    EXPECT_EQ(BoxOf(B::Rectangle(0, 0, 50, 70)), Rect(-25, -35, 25, 35));
    EXPECT_EQ(BoxOf(B::Rectangle(0, 0, 5, 3)), Rect(-2, -1, 3, 2));
    EXPECT_EQ(BoxOf(B::Rectangle(100, 0, 50, 70, 90)), Rect(65, -25, 135, 25));
    EXPECT_EQ(BoxOf(B::Rectangle(0, 0, 50, 70, -270)), Rect(-35, -25, 35, 25));
    EXPECT_EQ(BoxOf(B::Rectangle(0, 0, 100, 100, 45)), Rect(-71, -71, 71, 71));
    EXPECT_EQ(BoxOf(B::Circle(5, 5, 11)), Rect(0, 0, 11, 11));
    // Arcs: end points plus the axis points they pass; equal angles are a full circle.
    EXPECT_EQ(BoxOf(B::Arc(0, 0, 10, 0, 90)), Rect(0, 0, 10, 10));
    EXPECT_EQ(BoxOf(B::Arc(0, 0, 10, 350, 10)), Rect(10, -2, 10, 2));
    EXPECT_EQ(BoxOf(B::Arc(0, 0, 10, 45, 225)), Rect(-10, -7, 7, 10));
    EXPECT_EQ(BoxOf(B::Arc(0, 0, 10, 30, 390)), Rect(-10, -10, 10, 10));
    // Texts have no extent; huge values clamp instead of wrapping.
    EXPECT_FALSE(ItemBox(ItemRecord{ItemText, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "T"}));
    EXPECT_EQ(BoxOf(B::Line(2147483000, 0, 2147483000, 0)), Rect(2147483000, 0, 2147483647, 0));
}

TEST(KernelFrame, PadstackSizeCoversItsDrawnItems) {
    auto kernel = test::SampleKernel();
    // The pads of a padstack symbol sit in its padstack; mask 1 selects every drawn item.
    FrameRect rect;
    ASSERT_GT(kernel->S_FrameSymbolItems(kernel->S_Symbol("PAD60"), MaskDrawnItem, &rect), 0);
    EXPECT_EQ(rect, Rect(-30, -30, 30, 30));
    // A text item alone has no extent.
    EXPECT_EQ(kernel->S_FrameSymbolItems(kernel->S_Symbol("NAND"), -1, &rect), 0);
}

TEST(KernelSymbols, TemporaryPadstackSymbolIsBuiltMeasuredAndDeleted) {
    auto kernel = test::SampleKernel();
    const int32_t symbol = kernel->S_CreateSymbol("$TMP", SymbolPadstack);
    ASSERT_GT(symbol, 0);
    const int32_t padStack = kernel->S_MakePadStack(symbol, "$TMP");
    ASSERT_GT(padStack, 0);
    ASSERT_GT(kernel->S_ChangePadStackHole(padStack, 2, 40), 0);

    ItemRecord circle;
    circle.kind = ItemCircle;
    circle.diameter = 80;
    circle.layer = 3;
    const int32_t item = kernel->I_MakeItem(&circle);
    ASSERT_EQ(kernel->OA_Add(kernel->S_PadStackItemArray(padStack), item), 1);
    ItemRecord label;
    label.kind = ItemText;
    ASSERT_EQ(kernel->OA_Add(kernel->S_SymbolItemArray(symbol), kernel->I_MakeText(&label, "pad")), 1);
    // Adding an item that already lives in an array adds a copy.
    const int32_t items = kernel->S_SymbolItemArray(symbol);
    ASSERT_EQ(kernel->OA_Add(items, item), 2);
    EXPECT_NE(kernel->OA_Object(items, 2), item);

    PadStackRecord pad;
    ASSERT_GT(kernel->S_ReadPadStack(kernel->OM_Object(kernel->S_SymbolPadStackMap(symbol), padStack), &pad),
              0);
    EXPECT_EQ(pad.holeCategory, 2);
    EXPECT_EQ(pad.holeDiameter, 40);
    ItemRecord read;
    ASSERT_EQ(kernel->I_ReadItem(kernel->OA_Object(items, 1), &read), ItemText);
    EXPECT_STREQ(read.text, "pad");
    ASSERT_EQ(kernel->I_ReadItem(kernel->OA_Object(items, 2), &read), ItemCircle);
    EXPECT_EQ(read.layer, 3);
    EXPECT_NE(read.mask & MaskDrawnItem, 0);
    FrameRect rect;
    ASSERT_GT(kernel->S_FrameSymbolItems(symbol, MaskDrawnItem, &rect), 0);
    EXPECT_EQ(rect, Rect(-40, -40, 40, 40));

    ASSERT_EQ(kernel->OM_Delete(kernel->DB_SymbMap(), symbol), 1);
    EXPECT_EQ(kernel->S_ReadPadStack(padStack, &pad), 0);
    EXPECT_EQ(kernel->I_ReadItem(item, &read), 0);
    EXPECT_EQ(kernel->OA_GetCount(items), 0);
}

TEST(KernelSymbols, WritesRefuseWhatTheyCannotHold) {
    auto kernel = test::SampleKernel();
    ItemRecord none;
    EXPECT_EQ(kernel->I_MakeItem(nullptr), 0);
    EXPECT_EQ(kernel->I_MakeItem(&none), 0); // no kind
    EXPECT_EQ(kernel->S_CreateSymbol(nullptr, SymbolSchematic), 0);
    EXPECT_EQ(kernel->S_CreateSymbol("X", 0), 0);
    EXPECT_EQ(kernel->S_MakePadStack(kernel->S_Symbol("NAND"), nullptr), 0);
    EXPECT_EQ(kernel->S_ChangePadStackHole(kernel->S_Symbol("NAND"), 1, 1), 0);
    ItemRecord line;
    line.kind = ItemLine;
    const int32_t item = kernel->I_MakeItem(&line);
    EXPECT_EQ(kernel->OA_Add(kernel->S_SymbolEntryArray(kernel->S_Symbol("NAND")), item), 0);
    EXPECT_EQ(kernel->OA_Add(kernel->DB_SymbMap(), item), 0);
    EXPECT_EQ(kernel->OA_Add(kernel->S_SymbolItemArray(kernel->S_Symbol("NAND")), kernel->S_Symbol("NAND")),
              0);
}

TEST(KernelSymbols, HierarchyTextOfASymbolIsFoundByItsMask) {
    auto kernel = test::SampleKernel();
    const int32_t items = kernel->S_SymbolItemArray(kernel->S_Symbol("NAND"));
    const int32_t index = kernel->IA_SearchMaskLink(items, 1, MaskText);
    ASSERT_EQ(index, 1);
    ItemRecord text;
    ASSERT_EQ(kernel->I_ReadItem(kernel->S_SymbolItem(items, index), &text), ItemText);
    EXPECT_STREQ(text.text, "X hierarchy SUB");
}

} // namespace
} // namespace vxw
