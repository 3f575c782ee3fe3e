// The design lists of small designs made to reach the corners of the reports: names longer
// than a cell, with blanks or 8-bit letters, repeated names, empty pages and nets, one-sided
// nets, odd frames and vias, nested and recursive hierarchies. Each design's golden file holds
// every list of the chosen node kinds in explorer order, each behind a line naming its command.
//
// LG_UPDATE_GOLDEN=1 rewrites the files from the current output; a rewritten file must be read
// line by line against the list's rules before it is committed.

#include "tests/cli/GoldenSuite.h"

#include <gtest/gtest.h>

namespace {

TEST(EdgeDesignGolden, EveryListOfTheChosenKinds) {
    const struct {
        const char* stem;  // tests/cli/designs/<stem>.vxd, tests/cli/golden/edge/<stem>.txt
        const char* kinds; // explorer kind letters whose lists are taken
    } designs[] = {
        {"reports-edge", "PCDGBNH"},   // odd components, pages and labels
        {"layout-edge", "BN"},         // layouts and nets of odd boards
        {"hierarchy-edge", "H"},       // hierarchies nested, recursive and orphaned
        {"repeated-names", "PCDGBNH"}, // repeated and blank names
        {"latin1-case", "PCDGBNH"},    // 8-bit letters in headings and names
        {"simulation-edge", "P"},      // the simulation summary of odd symbols
    };
    for (const auto& design : designs) {
        SCOPED_TRACE(design.stem);
        const vxw::test::GoldenSuite suite;
        ASSERT_TRUE(suite.made);
        const QString file = QStringLiteral(LG_SOURCE_DIR "/tests/cli/designs/%1.vxd").arg(design.stem);
        const vxw::ToolRun tree = suite.Run(file, {"tree"});
        EXPECT_EQ(tree.status, 0) << tree.err;
        // The first circuit and page node also list everything with "Select All".
        vxw::test::ExpectGolden(
            QStringLiteral(LG_SOURCE_DIR "/tests/cli/golden/edge/%1.txt").arg(design.stem),
            suite.ListNodes(file, tree.out, design.kinds, "CG"), design.stem);
    }
}

} // namespace
