#include "host/ComponentClient.h"

#include "shell/AutomationText.h"
#include "shell/ComponentRegistry.h"

namespace vxw {

// The host's sink for __clsVxwlstgn. The object may keep a reference after the client is gone;
// the sink then stays silent.
class ComponentClient::Sink final : public VxlDispatch {
public:
    explicit Sink(Notify notify) : notify_(std::move(notify)) {}

    void Disconnect() { notify_ = nullptr; }

    VxlResult QueryInterface(const VxlGuid* iid, void** object) override {
        if (object == nullptr || iid == nullptr) {
            return kResultPointer;
        }
        *object = nullptr;
        if (*iid != kIidVxlUnknown && *iid != kIidVxlDispatch && *iid != kDiidClsVxwlstgnEvents) {
            return kResultNoInterface;
        }
        *object = static_cast<VxlDispatch*>(this);
        AddRef();
        return kResultOk;
    }
    uint32_t AddRef() override { return ++references_; }
    uint32_t Release() override {
        const uint32_t left = --references_;
        if (left == 0) {
            delete this;
        }
        return left;
    }
    VxlResult GetIdOfName(const char16_t* name, int32_t* dispId) override {
        if (name == nullptr || dispId == nullptr) {
            return kResultPointer;
        }
        if (FromVxlString(name).compare(QLatin1String("NotifyServer"), Qt::CaseInsensitive) != 0) {
            return kResultUnknownName;
        }
        *dispId = kDispIdNotifyServer;
        return kResultOk;
    }
    VxlResult Invoke(int32_t dispId, uint16_t flags, const VxlVariant* args, uint32_t argCount,
                     VxlVariant* result) override {
        if (dispId != kDispIdNotifyServer || (flags & kDispatchMethod) == 0) {
            return kResultMemberNotFound;
        }
        if (argCount != 2 || args == nullptr) {
            return kResultBadParamCount;
        }
        if (args[0].type != kVariantString || args[1].type != kVariantString) {
            return kResultTypeMismatch;
        }
        if (result != nullptr) {
            *result = VxlVariant{};
        }
        if (notify_) {
            // The texts belong to the caller: copied here.
            const Notify notify = notify_; // the handler may disconnect this sink
            try {
                notify(FromVxlString(args[0].value.string), FromVxlString(args[1].value.string));
            } catch (...) {
                return kResultFail;
            }
        }
        return kResultOk;
    }

private:
    ~Sink() = default;

    Notify notify_;
    uint32_t references_ = 1;
};

std::unique_ptr<ComponentClient> ComponentClient::Create(const QString& registryFile, const QString& progId,
                                                         Notify notify, QString& error) {
    const std::optional<ComponentRegistration> record = ReadRegistration(registryFile, progId);
    if (!record) {
        error = QStringLiteral("%1 is not registered in %2").arg(progId, registryFile);
        return nullptr;
    }
    const std::optional<VxlGuid> clsid = GuidFromText(record->classId);
    if (!clsid) {
        error = QStringLiteral("the class id of %1 in %2 is not valid: %3")
                    .arg(progId, registryFile, record->classId);
        return nullptr;
    }
    std::unique_ptr<ComponentClient> client(new ComponentClient());
    client->library_.setFileName(record->library);
    if (!client->library_.load()) {
        error = QStringLiteral("cannot load %1: %2").arg(record->library, client->library_.errorString());
        return nullptr;
    }
    const auto getClassObject =
        reinterpret_cast<DllGetClassObjectFunction>(client->library_.resolve("DllGetClassObject"));
    if (getClassObject == nullptr) {
        error = QStringLiteral("%1 has no DllGetClassObject").arg(record->library);
        return nullptr;
    }
    void* pointer = nullptr;
    VxlResult result = getClassObject(&*clsid, &kIidVxlClassFactory, &pointer);
    if (!Succeeded(result) || pointer == nullptr) {
        error = QStringLiteral("%1 gives no class factory for %2: %3")
                    .arg(record->library, progId, ResultText(result));
        return nullptr;
    }
    auto* factory = static_cast<VxlClassFactory*>(pointer);
    pointer = nullptr;
    result = factory->CreateInstance(nullptr, &kIidClsVxwlstgn, &pointer);
    factory->Release();
    if (!Succeeded(result) || pointer == nullptr) {
        error = QStringLiteral("cannot create %1: %2").arg(progId, ResultText(result));
        return nullptr;
    }
    client->object_ = static_cast<_clsVxwlstgn*>(pointer);
    pointer = nullptr;
    result = client->object_->QueryInterface(&kIidVxlEventSource, &pointer);
    if (!Succeeded(result) || pointer == nullptr) {
        error = QStringLiteral("%1 raises no events: %2").arg(progId, ResultText(result));
        return nullptr;
    }
    client->events_ = static_cast<VxlEventSource*>(pointer);
    client->sink_ = new Sink(std::move(notify));
    result = client->events_->Advise(client->sink_, &client->cookie_);
    if (!Succeeded(result)) {
        error = QStringLiteral("cannot register for the events of %1: %2").arg(progId, ResultText(result));
        return nullptr;
    }
    return client;
}

ComponentClient::~ComponentClient() {
    if (events_ != nullptr) {
        if (cookie_ != 0) {
            events_->Unadvise(cookie_);
        }
        events_->Release();
    }
    if (sink_ != nullptr) {
        sink_->Disconnect();
    }
    if (object_ != nullptr) {
        object_->Release();
    }
    if (sink_ != nullptr) {
        sink_->Release();
    }
}

VxlResult ComponentClient::Load(int16_t mode, bool& shown) {
    VxlBool answer = kVxlFalse;
    const VxlResult result = object_->Load(&mode, &answer);
    shown = Succeeded(result) && answer != kVxlFalse;
    return result;
}

VxlResult ComponentClient::NotifyMe(const QString& command) {
    VxlString aname = nullptr;
    VxlString text = ToVxlString(command);
    if (text == nullptr) {
        return kResultOutOfMemory;
    }
    const VxlResult result = object_->NotifyMe(&aname, &text);
    VxlStringFree(text);
    return result;
}

VxlResult ComponentClient::SeverPath(QString& value) {
    VxlString text = nullptr;
    const VxlResult result = object_->GetSeverPath(&text);
    value = Succeeded(result) ? FromVxlString(text) : QString();
    VxlStringFree(text);
    return result;
}

VxlResult ComponentClient::SetSeverPath(const QString& value) {
    VxlString text = ToVxlString(value);
    if (text == nullptr) {
        return kResultOutOfMemory;
    }
    const VxlResult result = object_->PutSeverPath(&text);
    VxlStringFree(text);
    return result;
}

VxlResult ComponentClient::Invoke(int32_t dispId, uint16_t flags, const VxlVariant* args, uint32_t argCount,
                                  VxlVariant* result) {
    return object_->Invoke(dispId, flags, args, argCount, result);
}

VxlResult RegisterLibrary(const QString& libraryPath, bool unregister, QString& error) {
    QLibrary library(libraryPath);
    if (!library.load()) {
        error = QStringLiteral("cannot load %1: %2").arg(libraryPath, library.errorString());
        return kResultFail;
    }
    const char* name = unregister ? "DllUnregisterServer" : "DllRegisterServer";
    const auto entry = reinterpret_cast<DllRegisterServerFunction>(library.resolve(name));
    if (entry == nullptr) {
        error = QStringLiteral("%1 has no %2").arg(libraryPath, QLatin1String(name));
        return kResultFail;
    }
    const VxlResult result = entry();
    if (!Succeeded(result)) {
        error = QStringLiteral("%1 failed: %2").arg(QLatin1String(name), ResultText(result));
    }
    return result;
}

QString ResultText(VxlResult result) {
    struct Known {
        VxlResult result;
        const char* text;
    };
    static constexpr Known kKnown[] = {
        {kResultOk, "ok"},
        {kResultFalse, "false"},
        {kResultNotImplemented, "not implemented"},
        {kResultNoInterface, "no such interface"},
        {kResultPointer, "null pointer"},
        {kResultFail, "failed"},
        {kResultOutOfMemory, "out of memory"},
        {kResultInvalidArg, "invalid argument"},
        {kResultMemberNotFound, "member not found"},
        {kResultTypeMismatch, "type mismatch"},
        {kResultUnknownName, "unknown name"},
        {kResultBadParamCount, "wrong number of arguments"},
        {kResultSubscriptOutOfRange, "subscript out of range"},
        {kResultNoAggregation, "no aggregation"},
        {kResultClassNotAvailable, "class not available"},
        {kResultNoConnection, "no such connection"},
        {kResultRegistrationFailed, "registration failed"},
    };
    QString text =
        QStringLiteral("0x%1").arg(static_cast<uint32_t>(result), 8, 16, QLatin1Char('0')).toUpper();
    text.replace(0, 2, QStringLiteral("0x"));
    for (const Known& known : kKnown) {
        if (known.result == result) {
            return text + QStringLiteral(" (") + QLatin1String(known.text) + QLatin1Char(')');
        }
    }
    return text;
}

} // namespace vxw
