#pragma once
// Walking a kernel map the way every caller does.

#include "kernel/Kernel.h"

namespace vxw {

// Calls visit(id) for every object of `map` (all of them: mask 0, 0) in the kernel's order. The
// walk stops after as many objects as the map says it holds, so a cursor that never reaches
// its end cannot hang us.
template <typename Visit> void WalkMap(Kernel& kernel, int32_t map, Visit visit) {
    if (map <= 0) {
        return;
    }
    int32_t cursor = kernel.OM_GetFirst(map);
    const int32_t count = kernel.OM_GetCount(map);
    for (int32_t seen = 0; seen < count; ++seen) {
        const int32_t id = kernel.OM_SearchMask(map, &cursor, 0, 0);
        if (id <= 0) {
            return;
        }
        visit(id);
    }
}

// The number of objects WalkMap visits in `map`.
inline int32_t CountMap(Kernel& kernel, int32_t map) {
    int32_t count = 0;
    WalkMap(kernel, map, [&count](int32_t) { ++count; });
    return count;
}

} // namespace vxw
