#include "kernel/KernelStore.h"

#include <algorithm>
#include <limits>

namespace vxw {
namespace {
// Ids stay well inside the positive 32-bit range; the board frame ids live below zero.
constexpr std::size_t MaxObjects = std::numeric_limits<int32_t>::max() - 1;
} // namespace

KernelStore::KernelStore() {
    headers_.emplace_back(); // id 0 is never an object
}

void KernelStore::Reserve(std::size_t objects, std::size_t containers) {
    if (objects < MaxObjects - headers_.size()) {
        headers_.reserve(headers_.size() + objects);
    }
    if (containers <= objects) {
        containers_.reserve(containers_.size() + containers);
    }
}

int32_t KernelStore::NewObject(ObjectKind kind, std::string_view name, uint32_t data, int32_t mask) {
    if (headers_.size() >= MaxObjects) {
        return 0;
    }
    ObjectHeader header;
    header.name = arena_.Store(name);
    header.nameLength = static_cast<uint32_t>(std::string_view(header.name).size());
    header.kind = kind;
    header.mask = mask;
    header.data = data;
    headers_.push_back(header);
    return static_cast<int32_t>(headers_.size() - 1);
}

int32_t KernelStore::NewContainer(ObjectKind elementKind, bool isArray, bool readOnly) {
    ObjectContainer container;
    container.elementKind = elementKind;
    container.isArray = isArray;
    container.readOnly = readOnly;
    const int32_t id = NewObject(ObjectKind::Container, {}, static_cast<uint32_t>(containers_.size()));
    if (id > 0) {
        containers_.push_back(std::move(container));
    }
    return id;
}

const ObjectHeader* KernelStore::Find(int32_t id) const {
    if (id <= 0 || static_cast<std::size_t>(id) >= headers_.size()) {
        return nullptr;
    }
    const ObjectHeader& header = headers_[static_cast<std::size_t>(id)];
    return header.kind == ObjectKind::Dead ? nullptr : &header;
}

ObjectHeader* KernelStore::Find(int32_t id) {
    return const_cast<ObjectHeader*>(static_cast<const KernelStore*>(this)->Find(id));
}

ObjectHeader* KernelStore::Find(int32_t id, ObjectKind kind) {
    ObjectHeader* header = Find(id);
    return header && header->kind == kind ? header : nullptr;
}

const ObjectHeader* KernelStore::Find(int32_t id, ObjectKind kind) const {
    const ObjectHeader* header = Find(id);
    return header && header->kind == kind ? header : nullptr;
}

ObjectContainer* KernelStore::Container(int32_t handle) {
    const ObjectHeader* header = Find(handle, ObjectKind::Container);
    return header ? &containers_[header->data] : nullptr;
}

const ObjectContainer* KernelStore::Container(int32_t handle) const {
    const ObjectHeader* header = Find(handle, ObjectKind::Container);
    return header ? &containers_[header->data] : nullptr;
}

bool KernelStore::Append(int32_t container, int32_t id) {
    ObjectContainer* target = Container(container);
    ObjectHeader* header = Find(id);
    if (!target || !header || header->owner != 0 || target->cells.size() >= MaxObjects) {
        return false;
    }
    const auto position = static_cast<int32_t>(target->cells.size());
    target->cells.push_back(id);
    ++target->live;
    header->owner = container;
    header->position = position;
    if (target->names) {
        target->names->Insert(std::string_view(header->name, header->nameLength), position);
    }
    return true;
}

void KernelStore::ReserveCells(int32_t container, std::size_t count) {
    if (ObjectContainer* target = Container(container); target && count < MaxObjects - target->cells.size()) {
        target->cells.reserve(target->cells.size() + count);
    }
}

void KernelStore::Detach(int32_t id) {
    ObjectHeader* header = Find(id);
    if (!header || header->owner == 0) {
        return;
    }
    ObjectContainer* container = Container(header->owner);
    const int32_t position = header->position;
    header->owner = 0;
    header->position = -1;
    if (!container || position < 0 || static_cast<std::size_t>(position) >= container->cells.size() ||
        container->cells[static_cast<std::size_t>(position)] != id) {
        return;
    }
    --container->live;
    if (container->isArray) {
        container->cells.erase(container->cells.begin() + position);
        for (std::size_t i = static_cast<std::size_t>(position); i < container->cells.size(); ++i) {
            headers_[static_cast<std::size_t>(container->cells[i])].position = static_cast<int32_t>(i);
        }
        container->names.reset(); // positions moved; rebuilt on the next look-up
        return;
    }
    container->cells[static_cast<std::size_t>(position)] = 0;
    Unindex(*container, std::string_view(header->name, header->nameLength), position);
    while (!container->cells.empty() && container->cells.back() == 0) {
        container->cells.pop_back();
    }
}

void KernelStore::Kill(int32_t id) {
    ObjectHeader* header = Find(id);
    if (!header) {
        return;
    }
    Detach(id);
    if (header->kind == ObjectKind::Container) {
        ObjectContainer& container = containers_[header->data];
        container.cells = {};
        container.live = 0;
        container.names.reset();
        container.readOnly = true;
    }
    *header = ObjectHeader{};
}

void KernelStore::Rename(int32_t id, std::string_view name) {
    ObjectHeader* header = Find(id);
    if (!header) {
        return;
    }
    const char* stored = arena_.Store(name);
    const std::string_view oldName(header->name, header->nameLength);
    const std::string_view newName(stored);
    ObjectContainer* container = header->owner ? Container(header->owner) : nullptr;
    if (container && container->names && header->position >= 0) {
        Unindex(*container, oldName, header->position);
        container->names->Insert(newName, header->position);
    }
    header->name = stored;
    header->nameLength = static_cast<uint32_t>(newName.size());
}

void KernelStore::Unindex(ObjectContainer& container, std::string_view name, int32_t position) {
    if (container.names) {
        container.names->Erase(name, position);
    }
}

void KernelStore::BuildNameIndex(ObjectContainer& container) {
    container.names = std::make_unique<NameTable>(static_cast<std::size_t>(container.live));
    for (std::size_t i = 0; i < container.cells.size(); ++i) {
        const int32_t id = container.cells[i];
        if (id != 0) {
            const ObjectHeader& header = headers_[static_cast<std::size_t>(id)];
            container.names->Insert(std::string_view(header.name, header.nameLength),
                                    static_cast<int32_t>(i));
        }
    }
}

int32_t KernelStore::FindFirst(int32_t container, std::string_view name) {
    ObjectContainer* target = Container(container);
    if (!target) {
        return 0;
    }
    if (!target->names) {
        BuildNameIndex(*target);
    }
    const NamePositions found = target->names->Find(UpToNul(name));
    if (found.Empty()) {
        return 0;
    }
    return target->cells[static_cast<std::size_t>(found.First())];
}

int32_t KernelStore::Next(int32_t container, int32_t* cursor, int32_t values, int32_t bits) const {
    const ObjectContainer* target = Container(container);
    if (!target || !cursor) {
        return 0;
    }
    std::size_t slot = *cursor < 1 ? 0 : static_cast<std::size_t>(*cursor) - 1;
    for (; slot < target->cells.size(); ++slot) {
        const int32_t id = target->cells[slot];
        if (id != 0 && (headers_[static_cast<std::size_t>(id)].mask & bits) == values) {
            *cursor = static_cast<int32_t>(slot + 2);
            return id;
        }
    }
    *cursor = static_cast<int32_t>(target->cells.size() + 1);
    return 0;
}

int32_t KernelStore::NextByName(int32_t container, int32_t* cursor, std::string_view name, int32_t mask) {
    ObjectContainer* target = Container(container);
    if (!target || !cursor) {
        return 0;
    }
    if (!target->names) {
        BuildNameIndex(*target);
    }
    const int32_t start = *cursor < 1 ? 0 : *cursor - 1;
    const NamePositions found = target->names->Find(UpToNul(name));
    for (int32_t position = found.FirstFrom(start); position >= 0; position = found.FirstFrom(position + 1)) {
        const int32_t id = target->cells[static_cast<std::size_t>(position)];
        if ((headers_[static_cast<std::size_t>(id)].mask & mask) == mask) {
            *cursor = position + 2;
            return id;
        }
    }
    *cursor = static_cast<int32_t>(target->cells.size() + 1);
    return 0;
}

int32_t KernelStore::At(int32_t container, int32_t index) const {
    const ObjectContainer* target = Container(container);
    if (!target || index < 1 || index > target->live) {
        return 0;
    }
    if (static_cast<std::size_t>(target->live) == target->cells.size()) {
        return target->cells[static_cast<std::size_t>(index) - 1];
    }
    // A map with removed cells: count live members (arrays never get here).
    int32_t seen = 0;
    for (const int32_t id : target->cells) {
        if (id != 0 && ++seen == index) {
            return id;
        }
    }
    return 0;
}

} // namespace vxw
