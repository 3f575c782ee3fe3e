#include "suite/AppSettings.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace vxw {
namespace {

TEST(AppSettings, StoresUnderTheComponentSection) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("user.ini"));
    {
        AppSettings settings(path);
        EXPECT_EQ(settings.Value(QStringLiteral("LOCK_TB")), QString());
        EXPECT_FALSE(settings.Contains(QStringLiteral("LOCK_TB")));
        EXPECT_TRUE(settings.SetValue(QStringLiteral("LOCK_TB"), QStringLiteral("1")));
        EXPECT_TRUE(settings.SetValue(QStringLiteral("LGMAIN_TOP"), QStringLiteral("120")));
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_NE(text.indexOf("[VXLLSTGN]"), -1);
    EXPECT_NE(text.indexOf("LOCK_TB=1"), -1);

    const AppSettings again(path);
    EXPECT_EQ(again.Value(QStringLiteral("LGMAIN_TOP")), QStringLiteral("120"));
    EXPECT_TRUE(again.Contains(QStringLiteral("LOCK_TB")));
}

TEST(AppSettings, HandEditedListValueStaysText) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("user.ini"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[VXLLSTGN]\nLGMAIN_TOP=1, 2\n");
    file.close();
    EXPECT_EQ(AppSettings(path).Value(QStringLiteral("LGMAIN_TOP")), QStringLiteral("1, 2"));
}

TEST(AppSettings, OversizedFileIsNeitherReadNorRewritten) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("user.ini"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[VXLLSTGN]\nLOCK_TB=1\n");
    ASSERT_TRUE(file.resize(AppSettings::MaxFileSize + 1)); // sparse: costs no disk
    file.close();
    AppSettings settings(path);
    EXPECT_EQ(settings.Value(QStringLiteral("LOCK_TB"), QStringLiteral("d")), QStringLiteral("d"));
    EXPECT_FALSE(settings.Contains(QStringLiteral("LOCK_TB")));
    EXPECT_FALSE(settings.SetValue(QStringLiteral("LOCK_TB"), QStringLiteral("0")));
    EXPECT_EQ(QFileInfo(path).size(), AppSettings::MaxFileSize + 1);
    // Back within the cap, the same object reads it.
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.resize(20));
    file.close();
    EXPECT_EQ(settings.Value(QStringLiteral("LOCK_TB")), QStringLiteral("1"));
}

TEST(AppSettings, EnvironmentRedirectsTheDefaultFile) {
    const QByteArray previous = qgetenv(kAppSettingsVariable);
    const bool wasSet = qEnvironmentVariableIsSet(kAppSettingsVariable);
    qputenv(kAppSettingsVariable, "/tmp/somewhere/test.ini");
    const QString file = AppSettings::DefaultFile();
    wasSet ? qputenv(kAppSettingsVariable, previous) : qunsetenv(kAppSettingsVariable);
    EXPECT_EQ(file, QStringLiteral("/tmp/somewhere/test.ini"));
}

} // namespace
} // namespace vxw
