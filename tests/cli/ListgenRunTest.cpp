// Runs the listgen executable as a user would and checks its output and exit status.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "tests/ToolRun.h"

#include <gtest/gtest.h>

namespace {

using vxw::ToolRun;

ToolRun Listgen(const QStringList& arguments, const QString& home, const QByteArray& input = QByteArray()) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // Keep the run away from the real per-user folders.
    env.insert("HOME", home);
    env.insert("VEXIL_SUITE_DIR", home + "/suite");
    env.insert("VEXILXP_SETTINGS", home + "/user.ini");
    return vxw::RunTool(QStringLiteral("listgen"), arguments, env, input);
}

QString Write(const QTemporaryDir& dir, const QString& name, const QByteArray& text) {
    const QString path = dir.filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(text);
    return path;
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

// The options that open the demo with the sample suite folder.
QStringList Demo() {
    return {"--suite-dir", LG_BINARY_DIR "/suite", "--design", LG_SOURCE_DIR "/samples/demo.vxd"};
}

TEST(Listgen, InfoDescribesTheDesign) {
    QTemporaryDir dir;
    const QString design = Write(dir, "two.vxd", R"({"format": "vxw-design", "version": 1, "name": "TWO",
        "circuits": [{"name": "MAIN", "pages": ["SHEET1", "SHEET2"]},
                     {"name": "SUB"}]})");
    const ToolRun run = Listgen({"--design", design, "info"}, dir.path());
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.err.empty()) << run.err;
    const QString expected = "Design: " + design +
                             "\n"
                             "Project: TWO\n"
                             "Circuits: 2\n"
                             "Circuit 1: MAIN\n"
                             "  Pages: 2\n"
                             "    Page 1: SHEET1 (schematic components: 0)\n"
                             "    Page 2: SHEET2 (schematic components: 0)\n"
                             "  Schematic components: 0\n"
                             "  Layout components: 0\n"
                             "  Nets: 0\n"
                             "  Traces: 0\n"
                             "  Vias: 0\n"
                             "Circuit 2: SUB\n"
                             "  Pages: 0\n"
                             "  Schematic components: 0\n"
                             "  Layout components: 0\n"
                             "  Nets: 0\n"
                             "  Traces: 0\n"
                             "  Vias: 0\n"
                             "Project library:\n"
                             "  Devices: 0\n"
                             "  Schematic symbols: 0\n"
                             "  Packages: 0\n"
                             "  Padstacks: 0\n";
    EXPECT_EQ(run.out, expected.toStdString());
}

TEST(Listgen, EachRunEndsWithItsStatusOutputAndMessage) {
    QTemporaryDir dir;
    const QString broken =
        Write(dir, "broken.vxd", R"({"format": "vxw-design", "version": 1, "circuits": 7})");
    QDir().mkpath(dir.filePath("bare/language")); // a suite folder without PROPERTY.MEN
    const QStringList list = Demo() + QStringList{"list"};
    const QStringList book = Demo() + QStringList{"book"};
    const struct {
        QStringList arguments;
        int status; // 2: a usage error, 1: a failure
        std::string out;
        const char* err; // said on standard error
        QByteArray input;
    } cases[] = {
        {{"nonsense"}, 2, "", "", ""},
        {{"info"}, 2, "", "", ""}, // no design named
        {{"--design", dir.filePath("absent.vxd"), "info"}, 1, "", "absent.vxd", ""},
        {{"--design", broken, "info"}, 1, "", "broken.vxd", ""},
        {Demo() + QStringList{"tree"}, 0,
         ReadFile(LG_SOURCE_DIR "/tests/cli/golden/tree-demo.txt").toStdString(), "", ""},
        {{"--suite-dir", dir.filePath("bare"), "--design", LG_SOURCE_DIR "/samples/empty.vxd", "tree"},
         1,
         "",
         "Cant Read Menu Profile",
         ""},
        {list, 2, "", "", ""},
        {list + QStringList{"VX4_9"}, 1, "", "VX4_9", ""},
        {list + QStringList{"vx4_1"}, 1, "", "", ""}, // keys are matched exactly, as the explorer's are
        {list + QStringList{"VX4_1", "VX4_2"}, 2, "", "", ""},
        {list + QStringList{"VX4_1", "--sellect-all"}, 2, "", "", ""},
        {list + QStringList{"VX1"}, 0, "", "has no list", ""},
        {list + QStringList{"VX2"}, 0, "", "has no list", ""},
        // A library class node without a file chosen: the heading of its list alone.
        {list + QStringList{"PART"}, 0, "LIST OF PART FILE :\r\n\r\n\r\n", "", ""},
        {Demo() + QStringList{"hierarchy", "SUB2"}, 0,
         "CURHIER SUB2 ( Current Hierarchy Stack ) [ST_CURCIR #FF0000]\r\n"
         "  SCOMP X4 [ST_COMP]\r\n"
         "    SUBHIER SUB1 [ST_SUB #0000FF]\r\n"
         "      SCOMP X3 [ST_COMP]\r\n"
         "        SUBHIER SUB2  ( Recursive Hierarchy! ) [ST_SUB #0000FF]\r\n"
         "HIER MAIN ( Other Hierarchy ) [ST_CIR]\r\n"
         "  SCOMP X1 [ST_COMP]\r\n"
         "    SUBHIER SUB1 [ST_SUB #0000FF]\r\n"
         "HIER AUX ( Other Hierarchy ) [ST_CIR]\r\n",
         "", ""},
        {Demo() + QStringList{"hierarchy"}, 2, "", "", ""},
        {Demo() + QStringList{"hierarchy", "NOSUCH"}, 1, "", "NOSUCH", ""},
        {Demo() + QStringList{"files", "symbol"}, 0,
         "[PROJECT LIBRARY]\nanalog.SYMBOL\nlogic.SYMBOL\nmisc.SYMBOL\n", "", ""},
        {Demo() + QStringList{"library", "part", "nosuch.PART"}, 1, "", "", ""},
        {Demo() + QStringList{"search", "part", "zz*"}, 0, "", "Search Not Found", ""},
        {book + QStringList{"extra"}, 2, "", "", ""},
        {book, 1, "", "", "file VX3\n"}, // no name
        {book, 1, "", "", "file NOPE x\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString() + " <- " + c.input.toStdString());
        const ToolRun run = Listgen(c.arguments, dir.path(), c.input);
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_EQ(run.out, c.out);
        EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
    }
}

TEST(Listgen, ListingDoesNotRewriteTheDesignFile) {
    QTemporaryDir dir;
    // A design without a project label: the list creates one in the open database only.
    const QString design = Write(dir, "nolabel.vxd", R"({"format": "vxw-design", "version": 1, "name": "NL",
        "circuits": [{"name": "MAIN", "pages": ["P1"]}]})");
    const QByteArray before = ReadFile(design);
    const ToolRun run =
        Listgen({"--suite-dir", LG_BINARY_DIR "/suite", "--design", design, "list", "VX3"}, dir.path());
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("PROJECT DESIGNER: \r\n"), std::string::npos) << run.out;
    EXPECT_EQ(ReadFile(design), before);
}

TEST(Listgen, LibraryReportOfThePartsMatchingAPattern) {
    QTemporaryDir dir;
    const ToolRun report = Listgen(Demo() + QStringList{"library", "part", "ic.PART", "74hc00"}, dir.path());
    EXPECT_EQ(report.status, 0) << report.err;
    // The pattern ignores case; the report ends with the count block of the one matching part.
    EXPECT_NE(report.out.find("PART: 74HC00\r\n"), std::string::npos) << report.out;
    EXPECT_EQ(report.out.find("PART: 74HC86"), std::string::npos) << report.out;
    EXPECT_NE(report.out.find("Total Count: 1\r\n"), std::string::npos) << report.out;
}

TEST(Listgen, BookRunsItsScriptAndStopsAtTheFirstFailingLine) {
    QTemporaryDir dir;
    const QString saved = dir.filePath("merged.lst");
    const QByteArray script = "# two lists and their merge\n"
                              "file VX3 Project list\n"
                              "file VX7_1NET  Nets of MAIN\n"
                              "merge 2,1 Both\n"
                              "search *list*\n"
                              "save 3 " +
                              saved.toUtf8() +
                              "\n"
                              "delete 1\n"
                              "print\n"
                              "view 9\n"
                              "print\n";
    const ToolRun run = Listgen(Demo() + QStringList{"book"}, dir.path(), script);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "selected: 1\n"
                       "L0\tNets of MAIN\tNets\t\t\n"
                       "L1\tBoth\tMERGED\t\t" +
                           saved.toStdString() +
                           "\n"
                           "2 List(s)  \n");
    EXPECT_NE(run.err.find("listgen: book: line 9: no such row: 9"), std::string::npos) << run.err;
    const QByteArray merged = ReadFile(saved);
    EXPECT_TRUE(merged.startsWith("\r\n\r\n\r\nPROJECT: DEMO TIMER BOARD\r\n"))
        << merged.left(60).toStdString();
    EXPECT_TRUE(merged.endsWith("\r\n\r\n"));
}

TEST(Listgen, PropertiesSetFieldsThatTheNextListFollows) {
    QTemporaryDir dir;
    // The run saves into the suite settings, so it gets a suite folder of its own.
    ASSERT_EQ(QProcess::execute("cp", {"-r", LG_BINARY_DIR "/suite", dir.filePath("suite")}), 0);
    const QStringList base{"--suite-dir", dir.filePath("suite"), "--design",
                           LG_SOURCE_DIR "/samples/demo.vxd"};
    const auto run = [&](const QStringList& arguments) { return Listgen(base + arguments, dir.path()); };

    EXPECT_NE(run({"list", "VX3"}).out.find("Total Circuits"), std::string::npos);
    const ToolRun set = run({"properties", "VX3", "--set", "4=0"});
    EXPECT_EQ(set.status, 0) << set.err;
    const std::string expected = "Properties - Project[ Demo Timer Board ]\n"
                                 "- PROJECT\n"
                                 "  [x] Project Name (id 25)\n"
                                 "  [x] Designer (id 11)\n"
                                 "  [x] Revision (id 39)\n"
                                 "  [ ] Total Circuits (id 4)\n";
    EXPECT_EQ(set.out.substr(0, expected.size()), expected);
    EXPECT_EQ(run({"list", "VX3"}).out.find("Total Circuits"), std::string::npos);
    EXPECT_NE(run({"properties", "VX3"}).out.find("[ ] Total Circuits (id 4)"), std::string::npos);

    EXPECT_EQ(run({"properties", "VX3", "--set", "4=2"}).status, 2);
    EXPECT_EQ(run({"properties", "VX3", "--set", "9999=1"}).status, 1);
    EXPECT_EQ(run({"properties", "VX1"}).status, 1); // the system node has none
}

} // namespace
