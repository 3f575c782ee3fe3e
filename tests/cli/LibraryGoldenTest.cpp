// Library reports of the sample libraries and the demo's project library, made by the listgen
// executable and compared whole against golden files. The library folder, which depends on where
// the build lives, stands as "<LIB>/" in the files.
//
// LG_UPDATE_GOLDEN=1 rewrites the files from the current output; a rewritten file must be read
// line by line against the report's rules before it is committed.

#include "listgen/FieldProfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "tests/ToolRun.h"

#include <gtest/gtest.h>

#include <set>

namespace {

constexpr char kEpoch[] = "1709640000"; // 5 Mar 2024, 12:00 UTC

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QString FlagsHiding(const std::set<int16_t>& hidden) {
    const vxw::FieldProfileParse parsed =
        vxw::ParseFieldProfile(ReadFile(LG_BINARY_DIR "/suite/language/PROPERTY.MEN"), QString());
    EXPECT_TRUE(parsed.Ok());
    vxw::FieldProfile profile = parsed.profile;
    std::vector<const vxw::FieldGroups*> sections;
    for (vxw::FieldProfileSection& section : profile.sections) {
        for (vxw::FieldGroup& group : section.groups) {
            for (vxw::FieldEntry& field : group.fields) {
                if (hidden.count(field.fieldId) > 0) {
                    field.shown = 0;
                }
            }
        }
        sections.push_back(&section.groups);
    }
    return vxw::FieldFlagsString(sections);
}

// A suite folder whose library folder is the sample one and whose settings hide `hidden`.
bool MakeSuite(const QString& folder, const std::set<int16_t>& hidden) {
    const QDir sample(LG_BINARY_DIR "/suite");
    QDir().mkpath(folder + "/language");
    QDir().mkpath(folder + "/JOB");
    const QDir language(sample.filePath("language"));
    for (const QString& name : language.entryList(QDir::Files)) {
        if (!QFile::copy(language.filePath(name), folder + "/language/" + name)) {
            return false;
        }
    }
    const QByteArray ini = "[Vexil2K]\nJobDir=" + folder.toUtf8() +
                           "/JOB/\nLibDir=" + sample.filePath("LIB").toUtf8() +
                           "/\nSysDir=" + sample.filePath("SYS").toUtf8() +
                           "/\n\n[LIST GENERATOR]\nPROPERTY=" + FlagsHiding(hidden).toUtf8() + "\n";
    return WriteFile(folder + "/suite.ini", ini);
}

struct LibraryCase {
    const char* golden;
    QStringList arguments; // the command and its arguments
    std::set<int16_t> hidden;
};

void CheckReport(const LibraryCase& c) {
    QTemporaryDir home;
    const QString suite = home.filePath("suite");
    ASSERT_TRUE(MakeSuite(suite, c.hidden));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home.path());
    env.insert("VEXILXP_SETTINGS", home.filePath("user.ini"));
    env.insert("SOURCE_DATE_EPOCH", kEpoch);
    env.insert("TZ", "UTC"); // the heading date is local time
    const QStringList arguments =
        QStringList{"--suite-dir", suite, "--design", LG_SOURCE_DIR "/samples/demo.vxd"} + c.arguments;
    const vxw::ToolRun run = vxw::RunTool("listgen", arguments, env);
    const std::string name = c.golden + std::string(" <- ") + c.arguments.join(' ').toStdString();
    EXPECT_EQ(run.status, 0) << name << "\n" << run.err;

    QByteArray out = QByteArray::fromStdString(run.out);
    out.replace(QByteArray(LG_BINARY_DIR "/suite/LIB/"), QByteArray("<LIB>/"));
    const QString path = QStringLiteral(LG_SOURCE_DIR "/tests/cli/golden/library/") + c.golden;
    if (qEnvironmentVariableIsSet("LG_UPDATE_GOLDEN")) {
        ASSERT_TRUE(WriteFile(path, out));
    }
    const QByteArray golden = ReadFile(path);
    ASSERT_FALSE(golden.isEmpty()) << "missing golden file " << c.golden;
    EXPECT_EQ(out.toStdString(), golden.toStdString()) << name;
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
