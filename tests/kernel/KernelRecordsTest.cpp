// Records of each kind, references that do not resolve, and readers given bad ids.

#include "tests/kernel/KernelTestDesign.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>

namespace vxw {
namespace {

using test::Walk;

class KernelRecords : public ::testing::Test {
protected:
    std::unique_ptr<MemoryKernel> kernel = test::SampleKernel();
    int32_t Comp(const char* name) { return kernel->OM_FindName(kernel->DB_SchCompMap(), name); }
    int32_t Part(const char* name) { return kernel->OM_FindName(kernel->DB_LayCompMap(), name); }
};

TEST_F(KernelRecords, SchematicComponents) {
    SchCompRecord u1;
    ASSERT_GT(kernel->C_ReadComponent(Comp("U1"), &u1), 0);
    EXPECT_STREQ(u1.name, "U1");
    EXPECT_STREQ(kernel->O_GetName(u1.page), "SHEET2");
    EXPECT_EQ(u1.symbol, kernel->S_Symbol("NAND"));
    EXPECT_STREQ(kernel->O_GetName(kernel->D_Device(u1.device)), "7400");
    EXPECT_EQ(u1.packed, 0);
    EXPECT_NE(kernel->O_TestPage(Comp("U1"), u1.page), 0);
    EXPECT_EQ(kernel->O_TestPage(Comp("U1"), kernel->OM_FindName(kernel->DB_PageMap(), "SHEET1")), 0);
    EXPECT_EQ(kernel->O_TestPage(Part("U1"), u1.page), 0);

    SchCompRecord r1;
    ASSERT_GT(kernel->C_ReadComponent(Comp("R1"), &r1), 0);
    EXPECT_NE(r1.packed, 0);
    EXPECT_EQ(kernel->O_GetStatus(kernel->D_Device(r1.device)), 0); // a symbol-only device

    // The value text: first item with bit 8 set; the note text has it clear.
    const int32_t texts = kernel->C_CompTextArray(Comp("U1"));
    EXPECT_EQ(kernel->OA_GetCount(texts), 2);
    const int32_t value = kernel->OA_SearchMask(texts, 1, MaskValueText);
    ASSERT_EQ(value, 2);
    ItemRecord item;
    EXPECT_EQ(kernel->I_ReadItem(kernel->C_CompText(texts, value), &item), ItemValueText);
    EXPECT_STREQ(item.text, "7400");
    EXPECT_EQ(kernel->OA_SearchMask(texts, 0, MaskValueText), 1);
    EXPECT_EQ(kernel->OA_SearchMask(texts, 1, MaskValueText | 0x40), 0);
    EXPECT_EQ(kernel->C_CompText(texts, 3), 0);
}

TEST_F(KernelRecords, ReferencesThatDoNotResolveCannotBeRead) {
    SchCompRecord u1;
    ASSERT_GT(kernel->C_ReadComponent(Comp("u1"), &u1), 0);
    EXPECT_NE(u1.device, 0); // names a device the design lacks
    EXPECT_EQ(kernel->D_Device(u1.device), 0);
    EXPECT_NE(u1.page, 0); // names a page the circuit lacks
    EXPECT_EQ(kernel->O_GetName(u1.page), nullptr);

    const int32_t vcc = kernel->OM_FindName(kernel->DB_NetMap(), "VCC");
    const int32_t nodes = kernel->N_NodeMap(vcc);
    NodeRecord node;
    ASSERT_GT(kernel->N_ReadNode(kernel->OA_Object(nodes, 2), &node), 0);
    EXPECT_NE(node.schComp, 0);
    EXPECT_NE(node.layComp, 0);
    SchCompRecord comp;
    LayCompRecord part;
    EXPECT_EQ(kernel->C_ReadComponent(node.schComp, &comp), 0);
    EXPECT_EQ(kernel->L_ReadComponent(node.layComp, &part), 0);
    EXPECT_EQ(node.flags, 0);
    EXPECT_EQ(node.layPin, 2);

    TraceRecord trace;
    const std::vector<int32_t> traces = Walk(*kernel, kernel->DB_TraceMap());
    ASSERT_GT(kernel->T_ReadTrace(traces[1], &trace), 0);
    EXPECT_NE(trace.net, 0);
    EXPECT_EQ(kernel->N_ReadNet(trace.net, nullptr), 0);
}

TEST_F(KernelRecords, LayoutComponentsNetsAndNodes) {
    LayCompRecord u1;
    ASSERT_GT(kernel->L_ReadComponent(Part("U1"), &u1), 0);
    EXPECT_EQ(u1.flags & LayoutBottomSide, LayoutBottomSide);
    EXPECT_EQ(kernel->O_GetStatus(kernel->L_Component(Part("U1"))) & LayoutBottomSide, LayoutBottomSide);
    EXPECT_EQ(u1.symbol, kernel->S_Symbol("DIP14"));
    EXPECT_EQ(u1.specialPart, 0);
    LayCompRecord r1;
    ASSERT_GT(kernel->L_ReadComponent(Part("R1"), &r1), 0);
    EXPECT_EQ(r1.device, 0);
    EXPECT_NE(r1.specialPart, 0);
    EXPECT_EQ(kernel->O_GetStatus(Part("R1")), 0);

    NetRecord vcc;
    ASSERT_GT(kernel->N_ReadNet(kernel->OM_FindName(kernel->DB_NetMap(), "VCC"), &vcc), 0);
    EXPECT_EQ(vcc.flags, NetPowerGround);
    EXPECT_EQ(vcc.nodeCount, 2);
    NodeRecord node;
    const int32_t nodes = kernel->N_NodeMap(kernel->OM_FindName(kernel->DB_NetMap(), "VCC"));
    ASSERT_GT(kernel->N_ReadNode(Walk(*kernel, nodes)[0], &node), 0);
    EXPECT_EQ(node.flags, NodeSchematicConnected | NodeLayoutConnected);
    EXPECT_EQ(node.schComp, Comp("U1"));
    EXPECT_EQ(node.schEntry, 1);
    EXPECT_EQ(node.layComp, Part("U1"));

    NodeRecord layoutOnly;
    const int32_t n2 = kernel->N_NodeMap(kernel->OM_FindName(kernel->DB_NetMap(), "N2"));
    ASSERT_GT(kernel->N_ReadNode(kernel->OA_Object(n2, 1), &layoutOnly), 0);
    EXPECT_EQ(layoutOnly.schComp, 0); // no schematic side at all
    EXPECT_EQ(layoutOnly.flags, NodeLayoutConnected);
}

TEST_F(KernelRecords, EntriesAndPadstacksOfAPackage) {
    const int32_t dip = kernel->S_Symbol("DIP14");
    SymbolRecord symbol;
    ASSERT_GT(kernel->S_ReadSymbol(dip, &symbol), 0);
    EXPECT_EQ(symbol.kind, SymbolPackage);
    EXPECT_EQ(symbol.entryCount, 4);
    EXPECT_EQ(kernel->OA_GetCount(kernel->S_SymbolEntryArray(dip)), 4);
    const int32_t pads = kernel->S_SymbolPadStackMap(dip);

    EntryRecord entry;
    PadStackRecord pad;
    ASSERT_EQ(kernel->S_ReadEntry(dip, 1, &entry), 1);
    EXPECT_STREQ(entry.name, "1");
    ASSERT_GT(kernel->S_ReadPadStack(kernel->OM_Object(pads, entry.padStack), &pad), 0);
    EXPECT_EQ(pad.holeDiameter, 35);
    EXPECT_EQ(pad.itemCount, 1);

    // A padstack of the design's list is copied into the symbol once, and both entries use it.
    ASSERT_GT(kernel->S_ReadEntry(dip, 2, &entry), 0);
    EXPECT_EQ(entry.x, 100);
    const int32_t copy = kernel->OM_Object(pads, entry.padStack);
    ASSERT_GT(kernel->S_ReadPadStack(copy, &pad), 0);
    EXPECT_STREQ(pad.name, "GLOBALPAD");
    EXPECT_EQ(pad.holeDiameter, 30);
    EXPECT_NE(copy, kernel->OM_FindName(kernel->DB_PadStackMap(), "GLOBALPAD"));
    EXPECT_EQ(kernel->OA_GetCount(kernel->S_PadStackItemArray(copy)), 1);
    ASSERT_GT(kernel->S_ReadEntry(dip, 4, &entry), 0);
    EXPECT_EQ(entry.padStack, copy);
    EXPECT_EQ(kernel->OM_GetCount(pads), 2);

    // A padstack found nowhere: non-zero, but not in the map.
    ASSERT_GT(kernel->S_ReadEntry(dip, 3, &entry), 0);
    EXPECT_NE(entry.padStack, 0);
    EXPECT_EQ(kernel->OM_Object(pads, entry.padStack), 0);

    entry = EntryRecord{};
    EXPECT_EQ(kernel->S_ReadEntry(dip, 0, &entry), 0);
    EXPECT_EQ(kernel->S_ReadEntry(dip, 5, &entry), 0);
    EXPECT_EQ(entry.name, nullptr); // left alone
}

TEST_F(KernelRecords, TracesViasLayersDevicesAndTheDatabase) {
    const std::vector<int32_t> traces = Walk(*kernel, kernel->DB_TraceMap());
    TraceRecord trace;
    ASSERT_GT(kernel->T_ReadTrace(traces[0], &trace), 0);
    EXPECT_EQ(trace.recordCount, 3);
    EXPECT_STREQ(kernel->O_GetName(trace.net), "VCC");
    TraceSegmentRecord segment;
    ASSERT_GT(kernel->T_ReadRecord(traces[0], 2, &segment), 0);
    EXPECT_EQ(segment.flags, TraceRecordNoLayer);
    EXPECT_EQ(segment.x, 5);
    ASSERT_GT(kernel->T_ReadRecord(traces[0], 3, &segment), 0);
    EXPECT_EQ(segment.layer, 2);
    EXPECT_EQ(kernel->T_ReadRecord(traces[0], 0, &segment), 0);
    EXPECT_EQ(kernel->T_ReadRecord(traces[0], 4, &segment), 0);

    const std::vector<int32_t> vias = Walk(*kernel, kernel->DB_ViaMap());
    ViaRecord via;
    ASSERT_EQ(vias.size(), 2u);
    ASSERT_GT(kernel->V_ReadVia(vias[0], &via), 0);
    EXPECT_EQ(via.span, ViaSpanThrough);
    ASSERT_GT(kernel->V_ReadVia(vias[1], &via), 0);
    EXPECT_EQ(via.span, 0b110);
    EXPECT_EQ(via.x, 3);

    const int32_t layers = kernel->DB_LayerArray();
    EXPECT_EQ(kernel->OA_GetCount(layers), 32);
    EXPECT_STREQ(kernel->O_GetName(kernel->OA_Object(layers, 1)), "Top");
    EXPECT_STREQ(kernel->O_GetName(kernel->OA_Object(layers, 2)), "Layer 1");
    EXPECT_STREQ(kernel->O_GetName(kernel->OA_Object(layers, 32)), "Bottom");
    EXPECT_EQ(kernel->OA_Object(layers, 33), 0);

    DeviceRecord device;
    ASSERT_GT(kernel->D_ReadDevice(kernel->OM_FindName(kernel->DB_DeviceMap(), "7400"), &device), 0);
    EXPECT_EQ(device.kind, 1);
    EXPECT_EQ(device.status, 1);
    EXPECT_STREQ(device.attributes, "DIP14 NAND");
    EXPECT_STREQ(kernel->O_GetName(kernel->DB_DataBase()), "DEMO");
    EXPECT_EQ(kernel->OA_GetCount(kernel->DB_LayoutTextArray()), 0);
}

TEST_F(KernelRecords, UnknownIdsAnswerZeroAndLeaveRecordsAlone) {
    SchCompRecord comp;
    comp.flags = 77;
    const int32_t symbol = kernel->S_Symbol("NAND");
    for (const int32_t bad : {0, -1, -15001, 1 << 30, symbol, std::numeric_limits<int32_t>::min()}) {
        EXPECT_EQ(kernel->C_ReadComponent(bad, &comp), 0);
        EXPECT_EQ(kernel->C_CompTextArray(bad), 0);
        EXPECT_EQ(kernel->N_NodeMap(bad), 0);
        EXPECT_EQ(kernel->O_GetStatus(bad), 0);
        EXPECT_EQ(kernel->O_Rename(bad, "X") > 0, bad == symbol);
    }
    EXPECT_EQ(comp.flags, 77);
    EXPECT_EQ(kernel->C_ReadComponent(Comp("U1"), nullptr), 0);
    EXPECT_EQ(kernel->O_GetName(0), nullptr);
    EXPECT_EQ(kernel->I_ReadItem(0, nullptr), 0);
    EXPECT_EQ(kernel->S_Symbol(std::numeric_limits<int32_t>::min()), 0);
    EXPECT_EQ(kernel->S_Symbol(static_cast<const char*>(nullptr)), 0);
}

TEST_F(KernelRecords, NamePointersStayValidUntilRenamed) {
    const int32_t u1 = Comp("U1");
    const char* before = kernel->O_GetName(u1);
    // Many new objects later the pointer still holds the name.
    for (int i = 0; i < 2000; ++i) {
        kernel->S_CreateSymbol(test::Numbered("S", i).c_str(), SymbolSchematic);
    }
    EXPECT_EQ(kernel->O_GetName(u1), before);
    EXPECT_STREQ(before, "U1");
    kernel->O_Rename(u1, "U100");
    EXPECT_STREQ(kernel->O_GetName(u1), "U100");
}

} // namespace
} // namespace vxw
