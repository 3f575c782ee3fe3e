#pragma once
// Finding a component of the current circuit by name, and walking a kernel map in its order.
// Shared by the design reports.

#include "kernel/Kernel.h"

#include <QString>

#include <cstdint>

namespace vxw {

// The map a component name is looked up in: layout, anything else schematic.
inline constexpr int kLayoutComponent = 1;
inline constexpr int kSchematicComponent = 0;
// Error code of a component that is not in its map (ErrorTable: "Component: " + name).
inline constexpr int kComponentNotFoundError = 23;

struct ComponentLookup {
    int32_t id = 0;    // the component's id, 0 when not found
    int errorCode = 0; // 0 when found, kComponentNotFoundError when not

    bool Found() const { return errorCode == 0; }
};

// Exact, case-sensitive look-up of `name` in the layout component map (kind 1) or the schematic
// component map (any other kind) of the current circuit. Reports nothing: the caller decides.
ComponentLookup FindComponent(Kernel& kernel, int kind, const QString& name);

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

} // namespace vxw
