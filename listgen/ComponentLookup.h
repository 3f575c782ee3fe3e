#pragma once
// Finding a component of the current circuit by name, and walking a kernel map in its order.
// Shared by the design reports.

#include "kernel/Kernel.h"
#include "kernel/KernelWalk.h"

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
// The same for a name in the kernel's own 8-bit text, as a record gives it.
ComponentLookup FindComponent(Kernel& kernel, int kind, const char* name);

} // namespace vxw
