#include "listgen/ComponentLookup.h"

#include "kernel/KernelText.h"

namespace vxw {

ComponentLookup FindComponent(Kernel& kernel, int kind, const QString& name) {
    const int32_t map = kind == kLayoutComponent ? kernel.DB_LayCompMap() : kernel.DB_SchCompMap();
    const int32_t id = map > 0 ? FindByName(kernel, map, name) : 0;
    if (id <= 0) {
        return {0, kComponentNotFoundError};
    }
    return {id, 0};
}

ComponentLookup FindComponent(Kernel& kernel, int kind, const char* name) {
    const int32_t map = kind == kLayoutComponent ? kernel.DB_LayCompMap() : kernel.DB_SchCompMap();
    const int32_t id = map > 0 ? kernel.OM_FindName(map, name ? name : "") : 0;
    if (id <= 0) {
        return {0, kComponentNotFoundError};
    }
    return {id, 0};
}

} // namespace vxw
