#include "windows/automation/ServerEntryPoints.h"
#include "shell/ComponentRegistry.h"
#include "tests/windows/automation/AutomationFixture.h"

#include <QFileInfo>
#include <QTemporaryDir>

namespace vxw {
namespace {

using ServerEntryPointsTest = AutomationTest;

TEST_F(ServerEntryPointsTest, ClassFactoryAndUnloadCounts) {
    ASSERT_EQ(DllCanUnloadNow(), kResultOk);
    void* pointer = nullptr;
    const VxlGuid otherClass{1, 2, 3, {4, 5, 6, 7, 8, 9, 10, 11}};
    EXPECT_EQ(DllGetClassObject(&otherClass, &kIidVxlClassFactory, &pointer), kResultClassNotAvailable);
    EXPECT_EQ(DllGetClassObject(&kClsidClsVxwlstgn, &kIidClsVxwlstgn, &pointer), kResultNoInterface);
    EXPECT_EQ(pointer, nullptr);
    EXPECT_EQ(DllGetClassObject(&kClsidClsVxwlstgn, &kIidVxlClassFactory, nullptr), kResultPointer);
    EXPECT_EQ(DllCanUnloadNow(), kResultOk);

    ASSERT_EQ(DllGetClassObject(&kClsidClsVxwlstgn, &kIidVxlClassFactory, &pointer), kResultOk);
    auto* factory = static_cast<VxlClassFactory*>(pointer);
    EXPECT_EQ(DllCanUnloadNow(), kResultFalse);

    EXPECT_EQ(factory->CreateInstance(factory, &kIidClsVxwlstgn, &pointer), kResultNoAggregation);
    EXPECT_EQ(factory->CreateInstance(nullptr, &kIidVxlClassFactory, &pointer), kResultNoInterface);
    ASSERT_EQ(factory->CreateInstance(nullptr, &kIidClsVxwlstgn, &pointer), kResultOk);
    auto* object = static_cast<_clsVxwlstgn*>(pointer);

    // One identity: the event source answers the same object for the base interface.
    void* events = nullptr;
    void* identity = nullptr;
    void* again = nullptr;
    ASSERT_EQ(object->QueryInterface(&kIidVxlEventSource, &events), kResultOk);
    ASSERT_EQ(static_cast<VxlEventSource*>(events)->QueryInterface(&kIidVxlUnknown, &identity), kResultOk);
    ASSERT_EQ(object->QueryInterface(&kIidVxlUnknown, &again), kResultOk);
    EXPECT_EQ(identity, again);
    EXPECT_EQ(object->QueryInterface(&kIidVxlClassFactory, &pointer), kResultNoInterface);
    static_cast<VxlUnknown*>(identity)->Release();
    static_cast<VxlUnknown*>(again)->Release();
    static_cast<VxlEventSource*>(events)->Release();

    EXPECT_EQ(factory->Release(), 0u);
    EXPECT_EQ(DllCanUnloadNow(), kResultFalse); // the object lives on
    EXPECT_EQ(object->Release(), 0u);
    EXPECT_EQ(DllCanUnloadNow(), kResultOk);

    ASSERT_EQ(DllGetClassObject(&kClsidClsVxwlstgn, &kIidVxlUnknown, &pointer), kResultOk);
    factory = static_cast<VxlClassFactory*>(pointer);
    EXPECT_EQ(factory->LockServer(1), kResultOk);
    factory->Release();
    EXPECT_EQ(DllCanUnloadNow(), kResultFalse); // locked
    ASSERT_EQ(DllGetClassObject(&kClsidClsVxwlstgn, &kIidVxlClassFactory, &pointer), kResultOk);
    factory = static_cast<VxlClassFactory*>(pointer);
    EXPECT_EQ(factory->LockServer(0), kResultOk);
    EXPECT_EQ(factory->LockServer(0), kResultOk); // an unlock too many does not go below none
    factory->Release();
    EXPECT_EQ(DllCanUnloadNow(), kResultOk);
}

TEST_F(ServerEntryPointsTest, RegisterAndUnregisterRoundTrip) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString registry = dir.filePath(QStringLiteral("sub/registry.ini"));
    qputenv(kRegistryVariable, QFile::encodeName(registry));

    ASSERT_EQ(DllRegisterServer(), kResultOk);
    const std::optional<ComponentRegistration> record =
        ReadRegistration(registry, QLatin1String(kClsVxwlstgnProgId));
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(record->classId, QStringLiteral("{5F93FB05-9564-434F-9B1D-0277106C064F}"));
    EXPECT_EQ(record->typeLibrary, QStringLiteral("VXLlstgn"));
    EXPECT_EQ(record->version, QStringLiteral("1.0"));
    EXPECT_EQ(record->description, QStringLiteral("Vexil 2000 List Generator"));
    EXPECT_TRUE(QFileInfo(record->library).isAbsolute());
    EXPECT_EQ(QFileInfo(record->library).canonicalFilePath(),
              QFileInfo(QStringLiteral(VXLLSTGN_LIBRARY)).canonicalFilePath());
    EXPECT_EQ(GuidFromText(record->classId).value(), kClsidClsVxwlstgn);

    ASSERT_EQ(DllRegisterServer(), kResultOk); // again: the same one record
    ASSERT_EQ(DllUnregisterServer(), kResultOk);
    EXPECT_FALSE(ReadRegistration(registry, QLatin1String(kClsVxwlstgnProgId)).has_value());
    EXPECT_EQ(DllUnregisterServer(), kResultOk);

    // A registry that cannot be written fails registration.
    qputenv(kRegistryVariable, QFile::encodeName(dir.filePath(QStringLiteral("sub/registry.ini/x.ini"))));
    EXPECT_EQ(DllRegisterServer(), kResultRegistrationFailed);
    qunsetenv(kRegistryVariable);
}

} // namespace
} // namespace vxw
