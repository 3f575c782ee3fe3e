// The host's road to the component, end to end: the built VXLlstgn is registered in a private
// registry file, found again through the record, loaded with QLibrary and driven through its
// interfaces.

#include "host/ComponentClient.h"
#include "shell/AutomationText.h"
#include "shell/ComponentRegistry.h"
#include "shell/HostLink.h"
#include "tests/ApplicationEnvironment.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace vxw {
namespace {

const QString kProgId = QLatin1String(kClsVxwlstgnProgId);

// As in the host, the component lives in a widget application: creating the class may make the
// main window object.
[[maybe_unused]] ::testing::Environment* const kApplication =
    ::testing::AddGlobalTestEnvironment(new test::ApplicationEnvironment("test_host"));

class ComponentClientTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        registry_ = dir_.filePath(QStringLiteral("registry.ini"));
        qputenv(kRegistryVariable, QFile::encodeName(registry_));
    }
    void TearDown() override { qunsetenv(kRegistryVariable); }

    QTemporaryDir dir_;
    QString registry_;
};

TEST_F(ComponentClientTest, CreatesTheRegisteredClassAndDrivesIt) {
    QString error;
    ASSERT_EQ(RegisterLibrary(QStringLiteral(VXLLSTGN_LIBRARY), false, error), kResultOk)
        << qPrintable(error);
    std::vector<HostNotification> heard;
    auto client = ComponentClient::Create(
        registry_, kProgId,
        [&](const QString& aname, const QString& command) {
            heard.push_back({aname, command});
        },
        error);
    ASSERT_NE(client, nullptr) << qPrintable(error);

    EXPECT_EQ(client->NotifyMe(QString()), kResultOk);
    EXPECT_EQ(client->NotifyMe(QStringLiteral("Other,MN")), kResultOk);
    EXPECT_EQ(client->NotifyMe(QStringLiteral("VXLLSTGN")), kResultSubscriptOutOfRange);
    EXPECT_EQ(ResultText(kResultSubscriptOutOfRange), QStringLiteral("0x800A0009 (subscript out of range)"));

    ASSERT_EQ(client->SetSeverPath(QStringLiteral("/srv/Größe")), kResultOk);
    QString value;
    ASSERT_EQ(client->SeverPath(value), kResultOk);
    EXPECT_EQ(value, QStringLiteral("/srv/Größe"));
    VxlVariant args[2] = {StringVariant(QStringLiteral("HOST")), StringVariant(QStringLiteral("All"))};
    EXPECT_EQ(client->Invoke(kDispIdNotifyMe, kDispatchMethod, args, 2, nullptr), kResultSubscriptOutOfRange);
    VxlVariantClear(&args[0]);
    VxlVariantClear(&args[1]);
    VxlVariant result{};
    ASSERT_EQ(client->Invoke(kDispIdSeverPath, kDispatchPropertyGet, nullptr, 0, &result), kResultOk);
    EXPECT_EQ(FromVxlString(result.value.string), QStringLiteral("/srv/Größe"));
    VxlVariantClear(&result);
    EXPECT_TRUE(heard.empty());

    QLibrary library(client->LibraryPath());
    ASSERT_TRUE(library.load());
    const auto canUnloadNow = reinterpret_cast<DllCanUnloadNowFunction>(library.resolve("DllCanUnloadNow"));
    ASSERT_NE(canUnloadNow, nullptr);
    EXPECT_EQ(canUnloadNow(), kResultFalse);
    client.reset();
    EXPECT_EQ(canUnloadNow(), kResultOk);

    ASSERT_EQ(RegisterLibrary(QStringLiteral(VXLLSTGN_LIBRARY), true, error), kResultOk) << qPrintable(error);
    EXPECT_EQ(ComponentClient::Create(registry_, kProgId, nullptr, error), nullptr);
    EXPECT_TRUE(error.contains(QStringLiteral("not registered"))) << qPrintable(error);
}

TEST_F(ComponentClientTest, BrokenRecordsGiveOneLine) {
    const QString built = QStringLiteral(VXLLSTGN_LIBRARY);
    const std::tuple<QString, QString, const char*> cases[] = {
        {"{5F93FB05-9564-434F-9B1D-0277106C064F}", dir_.filePath(QStringLiteral("gone.so")), "cannot load"},
        {"not an id", built, "not valid"},
        {"{00000000-0000-0000-0000-000000000001}", built, "class not available"},
    };
    for (const auto& [classId, library, message] : cases) {
        ASSERT_TRUE(WriteRegistration(registry_, {kProgId, classId, library, {}, {}, {}}));
        QString error;
        EXPECT_EQ(ComponentClient::Create(registry_, kProgId, nullptr, error), nullptr);
        EXPECT_TRUE(error.contains(QLatin1String(message))) << qPrintable(error);
        EXPECT_FALSE(error.contains(QLatin1Char('\n')));
    }
    QString error;
    EXPECT_EQ(RegisterLibrary(dir_.filePath(QStringLiteral("gone.so")), false, error), kResultFail);
}

} // namespace
} // namespace vxw
