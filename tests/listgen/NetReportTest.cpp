#include "listgen/NetReport.h"

#include "tests/listgen/FieldTestSupport.h"

#include "kernel/DesignBuilder.h"
#include "kernel/KernelText.h"
#include "shell/RecordingInterface.h"
#include "suite/SuiteServices.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <set>

namespace vxw {
namespace {

QString Dashes(int count) {
    return QString(count, QLatin1Char('-'));
}

// Fails the n-th node read (1-based), as a damaged database would.
class FailingNodeKernel : public MemoryKernel {
public:
    FailingNodeKernel(const DesignData& data, int failingRead)
        : MemoryKernel(data), failingRead_(failingRead) {}
    int32_t N_ReadNode(int32_t id, NodeRecord* record) override {
        return ++reads_ == failingRead_ ? 0 : MemoryKernel::N_ReadNode(id, record);
    }

private:
    int failingRead_;
    int reads_ = 0;
};

class NetReportTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        suite_ = std::make_unique<ScopedSuite>(SuiteLocation::InFolder(dir_.path()));
        builder_.Symbol("NAND", SymbolSchematic).Entry("A").Entry("B").Entry("Y");
        builder_.Symbol("DIP14", SymbolPackage).Entry("1").Entry("2").Entry("");
        builder_.Circuit("MAIN").Page("SHEET1").SchComp("U1", "NAND").SchComp("U2", "NAND");
        builder_.LayComp("U1", "DIP14").LayComp("U2", "DIP14");
    }

    // CLK: U1 connected on both sides, U2 unconnected on both sides.
    void AddClock() {
        builder_.Net("CLK", NetNamed)
            .Node(NodeData{"U1", 1, true, "U1", 1, true})
            .Node(NodeData{"U2", 2, false, "U2", 2, false});
    }

    QTemporaryDir dir_;
    std::unique_ptr<ScopedSuite> suite_;
    DesignBuilder builder_{"DEMO"};
    std::unique_ptr<MemoryKernel> kernel_;
    RecordingInterface ui_;
};

TEST_F(NetReportTest, NetLinesFollowTheModeAndTheShownFields) {
    AddClock();
    builder_.Net("VCC", NetPowerGround).Node("U1", 3, "U1", 3);
    // GND has no schematic side; U9 is no component at all; entry 7 of U1 does not exist.
    builder_.Net("GND", NetPowerGround).Node(NodeData{"", 0, false, "U2", 1, true});
    builder_.Net("LOST", 0).Node(NodeData{"U9", 1, true, "U9", 1, true});
    builder_.Net("ODD", NetNamed).Node(NodeData{"U1", 7, true, "", 0, false});
    kernel_ = builder_.Build();
    struct Query {
        std::set<int> hidden;
        const char* net;
        int mode;
    };
    const std::pair<Query, QString> cases[] = {
        // Both sides get titled sections after an empty line.
        {{{}, "CLK", NetModeBoth},
         "\r\nNET CLK (Named)\r\n\r\nSchematic  (Total: 2)  (UnC: 1)\r\n" + Dashes(31) +
             "\r\nU1,A,C; U2,B,UnC\r\n\r\nLayout  (Total: 2)  (UnC: 1)\r\n" + Dashes(28) +
             "\r\nU1,1,C; U2,2,UnC\r\n"},
        // One side runs the trimmed totals on from the head.
        {{{}, "CLK", NetModeSchematic},
         "\r\nNET CLK (Named)(Total: 2)  (UnC: 1)\r\n" + Dashes(35) + "\r\nU1,A,C; U2,B,UnC\r\n"},
        // Without the class the counts follow the net name; the underline spans the joined line.
        {{{44}, "CLK", NetModeLayout},
         "\r\nNET CLK(Total: 2)  (UnC: 1)\r\n" + Dashes(27) + "\r\nU1,1,C; U2,2,UnC\r\n"},
        // Totals hidden and every pin connected: only the underline of the head.
        {{{27}, "VCC", NetModeLayout}, "\r\nNET VCC (Pwr/Gnd)\r\n" + Dashes(17) + "\r\nU1,3,C\r\n"},
        // Hidden marks, numbers and entries leave the names and the unconnected counts.
        {{{28, 37, 57, 27}, "CLK", NetModeBoth},
         "\r\nNET CLK (Named)\r\n\r\nSchematic  (UnC: 1)\r\n" + Dashes(19) +
             "\r\nU1; U2\r\n\r\nLayout  (UnC: 1)\r\n" + Dashes(16) + "\r\nU1; U2\r\n"},
        {{{}, "GND", NetModeSchematic}, "\r\nNET GND (Pwr/Gnd)\r\n"},
        {{{}, "GND", NetModeBoth},
         "\r\nNET GND (Pwr/Gnd)\r\n\r\nLayout  (Total: 1)\r\n" + Dashes(18) + "\r\nU2,1,C\r\n"},
        {{{}, "LOST", NetModeBoth}, "\r\nNET LOST (UnNamed)\r\n"},
        {{{}, "ODD", NetModeSchematic}, "\r\nNET ODD (Named)(Total: 1)\r\n" + Dashes(25) + "\r\nU1,C\r\n"},
        {{{}, "NOSUCH", NetModeBoth}, ""},
    };
    for (const auto& [query, lines] : cases) {
        SCOPED_TRACE(testing::Message()
                     << query.net << " mode " << query.mode << ", hiding " << query.hidden.size());
        const FieldTable fields = TableHiding(query.hidden);
        EXPECT_EQ(NetLines(ReportContext{*kernel_, fields, ui_}, QLatin1String(query.net), query.mode),
                  lines);
    }
    EXPECT_TRUE(ui_.messages.empty());
}

TEST_F(NetReportTest, UnreadableNodeStopsThatNetButKeepsWhatWasCollected) {
    builder_.Net("CLK", NetNamed)
        .Node(NodeData{"U1", 1, true, "", 0, false})
        .Node(NodeData{"U2", 2, true, "", 0, false})
        .Node(NodeData{"U2", 3, true, "", 0, false});
    FailingNodeKernel kernel(builder_.Data(), 2);
    const FieldTable fields = TableHiding({});
    const ReportContext context{kernel, fields, ui_};
    EXPECT_EQ(NetsSection(context, NetModeSchematic),
              QStringLiteral("\r\n**NETS**\r\n\r\n\r\nNET CLK (Named)(Total: 1)\r\n") + Dashes(25) +
                  QStringLiteral("\r\nU1,A,C\r\n\r\n"));
    ASSERT_EQ(ui_.messages.size(), 1u);
    EXPECT_TRUE(ui_.messages[0].prompt.startsWith(QStringLiteral("Can't read Net/Node: CLK/")))
        << ui_.messages[0].prompt.toStdString();
}

TEST_F(NetReportTest, SectionListsEveryNetByItsOwnNodesOrSaysNone) {
    // Two nets of one name: each prints its own pins.
    builder_.Net("N", NetNamed).Node(NodeData{"U1", 1, true, "", 0, false});
    builder_.Net("N", NetNamed).Node(NodeData{"U2", 2, false, "", 0, false});
    builder_.Circuit("EMPTY").Page("P1");
    kernel_ = builder_.Build();
    const FieldTable fields = TableHiding({44});
    const ReportContext context{*kernel_, fields, ui_};
    EXPECT_EQ(NetsSection(context, NetModeSchematic),
              QStringLiteral("\r\n**NETS**\r\n") + QStringLiteral("\r\n\r\nNET N(Total: 1)\r\n") +
                  Dashes(15) + QStringLiteral("\r\nU1,A,C\r\n\r\n") +
                  QStringLiteral("\r\n\r\nNET N(Total: 1)  (UnC: 1)\r\n") + Dashes(25) +
                  QStringLiteral("\r\nU2,B,UnC\r\n\r\n"));
    ASSERT_GT(
        kernel_->DB_SetCurHier(FindByName(*kernel_, kernel_->DB_HierarchyMap(), QStringLiteral("EMPTY"))), 0);
    EXPECT_EQ(NetsSection(context, NetModeBoth), QStringLiteral("\r\n!!NETS: None!!\r\n"));
}

TEST_F(NetReportTest, ReportSwitchesToTheCircuitAndRestoresCircuitAndPage) {
    builder_.Net("CLK", NetNamed).Node(NodeData{"U1", 1, true, "U1", 1, true});
    builder_.Circuit("SECOND").Page("P1").Page("P2");
    kernel_ = builder_.Build();
    const int32_t second = FindByName(*kernel_, kernel_->DB_HierarchyMap(), QStringLiteral("SECOND"));
    ASSERT_GT(kernel_->DB_SetCurHier(second), 0);
    const int32_t page2 = FindByName(*kernel_, kernel_->DB_PageMap(), QStringLiteral("P2"));
    ASSERT_GT(kernel_->DB_SetCurPage(page2), 0);

    const FieldTable layoutOnly = TableHiding({40});
    EXPECT_EQ(NetReport(ReportContext{*kernel_, layoutOnly, ui_}, QStringLiteral("MAIN")),
              QStringLiteral("Circuit: MAIN\r\n\r\n\r\n**NETS**\r\n\r\n\r\nNET CLK (Named)(Total: 1)\r\n") +
                  Dashes(25) + QStringLiteral("\r\nU1,1,C\r\n\r\n"));
    EXPECT_EQ(kernel_->DB_CurHier(), second);
    EXPECT_EQ(kernel_->DB_CurPage(), page2);

    const FieldTable neither = TableHiding({40, 21, 5});
    EXPECT_TRUE(NetReport(ReportContext{*kernel_, neither, ui_}, QStringLiteral("MAIN")).isEmpty());
    // An unknown circuit has no nets to list.
    EXPECT_EQ(NetReport(ReportContext{*kernel_, layoutOnly, ui_}, QStringLiteral("NONE")),
              QStringLiteral("Circuit: NONE\r\n\r\n\r\n!!NETS: None!!\r\n"));
    EXPECT_EQ(kernel_->DB_CurHier(), second);
    EXPECT_EQ(kernel_->DB_CurPage(), page2);
}

// Answers as a kernel that lists no components in its maps and reads no symbols whole, so the
// section can only ask for each pin as it comes.
class UncachableKernel : public MemoryKernel {
public:
    explicit UncachableKernel(const DesignData& data) : MemoryKernel(data) {}
    int32_t DB_SchCompMap() override { return 0; }
    int32_t DB_LayCompMap() override { return 0; }
    int32_t S_ReadSymbol(int32_t, SymbolRecord*) override { return 0; }
};

TEST_F(NetReportTest, SectionReadsTheSameWithAndWithoutItsComponentCache) {
    // A name longer than a cache line holds, pins past the symbol's entries, an entry without a
    // name, a component the circuit does not have, and a component without a symbol.
    builder_.SchComp("A_VERY_LONG_COMPONENT_NAME_01", "NAND").SchComp("BARE");
    builder_.LayComp("A_VERY_LONG_COMPONENT_NAME_01", "DIP14").LayComp("BARE");
    builder_.Net("LONG", NetNamed)
        .Node(NodeData{"A_VERY_LONG_COMPONENT_NAME_01", 3, true, "A_VERY_LONG_COMPONENT_NAME_01", 3, false})
        .Node(NodeData{"U1", 4, true, "U1", 0, true})
        .Node(NodeData{"U9", 1, true, "U2", -1, true})
        .Node(NodeData{"BARE", 1, false, "BARE", 2, true});
    AddClock();
    const DesignData data = builder_.Data();
    MemoryKernel cached(data);
    UncachableKernel uncached(data);
    for (const std::set<int>& hidden : {std::set<int>{}, std::set<int>{28, 37}, std::set<int>{57, 27, 44}}) {
        const FieldTable fields = TableHiding(hidden);
        for (const int mode : {NetModeSchematic, NetModeLayout, NetModeBoth}) {
            EXPECT_EQ(NetsSection(ReportContext{cached, fields, ui_}, mode),
                      NetsSection(ReportContext{uncached, fields, ui_}, mode))
                << "mode " << mode << ", " << hidden.size() << " hidden";
        }
    }
    const FieldTable all = TableHiding({});
    EXPECT_EQ(NetsSection(ReportContext{cached, all, ui_}, NetModeLayout),
              QStringLiteral("\r\n**NETS**\r\n\r\n\r\nNET LONG (Named)(Total: 4)  (UnC: 1)\r\n") +
                  Dashes(36) +
                  QStringLiteral("\r\nA_VERY_LONG_COMPONENT_NAME_01,3,UnC; U1,0,C; U2,-1,C; BARE,2,C\r\n\r\n"
                                 "\r\n\r\nNET CLK (Named)(Total: 2)  (UnC: 1)\r\n") +
                  Dashes(35) + QStringLiteral("\r\nU1,1,C; U2,2,UnC\r\n\r\n"));
    EXPECT_EQ(NetsSection(ReportContext{cached, all, ui_}, NetModeSchematic),
              QStringLiteral("\r\n**NETS**\r\n\r\n\r\nNET LONG (Named)(Total: 3)  (UnC: 1)\r\n") +
                  Dashes(36) +
                  QStringLiteral("\r\nA_VERY_LONG_COMPONENT_NAME_01,Y,C; U1,C; BARE,UnC\r\n\r\n"
                                 "\r\n\r\nNET CLK (Named)(Total: 2)  (UnC: 1)\r\n") +
                  Dashes(35) + QStringLiteral("\r\nU1,A,C; U2,B,UnC\r\n\r\n"));
    EXPECT_TRUE(ui_.messages.empty());
}

TEST_F(NetReportTest, LayoutPinNumberFallsBackToTheIndex) {
    kernel_ = builder_.Build();
    const int32_t u1 = FindByName(*kernel_, kernel_->DB_LayCompMap(), QStringLiteral("U1"));
    ASSERT_GT(u1, 0);
    EXPECT_EQ(LayoutPinNumber(*kernel_, u1, 2), QStringLiteral("2"));
    EXPECT_EQ(LayoutPinNumber(*kernel_, u1, 3), QStringLiteral("3")); // the entry has no name
    EXPECT_EQ(LayoutPinNumber(*kernel_, u1, 40), QStringLiteral("40"));
}

TEST(NetFormatHeaderTest, LegendOnlyWithFormatOnForDesignNodes) {
    const QString legend = QStringLiteral(
        "\r\n--------------------------------------------------------------------------------\r\n"
        "FORMAT FOR NETS:\r\n\r\n"
        "Net Name\r\n\r\n"
        "Schematic\r\n---------\r\n"
        "FORMAT:     Schematic Component name, Entry, Connected (C) / UnConnected (UnC);\r\n"
        "EXAMPLE:    Unpck2,MINUS,C; Unpck3,1,UnC\r\n\r\n\r\n"
        "Layout\r\n------\r\n"
        "FORMAT:     Layout Component name, Pin number, Connected (C) / UnConnected (UnC);\r\n"
        "EXAMPLE:    U5,7,C; U4,7,C; U3,7,C; U2,7,UnC; U1,7,C\r\n\r\n"
        "--------------------------------------------------------------------------------\r\n\r\n");
    for (const char* kind : {"P", "C", "D", "B", "N"}) {
        EXPECT_EQ(NetFormatHeader(true, QLatin1String(kind)), legend) << kind;
    }
    EXPECT_TRUE(NetFormatHeader(false, QStringLiteral("C")).isEmpty());
    EXPECT_TRUE(NetFormatHeader(true, QStringLiteral("G")).isEmpty());
    EXPECT_TRUE(NetFormatHeader(true, QString()).isEmpty());
}

} // namespace
} // namespace vxw
