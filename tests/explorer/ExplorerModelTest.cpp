#include "ExplorerFixture.h"

#include "libreports/StoredLibraryPaths.h"
#include "kernel/DesignBuilder.h"
#include "kernel/KernelText.h"
#include "shell/SuitePaths.h"

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

TEST_F(ExplorerTest, ReadingTheDesignLeavesTheCurrentHierarchyAndPagesAlone) {
    auto kernel = LoadSampleKernel("demo.vxd");
    const int32_t map = kernel->DB_HierarchyMap();
    const int32_t main = FindByName(*kernel, map, QStringLiteral("MAIN"));
    const int32_t aux = FindByName(*kernel, map, QStringLiteral("AUX"));
    ASSERT_GT(kernel->DB_SetCurHier(main), 0);
    const int32_t logic = FindByName(*kernel, kernel->DB_PageMap(), QStringLiteral("LOGIC"));
    ASSERT_GT(kernel->DB_SetCurPage(logic), 0);
    ASSERT_GT(kernel->DB_SetCurHier(aux), 0);

    Load(std::move(kernel));
    EXPECT_EQ(kernel_->DB_CurHier(), aux);
    kernel_->DB_SetCurHier(main);
    EXPECT_EQ(kernel_->DB_CurPage(), logic);
}

TEST_F(ExplorerTest, EveryLevelHoldsItsOwnCopyOfItsClassProfile) {
    Load(LoadSampleKernel("demo.vxd"));
    auto captionOf = [](const LevelRecord& level) {
        return level.Profiles.empty() ? QString() : level.Profiles.front().caption;
    };
    EXPECT_EQ(captionOf(levels_.ProjectLevel), QStringLiteral("S1"));
    EXPECT_TRUE(levels_.SystemLevel.Profiles.empty());
    for (int i = 0; i < kLibraryClassCount; ++i) {
        EXPECT_EQ(levels_.LibraryProfiles[static_cast<std::size_t>(i)].front().caption,
                  QStringLiteral("S%1").arg(ClassPart + i));
    }
    ASSERT_EQ(levels_.Circuits.size(), 4u);
    const CircuitEntry& main = levels_.Circuits[0];
    EXPECT_EQ(captionOf(main.Circuit), QStringLiteral("S2"));
    EXPECT_EQ(captionOf(main.Diagram), QStringLiteral("S3"));
    EXPECT_EQ(captionOf(main.Pages.at(3)), QStringLiteral("S4"));
    EXPECT_EQ(captionOf(main.Layout), QStringLiteral("S5"));
    EXPECT_EQ(captionOf(main.Nets), QStringLiteral("S6"));
    EXPECT_EQ(main.Nets.Kind, QStringLiteral("VX7_1"));
    EXPECT_EQ(main.Pages.at(3).Name, QStringLiteral("NOTES"));

    // Copies, not shared: switching a field on one page leaves its neighbour alone.
    levels_.Circuits[0].Pages[0].Profiles[0].fields[0].shown = 0;
    EXPECT_EQ(levels_.Circuits[0].Pages[1].Profiles[0].fields[0].shown, 1);
}

TEST_F(ExplorerTest, DistributeLevelsFillsTheFixedLevelsAndOneTemplateCircuit) {
    ExplorerLevels levels;
    DistributeLevels(levels, LoadLevelTemplates(Suite()), profile_);
    EXPECT_EQ(levels.SystemLevel.Caption, QStringLiteral("System"));
    EXPECT_EQ(levels.LibraryLevel.Kind, QStringLiteral("VX2"));
    EXPECT_EQ(levels.ProjectLevel.Kind, QStringLiteral("VX3"));
    ASSERT_EQ(levels.Circuits.size(), 1u);
    EXPECT_EQ(levels.Circuits[0].Layout.Caption, QStringLiteral("PCB Layout"));
    EXPECT_EQ(levels.Circuits[0].Pages.size(), 1u);

    // Codes that need a circuit before any circuit code are skipped, not crashed on.
    LevelTemplates odd = LoadLevelTemplates(Suite());
    std::swap(odd[3], odd[6]);
    ExplorerLevels levels2;
    DistributeLevels(levels2, odd, profile_);
    ASSERT_EQ(levels2.Circuits.size(), 1u);
    EXPECT_TRUE(levels2.Circuits[0].Layout.Kind.isEmpty());
}

TEST_F(ExplorerTest, FindCircuitAndFindPageAnswerFirstMatchOrMinusOne) {
    Load(LoadSampleKernel("demo.vxd"));
    EXPECT_EQ(FindCircuit(levels_, QStringLiteral("VX4_1")), 0);
    EXPECT_EQ(FindCircuit(levels_, QStringLiteral("VX4_4")), 3);
    EXPECT_EQ(FindCircuit(levels_, QStringLiteral("VX5_1")), -1);
    EXPECT_EQ(FindPage(levels_, 0, QStringLiteral("VX6_1_3")), 2);
    EXPECT_EQ(FindPage(levels_, 1, QStringLiteral("VX6_1_3")), -1);
    EXPECT_EQ(FindPage(levels_, 4, QStringLiteral("VX6_1_1")), -1);
    EXPECT_EQ(FindPage(levels_, -1, QStringLiteral("VX6_1_1")), -1);
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

TEST(StoredLibraryPaths, OnlyExistingStoredPathsReplaceTheCurrentOnes) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString existing = dir.path() + QLatin1Char('/');
    EXPECT_TRUE(IsValidPath(existing));
    EXPECT_FALSE(IsValidPath(QString()));
    EXPECT_FALSE(IsValidPath(QStringLiteral("   ")));
    EXPECT_FALSE(IsValidPath(existing + QStringLiteral("missing/")));
    EXPECT_FALSE(IsValidPath(existing + QChar(0) + QStringLiteral("x")));

    SuitePaths paths;
    paths.PartPath = paths.SymbolPath = paths.PackagePath = paths.PadstackPath = QStringLiteral("/lib/");
    ListSettings settings;
    settings.partPath = existing;
    settings.symbolPath = existing + QStringLiteral("missing/");
    settings.packagePath = QStringLiteral(" ");
    RestoreLibraryPaths(paths, settings);
    EXPECT_EQ(paths.PartPath, existing);
    EXPECT_EQ(paths.SymbolPath, QStringLiteral("/lib/"));
    EXPECT_EQ(paths.PackagePath, QStringLiteral("/lib/"));
    EXPECT_EQ(paths.PadstackPath, QStringLiteral("/lib/"));
}

} // namespace
} // namespace vxw::test
