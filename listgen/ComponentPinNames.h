#pragma once
// What the nets section prints of a component and its pins, read from the kernel once per
// section. A large circuit's nets visit every component many times, and each visit would
// otherwise cost several scattered kernel reads (component, symbol, entry, name).
//
// The cache answers exactly what the kernel would: a component it does not hold (another
// circuit's, a stale id) and an entry outside its symbol's count are asked of the kernel at
// each use, so a damaged design reads the same with or without it.

#include "listgen/IdIndex.h"

#include <QLatin1String>

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace vxw {

class Kernel;

class ComponentPinNames {
public:
    // Takes in the components of the current circuit on each side asked for (a whole nets
    // section); a side not taken in, as for a single net, is asked of the kernel at each use.
    ComponentPinNames(Kernel& kernel, bool schematicSide, bool layoutSide);

    struct Component {
        QLatin1String name;
        int32_t symbol = 0;
        int32_t entries = -1; // the symbol's cached entry names, -1 to ask the kernel
    };

    // The component's name and symbol; nothing when the kernel cannot read it.
    std::optional<Component> Schematic(int32_t id) const;
    std::optional<Component> Layout(int32_t id) const;
    // Starts bringing in what a later Schematic(schematicId) and Layout(layoutId) read, so that a
    // caller with many components at hand overlaps their waits for memory. Ids of 0 are skipped.
    void Prefetch(int32_t schematicId, int32_t layoutId) const {
        Prefetch(schematic_, schematicId);
        Prefetch(layout_, layoutId);
    }
    // The name of entry `index` (1-based) of the component's symbol; nothing when the kernel
    // cannot read it.
    std::optional<QLatin1String> EntryName(const Component& owner, int32_t index) const;

private:
    // One cache line holds a component's answer, its name too when the name is short (as
    // most are); a longer name lives in text_ and the slot holds its offset.
    static constexpr std::size_t kInlineName = 20;
    struct alignas(32) Slot {
        int32_t symbol = 0;
        int32_t entries = -1; // index into symbols_, -1 when the symbol could not be read
        uint32_t nameLength = 0;
        char name[kInlineName] = {};
    };
    struct Span {
        uint32_t offset = 0;
        uint32_t length = 0;
        bool read = false;
    };
    struct Side {
        std::vector<Slot> rows;
        IdIndex index;
    };

    static void Prefetch(const Side& side, int32_t id) {
        if (id != 0) {
            const int32_t slot = side.index.Find(id);
            if (slot >= 0) {
                __builtin_prefetch(&side.rows[static_cast<std::size_t>(slot)]);
            }
        }
    }
    void TakeIn(Side& side, int32_t map, bool schematic);
    int32_t EntriesOf(int32_t symbol);
    uint32_t Store(const char* text);
    QLatin1String View(uint32_t offset, uint32_t length) const;
    QLatin1String NameOf(const Slot& slot) const;
    std::optional<Component> Answer(const Side& side, int32_t id, bool schematic) const;

    Kernel& kernel_;
    std::string text_;
    Side schematic_;
    Side layout_;
    std::vector<std::vector<Span>> symbols_;
    std::unordered_map<int32_t, int32_t> symbolIndex_;
};

} // namespace vxw
