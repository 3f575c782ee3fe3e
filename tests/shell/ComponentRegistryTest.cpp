#include "shell/ComponentRegistry.h"
#include "shell/AutomationText.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace vxw {
namespace {

TEST(ComponentRegistry, RecordsRoundTripWithHostileValues) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("registry.ini"));
    const ComponentRegistration records[] = {
        {QStringLiteral("VXLlstgn.clsVxwlstgn"), QStringLiteral("{5F93FB05-9564-434F-9B1D-0277106C064F}"),
         QStringLiteral("/opt/a, b/\"Größe\";=[x]/libVXLlstgn.so"), QStringLiteral("VXLlstgn"),
         QStringLiteral("1.0"), QStringLiteral("Vexil 2000 List Generator")},
        {QStringLiteral("Other.Class"), QStringLiteral("{00000000-0000-0000-0000-000000000001}"),
         QStringLiteral("/lib/other.so"), QString(), QString(), QString()},
    };
    for (const ComponentRegistration& record : records) {
        ASSERT_TRUE(WriteRegistration(file, record));
    }
    for (const ComponentRegistration& record : records) {
        EXPECT_EQ(ReadRegistration(file, record.progId), record);
    }
    // A record is replaced whole; removing one leaves the other.
    ComponentRegistration replaced = records[1];
    replaced.library = QStringLiteral("/lib/new.so");
    ASSERT_TRUE(WriteRegistration(file, replaced));
    EXPECT_EQ(ReadRegistration(file, replaced.progId), replaced);
    ASSERT_TRUE(RemoveRegistration(file, records[0].progId));
    EXPECT_FALSE(ReadRegistration(file, records[0].progId).has_value());
    EXPECT_TRUE(ReadRegistration(file, replaced.progId).has_value());
    EXPECT_TRUE(RemoveRegistration(dir.filePath(QStringLiteral("none.ini")), records[0].progId));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("none.ini"))));
}

TEST(ComponentRegistry, DamagedOrMissingRecordsAreNotFound) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const auto write = [&](const QString& name, const QByteArray& text) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        return file.fileName();
    };
    const QString progId = QStringLiteral("VXLlstgn.clsVxwlstgn");
    EXPECT_FALSE(ReadRegistration(dir.filePath(QStringLiteral("absent.ini")), progId));
    EXPECT_FALSE(
        ReadRegistration(write(QStringLiteral("nolib.ini"), "[VXLlstgn.clsVxwlstgn]\nCLSID={1}\n"), progId));
    EXPECT_FALSE(ReadRegistration(
        write(QStringLiteral("noid.ini"), "[VXLlstgn.clsVxwlstgn]\nLibrary=/x.so\n"), progId));
    EXPECT_FALSE(
        ReadRegistration(write(QStringLiteral("binary.ini"), QByteArray("\0\xff[\n=\x01", 6)), progId));
    const QString huge =
        write(QStringLiteral("huge.ini"),
              "[VXLlstgn.clsVxwlstgn]\nCLSID={1}\nLibrary=/x.so\n" + QByteArray(kMaxRegistryFileSize, ';'));
    EXPECT_FALSE(ReadRegistration(huge, progId));
    EXPECT_FALSE(
        WriteRegistration(huge, {progId, QStringLiteral("{1}"), QStringLiteral("/x.so"), {}, {}, {}}));
    EXPECT_FALSE(ReadRegistration(huge, QString()));
}

TEST(AutomationText, ClassIdsAndTexts) {
    EXPECT_EQ(GuidText(kClsidClsVxwlstgn), QStringLiteral("{5F93FB05-9564-434F-9B1D-0277106C064F}"));
    EXPECT_EQ(GuidFromText(QStringLiteral(" 5f93fb05-9564-434f-9b1d-0277106c064f ")), kClsidClsVxwlstgn);
    EXPECT_FALSE(GuidFromText(QStringLiteral("{5F93FB05-9564}")).has_value());
    EXPECT_FALSE(GuidFromText(QString()).has_value());

    const QString text = QStringLiteral("a\u00e9\U0001F600");
    VxlString copy = ToVxlString(text);
    EXPECT_EQ(FromVxlString(copy), text);
    VxlStringFree(copy);
    EXPECT_EQ(FromVxlString(nullptr), QString());
}

} // namespace
} // namespace vxw
