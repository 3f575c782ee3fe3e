#include "windows/automation/ClassFactory.h"

#include "windows/automation/ClsVxwlstgn.h"
#include "windows/automation/ServerModule.h"

#include <new>

namespace vxw {

ClassFactory* ClassFactory::Create() {
    return new (std::nothrow) ClassFactory();
}

ClassFactory::ClassFactory() {
    ServerObjectCreated();
}

ClassFactory::~ClassFactory() {
    ServerObjectDestroyed();
}

VxlResult ClassFactory::QueryInterface(const VxlGuid* iid, void** object) {
    if (object == nullptr) {
        return kResultPointer;
    }
    *object = nullptr;
    if (iid == nullptr) {
        return kResultPointer;
    }
    if (*iid != kIidVxlUnknown && *iid != kIidVxlClassFactory) {
        return kResultNoInterface;
    }
    *object = static_cast<VxlClassFactory*>(this);
    AddRef();
    return kResultOk;
}

uint32_t ClassFactory::AddRef() {
    return ++references_;
}

uint32_t ClassFactory::Release() {
    const uint32_t left = --references_;
    if (left == 0) {
        delete this;
    }
    return left;
}

VxlResult ClassFactory::CreateInstance(VxlUnknown* outer, const VxlGuid* iid, void** object) {
    if (object == nullptr) {
        return kResultPointer;
    }
    *object = nullptr;
    if (outer != nullptr) {
        return kResultNoAggregation;
    }
    ClsVxwlstgn* instance = ClsVxwlstgn::Create();
    if (instance == nullptr) {
        return kResultOutOfMemory;
    }
    const VxlResult result = instance->QueryInterface(iid, object);
    instance->Release(); // the caller's reference is the one QueryInterface added
    return result;
}

VxlResult ClassFactory::LockServer(int32_t lock) {
    ServerLock(lock != 0);
    return kResultOk;
}

} // namespace vxw
