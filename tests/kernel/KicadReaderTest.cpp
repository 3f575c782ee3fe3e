// The KiCad s-expression reader and the importer's refusals: every damaged, cut, foreign or
// newer file ends in one message naming the file, the list and the line and column.

#include "kernel/kicad/KicadImport.h"
#include "kernel/kicad/SExpression.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

using vxw::kicad::SExprError;
using vxw::kicad::SExprReader;

std::string Refusal(const char* text, const char* name = "b.kicad_pcb") {
    const vxw::DesignFileResult result =
        vxw::kicad::ImportKicadBytes(QByteArray(text), QString::fromLatin1(name));
    EXPECT_FALSE(result.Ok()) << text;
    return result.error.toStdString();
}

TEST(SExprReader, WalksListsAtomsAndDecodedStrings) {
    const std::string text = "(a 1.5 -2 \"x \\\"y\\\" \\\\z\\n\" (b) word)";
    SExprReader reader(text.data(), text.size());
    EXPECT_EQ(reader.Open(), "a");
    EXPECT_DOUBLE_EQ(reader.Number(), 1.5);
    EXPECT_EQ(reader.Integer(-5, 5), -2);
    EXPECT_EQ(reader.Text(), "x \"y\" \\z\n");
    EXPECT_EQ(reader.Open(), "b");
    EXPECT_EQ(reader.Place(), "a.b");
    EXPECT_FALSE(reader.More());
    EXPECT_FALSE(reader.NextIs("other"));
    EXPECT_TRUE(reader.NextIs("word"));
    EXPECT_FALSE(reader.More());
    reader.ExpectEnd();
}

TEST(SExprReader, FaultsCarryTheirOffset) {
    auto number = [](SExprReader& reader) { reader.Open(), reader.Number(); };
    auto whole = [](SExprReader& reader) { reader.Open(), reader.Integer(0, 5); };
    auto all = [](SExprReader& reader) { reader.Open(), reader.SkipRest(), reader.ExpectEnd(); };
    struct Case {
        const char* text;
        void (*read)(SExprReader&);
        size_t offset;
        const char* cause;
    };
    const Case cases[] = {
        {"(a (b 1)", all, 8,
         "the file ends inside the list \"a\" begun at line 1, column 1 (is it cut short?)"},
        {"(a \"open", all, 3, "the file ends inside a quoted text (is it cut short?)"},
        {"(a x)", number, 3, "expected a number, found \"x\""},
        {"(a nan)", number, 3, "expected a number, found \"nan\""},
        {"(a 1e999)", number, 3, "expected a number, found \"1e999\""},
        {"(a 7)", whole, 3, "7 is out of the range 0..5"},
        {"(\"a\")", all, 1, "a list must begin with a word, not a quoted text"},
        {"(a) (b)", all, 4, "more text follows the end of the outermost list"},
    };
    for (const Case& c : cases) {
        SExprReader reader(c.text, std::strlen(c.text));
        try {
            c.read(reader);
            ADD_FAILURE() << "no fault in " << c.text;
        } catch (const SExprError& error) {
            EXPECT_EQ(error.offset, c.offset) << c.text;
            EXPECT_EQ(error.cause, c.cause) << c.text;
        }
    }
}

TEST(SExprReader, NestingIsBoundedAndSkippingTakesNoStack) {
    const std::string deep = std::string(SExprReader::MaxDepth + 1, '(');
    SExprReader tooDeep(deep.data(), deep.size());
    EXPECT_THROW(
        {
            while (true) {
                tooDeep.Open();
            }
        },
        SExprError);
    // A long flat list skips in one pass.
    std::string flat = "(a";
    for (int i = 0; i < 100000; ++i) {
        flat += " (b 1)";
    }
    flat += ")";
    SExprReader reader(flat.data(), flat.size());
    reader.Open();
    reader.SkipRest();
    reader.ExpectEnd();
}

TEST(KicadRefusal, DamagedForeignAndNewerFilesNameTheFileAndThePlace) {
    struct Case {
        const char* name;
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"b.kicad_pcb",
         "(kicad_pcb (version 20211014)\n  (footprint \"R\" (layer \"F.Cu\")\n    (pad \"1\" smd",
         "b.kicad_pcb: kicad_pcb.footprint.pad (line 3, column 17): the file ends inside the list \"pad\" "
         "begun at line 3, column 5 (is it cut short?)"},
        {"b.kicad_pcb", "(kicad_pcb (version 20221018) (generator pcbnew))",
         "b.kicad_pcb: kicad_pcb.version (line 1, column 21): the board is in a newer format (version "
         "20221018, KiCad 7 or later); this program reads KiCad 6 boards (up to version 20211014)"},
        {"b.kicad_pcb", "(kicad_pcb (version 4) (host pcbnew 4.0.7))",
         "b.kicad_pcb: kicad_pcb.version (line 1, column 21): the board is in an older format (version 4, "
         "KiCad 4 or earlier); open it in KiCad 6 and save it again"},
        {"b.kicad_pcb", "PCBNEW-BOARD Version 1 date 2009\n$GENERAL\n",
         "b.kicad_pcb: line 1, column 1: a legacy KiCad board (\"PCBNEW-BOARD Version 1 date 2009\", KiCad 4 "
         "or earlier); this program reads KiCad 6 boards (.kicad_pcb): open it in KiCad 6 and save it"},
        {"s.kicad_sch", "EESchema Schematic File Version 4\nEELAYER 30 0\n",
         "s.kicad_sch: line 1, column 1: a KiCad 5 (legacy) schematic (\"EESchema Schematic File Version "
         "4\"); this program reads KiCad 6 schematics (.kicad_sch): open the project in KiCad 6, which "
         "converts it, and save it"},
        {"s.kicad_sch", "(kicad_sch (version 20230121) (generator eeschema))",
         "s.kicad_sch: kicad_sch.version (line 1, column 21): the schematic is in a newer format (version "
         "20230121, KiCad 7 or later); this program reads KiCad 6 schematics (up to version 20211123)"},
        {"b.kicad_pcb", "(kicad_pcb (layers (0 \"F.Cu\" signal)))",
         "b.kicad_pcb: kicad_pcb.layers (line 1, column 12): the board names no format version before "
         "\"layers\""},
        {"b.kicad_pcb",
         "(kicad_pcb (version 20211014)\n(footprint \"R\" (pad \"1\" smd rect (at 0 0) (size 1 x))))",
         "b.kicad_pcb: kicad_pcb.footprint.pad.size (line 2, column 51): expected a number, found \"x\""},
        {"b.kicad_pcb", "(kicad_pcb (version 20211014)\n(footprint \"R\" (pad \"1\" smt rect)))",
         "b.kicad_pcb: kicad_pcb.footprint.pad (line 2, column 25): unknown pad kind \"smt\" (smd, "
         "thru_hole, np_thru_hole or connect)"},
        {"b.kicad_pcb", "(kicad_pcb (version 20211014)\n(segment (start 0 0) (end 1 0) (layer \"F.SilkS\")))",
         "b.kicad_pcb: kicad_pcb.segment.layer (line 2, column 39): a track must lie on one copper layer"},
        {"b.kicad_pcb", "(kicad_pcb (version 20211014)\n(via (at 1e9 0)))",
         "b.kicad_pcb: kicad_pcb.via.at (line 2, column 10): the length 1e+09 mm lies beyond 100 m"},
        {"s.kicad_sch", "(kicad_sch (version 20211123)\n  (symbol (lib_id \"R\") (at 1 2 1e300)))",
         "s.kicad_sch: kicad_sch.symbol.at (line 2, column 32): a symbol turns by 0, 90, 180 or 270 degrees"},
        {"b.kicad_pcb", "(kicad_sch (version 20211123))",
         "b.kicad_pcb: kicad_sch (line 1, column 1): not a KiCad board: the file does not begin with "
         "\"(kicad_pcb\""},
        {"b.kicad_pcb", "(module R_0805 (layer F.Cu))",
         "b.kicad_pcb: line 1, column 1: a KiCad footprint (\"(module R_0805 (layer F.Cu))\"), not a board"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Refusal(c.text, c.name), c.message) << c.text;
    }
}

class KicadFiles : public ::testing::Test {
protected:
    QString Write(const QString& name, const QByteArray& bytes) {
        const QString path = folder_.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        return path;
    }
    std::string Error(const QString& path) {
        const vxw::DesignFileResult result = vxw::kicad::ImportKicad(path);
        EXPECT_FALSE(result.Ok());
        return result.error.mid(folder_.path().size() + 1).toStdString();
    }
    QTemporaryDir folder_;
};

TEST_F(KicadFiles, ProjectsAndSheetHierarchiesThatCannotBeReadAreRefused) {
    // A KiCad 5 project file, by extension and by content.
    EXPECT_EQ(
        Error(Write("old.pro", "update=22/05/2015 07:44:53\nversion=1\n[general]\n")),
        "old.pro: line 1, column 1: a KiCad 5 (legacy) project file (\"update=22/05/2015 07:44:53\"); this "
        "program reads KiCad 6 projects (.kicad_pro): open the project in KiCad 6 and save it");
    EXPECT_EQ(
        Error(Write("old.sch", "EESchema Schematic File Version 4\n")),
        "old.sch: line 1, column 1: a KiCad 5 (legacy) schematic (\"EESchema Schematic File Version 4\"); "
        "this program reads KiCad 6 schematics (.kicad_sch): open the project in KiCad 6, which converts it, "
        "and save it");
    EXPECT_EQ(Error(Write("cut.kicad_pro", "{\n  \"meta\": {\n    \"version\": 1\n")),
              "cut.kicad_pro: line 4, column 1: the file ends too soon (is it cut short?)");
    EXPECT_EQ(Error(Write("alone.kicad_pro", "{}")),
              "alone.kicad_pro: neither alone.kicad_sch nor alone.kicad_pcb lies beside the project");

    // Sheets: one that is missing, one that holds itself.
    const QByteArray sheetOf =
        "(kicad_sch (version 20211123)\n  (sheet (uuid 5) (property \"Sheet name\" \"S\" (id 0))"
        " (property \"Sheet file\" \"%1\" (id 1))))";
    Write("top.kicad_sch", QByteArray(sheetOf).replace("%1", "gone.kicad_sch"));
    EXPECT_EQ(
        Error(folder_.filePath("top.kicad_sch")),
        "top.kicad_sch: kicad_sch.sheet (line 2, column 3): the sheet file \"gone.kicad_sch\" is not there");
    Write("loop.kicad_sch", QByteArray(sheetOf).replace("%1", "loop.kicad_sch"));
    EXPECT_EQ(
        Error(folder_.filePath("loop.kicad_sch")),
        "loop.kicad_sch: kicad_sch.sheet (line 2, column 3): the sheet file \"loop.kicad_sch\" holds itself "
        "(through this sheet)");
    EXPECT_THAT(Error(folder_.filePath("none.kicad_pcb")),
                ::testing::StartsWith("none.kicad_pcb: cannot open"));
}

} // namespace
