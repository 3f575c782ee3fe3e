// The library's exported entry points, as a host finds them by name: the class factory, the
// unload question and self-registration.

#include "windows/automation/ServerEntryPoints.h"

#include "shell/AutomationText.h"
#include "shell/ComponentRegistry.h"
#include "windows/automation/ClassFactory.h"
#include "windows/automation/ServerModule.h"

#include <QFileInfo>

#include <dlfcn.h>

#define VXL_EXPORT extern "C" __attribute__((visibility("default")))

namespace vxw {
namespace {

// An object of this library, whose address tells dladdr which file the library was loaded from.
const char kLibraryAnchor = 0;

QString LibraryPath() {
    Dl_info info{};
    if (dladdr(&kLibraryAnchor, &info) == 0 || info.dli_fname == nullptr) {
        return QString();
    }
    return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absoluteFilePath();
}

} // namespace
} // namespace vxw

VXL_EXPORT vxw::VxlResult DllGetClassObject(const vxw::VxlGuid* clsid, const vxw::VxlGuid* iid,
                                            void** object) {
    using namespace vxw;
    if (object == nullptr) {
        return kResultPointer;
    }
    *object = nullptr;
    if (clsid == nullptr || iid == nullptr) {
        return kResultPointer;
    }
    if (!(*clsid == kClsidClsVxwlstgn)) {
        return kResultClassNotAvailable;
    }
    ClassFactory* factory = ClassFactory::Create();
    if (factory == nullptr) {
        return kResultOutOfMemory;
    }
    const VxlResult result = factory->QueryInterface(iid, object);
    factory->Release();
    return result;
}

// Ok (0) when no object of the library is alive and no lock is held, else false (1).
VXL_EXPORT vxw::VxlResult DllCanUnloadNow() {
    return vxw::ServerObjectCount() == 0 && vxw::ServerLockCount() == 0 ? vxw::kResultOk : vxw::kResultFalse;
}

VXL_EXPORT vxw::VxlResult DllRegisterServer() {
    using namespace vxw;
    try {
        const QString library = LibraryPath();
        if (library.isEmpty()) {
            return kResultRegistrationFailed;
        }
        const ComponentRegistration registration{QLatin1String(kClsVxwlstgnProgId),
                                                 GuidText(kClsidClsVxwlstgn),
                                                 library,
                                                 QLatin1String(kTypeLibraryName),
                                                 QLatin1String(kTypeLibraryVersion),
                                                 QLatin1String(kTypeLibraryDescription)};
        return WriteRegistration(RegistryFile(), registration) ? kResultOk : kResultRegistrationFailed;
    } catch (...) {
        return kResultRegistrationFailed;
    }
}

VXL_EXPORT vxw::VxlResult DllUnregisterServer() {
    using namespace vxw;
    try {
        return RemoveRegistration(RegistryFile(), QLatin1String(kClsVxwlstgnProgId))
                   ? kResultOk
                   : kResultRegistrationFailed;
    } catch (...) {
        return kResultRegistrationFailed;
    }
}
