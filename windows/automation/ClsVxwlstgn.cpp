#include "windows/automation/ClsVxwlstgn.h"

#include "shell/AutomationText.h"
#include "shell/HostCommand.h"
#include "shell/HostLink.h"
#include "windows/automation/ServerModule.h"
#include "windows/shell/ComponentWindow.h"

#include <QCursor>
#include <QGuiApplication>

#include <algorithm>
#include <limits>

namespace vxw {

namespace {

// Every object refers to the same window, and the window has one NotifyClass: it goes to all
// live objects, each of which raises NotifyServer to its own sinks.
std::vector<ClsVxwlstgn*>& LiveObjects() {
    static std::vector<ClsVxwlstgn*> objects;
    return objects;
}

// Failures never cross the boundary as exceptions.
template <class Call> VxlResult Guarded(Call call) {
    try {
        return call();
    } catch (const std::bad_alloc&) {
        return kResultOutOfMemory;
    } catch (...) {
        return kResultFail;
    }
}

// The hourglass for the time Load runs; nothing without a graphical application.
class BusyCursor {
public:
    BusyCursor() : active_(qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr) {
        if (active_) {
            QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        }
    }
    ~BusyCursor() {
        if (active_) {
            QGuiApplication::restoreOverrideCursor();
        }
    }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    bool active_;
};

// Holds one reference for the length of a call, so that a host releasing the object from an
// event raised inside the call does not pull it away under the call.
class KeepAlive {
public:
    explicit KeepAlive(VxlUnknown* object) : object_(object) { object_->AddRef(); }
    ~KeepAlive() { object_->Release(); }
    KeepAlive(const KeepAlive&) = delete;
    KeepAlive& operator=(const KeepAlive&) = delete;

private:
    VxlUnknown* object_;
};

VxlResult ShortArgument(const VxlVariant& arg, int16_t& value) {
    if (arg.type == kVariantI2) {
        value = arg.value.i2;
        return kResultOk;
    }
    if (arg.type == kVariantI4 && arg.value.i4 >= std::numeric_limits<int16_t>::min() &&
        arg.value.i4 <= std::numeric_limits<int16_t>::max()) {
        value = static_cast<int16_t>(arg.value.i4);
        return kResultOk;
    }
    return kResultTypeMismatch;
}

VxlResult TextArgument(const VxlVariant& arg, QString& text) {
    if (arg.type == kVariantEmpty) {
        text.clear();
        return kResultOk;
    }
    if (arg.type == kVariantString) {
        text = FromVxlString(arg.value.string);
        return kResultOk;
    }
    return kResultTypeMismatch;
}

} // namespace

ClsVxwlstgn* ClsVxwlstgn::Create() {
    try {
        return new ClsVxwlstgn();
    } catch (...) {
        return nullptr; // no memory, or the window library could not make its window
    }
}

ClsVxwlstgn::ClsVxwlstgn() {
    Window(); // creation refers to the shared window; it is not loaded yet
    LiveObjects().push_back(this);
    ServerObjectCreated();
}

ClsVxwlstgn::~ClsVxwlstgn() {
    auto& live = LiveObjects();
    live.erase(std::remove(live.begin(), live.end(), this), live.end());
    std::vector<Sink> sinks;
    sinks.swap(sinks_);
    for (const Sink& sink : sinks) {
        sink.dispatch->Release();
    }
    // Termination unloads the window; the other objects still hear its SHUTDOWN.
    if (ComponentWindow* window = window_) {
        window_ = nullptr;
        try {
            window->ShutDown();
        } catch (...) {
            // a destructor cannot report it; the window is the library's to clean up
        }
    }
    ServerObjectDestroyed();
}

ComponentWindow* ClsVxwlstgn::Window() {
    if (window_ == nullptr) {
        window_ = SharedComponentWindow();
        if (window_ != nullptr) {
            window_->SetNotifyClass(&ClsVxwlstgn::BroadcastNotifyClass);
        }
    }
    return window_;
}

VxlResult ClsVxwlstgn::QueryInterface(const VxlGuid* iid, void** object) {
    if (object == nullptr) {
        return kResultPointer;
    }
    *object = nullptr;
    if (iid == nullptr) {
        return kResultPointer;
    }
    if (*iid == kIidVxlUnknown || *iid == kIidVxlDispatch || *iid == kIidClsVxwlstgn) {
        *object = static_cast<_clsVxwlstgn*>(this);
    } else if (*iid == kIidVxlEventSource) {
        *object = static_cast<VxlEventSource*>(this);
    } else {
        return kResultNoInterface;
    }
    AddRef();
    return kResultOk;
}

uint32_t ClsVxwlstgn::AddRef() {
    return ++references_;
}

uint32_t ClsVxwlstgn::Release() {
    const uint32_t left = --references_;
    if (left == 0) {
        delete this;
    }
    return left;
}

VxlResult ClsVxwlstgn::GetIdOfName(const char16_t* name, int32_t* dispId) {
    if (name == nullptr || dispId == nullptr) {
        return kResultPointer;
    }
    const QString text = FromVxlString(name);
    struct Member {
        const char* name;
        int32_t id;
    };
    static constexpr Member kMembers[] = {
        {"Load", kDispIdLoad}, {"NotifyMe", kDispIdNotifyMe}, {"SeverPath", kDispIdSeverPath}};
    for (const Member& member : kMembers) {
        if (text.compare(QLatin1String(member.name), Qt::CaseInsensitive) == 0) {
            *dispId = member.id;
            return kResultOk;
        }
    }
    return kResultUnknownName;
}

VxlResult ClsVxwlstgn::Invoke(int32_t dispId, uint16_t flags, const VxlVariant* args, uint32_t argCount,
                              VxlVariant* result) {
    if (argCount > 0 && args == nullptr) {
        return kResultPointer;
    }
    return Guarded([&]() -> VxlResult {
        switch (dispId) {
        case kDispIdLoad: {
            if ((flags & kDispatchMethod) == 0) {
                return kResultMemberNotFound;
            }
            if (argCount != 1) {
                return kResultBadParamCount;
            }
            int16_t mode = 0;
            if (const VxlResult converted = ShortArgument(args[0], mode); !Succeeded(converted)) {
                return converted;
            }
            bool shown = false;
            const VxlResult loaded = LoadWindow(mode, shown);
            if (Succeeded(loaded) && result != nullptr) {
                *result = VxlVariant{};
                result->type = kVariantBool;
                result->value.boolean = shown ? kVxlTrue : kVxlFalse;
            }
            return loaded;
        }
        case kDispIdNotifyMe: {
            if ((flags & kDispatchMethod) == 0) {
                return kResultMemberNotFound;
            }
            if (argCount > 2) {
                return kResultBadParamCount;
            }
            QString aname;
            QString command;
            if (argCount >= 1) {
                if (const VxlResult converted = TextArgument(args[0], aname); !Succeeded(converted)) {
                    return converted;
                }
            }
            if (argCount == 2) {
                if (const VxlResult converted = TextArgument(args[1], command); !Succeeded(converted)) {
                    return converted;
                }
            }
            if (result != nullptr) {
                *result = VxlVariant{};
            }
            return ExecuteCommand(command);
        }
        case kDispIdSeverPath:
            if ((flags & kDispatchPropertyPut) != 0) {
                if (argCount != 1) {
                    return kResultBadParamCount;
                }
                QString text;
                if (const VxlResult converted = TextArgument(args[0], text); !Succeeded(converted)) {
                    return converted;
                }
                SetSeverPath(text);
                return kResultOk;
            }
            if ((flags & kDispatchPropertyGet) != 0) {
                if (argCount != 0) {
                    return kResultBadParamCount;
                }
                if (result != nullptr) {
                    *result = StringVariant(SeverPath());
                    if (result->value.string == nullptr) {
                        result->type = kVariantEmpty;
                        return kResultOutOfMemory;
                    }
                }
                return kResultOk;
            }
            return kResultMemberNotFound;
        default:
            return kResultMemberNotFound;
        }
    });
}

VxlResult ClsVxwlstgn::Load(int16_t* iMode, VxlBool* result) {
    if (iMode == nullptr || result == nullptr) {
        return kResultPointer;
    }
    return Guarded([&]() -> VxlResult {
        bool shown = false;
        const VxlResult loaded = LoadWindow(*iMode, shown);
        if (Succeeded(loaded)) {
            *result = shown ? kVxlTrue : kVxlFalse;
        }
        return loaded;
    });
}

VxlResult ClsVxwlstgn::NotifyMe(VxlString* aname, VxlString* sCommand) {
    static_cast<void>(aname); // the sender's name plays no part
    return Guarded(
        [&]() { return ExecuteCommand(sCommand == nullptr ? QString() : FromVxlString(*sCommand)); });
}

VxlResult ClsVxwlstgn::GetSeverPath(VxlString* value) {
    if (value == nullptr) {
        return kResultPointer;
    }
    return Guarded([&]() -> VxlResult {
        *value = ToVxlString(SeverPath());
        return *value == nullptr ? kResultOutOfMemory : kResultOk;
    });
}

VxlResult ClsVxwlstgn::PutSeverPath(VxlString* value) {
    if (value == nullptr) {
        return kResultPointer;
    }
    return Guarded([&]() -> VxlResult {
        SetSeverPath(FromVxlString(*value));
        return kResultOk;
    });
}

VxlResult ClsVxwlstgn::Advise(VxlUnknown* sink, uint32_t* cookie) {
    if (sink == nullptr || cookie == nullptr) {
        return kResultPointer;
    }
    *cookie = 0;
    void* dispatch = nullptr;
    if (!Succeeded(sink->QueryInterface(&kDiidClsVxwlstgnEvents, &dispatch)) &&
        !Succeeded(sink->QueryInterface(&kIidVxlDispatch, &dispatch))) {
        return kResultNoInterface;
    }
    return Guarded([&]() -> VxlResult {
        try {
            sinks_.push_back({nextCookie_, static_cast<VxlDispatch*>(dispatch)});
        } catch (...) {
            static_cast<VxlDispatch*>(dispatch)->Release();
            throw;
        }
        *cookie = nextCookie_++;
        return kResultOk;
    });
}

VxlResult ClsVxwlstgn::Unadvise(uint32_t cookie) {
    const auto found = std::find_if(sinks_.begin(), sinks_.end(),
                                    [cookie](const Sink& sink) { return sink.cookie == cookie; });
    if (found == sinks_.end()) {
        return kResultNoConnection;
    }
    VxlDispatch* dispatch = found->dispatch;
    sinks_.erase(found);
    dispatch->Release();
    return kResultOk;
}

VxlResult ClsVxwlstgn::LoadWindow(int16_t mode, bool& shown) {
    shown = false;
    // A window state the window cannot take is refused before anything happens.
    if (mode < 0 || mode > 2) {
        return kResultInvalidArg;
    }
    KeepAlive alive(static_cast<_clsVxwlstgn*>(this));
    ComponentWindow* window = Window();
    if (window == nullptr) {
        return kResultOk; // no main window in this library: Load answers false
    }
    BusyCursor busy;
    window->ShowWindow(); // the first show runs start-up; a failed one unloads the window again
    if (!window->IsWindowShown()) {
        return kResultOk;
    }
    window->SetWindowState(mode);
    shown = true;
    return kResultOk;
}

VxlResult ClsVxwlstgn::ExecuteCommand(const QString& command) {
    if (command.isEmpty()) {
        return kResultOk;
    }
    KeepAlive alive(static_cast<_clsVxwlstgn*>(this));
    if (ComponentWindow* window = Window()) {
        return window->AP_ExeCmd(command) ? kResultOk : kResultSubscriptOutOfRange;
    }
    // Without a window nothing can act, but a command addressed here without its action is
    // still the caller's fault.
    return DecideHostCommand(command) == HostCommand::IndexOutOfRange ? kResultSubscriptOutOfRange
                                                                      : kResultOk;
}

void ClsVxwlstgn::RaiseNotifyServer(const QString& aname, const QString& command) {
    if (sinks_.empty()) {
        return;
    }
    // A sink may unadvise or release while it handles the event: call a held copy of the list.
    std::vector<VxlDispatch*> targets;
    targets.reserve(sinks_.size());
    for (const Sink& sink : sinks_) {
        sink.dispatch->AddRef();
        targets.push_back(sink.dispatch);
    }
    VxlVariant args[2] = {StringVariant(aname), StringVariant(command)};
    for (VxlDispatch* target : targets) {
        try {
            target->Invoke(kDispIdNotifyServer, kDispatchMethod, args, 2, nullptr); // events are not answered
        } catch (...) {
            // a sink's fault stays with the sink; the others still hear the event
        }
        target->Release();
    }
    VxlVariantClear(&args[0]);
    VxlVariantClear(&args[1]);
}

void ClsVxwlstgn::BroadcastNotifyClass(const QString& aname, const QString& command) {
    std::vector<ClsVxwlstgn*> objects = LiveObjects();
    for (ClsVxwlstgn* object : objects) {
        object->AddRef();
    }
    for (ClsVxwlstgn* object : objects) {
        try {
            object->RaiseNotifyServer(aname, command);
        } catch (...) {
            // the window's event must reach the other objects even when one could not pass it on
        }
        object->Release();
    }
}

} // namespace vxw
