#pragma once
// The class factory of clsVxwlstgn, handed out by DllGetClassObject.

#include "shell/AutomationAbi.h"

namespace vxw {

class ClassFactory final : public VxlClassFactory {
public:
    // A new factory with one reference, or null when memory ran out.
    static ClassFactory* Create();

    ClassFactory(const ClassFactory&) = delete;
    ClassFactory& operator=(const ClassFactory&) = delete;

    VxlResult QueryInterface(const VxlGuid* iid, void** object) override;
    uint32_t AddRef() override;
    uint32_t Release() override;

    // No aggregation; the new object answers `iid` or is not made.
    VxlResult CreateInstance(VxlUnknown* outer, const VxlGuid* iid, void** object) override;
    VxlResult LockServer(int32_t lock) override;

private:
    ClassFactory();
    ~ClassFactory();

    uint32_t references_ = 1;
};

} // namespace vxw
