// Every design list and library report of the demo, made by the listgen executable, compared
// whole against its golden file: each blank, tab, colon and CR LF counts. Fields are hidden the
// way a user hides them, through the "PROPERTY" value of the suite settings. The library folder,
// which depends on where the build lives, stands as "<LIB>/" in the library files.
//
// LG_UPDATE_GOLDEN=1 rewrites the files from the current output; a rewritten file must be read
// line by line against the list's or report's rules before it is committed.

#include "tests/cli/GoldenSuite.h"

#include <gtest/gtest.h>

#include <set>

namespace {

struct GoldenCase {
    const char* golden;    // file under tests/cli/golden
    QStringList arguments; // the command and its arguments
    std::set<int16_t> hidden;
};

void CheckGoldens(std::initializer_list<GoldenCase> cases) {
    for (const GoldenCase& c : cases) {
        const std::string name = c.golden + std::string(" <- ") + c.arguments.join(' ').toStdString();
        const vxw::test::GoldenSuite suite(c.hidden);
        ASSERT_TRUE(suite.made);
        const vxw::ToolRun run = suite.Run(LG_SOURCE_DIR "/samples/demo.vxd", c.arguments);
        EXPECT_EQ(run.status, 0) << name << "\n" << run.err;
        QByteArray out = QByteArray::fromStdString(run.out);
        out.replace(QByteArray(LG_BINARY_DIR "/suite/LIB/"), QByteArray("<LIB>/"));
        vxw::test::ExpectGolden(QStringLiteral(LG_SOURCE_DIR "/tests/cli/golden/") + c.golden,
                                out.toStdString(), name);
    }
}

TEST(ListGolden, ProjectCircuitsAndDiagrams) {
    CheckGoldens({
        {"lists/project.txt", {"list", "VX3"}, {}},
        {"lists/project-format.txt", {"list", "VX3", "--format"}, {}},
        {"lists/circuit-1.txt", {"list", "VX4_1"}, {}},
        {"lists/circuit-1-format.txt", {"list", "VX4_1", "--format"}, {}},
        {"lists/circuit-2.txt", {"list", "VX4_2"}, {}},
        {"lists/circuit-3.txt", {"list", "VX4_3"}, {}},
        {"lists/circuit-4.txt", {"list", "VX4_4"}, {}},
        // "Select All" makes any circuit node list every circuit.
        {"lists/circuits-all.txt", {"list", "VX4_1", "--select-all"}, {}},
        {"lists/circuits-all.txt", {"list", "VX4_3", "--select-all"}, {}},
        {"lists/diagram-1.txt", {"list", "VX5_1"}, {}},
        {"lists/diagram-1-format.txt", {"list", "VX5_1", "--format"}, {}},
        {"lists/diagram-2.txt", {"list", "VX5_2"}, {}},
        {"lists/diagram-3.txt", {"list", "VX5_3"}, {}},
        {"lists/diagram-4.txt", {"list", "VX5_4"}, {}},
    });
}

TEST(ListGolden, PagesOneByOneAndAll) {
    CheckGoldens({
        {"lists/page-1-1.txt", {"list", "VX6_1_1"}, {}},
        // The nets legend is never put on a page list.
        {"lists/page-1-1.txt", {"list", "VX6_1_1", "--format"}, {}},
        {"lists/page-1-2.txt", {"list", "VX6_1_2"}, {}},
        {"lists/page-1-3.txt", {"list", "VX6_1_3"}, {}},
        {"lists/page-1-4.txt", {"list", "VX6_1_4"}, {}},
        {"lists/page-2-1.txt", {"list", "VX6_2_1"}, {}},
        {"lists/page-3-1.txt", {"list", "VX6_3_1"}, {}},
        {"lists/page-4-1.txt", {"list", "VX6_4_1"}, {}},
        {"lists/pages-all-1.txt", {"list", "VX6_1_3", "--select-all"}, {}},
        {"lists/pages-all-2.txt", {"list", "VX6_2_1", "--select-all"}, {}},
        {"lists/pages-all-3.txt", {"list", "VX6_3_1", "--select-all"}, {}},
        {"lists/pages-all-4.txt", {"list", "VX6_4_1", "--select-all"}, {}},
    });
}

TEST(ListGolden, HiddenFields) {
    CheckGoldens({
        // The unpacked count closes the totals: without it they run on into the table.
        {"lists/page-1-2-hide48.txt", {"list", "VX6_1_2"}, {48}},
        {"lists/page-1-2-hide31-48.txt", {"list", "VX6_1_2"}, {31, 48}},
        {"lists/pages-all-1-hide31-48.txt", {"list", "VX6_1_1", "--select-all"}, {31, 48}},
        {"lists/circuit-1-hide35.txt", {"list", "VX4_1"}, {35}},
        {"lists/circuit-1-hide65.txt", {"list", "VX4_1"}, {65}},
        {"lists/project-hide25-11-4.txt", {"list", "VX3"}, {25, 11, 4}},
        {"lists/circuits-all-hide5-34-7.txt", {"list", "VX4_2", "--select-all"}, {5, 34, 7}},
        {"lists/diagram-1-hide40.txt", {"list", "VX5_1"}, {40}},
    });
}

TEST(ListGolden, LayoutLists) {
    CheckGoldens({
        {"lists/layout-1.txt", {"list", "VX7_1"}, {}},
        {"lists/layout-2.txt", {"list", "VX7_2"}, {}},
        {"lists/layout-3.txt", {"list", "VX7_3"}, {}},
        {"lists/layout-4.txt", {"list", "VX7_4"}, {}},
        // The current unit's length comes first in each size line.
        {"lists/layout-1-mm.txt", {"list", "VX7_1", "--unit", "mm"}, {}},
        {"lists/layout-1-format.txt", {"list", "VX7_1", "--format"}, {}},
        {"lists/layout-1-hide35.txt", {"list", "VX7_1"}, {35}},
        {"lists/layout-1-hide2-53-3-9.txt", {"list", "VX7_1"}, {2, 53, 3, 9}},
        // The layout list's nets are always the layout side alone (mode 2).
        {"lists/layout-1-hide28-37-27.txt", {"list", "VX7_1"}, {28, 37, 27}},
    });
}

TEST(ListGolden, NetLists) {
    CheckGoldens({
        {"lists/nets-1.txt", {"list", "VX7_1NET"}, {}},
        {"lists/nets-2.txt", {"list", "VX7_2NET"}, {}},
        {"lists/nets-3.txt", {"list", "VX7_3NET"}, {}},
        {"lists/nets-4.txt", {"list", "VX7_4NET"}, {}},
        {"lists/nets-1-format.txt", {"list", "VX7_1NET", "--format"}, {}},
        // Fields 40 and 21 choose the mode: both (3), schematic (1), layout (2), none.
        {"lists/nets-1-mode1.txt", {"list", "VX7_1NET"}, {21}},
        {"lists/nets-1-mode2.txt", {"list", "VX7_1NET"}, {40}},
        {"lists/nets-1-none.txt", {"list", "VX7_1NET"}, {40, 21}},
        {"lists/nets-1-hide28.txt", {"list", "VX7_1NET"}, {28}},
        {"lists/nets-1-hide37.txt", {"list", "VX7_1NET"}, {37}},
        {"lists/nets-1-hide57.txt", {"list", "VX7_1NET"}, {57}},
        {"lists/nets-1-hide27.txt", {"list", "VX7_1NET"}, {27}},
        {"lists/nets-1-mode1-hide27.txt", {"list", "VX7_1NET"}, {21, 27}},
        {"lists/nets-1-mode2-hide27.txt", {"list", "VX7_1NET"}, {40, 27}},
        {"lists/nets-1-hide44.txt", {"list", "VX7_1NET"}, {44}},
        {"lists/nets-2-mode2-hide28-37.txt", {"list", "VX7_2NET"}, {40, 28, 37}},
    });
}

TEST(ListGolden, HierarchyLists) {
    CheckGoldens({
        {"lists/hierarchy-1.txt", {"list", "VX7_1HIERARCHY"}, {}},
        {"lists/hierarchy-2.txt", {"list", "VX7_2HIERARCHY"}, {}},
        {"lists/hierarchy-3.txt", {"list", "VX7_3HIERARCHY"}, {}},
        {"lists/hierarchy-4.txt", {"list", "VX7_4HIERARCHY"}, {}},
        {"lists/hierarchy-1-format.txt", {"list", "VX7_1HIERARCHY", "--format"}, {}},
    });
}

TEST(LibraryGolden, PartReports) {
    CheckGoldens({
        {"library/part-ic.txt", {"library", "part", "ic.PART"}, {}},
        {"library/part-passive.txt", {"library", "part", "passive.PART"}, {}},
        {"library/part-extra.txt", {"library", "part", "extra.Part"}, {}},
        {"library/part-project.txt", {"library", "part", "--project"}, {}},
        {"library/part-ic-hide61.txt", {"library", "part", "ic.PART"}, {61}},
        {"library/part-ic-hide62.txt", {"library", "part", "ic.PART"}, {62}},
        {"library/part-ic-hide61-62.txt", {"library", "part", "ic.PART"}, {61, 62}},
    });
}

TEST(LibraryGolden, SymbolPackageAndPadstackReports) {
    CheckGoldens({
        {"library/symbol-logic.txt", {"library", "symbol", "logic.SYMBOL"}, {}},
        {"library/symbol-project.txt", {"library", "symbol", "--project"}, {}},
        {"library/symbol-logic-hide63.txt", {"library", "symbol", "logic.SYMBOL"}, {63}},
        {"library/package-smd.txt", {"library", "package", "smd.PACKAGE"}, {}},
        {"library/package-project-hide64.txt", {"library", "package", "--project"}, {64}},
        {"library/padstack-smd.txt", {"library", "padstack", "smd.PADSTACK"}, {}},
        {"library/padstack-tht.txt", {"library", "padstack", "tht.PADSTACK"}, {}},
        {"library/padstack-tht-mm.txt", {"library", "padstack", "tht.PADSTACK", "--unit", "mm"}, {}},
        {"library/padstack-project.txt", {"library", "padstack", "--project"}, {}},
    });
}

TEST(LibraryGolden, Searches) {
    CheckGoldens({
        {"library/search-part-all.txt", {"search", "part", "  74hc* ", "--scope", "all"}, {}},
        {"library/search-symbol-checked.txt",
         {"search", "symbol", "*", "--scope", "checked", "--checked", "logic.SYMBOL"},
         {}},
        {"library/search-symbol-unchecked.txt",
         {"search", "symbol", "*", "--scope", "unchecked", "--checked", "logic.SYMBOL"},
         {}},
    });
}

} // namespace
