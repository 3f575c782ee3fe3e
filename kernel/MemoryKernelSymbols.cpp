// Symbols, entries, padstacks, board frames and the writes used for display and measurement.

#include "kernel/ItemGeometry.h"
#include "kernel/MemoryKernel.h"

#include <limits>
#include <optional>

namespace vxw {

int32_t MemoryKernel::SymbolHandle(int32_t id) {
    if (id < 0) {
        const int64_t circuit = -static_cast<int64_t>(id) - FrameIdBase;
        if (circuit <= 0 || circuit > std::numeric_limits<int32_t>::max()) {
            return 0;
        }
        const StoredHierarchy* hierarchy = Hierarchy(static_cast<int32_t>(circuit));
        return hierarchy && store_.Find(hierarchy->frame, ObjectKind::Symbol) ? hierarchy->frame : 0;
    }
    return store_.Find(id, ObjectKind::Symbol) ? id : 0;
}

MemoryKernel::StoredSymbol* MemoryKernel::Symbol(int32_t handle) {
    const ObjectHeader* header = store_.Find(handle, ObjectKind::Symbol);
    return header ? &symbols_[header->data] : nullptr;
}

int32_t MemoryKernel::S_Symbol(int32_t id) {
    return SymbolHandle(id);
}

int32_t MemoryKernel::S_Symbol(const char* name) {
    return name ? store_.FindFirst(symbolMap_, name) : 0;
}

int32_t MemoryKernel::S_ReadSymbol(int32_t symbol, SymbolRecord* record) {
    const int32_t handle = SymbolHandle(symbol);
    const StoredSymbol* stored = Symbol(handle);
    if (!stored || !record) {
        return 0;
    }
    record->kind = stored->kind;
    record->name = store_.Find(handle)->name;
    record->attributes = stored->attributes;
    record->entryCount = OM_GetCount(stored->entries);
    record->itemCount = OM_GetCount(stored->items);
    return handle;
}

int32_t MemoryKernel::S_ReadEntry(int32_t symbol, int32_t entry, EntryRecord* record) {
    const StoredSymbol* stored = Symbol(SymbolHandle(symbol));
    if (!stored || !record) {
        return 0;
    }
    const ObjectHeader* header = store_.Find(store_.At(stored->entries, entry), ObjectKind::Entry);
    if (!header) {
        return 0;
    }
    const StoredEntry& data = entries_[header->data];
    record->number = entry;
    record->padStack = data.padStack;
    record->x = data.x;
    record->y = data.y;
    record->name = header->name;
    return entry;
}

int32_t MemoryKernel::S_SymbolEntryArray(int32_t symbol) {
    const StoredSymbol* stored = Symbol(SymbolHandle(symbol));
    return stored ? stored->entries : 0;
}

int32_t MemoryKernel::S_SymbolItemArray(int32_t symbol) {
    if (symbol == 0) {
        return PageLevel(&StoredHierarchy::boardItems);
    }
    const StoredSymbol* stored = Symbol(SymbolHandle(symbol));
    return stored ? stored->items : 0;
}

int32_t MemoryKernel::S_SymbolItem(int32_t array, int32_t index) {
    return OA_Object(array, index);
}

int32_t MemoryKernel::S_SymbolPadStackMap(int32_t symbol) {
    const StoredSymbol* stored = Symbol(SymbolHandle(symbol));
    return stored ? stored->padStacks : 0;
}

int32_t MemoryKernel::S_ReadPadStack(int32_t padStack, PadStackRecord* record) {
    const ObjectHeader* header = store_.Find(padStack, ObjectKind::PadStack);
    if (!header || !record) {
        return 0;
    }
    const StoredPadStack& stored = padStacks_[header->data];
    record->holeCategory = stored.holeCategory;
    record->holeDiameter = stored.holeDiameter;
    record->name = header->name;
    record->itemCount = OM_GetCount(stored.items);
    return padStack;
}

int32_t MemoryKernel::S_PadStackItemArray(int32_t padStack) {
    const ObjectHeader* header = store_.Find(padStack, ObjectKind::PadStack);
    return header ? padStacks_[header->data].items : 0;
}

int32_t MemoryKernel::S_FrameSymbolItems(int32_t symbol, int32_t mask, FrameRect* rect) {
    const StoredSymbol* stored = Symbol(SymbolHandle(symbol));
    if (!stored || !rect) {
        return 0;
    }
    // A padstack symbol's pads may sit in its padstack's item array rather than its own.
    std::vector<int32_t> arrays{stored->items};
    if (stored->kind == SymbolPadstack) {
        const ObjectContainer* padStacks = store_.Container(stored->padStacks);
        for (const int32_t padStack : padStacks ? padStacks->cells : std::vector<int32_t>{}) {
            if (const int32_t items = S_PadStackItemArray(padStack)) {
                arrays.push_back(items);
            }
        }
    }
    std::optional<Box> box;
    for (const int32_t array : arrays) {
        const ObjectContainer* container = store_.Container(array);
        for (const int32_t item : container ? container->cells : std::vector<int32_t>{}) {
            const ObjectHeader* header = store_.Find(item, ObjectKind::Item);
            if (!header || (header->mask & mask) == 0) {
                continue;
            }
            if (const std::optional<Box> itemBox = ItemBox(items_[header->data])) {
                if (box) {
                    box->Unite(*itemBox);
                } else {
                    box = itemBox;
                }
            }
        }
    }
    if (!box) {
        return 0;
    }
    *rect = box->ToFrameRect();
    return 1;
}

int32_t MemoryKernel::S_CreateSymbol(const char* name, int32_t kind) {
    if (!name || kind < SymbolSchematic || kind > SymbolBoardFrame) {
        return 0;
    }
    const int32_t id = NewSymbol(name, kind, {});
    if (id > 0) {
        store_.Append(symbolMap_, id);
    }
    return id;
}

int32_t MemoryKernel::S_MakePadStack(int32_t symbol, const char* name) {
    const StoredSymbol* stored = Symbol(SymbolHandle(symbol));
    if (!stored || !name) {
        return 0;
    }
    PadStackData padStack;
    padStack.name = name;
    return AddPadStack(padStack, stored->padStacks);
}

int32_t MemoryKernel::S_ChangePadStackHole(int32_t padStack, int32_t category, int32_t diameter) {
    const ObjectHeader* header = store_.Find(padStack, ObjectKind::PadStack);
    if (!header) {
        return 0;
    }
    padStacks_[header->data].holeCategory = category;
    padStacks_[header->data].holeDiameter = diameter;
    return padStack;
}

int32_t MemoryKernel::I_MakeItem(const ItemRecord* record) {
    if (!record || record->kind <= 0) {
        return 0;
    }
    return NewItem(*record, record->text ? record->text : "");
}

int32_t MemoryKernel::I_MakeText(const ItemRecord* record, const char* text) {
    if (!record) {
        return 0;
    }
    ItemRecord stored = *record;
    if (stored.kind <= 0) {
        stored.kind = ItemText;
    }
    return NewItem(stored, text ? text : "");
}

int32_t MemoryKernel::OA_Add(int32_t array, int32_t item) {
    const ObjectContainer* container = store_.Container(array);
    const ObjectHeader* header = store_.Find(item, ObjectKind::Item);
    if (!container || container->readOnly || !container->isArray ||
        container->elementKind != ObjectKind::Item || !header) {
        return 0;
    }
    int32_t added = item;
    if (header->owner != 0) {
        // An item lives in one array; adding it to another adds a copy.
        const ItemRecord record = items_[header->data];
        const int32_t mask = header->mask;
        added = NewItem(record, record.text ? record.text : "");
        if (ObjectHeader* copy = store_.Find(added)) {
            copy->mask = mask;
        }
    }
    if (!store_.Append(array, added)) {
        return 0;
    }
    return store_.Container(array)->live;
}

} // namespace vxw
