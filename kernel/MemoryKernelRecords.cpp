// Record readers: components, nets and nodes, devices, traces, vias, items and item arrays.

#include "kernel/MemoryKernel.h"

#include <limits>

namespace vxw {

int32_t MemoryKernel::C_ReadComponent(int32_t id, SchCompRecord* record) {
    const ObjectHeader* header = store_.Find(id, ObjectKind::SchComp);
    if (!header || !record) {
        return 0;
    }
    const StoredSchComp& comp = schComps_[header->data];
    record->flags = 0;
    record->name = header->name;
    record->page = comp.page;
    record->symbol = comp.symbol;
    record->device = comp.device;
    record->packed = comp.packed ? 1 : 0;
    return id;
}

int32_t MemoryKernel::C_Component(int32_t id) {
    return store_.Find(id, ObjectKind::SchComp) ? id : 0;
}

int32_t MemoryKernel::C_CompTextArray(int32_t id) {
    const ObjectHeader* header = store_.Find(id, ObjectKind::SchComp);
    return header ? schComps_[header->data].texts : 0;
}

int32_t MemoryKernel::C_CompText(int32_t array, int32_t index) {
    return OA_Object(array, index);
}

int32_t MemoryKernel::L_ReadComponent(int32_t id, LayCompRecord* record) {
    const ObjectHeader* header = store_.Find(id, ObjectKind::LayComp);
    if (!header || !record) {
        return 0;
    }
    const StoredLayComp& comp = layComps_[header->data];
    record->flags = comp.flags;
    record->name = header->name;
    record->symbol = comp.symbol;
    record->device = comp.device;
    record->specialPart = comp.specialPart;
    return id;
}

int32_t MemoryKernel::L_Component(int32_t id) {
    return store_.Find(id, ObjectKind::LayComp) ? id : 0;
}

int32_t MemoryKernel::N_ReadNet(int32_t id, NetRecord* record) {
    const ObjectHeader* header = store_.Find(id, ObjectKind::Net);
    if (!header || !record) {
        return 0;
    }
    const StoredNet& net = nets_[header->data];
    record->flags = net.flags;
    record->name = header->name;
    record->nodeCount = OM_GetCount(net.nodes);
    return id;
}

int32_t MemoryKernel::N_NodeMap(int32_t net) {
    const ObjectHeader* header = store_.Find(net, ObjectKind::Net);
    return header ? nets_[header->data].nodes : 0;
}

int32_t MemoryKernel::N_ReadNode(int32_t id, NodeRecord* record) {
    const ObjectHeader* header = store_.Find(id, ObjectKind::Node);
    if (!header || !record) {
        return 0;
    }
    *record = nodes_[header->data];
    return id;
}

int32_t MemoryKernel::D_ReadDevice(int32_t id, DeviceRecord* record) {
    const ObjectHeader* header = store_.Find(id, ObjectKind::Device);
    if (!header || !record) {
        return 0;
    }
    const StoredDevice& device = devices_[header->data];
    record->kind = device.kind;
    record->name = header->name;
    record->attributes = device.attributes;
    record->status = device.status;
    return id;
}

int32_t MemoryKernel::D_Device(int32_t id) {
    return store_.Find(id, ObjectKind::Device) ? id : 0;
}

int32_t MemoryKernel::T_ReadTrace(int32_t id, TraceRecord* record) {
    const ObjectHeader* header = store_.Find(id, ObjectKind::Trace);
    if (!header || !record) {
        return 0;
    }
    const StoredTrace& trace = traces_[header->data];
    record->flags = trace.flags;
    record->net = trace.net;
    record->recordCount = trace.count;
    return id;
}

int32_t MemoryKernel::T_ReadRecord(int32_t trace, int32_t index, TraceSegmentRecord* record) {
    const ObjectHeader* header = store_.Find(trace, ObjectKind::Trace);
    if (!header || !record || index < 1) {
        return 0;
    }
    const StoredTrace& stored = traces_[header->data];
    if (index > stored.count) {
        return 0;
    }
    *record = traceRecords_[stored.first + static_cast<std::size_t>(index) - 1];
    return index;
}

int32_t MemoryKernel::V_ReadVia(int32_t id, ViaRecord* record) {
    const ObjectHeader* header = store_.Find(id, ObjectKind::Via);
    if (!header || !record) {
        return 0;
    }
    *record = vias_[header->data];
    return id;
}

int32_t MemoryKernel::I_ReadItem(int32_t item, ItemRecord* record) {
    const ObjectHeader* header = store_.Find(item, ObjectKind::Item);
    if (!header || !record) {
        return 0;
    }
    const ItemRecord& stored = items_[header->data];
    if (stored.kind <= 0) {
        return 0; // an item without a kind cannot be read
    }
    *record = stored;
    record->mask = header->mask;
    return stored.kind;
}

int32_t MemoryKernel::OA_GetCount(int32_t array) {
    return OM_GetCount(array);
}

int32_t MemoryKernel::OA_Object(int32_t array, int32_t index) {
    return store_.At(array, index);
}

int32_t MemoryKernel::SearchArray(int32_t array, int32_t value, int32_t bits) {
    const ObjectContainer* container = store_.Container(array);
    if (!container) {
        return 0;
    }
    int32_t index = 0;
    for (const int32_t id : container->cells) {
        const ObjectHeader* header = store_.Find(id);
        if (!header) {
            continue;
        }
        ++index;
        const int32_t held = header->mask & bits;
        if (value != 0 ? held == bits : held == 0) {
            return index;
        }
    }
    return 0;
}

int32_t MemoryKernel::OA_SearchMask(int32_t array, int32_t value, int32_t bits) {
    return SearchArray(array, value, bits);
}

int32_t MemoryKernel::IA_SearchMaskLink(int32_t array, int32_t value, int32_t bits) {
    return SearchArray(array, value, bits);
}

} // namespace vxw
