#pragma once
// What the golden-file tests of the listgen executable share: a suite folder like the sample one
// whose settings hide chosen fields, a fixed date, the nodes the `tree` command lists and their
// lists, and the files they compare with and (with LG_UPDATE_GOLDEN=1) rewrite.

#include "listgen/FieldProfile.h"
#include "tests/ToolRun.h"

#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace vxw::test {

inline QByteArray ReadGolden(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool WriteGolden(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// Expects `text` to equal the golden file at `path`, which LG_UPDATE_GOLDEN=1 first rewrites
// from it. `name` labels a difference.
inline void ExpectGolden(const QString& path, const std::string& text, const std::string& name) {
    if (qEnvironmentVariableIsSet("LG_UPDATE_GOLDEN")) {
        ASSERT_TRUE(WriteGolden(path, QByteArray::fromStdString(text)));
    }
    const QByteArray golden = ReadGolden(path);
    ASSERT_FALSE(golden.isEmpty()) << "missing golden file " << path.toStdString();
    EXPECT_EQ(text, golden.toStdString()) << name;
}

// The saved flags that show what the profile file shows, except the fields in `hidden`.
inline QString FlagsHiding(const std::set<int16_t>& hidden) {
    const FieldProfileParse parsed =
        ParseFieldProfile(ReadGolden(LG_BINARY_DIR "/suite/language/PROPERTY.MEN"), QString());
    EXPECT_TRUE(parsed.Ok());
    FieldProfile profile = parsed.profile;
    std::vector<const FieldGroups*> sections;
    for (FieldProfileSection& section : profile.sections) {
        for (FieldGroup& group : section.groups) {
            for (FieldEntry& field : group.fields) {
                if (hidden.count(field.fieldId) > 0) {
                    field.shown = 0;
                }
            }
        }
        sections.push_back(&section.groups);
    }
    return FieldFlagsString(sections);
}

// A suite folder whose catalogue, profile and library folder are the sample ones and whose
// settings hide `hidden`; its job folder is its own.
inline bool MakeSuite(const QString& folder, const std::set<int16_t>& hidden) {
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
    return WriteGolden(folder + "/suite.ini", ini);
}

// The environment of a run: its own home and settings, the date fixed at 5 Mar 2024 12:00 UTC.
inline QProcessEnvironment GoldenEnvironment(const QString& home) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home);
    env.insert("VEXILXP_SETTINGS", home + "/user.ini");
    env.insert("SOURCE_DATE_EPOCH", "1709640000");
    env.insert("TZ", "UTC"); // the heading date is local time
    return env;
}

// A node as the `tree` command lists it: its key and its kind letter.
struct TreeNode {
    std::string key;
    char kind = 0;
};

// The nodes of the `tree` command's output (index, key, kind letter, name: a line a node, tab
// separated), in explorer order.
inline std::vector<TreeNode> ReadTree(const std::string& out) {
    std::vector<TreeNode> nodes;
    std::istringstream lines(out);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string index, key, kind;
        if (std::getline(fields, index, '\t') && std::getline(fields, key, '\t') &&
            std::getline(fields, kind, '\t') && kind.size() == 1) {
            nodes.push_back({key, kind[0]});
        }
    }
    return nodes;
}

// listgen runs in a suite folder of their own (see MakeSuite), in the golden environment.
struct GoldenSuite {
    explicit GoldenSuite(const std::set<int16_t>& hidden = {})
        : made(MakeSuite(home.filePath("suite"), hidden)), env(GoldenEnvironment(home.path())) {}

    ToolRun Run(const QString& design, const QStringList& arguments, const QByteArray& input = {}) const {
        return RunTool("listgen",
                       QStringList{"--suite-dir", home.filePath("suite"), "--design", design} + arguments,
                       env, input);
    }

    // Every list of the nodes of `kinds` in the `tree` output, in its order, each behind a line
    // naming its command; the first node of each kind in `selectAllKinds` is listed a second
    // time with "Select All".
    std::string ListNodes(const QString& design, const std::string& tree, const char* kinds,
                          const char* selectAllKinds) const {
        std::string text, selectedAll;
        for (const TreeNode& node : ReadTree(tree)) {
            if (!std::strchr(kinds, node.kind)) {
                continue;
            }
            std::vector<QStringList> lists{{QString::fromStdString(node.key)}};
            if (std::strchr(selectAllKinds, node.kind) && selectedAll.find(node.kind) == std::string::npos) {
                selectedAll += node.kind;
                lists.push_back({lists[0][0], "--select-all"});
            }
            for (const QStringList& arguments : lists) {
                const ToolRun run = Run(design, QStringList{"list"} + arguments);
                EXPECT_EQ(run.status, 0) << arguments.join(' ').toStdString() << "\n" << run.err;
                text += "==== list " + arguments.join(' ').toStdString() + "\n" + run.out + "\n";
            }
        }
        return text;
    }

    QTemporaryDir home;
    bool made;
    QProcessEnvironment env;
};

} // namespace vxw::test
