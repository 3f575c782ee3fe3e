#pragma once
// The host's side of the automation boundary: finds a class in the registration record, loads
// its library, creates the object through DllGetClassObject, registers a sink for its event and
// calls its members. Window-free, so that a test drives the built library the way the host does.

#include "shell/AutomationAbi.h"

#include <QLibrary>
#include <QString>

#include <functional>
#include <memory>

namespace vxw {

class ComponentClient {
public:
    using Notify = std::function<void(const QString& aname, const QString& command)>;

    // The object of `progId` as the record in `registryFile` names it, with `notify` hearing
    // its NotifyServer. Null, with `error` set to one line, when anything on the way fails.
    static std::unique_ptr<ComponentClient> Create(const QString& registryFile, const QString& progId,
                                                   Notify notify, QString& error);

    // Unregisters the sink and releases the object; the library stays loaded.
    ~ComponentClient();
    ComponentClient(const ComponentClient&) = delete;
    ComponentClient& operator=(const ComponentClient&) = delete;

    VxlResult Load(int16_t mode, bool& shown);
    VxlResult NotifyMe(const QString& command);
    VxlResult SeverPath(QString& value);
    VxlResult SetSeverPath(const QString& value);
    // Late-bound call by dispatch id; the caller clears `result`.
    VxlResult Invoke(int32_t dispId, uint16_t flags, const VxlVariant* args, uint32_t argCount,
                     VxlVariant* result);

    QString LibraryPath() const { return library_.fileName(); }

private:
    class Sink;

    ComponentClient() = default;

    QLibrary library_;
    _clsVxwlstgn* object_ = nullptr;
    VxlEventSource* events_ = nullptr;
    Sink* sink_ = nullptr;
    uint32_t cookie_ = 0;
};

// Loads the library at `libraryPath` and calls its DllRegisterServer (or DllUnregisterServer).
// Answers the entry point's result; `error` names what failed.
VxlResult RegisterLibrary(const QString& libraryPath, bool unregister, QString& error);

// "0x800A0009 (subscript out of range)": a result as the host reports it.
QString ResultText(VxlResult result);

} // namespace vxw
