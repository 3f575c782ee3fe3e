// Library reports of the sample libraries and the demo's project library, made by the listgen
// executable and compared whole against golden files. The library folder, which depends on where
// the build lives, stands as "<LIB>/" in the files.
//
// LG_UPDATE_GOLDEN=1 rewrites the files from the current output; a rewritten file must be read
// line by line against the report's rules before it is committed.

#include "tests/cli/GoldenSuite.h"

#include <QTemporaryDir>

#include "tests/ToolRun.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using vxw::test::ExpectGolden;
using vxw::test::MakeSuite;

struct LibraryCase {
    const char* golden;
    QStringList arguments; // the command and its arguments
    std::set<int16_t> hidden;
};

void CheckReport(const LibraryCase& c) {
    QTemporaryDir home;
    const QString suite = home.filePath("suite");
    ASSERT_TRUE(MakeSuite(suite, c.hidden));
    const QProcessEnvironment env = vxw::test::GoldenEnvironment(home.path());
    const QStringList arguments =
        QStringList{"--suite-dir", suite, "--design", LG_SOURCE_DIR "/samples/demo.vxd"} + c.arguments;
    const vxw::ToolRun run = vxw::RunTool("listgen", arguments, env);
    const std::string name = c.golden + std::string(" <- ") + c.arguments.join(' ').toStdString();
    EXPECT_EQ(run.status, 0) << name << "\n" << run.err;

    QByteArray out = QByteArray::fromStdString(run.out);
    out.replace(QByteArray(LG_BINARY_DIR "/suite/LIB/"), QByteArray("<LIB>/"));
    ExpectGolden(QStringLiteral(LG_SOURCE_DIR "/tests/cli/golden/library/") + c.golden, out.toStdString(),
                 name);
}

TEST(LibraryGolden, PartReports) {
    const LibraryCase cases[] = {
        {"part-ic.txt", {"library", "part", "ic.PART"}, {}},
        {"part-passive.txt", {"library", "part", "passive.PART"}, {}},
        {"part-extra.txt", {"library", "part", "extra.Part"}, {}},
        {"part-project.txt", {"library", "part", "--project"}, {}},
        {"part-ic-hide61.txt", {"library", "part", "ic.PART"}, {61}},
        {"part-ic-hide62.txt", {"library", "part", "ic.PART"}, {62}},
        {"part-ic-hide61-62.txt", {"library", "part", "ic.PART"}, {61, 62}},
    };
    for (const LibraryCase& c : cases) {
        CheckReport(c);
    }
}

TEST(LibraryGolden, SymbolPackageAndPadstackReports) {
    const LibraryCase cases[] = {
        {"symbol-logic.txt", {"library", "symbol", "logic.SYMBOL"}, {}},
        {"symbol-project.txt", {"library", "symbol", "--project"}, {}},
        {"symbol-logic-hide63.txt", {"library", "symbol", "logic.SYMBOL"}, {63}},
        {"package-smd.txt", {"library", "package", "smd.PACKAGE"}, {}},
        {"package-project-hide64.txt", {"library", "package", "--project"}, {64}},
        {"padstack-smd.txt", {"library", "padstack", "smd.PADSTACK"}, {}},
        {"padstack-tht.txt", {"library", "padstack", "tht.PADSTACK"}, {}},
        {"padstack-tht-mm.txt", {"library", "padstack", "tht.PADSTACK", "--unit", "mm"}, {}},
        {"padstack-project.txt", {"library", "padstack", "--project"}, {}},
    };
    for (const LibraryCase& c : cases) {
        CheckReport(c);
    }
}

TEST(LibraryGolden, Searches) {
    const LibraryCase cases[] = {
        {"search-part-all.txt", {"search", "part", "  74hc* ", "--scope", "all"}, {}},
        {"search-symbol-checked.txt",
         {"search", "symbol", "*", "--scope", "checked", "--checked", "logic.SYMBOL"},
         {}},
        {"search-symbol-unchecked.txt",
         {"search", "symbol", "*", "--scope", "unchecked", "--checked", "logic.SYMBOL"},
         {}},
    };
    for (const LibraryCase& c : cases) {
        CheckReport(c);
    }
}

} // namespace
