// The vxlib tool as a user runs it: exit statuses, what goes to standard output and error, and
// that a dumped library packs back to the same bytes.

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "tests/ToolRun.h"
#include <gmock/gmock.h>

#include <gtest/gtest.h>

namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

using vxw::RunTool;
using vxw::ToolRun;

ToolRun Vxlib(const QStringList& arguments) {
    return RunTool(QStringLiteral("vxlib"), arguments);
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

const char* const Source = "# Two symbols\n"
                           "kind = symbol\n"
                           "\n"
                           "[NAND2]\n"
                           "description = 2-input NAND\n"
                           "simModel = 74HC00\n"
                           "entry = A y=100\n"
                           "entry = Y x=300\n"
                           "item = line layer=0 dx=300 width=10\n"
                           "\n"
                           "[\"R \xC3\xA9\"]\n"
                           "value = 2\n"
                           "attributes = \"Resistor\\x80\"\n";

const char* const Dumped = "kind = symbol\n"
                           "\n"
                           "[NAND2]\n"
                           "description = 2-input NAND\n"
                           "type =\n"
                           "simFunction =\n"
                           "elementCode =\n"
                           "simModel = 74HC00\n"
                           "entry = A y=100\n"
                           "entry = Y x=300\n"
                           "item = line width=10 dx=300\n"
                           "\n"
                           "[R \xC3\xA9]\n"
                           "value = 2\n"
                           "description = Resistor\n"
                           "type =\n";

TEST(Vxlib, HelpAndUsage) {
    const ToolRun help = Vxlib({QStringLiteral("--help")});
    EXPECT_EQ(help.status, 0);
    EXPECT_THAT(help.out, StartsWith("Usage: vxlib pack SOURCE OUT"));
    const QStringList wrong[] = {{},
                                 {QStringLiteral("frobnicate")},
                                 {QStringLiteral("pack"), QStringLiteral("a")},
                                 {QStringLiteral("dump"), QStringLiteral("a"), QStringLiteral("b")}};
    for (const QStringList& arguments : wrong) {
        const ToolRun run = Vxlib(arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_THAT(run.err, StartsWith("Usage: vxlib"));
        EXPECT_EQ(run.out, "");
    }
}

TEST(Vxlib, PackThenDumpThenPackAgain) {
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("sym.src"));
    const QString library = dir.filePath(QStringLiteral("TEST.SYMBOL"));
    WriteFile(source, Source);
    const ToolRun pack = Vxlib({QStringLiteral("pack"), source, library});
    ASSERT_EQ(pack.status, 0) << pack.err;
    EXPECT_EQ(pack.out + pack.err, "");

    const ToolRun dump = Vxlib({QStringLiteral("dump"), library});
    ASSERT_EQ(dump.status, 0) << dump.err;
    const std::string header = "# library file " + library.toStdString() + ", " +
                               std::to_string(ReadFile(library).size()) +
                               " bytes\n# format version 1, header size 32\n# kind (offset 12): 2 symbol\n"
                               "# entry count (offset 16): 2\n";
    EXPECT_EQ(dump.out, header + Dumped);

    const QString again = dir.filePath(QStringLiteral("again.src"));
    WriteFile(again, QByteArray::fromStdString(dump.out));
    ASSERT_EQ(Vxlib({QStringLiteral("pack"), again, dir.filePath(QStringLiteral("again.SYMBOL"))}).status, 0);
    EXPECT_EQ(ReadFile(dir.filePath(QStringLiteral("again.SYMBOL"))), ReadFile(library));
}

TEST(Vxlib, FailuresGoToStandardError) {
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("bad.src"));
    WriteFile(source, "kind = symbol\n[A]\nitem = blob\n");
    const QString library = dir.filePath(QStringLiteral("bad.SYMBOL"));
    ToolRun run = Vxlib({QStringLiteral("pack"), source, library});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "vxlib: " + source.toStdString() +
                           ": line 3: the item kind must be a whole number, not \"blob\"\n");
    EXPECT_FALSE(QFile::exists(library));

    run = Vxlib({QStringLiteral("dump"), dir.filePath(QStringLiteral("missing"))});
    EXPECT_EQ(run.status, 1);
    EXPECT_THAT(run.err, HasSubstr("cannot open the file"));

    // A damaged file: what could be read goes to standard output, the cause to standard error.
    WriteFile(source, Source);
    ASSERT_EQ(Vxlib({QStringLiteral("pack"), source, library}).status, 0);
    QByteArray bytes = ReadFile(library);
    bytes.chop(3);
    WriteFile(library, bytes);
    run = Vxlib({QStringLiteral("dump"), library});
    EXPECT_EQ(run.status, 1);
    EXPECT_THAT(run.out, HasSubstr("[NAND2]\n"));
    EXPECT_THAT(run.out, ::testing::Not(HasSubstr("Resistor")));
    EXPECT_THAT(run.err, StartsWith("vxlib: " + library.toStdString() + ": entry 2: a record size of"));

    WriteFile(library, "not a library at all, not at all");
    run = Vxlib({QStringLiteral("dump"), library});
    EXPECT_EQ(run.status, 1);
    EXPECT_THAT(run.err, HasSubstr("not a library file"));
}

} // namespace
