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

TEST(Listgen, ExitStatusTellsUsageFromFailure) {
    QTemporaryDir dir;
    EXPECT_EQ(Listgen({"--help"}, dir.path()).status, 0);
    EXPECT_EQ(Listgen({"nonsense"}, dir.path()).status, 2);
    EXPECT_EQ(Listgen({"info"}, dir.path()).status, 2); // no design named

    const ToolRun missing = Listgen({"--design", dir.filePath("absent.vxd"), "info"}, dir.path());
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(missing.out.empty());
    EXPECT_TRUE((missing.err.find("absent.vxd") != std::string::npos)) << missing.err;

    const QString broken =
        Write(dir, "broken.vxd", R"({"format": "vxw-design", "version": 1, "circuits": 7})");
    const ToolRun bad = Listgen({"--design", broken, "info"}, dir.path());
    EXPECT_EQ(bad.status, 1);
    EXPECT_TRUE(bad.out.empty());
    EXPECT_TRUE((bad.err.find("broken.vxd") != std::string::npos)) << bad.err;
}

} // namespace

namespace {

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

TEST(Listgen, TreeOfTheDemoMatchesItsGoldenFile) {
    QTemporaryDir dir;
    const ToolRun run = Listgen(
        {"--suite-dir", LG_BINARY_DIR "/suite", "--design", LG_SOURCE_DIR "/samples/demo.vxd", "tree"},
        dir.path());
    EXPECT_EQ(run.status, 0) << run.err;
    const QByteArray golden = ReadFile(LG_SOURCE_DIR "/tests/cli/golden/tree-demo.txt");
    ASSERT_FALSE(golden.isEmpty());
    EXPECT_EQ(run.out, golden.toStdString());
}

TEST(Listgen, TreeWithoutAFieldProfileFailsWithTheProfileError) {
    QTemporaryDir dir;
    QDir().mkpath(dir.filePath("suite/language")); // a suite folder without PROPERTY.MEN
    const ToolRun run = Listgen(
        {"--suite-dir", dir.filePath("suite"), "--design", LG_SOURCE_DIR "/samples/empty.vxd", "tree"},
        dir.path());
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.out.empty());
    EXPECT_TRUE((run.err.find("Cant Read Menu Profile") != std::string::npos)) << run.err;
}

} // namespace

namespace {

ToolRun ListDemo(const QStringList& listArguments, const QString& home) {
    return Listgen(QStringList{"--suite-dir", LG_BINARY_DIR "/suite", "--design",
                               LG_SOURCE_DIR "/samples/demo.vxd", "list"} +
                       listArguments,
                   home);
}

TEST(Listgen, ListOfAnUnknownNodeFailsWithNothingOnStandardOutput) {
    QTemporaryDir dir;
    const ToolRun unknown = ListDemo({"VX4_9"}, dir.path());
    EXPECT_EQ(unknown.status, 1);
    EXPECT_TRUE(unknown.out.empty());
    EXPECT_NE(unknown.err.find("VX4_9"), std::string::npos) << unknown.err;

    // Keys are matched exactly, as the explorer's node table does.
    EXPECT_EQ(ListDemo({"vx4_1"}, dir.path()).status, 1);

    EXPECT_EQ(ListDemo({}, dir.path()).status, 2);
    EXPECT_EQ(ListDemo({"VX4_1", "VX4_2"}, dir.path()).status, 2);
    EXPECT_EQ(ListDemo({"VX4_1", "--sellect-all"}, dir.path()).status, 2);
}

TEST(Listgen, NodesWithoutAListPrintNothing) {
    QTemporaryDir dir;
    for (const char* key : {"VX1", "VX2"}) {
        const ToolRun run = ListDemo({key}, dir.path());
        EXPECT_EQ(run.status, 0) << key;
        EXPECT_TRUE(run.out.empty()) << key;
        EXPECT_NE(run.err.find("has no list"), std::string::npos) << run.err;
    }
    // A library class node without a file chosen: the heading of its list alone.
    const ToolRun parts = ListDemo({"PART"}, dir.path());
    EXPECT_EQ(parts.status, 0);
    EXPECT_EQ(parts.out, "LIST OF PART FILE :\r\n\r\n\r\n");
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

} // namespace

namespace {

TEST(Listgen, HierarchyOutlineOfACircuitOrAClearFailure) {
    QTemporaryDir dir;
    const QStringList design{"--suite-dir", LG_BINARY_DIR "/suite", "--design",
                             LG_SOURCE_DIR "/samples/demo.vxd"};
    const ToolRun run = Listgen(design + QStringList{"hierarchy", "SUB2"}, dir.path());
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "CURHIER SUB2 ( Current Hierarchy Stack ) [ST_CURCIR #FF0000]\r\n"
                       "  SCOMP X4 [ST_COMP]\r\n"
                       "    SUBHIER SUB1 [ST_SUB #0000FF]\r\n"
                       "      SCOMP X3 [ST_COMP]\r\n"
                       "        SUBHIER SUB2  ( Recursive Hierarchy! ) [ST_SUB #0000FF]\r\n"
                       "HIER MAIN ( Other Hierarchy ) [ST_CIR]\r\n"
                       "  SCOMP X1 [ST_COMP]\r\n"
                       "    SUBHIER SUB1 [ST_SUB #0000FF]\r\n"
                       "HIER AUX ( Other Hierarchy ) [ST_CIR]\r\n");

    const ToolRun unknown = Listgen(design + QStringList{"hierarchy", "NOSUCH"}, dir.path());
    EXPECT_EQ(unknown.status, 1);
    EXPECT_TRUE(unknown.out.empty());
    EXPECT_NE(unknown.err.find("NOSUCH"), std::string::npos) << unknown.err;
    EXPECT_EQ(Listgen(design + QStringList{"hierarchy"}, dir.path()).status, 2);
}

} // namespace

namespace {

TEST(Listgen, LibraryCommandsReadTheSampleLibraries) {
    QTemporaryDir dir;
    const QStringList demo{"--suite-dir", LG_BINARY_DIR "/suite", "--design",
                           LG_SOURCE_DIR "/samples/demo.vxd"};
    const ToolRun files = Listgen(demo + QStringList{"files", "symbol"}, dir.path());
    EXPECT_EQ(files.status, 0) << files.err;
    EXPECT_EQ(files.out, "[PROJECT LIBRARY]\nanalog.SYMBOL\nlogic.SYMBOL\nmisc.SYMBOL\n");

    const ToolRun report = Listgen(demo + QStringList{"library", "part", "ic.PART", "74hc00"}, dir.path());
    EXPECT_EQ(report.status, 0) << report.err;
    // The pattern ignores case; the report ends with the count block of the one matching part.
    EXPECT_NE(report.out.find("PART: 74HC00\r\n"), std::string::npos) << report.out;
    EXPECT_EQ(report.out.find("PART: 74HC86"), std::string::npos) << report.out;
    EXPECT_NE(report.out.find("Total Count: 1\r\n"), std::string::npos) << report.out;

    const ToolRun missing = Listgen(demo + QStringList{"library", "part", "nosuch.PART"}, dir.path());
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(missing.out.empty());

    const ToolRun notFound = Listgen(demo + QStringList{"search", "part", "zz*"}, dir.path());
    EXPECT_EQ(notFound.status, 0);
    EXPECT_TRUE(notFound.out.empty());
    EXPECT_NE(notFound.err.find("Search Not Found"), std::string::npos) << notFound.err;
}

} // namespace

namespace {

TEST(Listgen, BookRunsItsScriptAndStopsAtTheFirstFailingLine) {
    QTemporaryDir dir;
    const QStringList book{"--suite-dir", LG_BINARY_DIR "/suite", "--design",
                           LG_SOURCE_DIR "/samples/demo.vxd", "book"};
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
    const ToolRun run = Listgen(book, dir.path(), script);
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

    EXPECT_EQ(Listgen(book + QStringList{"extra"}, dir.path()).status, 2);
    EXPECT_EQ(Listgen(book, dir.path(), "file VX3\n").status, 1); // no name
    EXPECT_EQ(Listgen(book, dir.path(), "file NOPE x\n").status, 1);
}

} // namespace

namespace {

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
