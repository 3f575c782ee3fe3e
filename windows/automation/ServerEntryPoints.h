#pragma once
// The exported entry points, for code linked with the library (a host resolves them by name).

#include "shell/AutomationAbi.h"

extern "C" {
vxw::VxlResult DllGetClassObject(const vxw::VxlGuid* clsid, const vxw::VxlGuid* iid, void** object);
vxw::VxlResult DllCanUnloadNow();
vxw::VxlResult DllRegisterServer();
vxw::VxlResult DllUnregisterServer();
}
