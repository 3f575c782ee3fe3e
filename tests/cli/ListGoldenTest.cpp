// Every design list of the demo, made by the listgen executable, compared whole against its
// golden file: each blank, tab, colon and CR LF counts. Fields are hidden the way a user hides
// them, through the "PROPERTY" value of the suite settings.
//
// LG_UPDATE_GOLDEN=1 rewrites the files from the current output; a rewritten file must be read
// line by line against the list's rules before it is committed.

#include "tests/cli/GoldenSuite.h"

#include <QTemporaryDir>

#include "tests/ToolRun.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using vxw::test::ExpectGolden;
using vxw::test::MakeSuite;

struct ListCase {
    const char* golden; // file under tests/cli/golden/lists
    QStringList arguments;
    std::set<int16_t> hidden;
};

// A printable name for the test log.
std::string CaseName(const ListCase& c) {
    return c.golden + std::string(" <- list ") + c.arguments.join(' ').toStdString();
}

void CheckList(const ListCase& c) {
    QTemporaryDir home;
    const QString suite = home.filePath("suite");
    ASSERT_TRUE(MakeSuite(suite, c.hidden));
    const QProcessEnvironment env = vxw::test::GoldenEnvironment(home.path());
    const QStringList arguments =
        QStringList{"--suite-dir", suite, "--design", LG_SOURCE_DIR "/samples/demo.vxd", "list"} +
        c.arguments;
    const vxw::ToolRun run = vxw::RunTool("listgen", arguments, env);
    EXPECT_EQ(run.status, 0) << CaseName(c) << "\n" << run.err;

    ExpectGolden(QStringLiteral(LG_SOURCE_DIR "/tests/cli/golden/lists/") + c.golden, run.out, CaseName(c));
}

TEST(ListGolden, ProjectCircuitsAndDiagrams) {
    const ListCase cases[] = {
        {"project.txt", {"VX3"}, {}},
        {"project-format.txt", {"VX3", "--format"}, {}},
        {"circuit-1.txt", {"VX4_1"}, {}},
        {"circuit-1-format.txt", {"VX4_1", "--format"}, {}},
        {"circuit-2.txt", {"VX4_2"}, {}},
        {"circuit-3.txt", {"VX4_3"}, {}},
        {"circuit-4.txt", {"VX4_4"}, {}},
        // "Select All" makes any circuit node list every circuit.
        {"circuits-all.txt", {"VX4_1", "--select-all"}, {}},
        {"circuits-all.txt", {"VX4_3", "--select-all"}, {}},
        {"diagram-1.txt", {"VX5_1"}, {}},
        {"diagram-1-format.txt", {"VX5_1", "--format"}, {}},
        {"diagram-2.txt", {"VX5_2"}, {}},
        {"diagram-3.txt", {"VX5_3"}, {}},
        {"diagram-4.txt", {"VX5_4"}, {}},
    };
    for (const ListCase& c : cases) {
        CheckList(c);
    }
}

TEST(ListGolden, PagesOneByOneAndAll) {
    const ListCase cases[] = {
        {"page-1-1.txt", {"VX6_1_1"}, {}},
        // The nets legend is never put on a page list.
        {"page-1-1.txt", {"VX6_1_1", "--format"}, {}},
        {"page-1-2.txt", {"VX6_1_2"}, {}},
        {"page-1-3.txt", {"VX6_1_3"}, {}},
        {"page-1-4.txt", {"VX6_1_4"}, {}},
        {"page-2-1.txt", {"VX6_2_1"}, {}},
        {"page-3-1.txt", {"VX6_3_1"}, {}},
        {"page-4-1.txt", {"VX6_4_1"}, {}},
        {"pages-all-1.txt", {"VX6_1_3", "--select-all"}, {}},
        {"pages-all-2.txt", {"VX6_2_1", "--select-all"}, {}},
        {"pages-all-3.txt", {"VX6_3_1", "--select-all"}, {}},
        {"pages-all-4.txt", {"VX6_4_1", "--select-all"}, {}},
    };
    for (const ListCase& c : cases) {
        CheckList(c);
    }
}

TEST(ListGolden, HiddenFields) {
    const ListCase cases[] = {
        // The unpacked count closes the totals: without it they run on into the table.
        {"page-1-2-hide48.txt", {"VX6_1_2"}, {48}},
        {"page-1-2-hide31-48.txt", {"VX6_1_2"}, {31, 48}},
        {"pages-all-1-hide31-48.txt", {"VX6_1_1", "--select-all"}, {31, 48}},
        {"circuit-1-hide35.txt", {"VX4_1"}, {35}},
        {"circuit-1-hide65.txt", {"VX4_1"}, {65}},
        {"project-hide25-11-4.txt", {"VX3"}, {25, 11, 4}},
        {"circuits-all-hide5-34-7.txt", {"VX4_2", "--select-all"}, {5, 34, 7}},
        {"diagram-1-hide40.txt", {"VX5_1"}, {40}},
    };
    for (const ListCase& c : cases) {
        CheckList(c);
    }
}

TEST(ListGolden, LayoutLists) {
    const ListCase cases[] = {
        {"layout-1.txt", {"VX7_1"}, {}},
        {"layout-2.txt", {"VX7_2"}, {}},
        {"layout-3.txt", {"VX7_3"}, {}},
        {"layout-4.txt", {"VX7_4"}, {}},
        // The current unit's length comes first in each size line.
        {"layout-1-mm.txt", {"VX7_1", "--unit", "mm"}, {}},
        {"layout-1-format.txt", {"VX7_1", "--format"}, {}},
        {"layout-1-hide35.txt", {"VX7_1"}, {35}},
        {"layout-1-hide2-53-3-9.txt", {"VX7_1"}, {2, 53, 3, 9}},
        // The layout list's nets are always the layout side alone (mode 2).
        {"layout-1-hide28-37-27.txt", {"VX7_1"}, {28, 37, 27}},
    };
    for (const ListCase& c : cases) {
        CheckList(c);
    }
}

TEST(ListGolden, NetLists) {
    const ListCase cases[] = {
        {"nets-1.txt", {"VX7_1NET"}, {}},
        {"nets-2.txt", {"VX7_2NET"}, {}},
        {"nets-3.txt", {"VX7_3NET"}, {}},
        {"nets-4.txt", {"VX7_4NET"}, {}},
        {"nets-1-format.txt", {"VX7_1NET", "--format"}, {}},
        // Fields 40 and 21 choose the mode: both (3), schematic (1), layout (2), none.
        {"nets-1-mode1.txt", {"VX7_1NET"}, {21}},
        {"nets-1-mode2.txt", {"VX7_1NET"}, {40}},
        {"nets-1-none.txt", {"VX7_1NET"}, {40, 21}},
        {"nets-1-hide28.txt", {"VX7_1NET"}, {28}},
        {"nets-1-hide37.txt", {"VX7_1NET"}, {37}},
        {"nets-1-hide57.txt", {"VX7_1NET"}, {57}},
        {"nets-1-hide27.txt", {"VX7_1NET"}, {27}},
        {"nets-1-mode1-hide27.txt", {"VX7_1NET"}, {21, 27}},
        {"nets-1-mode2-hide27.txt", {"VX7_1NET"}, {40, 27}},
        {"nets-1-hide44.txt", {"VX7_1NET"}, {44}},
        {"nets-2-mode2-hide28-37.txt", {"VX7_2NET"}, {40, 28, 37}},
    };
    for (const ListCase& c : cases) {
        CheckList(c);
    }
}

TEST(ListGolden, HierarchyLists) {
    const ListCase cases[] = {
        {"hierarchy-1.txt", {"VX7_1HIERARCHY"}, {}},
        {"hierarchy-2.txt", {"VX7_2HIERARCHY"}, {}},
        {"hierarchy-3.txt", {"VX7_3HIERARCHY"}, {}},
        {"hierarchy-4.txt", {"VX7_4HIERARCHY"}, {}},
        {"hierarchy-1-format.txt", {"VX7_1HIERARCHY", "--format"}, {}},
    };
    for (const ListCase& c : cases) {
        CheckList(c);
    }
}

} // namespace
