#pragma once
// The object table behind the in-memory kernel: one header per id (ids are also handles),
// containers (maps and arrays) holding ids in cells, and per-container name indexes.
//
// Maps keep a removed object's slot empty so that a walk's cursor (a slot position) stays
// meaningful while objects are deleted during the walk; empty cells at the end are dropped.
// Arrays close the gap instead, so that 1-based indexes stay dense.

#include "kernel/LargeBlocks.h"
#include "kernel/NameTable.h"
#include "kernel/StringArena.h"

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace vxw {

enum class ObjectKind : uint8_t {
    Dead,
    Database,
    Hierarchy,
    Page,
    SchComp,
    LayComp,
    Net,
    Node,
    Device,
    Symbol,
    Entry,
    PadStack,
    Item,
    Trace,
    Via,
    Stream,
    Layer,
    Container,
};

struct ObjectHeader {
    const char* name = ""; // arena text, NUL-terminated
    uint32_t nameLength = 0;
    ObjectKind kind = ObjectKind::Dead;
    int32_t mask = 0;
    int32_t owner = 0;     // handle of the container holding the object, 0 none
    int32_t position = -1; // slot in the owner, -1 none
    uint32_t data = 0;     // index into the kind's own table
};

struct ObjectContainer {
    ObjectKind elementKind = ObjectKind::Dead;
    bool isArray = false;
    bool readOnly = false;
    int32_t live = 0;
    std::vector<int32_t> cells; // ids; 0 marks a removed object (maps only)
    // Name -> slot positions; built on the first look-up by name.
    std::unique_ptr<NameTable> names;
};

class KernelStore {
public:
    KernelStore();
    // Room for this many more objects, of which `containers` are containers (building a large
    // design in one go).
    void Reserve(std::size_t objects, std::size_t containers = 0);

    // Answers the new id, 0 when the id space is exhausted.
    int32_t NewObject(ObjectKind kind, std::string_view name, uint32_t data, int32_t mask = 0);
    int32_t NewContainer(ObjectKind elementKind, bool isArray, bool readOnly = false);

    // The live header of an id (of the given kind), null otherwise.
    const ObjectHeader* Find(int32_t id) const;
    ObjectHeader* Find(int32_t id);
    ObjectHeader* Find(int32_t id, ObjectKind kind);
    const ObjectHeader* Find(int32_t id, ObjectKind kind) const;
    ObjectContainer* Container(int32_t handle);
    const ObjectContainer* Container(int32_t handle) const;

    // Puts a free object at the end of a container; false when either is unusable.
    bool Append(int32_t container, int32_t id);
    // Room for this many more members of a container that is about to be filled.
    void ReserveCells(int32_t container, std::size_t count);
    // Takes an object out of its container (it stays alive).
    void Detach(int32_t id);
    // Marks an object dead; the caller has released whatever it owned.
    void Kill(int32_t id);
    void Rename(int32_t id, std::string_view name);
    const char* Intern(std::string_view text) { return arena_.Store(text); }

    // Name look-ups (exact, case-sensitive), first in container order.
    int32_t FindFirst(int32_t container, std::string_view name);
    // Walks from *cursor (a 1-based slot position; values below 1 start at the beginning).
    int32_t Next(int32_t container, int32_t* cursor, int32_t values, int32_t bits) const;
    // Walks the objects of one name whose mask holds every bit of `mask`.
    int32_t NextByName(int32_t container, int32_t* cursor, std::string_view name, int32_t mask);
    // The index-th live member (1-based), 0 when out of range.
    int32_t At(int32_t container, int32_t index) const;

private:
    void BuildNameIndex(ObjectContainer& container);
    void Unindex(ObjectContainer& container, std::string_view name, int32_t position);

    LargeVector<ObjectHeader> headers_;
    LargeVector<ObjectContainer> containers_;
    StringArena arena_;
};

} // namespace vxw
