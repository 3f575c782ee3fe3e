#include "listgen/LayoutReport.h"
#include "tests/listgen/FieldTestSupport.h"

#include "kernel/DesignBuilder.h"
#include "kernel/KernelText.h"
#include "shell/RecordingInterface.h"
#include "shell/Units.h"
#include "suite/SuiteServices.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>

namespace vxw {
namespace {

// Every field the layout report knows, shown.
constexpr std::initializer_list<int16_t> kAllFields = {2,  3,  5,  6,  9,  17, 20, 21, 32,
                                                       35, 36, 49, 53, 60, 65, 71, 72, 73};

ItemData Counted(ItemData item) {
    item.flags |= ItemCounted;
    return item;
}

// Circuit "BOARD": a 1" x 0.5" board (25.4 x 12.7 mm at the default scale) with surface pads
// only (so its holes are the vias alone), three layout components (one of them on the bottom side, one a
// special part), vias of every kind, a trace and a net with three pin nodes, one of them routed.
std::unique_ptr<MemoryKernel> BoardDesign() {
    return DesignBuilder("P")
        .Device("IC", 1)
        .Device("TESTPT", 0)
        .Symbol("SO3", SymbolPackage)
        .SymbolPadStack("SMD")
        .PadStackItem(Counted(DesignBuilder::Rectangle(0, 0, 10, 10)))
        .PadStackItem(DesignBuilder::Line(0, 0, 5, 5)) // not counted
        .Entry("1", "SMD")
        .Entry("2", "SMD")
        .Entry("3", "SMD")
        .Circuit("OTHER")
        .Page("S1")
        .Circuit("BOARD")
        .Board(0, 0, 254000, 127000)
        .LayComp("U1", "SO3", "IC")
        .LayComp("U2", "SO3", "TESTPT", true, true)
        .LayComp("U3")
        .Via(0, 0)
        .Via(1, 0)
        .Via(2, 0, 0x1E)
        .Via(3, 0, 0x6)
        .Via(4, 0, static_cast<int32_t>(0x80000001u)) // layers 0 and 31: last as a bit set
        .Via(5, 0, 0x6)
        .BoardItem(Counted(DesignBuilder::Rectangle(0, 0, 100, 100)))
        .BoardItem(DesignBuilder::Rectangle(0, 0, 50, 50))
        // 4 records, 3 segments; the flagged record's layer 5 is not a layer in use.
        .Trace("N1",
               {{0, 1, 10, 0, 0}, {0, 1, 10, 5, 0}, {TraceRecordNoLayer, 5, 10, 5, 5}, {0, 2, 10, 9, 9}})
        .Net("N1")
        .Node({}, 0, "U1", 1, true)
        .Node({}, 0, "U1", 2, false)
        .Node({}, 0, "U2", 1, false)
        .Node({}, 0, "U2", 0, false) // no pin: not a connection
        .Circuit("BARE")
        .NoBoardFrame()
        .Build();
}

class LayoutReportTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        suite_ = std::make_unique<ScopedSuite>(SuiteLocation::InFolder(dir_.path()));
        kernel_ = BoardDesign();
    }
    void TearDown() override { SetCurrentUnit(kUnitInch); }

    int32_t Circuit(const char* name) {
        return FindByName(*kernel_, kernel_->DB_HierarchyMap(), QLatin1String(name));
    }
    void MakeCurrent(const char* name) { ASSERT_GT(kernel_->DB_SetCurHier(Circuit(name)), 0); }
    ReportContext Context(const FieldTable& fields) { return ReportContext{*kernel_, fields, ui_}; }

    QTemporaryDir dir_;
    std::unique_ptr<ScopedSuite> suite_;
    std::unique_ptr<MemoryKernel> kernel_;
    RecordingInterface ui_;
};

TEST_F(LayoutReportTest, FullReportWithEveryFieldAndCircuitRestored) {
    MakeCurrent("OTHER");
    const int32_t page = FindByName(*kernel_, kernel_->DB_PageMap(), QStringLiteral("S1"));
    ASSERT_GT(kernel_->DB_SetCurPage(page), 0);
    const FieldTable fields = TableShowing(kAllFields);
    int netsMode = 0;
    const QString text = LayoutReport(Context(fields), QStringLiteral("BOARD"), [&](QString& out, int mode) {
        netsMode = mode;
        out += QStringLiteral("<nets>");
    });
    EXPECT_EQ(text, QStringLiteral("Circuit: BOARD\r\n\r\n"
                                   "Total Layout Components : 3   (Part(*) : 2  Special Part: 1)\r\n\r\n"
                                   "\r\n* U1 - IC"
                                   "\r\n  U2 - TESTPT"
                                   "\r\n* U3\r\n\r\n"
                                   "Horizontal Board Size: 1.0000\" / 25.400mm\r\n"
                                   "Vertical Board Size: 0.5000\" / 12.700mm\r\n"
                                   "No. of Components: 3\r\n"
                                   "No. of SMD Pads: 6\r\n"
                                   "No. of PMD Pads: 0\r\n"
                                   "No. of Vias: 6\r\n"
                                   "No. of Buried Vias: 3\r\n"
                                   "\r\n Via 1. 2 layers"
                                   "\r\n Via 2. 4 layers"
                                   "\r\n Via 3. 2 layers\r\n\r\n"
                                   "Total Holes: 6\r\n"
                                   "Trace Segments: 3\r\n"
                                   "Total Pad Items: 6\r\n"
                                   "Copper Items: 1\r\n"
                                   "Total Keep Off Zone: 2\r\n"
                                   "Layers (Used/Total): 4 / 32\r\n"
                                   "Total Connections: 3\r\n"
                                   "UnRouted Connections: 2\r\n"
                                   "Percentage Routed: 33.33%\r\n\r\n"
                                   "\r\n**LIST OF PARTS USED**\r\n\r\n"
                                   "\r\n1. IC\r\n\r\n"
                                   "\r\n**LIST OF SYMBOL ONLY PARTS USED**\r\n\r\n"
                                   "\r\n1. TESTPT\r\n\r\n"
                                   "<nets>"));
    EXPECT_EQ(netsMode, kLayoutNetsMode);
    EXPECT_TRUE(ui_.messages.empty());
    EXPECT_EQ(kernel_->DB_CurHier(), Circuit("OTHER"));
    EXPECT_EQ(kernel_->DB_CurPage(), page);
}

TEST_F(LayoutReportTest, HiddenBreakdownOrTableChangeMarkersAndLineEnds) {
    MakeCurrent("BOARD");
    // Without the breakdown no part is marked and the total runs on into the table.
    const FieldTable noBreakdown = TableShowing({6, 36});
    EXPECT_EQ(LayoutComponentsSummary(Context(noBreakdown)), QStringLiteral("Total Layout Components : 3"
                                                                            "\r\n  U1 - IC"
                                                                            "\r\n  U2 - TESTPT"
                                                                            "\r\n  U3\r\n\r\n"
                                                                            "No. of Components: 3\r\n"));
    const FieldTable noTable = TableShowing({6, 35});
    EXPECT_EQ(LayoutComponentsSummary(Context(noTable)),
              QStringLiteral("Total Layout Components : 3   (Part(*) : 2  Special Part: 1)\r\n\r\n"
                             "No. of Components: 3\r\n"));
    const FieldTable totalOnly = TableShowing({6});
    EXPECT_TRUE(LayoutComponentsSummary(Context(totalOnly)).startsWith(u"Total Layout Components : 3No. of"));
}

TEST_F(LayoutReportTest, MillimetreFirstWhenCurrentAndNoFrameMeansNoSize) {
    MakeCurrent("BOARD");
    SetCurrentUnit(kUnitMillimetre);
    const FieldTable fields = TableShowing({2, 60, 49, 9});
    EXPECT_EQ(BoardStatistics(Context(fields)),
              QStringLiteral("Horizontal Board Size: 25.400mm / 1.0000\"\r\n"
                             "Vertical Board Size: 12.700mm / 0.5000\"\r\n"
                             "Total Connections: 3\r\n"
                             "UnRouted Connections: 2\r\n"
                             "Percentage Routed: 33.33%\r\n\r\n"));
    // The next circuit has no frame: its size is 0, not the previous board's.
    MakeCurrent("BARE");
    EXPECT_EQ(BoardStatistics(Context(fields)), QStringLiteral("Horizontal Board Size: 0.000mm / 0.0000\"\r\n"
                                                               "Vertical Board Size: 0.000mm / 0.0000\"\r\n"
                                                               "Total Connections: 0\r\n"
                                                               "UnRouted Connections: 0\r\n"
                                                               "Percentage Routed: 0.00%\r\n\r\n"));
}

TEST(BoardCountersTest, DrilledPadsAreHolesAndBottomItemsAreMirrored) {
    auto kernel = DesignBuilder("P")
                      .Symbol("DIP2", SymbolPackage)
                      .SymbolPadStack("TH", 800)
                      .PadStackItem(Counted(DesignBuilder::Circle(0, 0, 1500, 0)))
                      .PadStackItem(Counted(DesignBuilder::Circle(0, 0, 1500, 31)))
                      .SymbolPadStack("SMD")
                      .PadStackItem(Counted(DesignBuilder::Rectangle(0, 0, 10, 10, 0, 1)))
                      .Entry("1", "TH")
                      .Entry("2", "SMD")
                      .Circuit("MAIN")
                      .LayComp("J1", "DIP2", {}, true)
                      .Via(0, 0)
                      .Build();
    BoardCounters counters;
    PadCounts(*kernel, counters);
    EXPECT_EQ(counters.smdPads, 2);
    EXPECT_EQ(counters.pmdPads, 1);
    // Bottom side: layer 0 goes to 31, 31 to 0, 1 to 30.
    EXPECT_EQ(counters.layers[0].padItems, 1);
    EXPECT_EQ(counters.layers[30].padItems, 1);
    EXPECT_EQ(counters.layers[31].padItems, 1);
    EXPECT_EQ(counters.Totals().padItems, 3);
    EXPECT_EQ(BuriedVias(*kernel), QStringLiteral("0"));
}

TEST(BoardCountersTest, BuriedViaKindsAreDistinctSortedAndNumbered) {
    auto kernel = DesignBuilder("P")
                      .Circuit("MAIN")
                      .Via(0, 0, 0x0F) // four layers
                      .Via(0, 0, 0x06) // two
                      .Via(0, 0, ViaSpanThrough)
                      .Via(0, 0, 0x0F) // same kind again
                      .Via(0, 0, 0x03) // two
                      .Build();
    EXPECT_EQ(BuriedVias(*kernel), QStringLiteral("3\r\n\r\n Via 1. 2 layers\r\n Via 2. 2 layers"
                                                  "\r\n Via 3. 4 layers\r\n"));
}

} // namespace
} // namespace vxw
