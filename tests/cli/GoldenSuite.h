#pragma once
// What the golden-file tests of the listgen executable share: a suite folder like the sample one
// whose settings hide chosen fields, a fixed date, and the files they read and (with
// LG_UPDATE_GOLDEN=1) rewrite.

#include "listgen/FieldProfile.h"

#include <QDir>
#include <QFile>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

#include <set>
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

} // namespace vxw::test
