// KiCad designs through the batch command. The two-sheet test project is listed whole (every
// node of the explorer, opened as a project, as a board alone and as a schematic alone) against
// golden files; KiCad's own demo projects, when Debian's kicad-demos package is installed, must
// each open and list every node, with the counts of their boards as KiCad counts them.
//
// LG_UPDATE_GOLDEN=1 rewrites the golden files; read a rewritten file line by line against the
// board before committing it.

#include "tests/cli/GoldenSuite.h"

#include <QDirIterator>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

using vxw::test::ReadTree;
using vxw::test::TreeNode;
using vxw::test::WriteGolden;

const QString TwoSheet = QStringLiteral(LG_SOURCE_DIR "/tests/cli/kicad/twosheet/twosheet");

class KicadDesigns : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(suite_.made); }
    vxw::test::GoldenSuite suite_;
};

TEST_F(KicadDesigns, TwoSheetProjectBoardAndSchematicListEveryNode) {
    // Opened as a project (with a repeated sheet), as a board alone and as a schematic alone.
    const struct {
        const char* extension;
        const char* kinds; // explorer kind letters whose lists are taken
        const char* golden;
    } cases[] = {
        {".kicad_pro", "PCDGBNH", "twosheet-project.txt"},
        {".kicad_pcb", "PBN", "twosheet-board.txt"},
        {".kicad_sch", "CNH", "twosheet-schematic.txt"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.golden);
        const QString design = TwoSheet + c.extension;
        const vxw::ToolRun info = suite_.Run(design, {"info"});
        EXPECT_EQ(info.status, 0) << info.err;
        // The first line names the file as given; the rest does not depend on where the tree lies.
        std::string text = "==== info\n" + info.out.substr(info.out.find('\n') + 1);
        const vxw::ToolRun tree = suite_.Run(design, {"tree"});
        EXPECT_EQ(tree.status, 0) << tree.err;
        // The first circuit node also lists every circuit with "Select All".
        text += "==== tree\n" + tree.out + suite_.ListNodes(design, tree.out, c.kinds, "C");
        vxw::test::ExpectGolden(QStringLiteral(LG_SOURCE_DIR "/tests/cli/golden/kicad/") + c.golden, text,
                                c.golden);
    }
}

TEST_F(KicadDesigns, DamagedFilesEndTheRunWithOneMessage) {
    QTemporaryDir folder;
    const QString cut = folder.filePath("cut.kicad_pcb");
    QFile source(TwoSheet + ".kicad_pcb");
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    ASSERT_TRUE(WriteGolden(cut, source.readAll().left(5000)));
    const vxw::ToolRun run = suite_.Run(cut, {"list", "VX7_1"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(
        run.err,
        "listgen: " + cut.toStdString() +
            ": kicad_pcb.footprint.pad (line 118, column 10): the file ends inside a quoted text (is it "
            "cut short?)\n");
}

// How many times `head` opens a list at the start of a line of the text, as KiCad writes its
// files: a count taken without the importer's reader.
int CountLists(const QString& text, const QString& pattern) {
    return static_cast<int>(text.count(QRegularExpression(pattern, QRegularExpression::MultilineOption)));
}

TEST_F(KicadDesigns, DemoProjectsOfKicadOpenAndListWithKicadsCounts) {
    const QString demos = QStringLiteral("/usr/share/kicad/demos");
    if (!QDir(demos).exists()) {
        GTEST_SKIP() << "kicad-demos is not installed (apt-get install kicad-demos)";
    }
    QStringList designs;
    for (QDirIterator it(demos, {"*.kicad_pro", "*.kicad_pcb"}, QDir::Files, QDirIterator::Subdirectories);
         it.hasNext();) {
        designs << it.next();
    }
    designs.sort();
    ASSERT_FALSE(designs.isEmpty());
    for (const QString& design : designs) {
        SCOPED_TRACE(design.toStdString());
        const vxw::ToolRun info = suite_.Run(design, {"info"});
        ASSERT_EQ(info.status, 0) << info.err;
        if (design.endsWith(QLatin1String(".kicad_pcb"))) {
            QFile file(design);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            const QString board = QString::fromUtf8(file.readAll());
            const int footprints = CountLists(board, R"(^  \((footprint|module) )");
            const int pads = CountLists(board, R"(^\s+\(pad \S+ (smd|thru_hole|np_thru_hole|connect) )");
            const int segments = CountLists(board, R"(^  \(segment )");
            const int arcs = CountLists(board, R"(^  \(arc )");
            const int vias = CountLists(board, R"(^  \(via )");
            const QString notes = QString::fromStdString(info.out);
            EXPECT_TRUE(notes.contains(QStringLiteral("Footprints: %1 (").arg(footprints))) << info.out;
            EXPECT_TRUE(notes.contains(QStringLiteral("Pads: %1 (").arg(pads))) << info.out;
            EXPECT_TRUE(notes.contains(QStringLiteral("Vias: %1 (").arg(vias))) << info.out;
            EXPECT_TRUE(notes.contains(QStringLiteral("Tracks: %1 (segments %2, arcs %3)")
                                           .arg(segments + arcs)
                                           .arg(segments)
                                           .arg(arcs)))
                << info.out;
        }
        // Every node lists, through one List Book run.
        const vxw::ToolRun tree = suite_.Run(design, {"tree"});
        ASSERT_EQ(tree.status, 0) << tree.err;
        QByteArray script;
        int count = 0;
        for (const TreeNode& node : ReadTree(tree.out)) {
            if (std::strchr("PCDGBNH", node.kind)) {
                script +=
                    "file " + QByteArray::fromStdString(node.key) + " L" + QByteArray::number(++count) + "\n";
            }
        }
        const vxw::ToolRun book = suite_.Run(design, {"book"}, script);
        EXPECT_EQ(book.status, 0) << book.err;
        EXPECT_EQ(book.err, "");
    }
}

} // namespace
