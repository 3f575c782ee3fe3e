// Walks, name look-ups, masks and the calls that work on any object.

#include "kernel/MemoryKernel.h"

namespace vxw {

int32_t MemoryKernel::OM_GetFirst(int32_t map) {
    // The cursor is a 1-based slot position; any map, even an empty one, starts at 1.
    return store_.Container(map) ? 1 : 0;
}

int32_t MemoryKernel::OM_SearchMask(int32_t map, int32_t* cursor, int32_t values, int32_t bits) {
    return store_.Next(map, cursor, values, bits);
}

int32_t MemoryKernel::OM_SearchNameMask(int32_t map, int32_t* cursor, const char* name, int32_t mask) {
    if (!name) {
        return 0;
    }
    return store_.NextByName(map, cursor, name, mask);
}

int32_t MemoryKernel::OM_GetCount(int32_t map) {
    const ObjectContainer* container = store_.Container(map);
    return container ? container->live : 0;
}

int32_t MemoryKernel::OM_FindName(int32_t map, const char* name) {
    return name ? store_.FindFirst(map, name) : 0;
}

int32_t MemoryKernel::OM_FindNameMask(int32_t map, const char* name) {
    return OM_FindName(map, name);
}

int32_t MemoryKernel::OM_Object(int32_t map, int32_t id) {
    if (id < 0) {
        return map == symbolMap_ ? SymbolHandle(id) : 0;
    }
    const ObjectHeader* header = store_.Find(id);
    return header && header->owner == map && store_.Container(map) ? id : 0;
}

int32_t MemoryKernel::OM_MaskAll(int32_t map, int32_t values, int32_t bits) {
    const ObjectContainer* container = store_.Container(map);
    if (!container || container->readOnly) {
        return container ? 1 : 0;
    }
    for (const int32_t id : container->cells) {
        if (ObjectHeader* header = store_.Find(id)) {
            header->mask = (header->mask & ~bits) | (values & bits);
        }
    }
    return 1;
}

int32_t MemoryKernel::OM_Delete(int32_t map, int32_t id) {
    const ObjectContainer* container = store_.Container(map);
    const ObjectHeader* header = id > 0 ? store_.Find(id) : nullptr;
    // The board frames have no slot in the symbol map: they go only with their circuit.
    if (!container || container->readOnly || !header || header->owner != map || header->position < 0) {
        return 0;
    }
    Destroy(id);
    return 1;
}

const char* MemoryKernel::O_GetName(int32_t object) {
    const ObjectHeader* header = store_.Find(object);
    return header ? header->name : nullptr;
}

int32_t MemoryKernel::O_GetStatus(int32_t object) {
    const ObjectHeader* header = store_.Find(object);
    if (!header) {
        return 0;
    }
    switch (header->kind) {
    case ObjectKind::LayComp:
        return layComps_[header->data].flags;
    case ObjectKind::Device:
        return devices_[header->data].status;
    default:
        return 0;
    }
}

int32_t MemoryKernel::O_Mask(int32_t object, int32_t values, int32_t bits) {
    ObjectHeader* header = store_.Find(object);
    if (!header) {
        return 0;
    }
    header->mask = (header->mask & ~bits) | (values & bits);
    return object;
}

int32_t MemoryKernel::O_Rename(int32_t object, const char* name) {
    if (!name || !store_.Find(object)) {
        return 0;
    }
    store_.Rename(object, name);
    return object;
}

int32_t MemoryKernel::O_TestPage(int32_t object, int32_t page) {
    const ObjectHeader* header = store_.Find(object, ObjectKind::SchComp);
    if (!header || !store_.Find(page, ObjectKind::Page)) {
        return 0;
    }
    return schComps_[header->data].page == page ? 1 : 0;
}

} // namespace vxw
