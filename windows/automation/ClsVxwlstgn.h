#pragma once
// clsVxwlstgn: the component's one creatable automation class. It holds the shared main window
// (mw_LGMAIN), opens it with Load, passes host commands to it with NotifyMe, keeps the
// SeverPath text, and forwards the window's NotifyClass to every registered sink as
// NotifyServer.

#include "shell/AutomationAbi.h"

#include <QString>

#include <vector>

namespace vxw {

class ComponentWindow;

class ClsVxwlstgn final : public _clsVxwlstgn, public VxlEventSource {
public:
    // A new object with one reference, or null when memory ran out.
    static ClsVxwlstgn* Create();

    ClsVxwlstgn(const ClsVxwlstgn&) = delete;
    ClsVxwlstgn& operator=(const ClsVxwlstgn&) = delete;

    // VxlUnknown (one identity for both interfaces)
    VxlResult QueryInterface(const VxlGuid* iid, void** object) override;
    uint32_t AddRef() override;
    uint32_t Release() override;

    // VxlDispatch
    VxlResult GetIdOfName(const char16_t* name, int32_t* dispId) override;
    VxlResult Invoke(int32_t dispId, uint16_t flags, const VxlVariant* args, uint32_t argCount,
                     VxlVariant* result) override;

    // _clsVxwlstgn
    VxlResult Load(int16_t* iMode, VxlBool* result) override;
    VxlResult NotifyMe(VxlString* aname, VxlString* sCommand) override;
    VxlResult GetSeverPath(VxlString* value) override;
    VxlResult PutSeverPath(VxlString* value) override;

    // VxlEventSource
    VxlResult Advise(VxlUnknown* sink, uint32_t* cookie) override;
    VxlResult Unadvise(uint32_t cookie) override;

private:
    struct Sink {
        uint32_t cookie;
        VxlDispatch* dispatch; // one reference held
    };

    ClsVxwlstgn();
    ~ClsVxwlstgn();

    // The members behind both the slots and Invoke.
    VxlResult LoadWindow(int16_t mode, bool& shown);
    VxlResult ExecuteCommand(const QString& command);
    ComponentWindow* Window();

    void RaiseNotifyServer(const QString& aname, const QString& command);
    static void BroadcastNotifyClass(const QString& aname, const QString& command);

    uint32_t references_ = 1;
    ComponentWindow* window_ = nullptr; // mw_LGMAIN, owned by the window library
    std::vector<Sink> sinks_;
    uint32_t nextCookie_ = 1;
};

} // namespace vxw
