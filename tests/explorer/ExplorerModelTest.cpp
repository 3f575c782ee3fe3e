#include "ExplorerFixture.h"

#include "kernel/DesignBuilder.h"

#include <QStringList>

namespace vxw::test {
namespace {

QString Lines(const QStringList& lines) {
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

const QStringList kFixedLines{
    "1\tVX1\tM\tSystem",     "2\tVX2\tL\tLibrary",      "3\tPART\tT\tParts",
    "4\tSYMBOL\tS\tSymbols", "5\tPACKAGE\tK\tPackages", "6\tPAD\tV\tPadstacks",
};

TEST_F(ExplorerTest, DemoDesignGivesEveryCircuitItsNodesInAdditionOrder) {
    Load(LoadSampleKernel("demo.vxd"));
    QStringList expected = kFixedLines;
    expected << "7\tVX3\tP\tProject[ Demo Timer Board ]"
             << "8\tVX4_1\tC\tCircuit[ MAIN ]"
             << "9\tVX5_1\tD\tDiagram"
             << "10\tVX7_1\tB\tPCB Layout"
             << "11\tVX7_1NET\tN\tNet List"
             << "12\tVX7_1HIERARCHY\tH\tHierarchy"
             << "13\tVX6_1_1\tG\tPage[ POWER ]"
             << "14\tVX6_1_2\tG\tPage[ LOGIC ]"
             << "15\tVX6_1_3\tG\tPage[ ANALOG ]"
             << "16\tVX6_1_4\tG\tPage[ NOTES ]"
             << "17\tVX4_2\tC\tCircuit[ AUX ]"
             << "18\tVX5_2\tD\tDiagram"
             << "19\tVX7_2\tB\tPCB Layout"
             << "20\tVX7_2NET\tN\tNet List"
             << "21\tVX7_2HIERARCHY\tH\tHierarchy"
             << "22\tVX6_2_1\tG\tPage[ AUX_P1 ]"
             << "23\tVX4_3\tC\tCircuit[ SUB1 ]"
             << "24\tVX5_3\tD\tDiagram"
             << "25\tVX7_3\tB\tPCB Layout"
             << "26\tVX7_3NET\tN\tNet List"
             << "27\tVX7_3HIERARCHY\tH\tHierarchy"
             << "28\tVX6_3_1\tG\tPage[ SUB1_P1 ]"
             << "29\tVX4_4\tC\tCircuit[ SUB2 ]"
             << "30\tVX5_4\tD\tDiagram"
             << "31\tVX7_4\tB\tPCB Layout"
             << "32\tVX7_4NET\tN\tNet List"
             << "33\tVX7_4HIERARCHY\tH\tHierarchy"
             << "34\tVX6_4_1\tG\tPage[ SUB2_P1 ]";
    EXPECT_EQ(model_.Dump(), Lines(expected));
    EXPECT_EQ(levels_.ProjectName, QStringLiteral("Demo Timer Board"));

    // Parents and images: pages hang under their diagram, the rest of a circuit under it.
    const std::pair<int, int> parents[] = {{1, 0}, {2, 1},  {6, 2},  {7, 1},
                                           {8, 7}, {12, 8}, {16, 9}, {22, 18}};
    for (const auto& [node, parent] : parents) {
        EXPECT_EQ(model_.Node(node)->Parent, parent) << node;
    }
    const int images[] = {22, 6, 7, 8, 9, 10, 1, 4, 3, 5, 19, 20, 2};
    for (int i = 0; i < 13; ++i) {
        EXPECT_EQ(model_.Node(i + 1)->Image, images[i]) << i + 1;
    }
}

TEST_F(ExplorerTest, EmptyDesignShowsOnlyTheFixedNodes) {
    Load(LoadSampleKernel("empty.vxd"));
    QStringList expected = kFixedLines;
    expected << "7\tVX3\tP\tProject[ Empty Project ]";
    EXPECT_EQ(model_.Dump(), Lines(expected));
    EXPECT_TRUE(levels_.Circuits.empty());
    EXPECT_EQ(model_.Table().RowCount(), 7);
}

TEST_F(ExplorerTest, NodeKindAnswersTheFirstExactMatchOrNothing) {
    Load(LoadSampleKernel("demo.vxd"));
    EXPECT_EQ(model_.NodeKind(QStringLiteral("VX4_2")), QStringLiteral("C"));
    EXPECT_EQ(model_.NodeKind(QStringLiteral("VX7_2NET")), QStringLiteral("N"));
    EXPECT_EQ(model_.NodeKind(QStringLiteral("PAD")), QStringLiteral("V"));
    for (const char* miss : {"", "vx4_1", "VX4_5", "VX4_1 ", "VX6_1_5", "PADSTACK"}) {
        EXPECT_EQ(model_.NodeKind(QLatin1String(miss)), QString()) << miss;
        EXPECT_EQ(model_.IndexOf(QLatin1String(miss)), 0) << miss;
    }

    NodeTable table;
    table.Add(QStringLiteral("K"), QStringLiteral("C"));
    table.Add(QStringLiteral("K"), QStringLiteral("G"));
    EXPECT_EQ(table.NodeKind(QStringLiteral("K")), QStringLiteral("C"));
    table.Clear();
    EXPECT_EQ(table.NodeKind(QStringLiteral("K")), QString());
}

TEST_F(ExplorerTest, HostileNamesStayOnOneDumpLineAndProjectNameLosesOnlyBlanks) {
    auto kernel =
        DesignBuilder("  Tab\tProject  ").Circuit("A,\"B\"\r\nC").Page("").Circuit("A,\"B\"\r\nC").Build();
    Load(std::move(kernel));
    EXPECT_EQ(levels_.ProjectName, QStringLiteral("Tab\tProject"));
    const QStringList lines = model_.Dump().split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), model_.NodeCount());
    EXPECT_EQ(lines[6], QStringLiteral("7\tVX3\tP\tProject[ Tab Project ]"));
    EXPECT_EQ(lines[7], QStringLiteral("8\tVX4_1\tC\tCircuit[ A,\"B\"  C ]"));
    EXPECT_EQ(lines[12], QStringLiteral("13\tVX6_1_1\tG\tPage[  ]"));
    // Same name twice still gives two circuits with their own keys.
    EXPECT_EQ(model_.NodeKind(QStringLiteral("VX4_2")), QStringLiteral("C"));
}

TEST(TreeSelection, StoredIndexIsRestoredWithinItsBounds) {
    struct Case {
        const char* stored;
        int nodeCount;
        int selected;
        int clicked;
    };
    const Case cases[] = {
        {"", 34, 1, 1},    {"   ", 34, 1, 1},  {"1", 34, 1, 1},      {" 13 ", 34, 13, 13}, {"20", 34, 7, 7},
        {"14", 34, 7, 7},  {"0", 34, 0, 1},    {"-3", 34, 0, 1},     {"abc", 34, 0, 1},    {"5x", 34, 5, 5},
        {"12", 7, 7, 7},   {"13.4", 34, 7, 7}, {"12.5", 34, 12, 12}, {"0.9", 34, 0, 1},    {"1e9", 34, 7, 7},
        {"\t3", 34, 0, 1}, {"", 0, 0, 0},
    };
    for (const Case& c : cases) {
        const TreeSelection selection = RestoreTreeSelection(QLatin1String(c.stored), c.nodeCount);
        EXPECT_EQ(selection.Selected, c.selected) << '"' << c.stored << "\" of " << c.nodeCount;
        EXPECT_EQ(selection.Clicked, c.clicked) << '"' << c.stored << "\" of " << c.nodeCount;
    }
}

} // namespace
} // namespace vxw::test
