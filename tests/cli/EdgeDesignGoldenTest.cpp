// The design lists of small designs made to reach the corners of the reports: names longer
// than a cell, with blanks or 8-bit letters, repeated names, empty pages and nets, one-sided
// nets, odd frames and vias, nested and recursive hierarchies. Each design's golden file holds
// every list of the chosen node kinds in explorer order, each behind a line naming its command.
//
// LG_UPDATE_GOLDEN=1 rewrites the files from the current output; a rewritten file must be read
// line by line against the list's rules before it is committed.

#include "tests/cli/GoldenSuite.h"

#include <QTemporaryDir>

#include "tests/ToolRun.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using vxw::test::ExpectGolden;
using vxw::test::MakeSuite;
using vxw::test::NodeLists;

struct EdgeDesign {
    const char* stem;  // tests/cli/designs/<stem>.vxd, tests/cli/golden/edge/<stem>.txt
    const char* kinds; // explorer kind letters whose lists are taken
};

void CheckDesign(const EdgeDesign& design) {
    QTemporaryDir home;
    const QString suite = home.filePath("suite");
    ASSERT_TRUE(MakeSuite(suite, {}));
    const QProcessEnvironment env = vxw::test::GoldenEnvironment(home.path());
    const QString file = QStringLiteral(LG_SOURCE_DIR "/tests/cli/designs/%1.vxd").arg(design.stem);
    const QStringList common{"--suite-dir", suite, "--design", file};

    const vxw::ToolRun tree = vxw::RunTool("listgen", common + QStringList{"tree"}, env);
    ASSERT_EQ(tree.status, 0) << design.stem << "\n" << tree.err;
    std::string text;
    // The first circuit and page node also list everything with "Select All".
    for (const QStringList& arguments : NodeLists(tree.out, design.kinds, "CG")) {
        const vxw::ToolRun run = vxw::RunTool("listgen", common + QStringList{"list"} + arguments, env);
        EXPECT_EQ(run.status, 0) << design.stem << " " << arguments.join(' ').toStdString() << "\n"
                                 << run.err;
        text += "==== list " + arguments.join(' ').toStdString() + "\n" + run.out + "\n";
    }

    ExpectGolden(QStringLiteral(LG_SOURCE_DIR "/tests/cli/golden/edge/%1.txt").arg(design.stem), text,
                 design.stem);
}

TEST(EdgeDesignGolden, ReportsOfOddComponentsPagesAndLabels) {
    CheckDesign({"reports-edge", "PCDGBNH"});
}

TEST(EdgeDesignGolden, LayoutsAndNetsOfOddBoards) {
    CheckDesign({"layout-edge", "BN"});
}

TEST(EdgeDesignGolden, HierarchiesNestedRecursiveAndOrphaned) {
    CheckDesign({"hierarchy-edge", "H"});
}

TEST(EdgeDesignGolden, RepeatedAndBlankNames) {
    CheckDesign({"repeated-names", "PCDGBNH"});
}

TEST(EdgeDesignGolden, EightBitLettersInHeadingsAndNames) {
    CheckDesign({"latin1-case", "PCDGBNH"});
}

TEST(EdgeDesignGolden, SimulationSummaryOfOddSymbols) {
    CheckDesign({"simulation-edge", "P"});
}

} // namespace
