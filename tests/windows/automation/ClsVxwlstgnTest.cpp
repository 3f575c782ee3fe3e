#include "windows/automation/ClsVxwlstgn.h"
#include "tests/ApplicationEnvironment.h"
#include "tests/windows/automation/AutomationFixture.h"

namespace vxw {
namespace {

// Load shows the hourglass: the tests need a graphical application for the whole run.
[[maybe_unused]] ::testing::Environment* const kApplication =
    ::testing::AddGlobalTestEnvironment(new test::ApplicationEnvironment("test_automation"));

// One reference, released at the end of the scope.
struct Object {
    ClsVxwlstgn* object = ClsVxwlstgn::Create();
    ~Object() {
        if (object != nullptr) {
            object->Release();
        }
    }
    ClsVxwlstgn* operator->() const { return object; }
};

VxlResult NotifyByVtable(ClsVxwlstgn* object, const char* command) {
    if (command == nullptr) {
        return object->NotifyMe(nullptr, nullptr);
    }
    VxlString text = ToVxlString(QString::fromLatin1(command));
    const VxlResult result = object->NotifyMe(nullptr, &text);
    VxlStringFree(text);
    return result;
}

VxlResult NotifyByInvoke(ClsVxwlstgn* object, const char* command) {
    VxlVariant args[2] = {StringVariant(QStringLiteral("HOST")), {}};
    if (command != nullptr) {
        args[1] = StringVariant(QString::fromLatin1(command));
    }
    const VxlResult result = object->Invoke(kDispIdNotifyMe, kDispatchMethod, args, 2, nullptr);
    VxlVariantClear(&args[0]);
    VxlVariantClear(&args[1]);
    return result;
}

using ClsVxwlstgnTest = AutomationTest;

TEST_F(ClsVxwlstgnTest, NotifyMeRunsOnlyCommandsForTheComponent) {
    struct Case {
        const char* command;
        int startState;
        VxlResult result;
        int state;
        int refreshes;
        int unloads;
        bool shutdownHeard;
    };
    // One command of each decision; how each text is decided is the parser's own test.
    const Case cases[] = {
        {nullptr, 2, kResultOk, 2, 0, 0, false},
        {"", 2, kResultOk, 2, 0, 0, false},
        {"Other,MN", 0, kResultOk, 0, 0, 0, false},
        {"All,DF", 1, kResultOk, 0, 0, 0, false},
        {"VXLLSTGN,MN", 0, kResultOk, 1, 0, 0, false},
        {"VXLLSTGN,UP,", 0, kResultOk, 0, 1, 0, false},
        {"VXLLSTGN", 2, kResultSubscriptOutOfRange, 2, 0, 0, false},
        {"VXLLSTGN,EX", 0, kResultOk, 0, 0, 1, true},
    };
    for (const auto road : {&NotifyByVtable, &NotifyByInvoke}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.command == nullptr ? "(missing)" : c.command);
            NewWindow();
            Object object;
            RecordingSink sink;
            uint32_t cookie = 0;
            ASSERT_EQ(object->Advise(&sink, &cookie), kResultOk);
            int16_t mode = static_cast<int16_t>(c.startState);
            VxlBool shown = kVxlFalse;
            ASSERT_EQ(object->Load(&mode, &shown), kResultOk);

            EXPECT_EQ(road(object.object, c.command), c.result);
            EXPECT_EQ(window->state, c.state);
            EXPECT_EQ(window->refreshes, c.refreshes);
            EXPECT_EQ(window->unloads, c.unloads);
            EXPECT_EQ(window->jobStopped, c.unloads > 0);
            const std::vector<HostNotification> expected =
                c.shutdownHeard ? std::vector<HostNotification>{ShutdownNotification()}
                                : std::vector<HostNotification>{};
            EXPECT_EQ(sink.heard, expected);
            EXPECT_EQ(object->Unadvise(cookie), kResultOk);
            EXPECT_EQ(sink.references, 1u);
        }
    }
}

TEST_F(ClsVxwlstgnTest, LoadShowsTheWindowInTheAskedState) {
    struct Case {
        bool startUpFails;
        int16_t mode;
        VxlResult result;
        VxlBool shown;
        int startUps;
        int stateCalls;
    };
    const Case cases[] = {
        {false, 0, kResultOk, kVxlTrue, 1, 1},          {false, 1, kResultOk, kVxlTrue, 1, 1},
        {false, 2, kResultOk, kVxlTrue, 1, 1},          {true, 2, kResultOk, kVxlFalse, 1, 0},
        {false, 3, kResultInvalidArg, kVxlFalse, 0, 0}, {false, -1, kResultInvalidArg, kVxlFalse, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.mode << (c.startUpFails ? ", start-up fails" : ""));
        NewWindow();
        window->startUpFails = c.startUpFails;
        Object object;
        RecordingSink sink;
        uint32_t cookie = 0;
        ASSERT_EQ(object->Advise(&sink, &cookie), kResultOk);
        int16_t mode = c.mode;
        VxlBool shown = 7;
        EXPECT_EQ(object->Load(&mode, &shown), c.result);
        if (c.result == kResultOk) {
            EXPECT_EQ(shown, c.shown);
            EXPECT_EQ(window->cursorAtShow, Qt::WaitCursor);
        }
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(window->startUps, c.startUps);
        EXPECT_EQ(window->stateCalls, c.stateCalls);
        if (c.stateCalls > 0) {
            EXPECT_EQ(window->state, c.mode);
        }
        // A failed start-up has unloaded the window, and the host has heard it.
        EXPECT_EQ(sink.heard.size(), c.startUpFails ? 1u : 0u);
        object->Unadvise(cookie);
    }
}

TEST_F(ClsVxwlstgnTest, ASecondLoadShowsAgainWithoutStartUp) {
    Object object;
    int16_t mode = 2;
    VxlBool shown = kVxlFalse;
    ASSERT_EQ(object->Load(&mode, &shown), kResultOk);
    window->state = 1;
    mode = 0;
    ASSERT_EQ(object->Load(&mode, &shown), kResultOk);
    EXPECT_EQ(shown, kVxlTrue);
    EXPECT_EQ(window->startUps, 1);
    EXPECT_EQ(window->state, 0);

    // Another object refers to the same window.
    Object other;
    ASSERT_EQ(other->Load(&mode, &shown), kResultOk);
    EXPECT_EQ(window->startUps, 1);
}

TEST_F(ClsVxwlstgnTest, WithoutAMainWindowLoadAnswersFalse) {
    SetComponentWindowFactory(nullptr);
    Object object;
    int16_t mode = 0;
    VxlBool shown = kVxlTrue;
    EXPECT_EQ(object->Load(&mode, &shown), kResultOk);
    EXPECT_EQ(shown, kVxlFalse);
    EXPECT_EQ(NotifyByVtable(object.object, "Other,MN"), kResultOk);
    EXPECT_EQ(NotifyByVtable(object.object, "VXLLSTGN"), kResultSubscriptOutOfRange);
    EXPECT_EQ(object->Load(nullptr, &shown), kResultPointer);
}

TEST_F(ClsVxwlstgnTest, SeverPathKeepsOneComponentWideText) {
    Object object;
    Object other;
    VxlString value = nullptr;
    ASSERT_EQ(object->GetSeverPath(&value), kResultOk);
    EXPECT_EQ(FromVxlString(value), QString());
    VxlStringFree(value);

    const QString text = QStringLiteral("/opt/Vexil,2000/Größe \"x\"");
    VxlString put = ToVxlString(text);
    ASSERT_EQ(object->PutSeverPath(&put), kResultOk);
    VxlStringFree(put);
    ASSERT_EQ(other->GetSeverPath(&value), kResultOk);
    EXPECT_EQ(FromVxlString(value), text);
    VxlStringFree(value);

    VxlVariant arg = StringVariant(QStringLiteral("second"));
    ASSERT_EQ(object->Invoke(kDispIdSeverPath, kDispatchPropertyPut, &arg, 1, nullptr), kResultOk);
    VxlVariantClear(&arg);
    VxlVariant result{};
    ASSERT_EQ(object->Invoke(kDispIdSeverPath, kDispatchPropertyGet, nullptr, 0, &result), kResultOk);
    EXPECT_EQ(result.type, kVariantString);
    EXPECT_EQ(FromVxlString(result.value.string), QStringLiteral("second"));
    VxlVariantClear(&result);
}

TEST_F(ClsVxwlstgnTest, InvokeByDispatchId) {
    Object object;
    VxlVariant text = StringVariant(QStringLiteral("x"));
    const VxlVariant mode2 = ShortVariant(2);
    VxlVariant mode1Long{};
    mode1Long.type = kVariantI4;
    mode1Long.value.i4 = 1;
    VxlVariant tooLong = mode1Long;
    tooLong.value.i4 = 70000;
    const VxlVariant none{};
    struct Case {
        const char* what;
        int32_t dispId;
        uint16_t flags;
        std::vector<VxlVariant> args;
        VxlResult result;
    };
    const Case cases[] = {
        {"load maximised", kDispIdLoad, kDispatchMethod, {mode2}, kResultOk},
        {"load, 32-bit mode", kDispIdLoad, kDispatchMethod | kDispatchPropertyGet, {mode1Long}, kResultOk},
        {"load, mode out of range", kDispIdLoad, kDispatchMethod, {tooLong}, kResultTypeMismatch},
        {"load, text mode", kDispIdLoad, kDispatchMethod, {text}, kResultTypeMismatch},
        {"load, no mode", kDispIdLoad, kDispatchMethod, {}, kResultBadParamCount},
        {"load as a property", kDispIdLoad, kDispatchPropertyGet, {mode2}, kResultMemberNotFound},
        {"notify, no arguments", kDispIdNotifyMe, kDispatchMethod, {}, kResultOk},
        {"notify, missing command", kDispIdNotifyMe, kDispatchMethod, {text, none}, kResultOk},
        {"notify, number command", kDispIdNotifyMe, kDispatchMethod, {text, mode2}, kResultTypeMismatch},
        {"notify, 3 arguments", kDispIdNotifyMe, kDispatchMethod, {text, text, text}, kResultBadParamCount},
        {"get with an argument", kDispIdSeverPath, kDispatchPropertyGet, {text}, kResultBadParamCount},
        {"put without a value", kDispIdSeverPath, kDispatchPropertyPut, {}, kResultBadParamCount},
        {"put a number", kDispIdSeverPath, kDispatchPropertyPut, {mode2}, kResultTypeMismatch},
        {"property as a method", kDispIdSeverPath, kDispatchMethod, {}, kResultMemberNotFound},
        {"unknown id", 0x60030003, kDispatchMethod, {}, kResultMemberNotFound},
        {"the event's id", kDispIdNotifyServer, kDispatchMethod, {}, kResultMemberNotFound},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        VxlVariant result{};
        EXPECT_EQ(
            object->Invoke(c.dispId, c.flags, c.args.data(), static_cast<uint32_t>(c.args.size()), &result),
            c.result);
        VxlVariantClear(&result);
    }
    EXPECT_EQ(window->state, 1); // the last successful Load
    EXPECT_EQ(object->Invoke(kDispIdLoad, kDispatchMethod, nullptr, 1, nullptr), kResultPointer);

    int32_t id = 0;
    EXPECT_EQ(object->GetIdOfName(u"notifyme", &id), kResultOk);
    EXPECT_EQ(id, kDispIdNotifyMe);
    EXPECT_EQ(object->GetIdOfName(u"SeverPath", &id), kResultOk);
    EXPECT_EQ(id, kDispIdSeverPath);
    EXPECT_EQ(object->GetIdOfName(u"ServerPath", &id), kResultUnknownName);
    VxlVariantClear(&text);
}

TEST_F(ClsVxwlstgnTest, EventsReachEveryObjectsSinksUntilUnadvised) {
    Object first;
    Object second;
    RecordingSink a;
    RecordingSink b;
    uint32_t cookieA = 0;
    uint32_t cookieB = 0;
    ASSERT_EQ(first->Advise(&a, &cookieA), kResultOk);
    ASSERT_EQ(second->Advise(&b, &cookieB), kResultOk);
    EXPECT_NE(cookieA, 0u);
    window->RaiseNotifyClass(QStringLiteral("VXLSPCVR"), QStringLiteral("SHELL,0,/tmp/a,b.LIST"));
    const std::vector<HostNotification> viewer{
        {QStringLiteral("VXLSPCVR"), QStringLiteral("SHELL,0,/tmp/a,b.LIST")}};
    EXPECT_EQ(a.heard, viewer);
    EXPECT_EQ(b.heard, viewer);

    EXPECT_EQ(first->Unadvise(cookieA), kResultOk);
    EXPECT_EQ(first->Unadvise(cookieA), kResultNoConnection);
    window->RaiseNotifyClass(QStringLiteral("X"), QStringLiteral("Y"));
    EXPECT_EQ(a.heard.size(), 1u);
    EXPECT_EQ(b.heard.size(), 2u);
    EXPECT_EQ(a.references, 1u);

    uint32_t cookie = 0;
    EXPECT_EQ(first->Advise(nullptr, &cookie), kResultPointer);
    second->Unadvise(cookieB);
}

TEST_F(ClsVxwlstgnTest, TerminationUnloadsTheWindowAndReleasesTheSinks) {
    Object survivor;
    RecordingSink survivorSink;
    uint32_t cookie = 0;
    ASSERT_EQ(survivor->Advise(&survivorSink, &cookie), kResultOk);

    ClsVxwlstgn* ending = ClsVxwlstgn::Create();
    RecordingSink endingSink;
    uint32_t endingCookie = 0;
    ASSERT_EQ(ending->Advise(&endingSink, &endingCookie), kResultOk);
    int16_t mode = 0;
    VxlBool shown = kVxlFalse;
    ASSERT_EQ(ending->Load(&mode, &shown), kResultOk);
    EXPECT_EQ(endingSink.references, 2u);

    EXPECT_EQ(ending->Release(), 0u);
    EXPECT_EQ(window->unloads, 1);
    EXPECT_EQ(endingSink.references, 1u);
    EXPECT_TRUE(endingSink.heard.empty());
    EXPECT_EQ(survivorSink.heard, std::vector<HostNotification>{ShutdownNotification()});
    survivor->Unadvise(cookie);
}

} // namespace
} // namespace vxw
