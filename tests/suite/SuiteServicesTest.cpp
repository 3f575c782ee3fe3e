#include "suite/SuiteServices.h"
#include "suite/IniFile.h"
#include "suite/MessageCatalogue.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace vxw {
namespace {

void WriteFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST(MessageCatalogue, ReadsEntriesEscapesAndComments) {
    const MessageCatalogue catalogue =
        MessageCatalogue::FromText("# comment\t99 not an entry\r\n"
                                   "3125\tListen-Generator\r\n"
                                   " 99345 \tTeil nicht gefunden: \n"
                                   "31162\tAbbrechen?\\nWirklich\\tja \\\\ \\q\n"
                                   "no tab here\n"
                                   "\n"
                                   "4832\t\n"
                                   "3125\tListengenerator\n"
                                   "\tno id\n");
    EXPECT_EQ(catalogue.Find(QStringLiteral("3125")), QStringLiteral("Listengenerator")); // later line wins
    EXPECT_EQ(catalogue.Find(QStringLiteral("99345")), QStringLiteral("Teil nicht gefunden: "));
    EXPECT_EQ(catalogue.Find(QStringLiteral("31162")), QStringLiteral("Abbrechen?\nWirklich\tja \\ \\q"));
    EXPECT_FALSE(catalogue.Find(QStringLiteral("4832"))); // empty entry counts as missing
    EXPECT_FALSE(catalogue.Find(QStringLiteral("99")));
    EXPECT_EQ(catalogue.Size(), 4);
}

TEST(MessageCatalogue, AcceptsLatin1AndSurvivesBinaryJunk) {
    const MessageCatalogue latin1 = MessageCatalogue::FromText("1\tGr\xF6\xDF"
                                                               "e\n");
    EXPECT_EQ(latin1.Find(QStringLiteral("1")), QStringLiteral("Größe"));
    QByteArray junk;
    for (int i = 0; i < 4096; ++i) {
        junk.append(static_cast<char>((i * 7919) & 0xFF));
    }
    const MessageCatalogue damaged = MessageCatalogue::FromText(junk);
    EXPECT_FALSE(damaged.Find(QStringLiteral("3125")));
}

class SuiteServicesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        location_ = SuiteLocation::InFolder(dir_.path());
    }
    QTemporaryDir dir_;
    SuiteLocation location_;
};

TEST_F(SuiteServicesTest, MessageTextFallsBackToTheDefault) {
    SuiteServices missing(location_);
    EXPECT_EQ(missing.GetMessageText(QStringLiteral("List Generator"), QStringLiteral("3125")),
              QStringLiteral("List Generator"));

    WriteFile(location_.CatalogueFile(), "3125\tListen\n");
    SuiteServices present(location_);
    EXPECT_EQ(present.GetMessageText(QStringLiteral("List Generator"), QStringLiteral("3125")),
              QStringLiteral("Listen"));
    EXPECT_EQ(present.GetMessageText(QStringLiteral("Cancel"), QStringLiteral("99388")),
              QStringLiteral("Cancel"));

    // The catalogue is read once; a reload sees a changed file.
    WriteFile(location_.CatalogueFile(), "3125\tAndere\n");
    EXPECT_EQ(present.GetMessageText(QString(), QStringLiteral("3125")), QStringLiteral("Listen"));
    present.ReloadCatalogue();
    EXPECT_EQ(present.GetMessageText(QString(), QStringLiteral("3125")), QStringLiteral("Andere"));
}

TEST_F(SuiteServicesTest, CatalogueThatIsAFolderGivesDefaults) {
    ASSERT_TRUE(QDir().mkpath(location_.CatalogueFile()));
    SuiteServices services(location_);
    EXPECT_EQ(services.GetMessageText(QStringLiteral("x"), QStringLiteral("1")), QStringLiteral("x"));
}

TEST_F(SuiteServicesTest, SettingsRoundTripAndDefaults) {
    SuiteServices services(location_);
    const QString list = QStringLiteral("LIST GENERATOR");
    EXPECT_EQ(services.GetSuiteSetting(list, QStringLiteral("VIEW"), QStringLiteral("d")),
              QStringLiteral("d"));
    const QString spec = QStringLiteral("Library Name,1,99830;Type,0,16305");
    ASSERT_TRUE(services.SaveSuiteSetting(list, QStringLiteral("PART"), spec));
    ASSERT_TRUE(
        services.SaveSuiteSetting(list, QStringLiteral("PART_PATH"), QStringLiteral(" /lib with blank/ ")));
    ASSERT_TRUE(services.SaveSuiteSetting(QStringLiteral("Vexil2K"), QStringLiteral("LibDir"),
                                          QStringLiteral("/l/")));
    EXPECT_EQ(services.GetSuiteSetting(list, QStringLiteral("PART"), QString()), spec);
    EXPECT_EQ(services.GetSuiteSetting(list, QStringLiteral("part_path"), QString()),
              QStringLiteral(" /lib with blank/ "));

    // Another instance (another run) reads the same file.
    SuiteServices other(location_);
    EXPECT_EQ(other.GetSuiteSetting(QStringLiteral("vexil2k"), QStringLiteral("LibDir"), QString()),
              QStringLiteral("/l/"));
    // A change made on disk is seen without restarting.
    ASSERT_TRUE(services.SaveSuiteSetting(list, QStringLiteral("VIEW"), QStringLiteral("3")));
    EXPECT_EQ(other.GetSuiteSetting(list, QStringLiteral("VIEW"), QString()), QStringLiteral("3"));
}

TEST_F(SuiteServicesTest, OversizedSettingsFileIsNeitherReadNorOverwritten) {
    QByteArray big("[LIST GENERATOR]\nVIEW=3\n");
    big.append(QByteArray(IniFile::kMaxFileSize, '#'));
    WriteFile(location_.settingsFile, big);
    SuiteServices services(location_);
    EXPECT_EQ(services.GetSuiteSetting(QStringLiteral("LIST GENERATOR"), QStringLiteral("VIEW"),
                                       QStringLiteral("-")),
              QStringLiteral("-"));
    EXPECT_FALSE(services.SaveSuiteSetting(QStringLiteral("LIST GENERATOR"), QStringLiteral("VIEW"),
                                           QStringLiteral("1")));
    EXPECT_EQ(QFileInfo(location_.settingsFile).size(), big.size());
}

TEST_F(SuiteServicesTest, UnitScaleDefaultsAndAcceptsOnlySaneOverrides) {
    SuiteServices services(location_);
    EXPECT_EQ(services.UnitScale(), kDefaultUnitScale);
    const struct {
        const char* text;
        double scale;
    } cases[] = {{"1000", 1000},
                 {"2.5e2", 250},
                 {"0", kDefaultUnitScale},
                 {"-5", kDefaultUnitScale},
                 {"abc", kDefaultUnitScale},
                 {"1e12", kDefaultUnitScale}};
    for (const auto& c : cases) {
        ASSERT_TRUE(services.SaveSuiteSetting(QStringLiteral("Vexil2K"), QStringLiteral("UnitScale"),
                                              QString::fromLatin1(c.text)));
        EXPECT_EQ(services.UnitScale(), c.scale) << c.text;
    }
}

TEST(SuiteServices, TextFromPointerReadsLatin1) {
    EXPECT_EQ(SuiteServices::TextFromPointer(nullptr), QString());
    EXPECT_EQ(SuiteServices::TextFromPointer("Gr\xF6\xDF"
                                             "e"),
              QStringLiteral("Größe"));
}

TEST(SuiteLocation, EnvironmentNamesTheFolder) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QByteArray previous = qgetenv(kSuiteDirVariable);
    const bool wasSet = qEnvironmentVariableIsSet(kSuiteDirVariable);
    qputenv(kSuiteDirVariable, dir.path().toLocal8Bit());
    const SuiteLocation location = SuiteLocation::FromEnvironment();
    wasSet ? qputenv(kSuiteDirVariable, previous) : qunsetenv(kSuiteDirVariable);
    EXPECT_EQ(location.suiteDir, QDir::cleanPath(dir.path()));
    EXPECT_EQ(location.settingsFile, QDir::cleanPath(dir.path()) + QStringLiteral("/suite.ini"));
    EXPECT_EQ(location.CatalogueFile(),
              QDir::cleanPath(dir.path()) + QStringLiteral("/language/messages.txt"));
}

TEST(ScopedSuite, InstallsAndRestores) {
    QTemporaryDir a;
    QTemporaryDir b;
    ScopedSuite outer(SuiteLocation::InFolder(a.path()));
    EXPECT_EQ(Suite().Location().suiteDir, QDir::cleanPath(a.path()));
    {
        ScopedSuite inner(SuiteLocation::InFolder(b.path()));
        EXPECT_EQ(Suite().Location().suiteDir, QDir::cleanPath(b.path()));
    }
    EXPECT_EQ(Suite().Location().suiteDir, QDir::cleanPath(a.path()));
}

} // namespace
} // namespace vxw
