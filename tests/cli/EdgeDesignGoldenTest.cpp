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

#include <cstring>
#include <sstream>
#include <utility>
#include <vector>

namespace {

using vxw::test::MakeSuite;
using vxw::test::ReadGolden;
using vxw::test::WriteGolden;

struct EdgeDesign {
    const char* stem;  // tests/cli/designs/<stem>.vxd, tests/cli/golden/edge/<stem>.txt
    const char* kinds; // explorer kind letters whose lists are taken
};

struct TreeNode {
    std::string key;
    char kind = 0;
};

std::vector<TreeNode> ReadTree(const std::string& out) {
    std::vector<TreeNode> nodes;
    std::istringstream lines(out);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string index, key, kind;
        if (std::getline(fields, index, '\t') && std::getline(fields, key, '\t') &&
            std::getline(fields, kind, '\t') && kind.size() == 1) {
            nodes.push_back({key, kind[0]});
        }
    }
    return nodes;
}

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
    bool circuitAll = false;
    bool pageAll = false;
    for (const TreeNode& node : ReadTree(tree.out)) {
        if (!std::strchr(design.kinds, node.kind)) {
            continue;
        }
        std::vector<QStringList> runs{{QString::fromStdString(node.key)}};
        if ((node.kind == 'C' && !std::exchange(circuitAll, true)) ||
            (node.kind == 'G' && !std::exchange(pageAll, true))) {
            runs.push_back({QString::fromStdString(node.key), "--select-all"});
        }
        for (const QStringList& arguments : runs) {
            const vxw::ToolRun run = vxw::RunTool("listgen", common + QStringList{"list"} + arguments, env);
            EXPECT_EQ(run.status, 0) << design.stem << " " << arguments.join(' ').toStdString() << "\n"
                                     << run.err;
            text += "==== list " + arguments.join(' ').toStdString() + "\n" + run.out + "\n";
        }
    }

    const QString path = QStringLiteral(LG_SOURCE_DIR "/tests/cli/golden/edge/%1.txt").arg(design.stem);
    if (qEnvironmentVariableIsSet("LG_UPDATE_GOLDEN")) {
        ASSERT_TRUE(WriteGolden(path, QByteArray::fromStdString(text)));
    }
    const QByteArray golden = ReadGolden(path);
    ASSERT_FALSE(golden.isEmpty()) << "missing golden file " << path.toStdString();
    EXPECT_EQ(text, golden.toStdString()) << design.stem;
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
