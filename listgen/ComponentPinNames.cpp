#include "listgen/ComponentPinNames.h"

#include "kernel/KernelText.h"

#include "kernel/Kernel.h"
#include "kernel/KernelRecords.h"
#include "kernel/KernelWalk.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace vxw {
namespace {

struct KernelComponent {
    const char* name = nullptr;
    int32_t symbol = 0;
};

// A schematic or layout component as the kernel reads it; nothing when it cannot.
std::optional<KernelComponent> ReadComponent(Kernel& kernel, int32_t id, bool schematic) {
    if (schematic) {
        SchCompRecord record;
        if (kernel.C_ReadComponent(id, &record) > 0) {
            return KernelComponent{record.name, record.symbol};
        }
    } else {
        LayCompRecord record;
        if (kernel.L_ReadComponent(id, &record) > 0) {
            return KernelComponent{record.name, record.symbol};
        }
    }
    return std::nullopt;
}

} // namespace

ComponentPinNames::ComponentPinNames(Kernel& kernel, bool schematicSide, bool layoutSide) : kernel_(kernel) {
    if (schematicSide) {
        TakeIn(schematic_, kernel.DB_SchCompMap(), true);
    }
    if (layoutSide) {
        TakeIn(layout_, kernel.DB_LayCompMap(), false);
    }
}

void ComponentPinNames::TakeIn(Side& side, int32_t map, bool schematic) {
    std::vector<std::pair<int32_t, int32_t>> idsToSlots;
    WalkMap(kernel_, map, [&](int32_t id) {
        const std::optional<KernelComponent> component = ReadComponent(kernel_, id, schematic);
        if (!component) {
            return;
        }
        const char* name = component->name;
        const std::size_t length = name ? std::strlen(name) : 0;
        if (text_.size() + length > std::numeric_limits<uint32_t>::max()) {
            return; // left to the kernel
        }
        Slot slot;
        slot.nameLength = static_cast<uint32_t>(length);
        if (length <= kInlineName) {
            if (length > 0) {
                std::memcpy(slot.name, name, length);
            }
        } else {
            const uint32_t offset = Store(name);
            std::memcpy(slot.name, &offset, sizeof offset);
        }
        slot.symbol = component->symbol;
        slot.entries = EntriesOf(component->symbol);
        idsToSlots.emplace_back(id, static_cast<int32_t>(side.rows.size()));
        side.rows.push_back(slot);
    });
    side.index.Build(idsToSlots);
}

int32_t ComponentPinNames::EntriesOf(int32_t symbol) {
    const auto known = symbolIndex_.find(symbol);
    if (known != symbolIndex_.end()) {
        return known->second;
    }
    int32_t index = -1;
    SymbolRecord record;
    if (kernel_.S_ReadSymbol(symbol, &record) > 0) {
        std::vector<Span> spans(static_cast<std::size_t>(std::max(record.entryCount, 0)));
        for (std::size_t i = 0; i < spans.size(); ++i) {
            EntryRecord entry;
            if (kernel_.S_ReadEntry(symbol, static_cast<int32_t>(i + 1), &entry) <= 0) {
                continue;
            }
            const std::size_t length = entry.name ? std::strlen(entry.name) : 0;
            if (text_.size() + length > std::numeric_limits<uint32_t>::max()) {
                continue;
            }
            spans[i].length = static_cast<uint32_t>(length);
            spans[i].offset = Store(entry.name);
            spans[i].read = true;
        }
        index = static_cast<int32_t>(symbols_.size());
        symbols_.push_back(std::move(spans));
    }
    symbolIndex_.emplace(symbol, index);
    return index;
}

uint32_t ComponentPinNames::Store(const char* text) {
    const auto offset = static_cast<uint32_t>(text_.size());
    if (text) {
        text_ += text;
    }
    return offset;
}

QLatin1String ComponentPinNames::View(uint32_t offset, uint32_t length) const {
    return QLatin1String(text_.data() + offset, static_cast<qsizetype>(length));
}

QLatin1String ComponentPinNames::NameOf(const Slot& slot) const {
    if (slot.nameLength <= kInlineName) {
        return QLatin1String(slot.name, static_cast<qsizetype>(slot.nameLength));
    }
    uint32_t offset = 0;
    std::memcpy(&offset, slot.name, sizeof offset);
    return View(offset, slot.nameLength);
}

std::optional<ComponentPinNames::Component> ComponentPinNames::Answer(const Side& side, int32_t id,
                                                                      bool schematic) const {
    const int32_t slot = side.index.Find(id);
    if (slot >= 0) {
        const Slot& found = side.rows[static_cast<std::size_t>(slot)];
        return Component{NameOf(found), found.symbol, found.entries};
    }
    if (const std::optional<KernelComponent> component = ReadComponent(kernel_, id, schematic)) {
        return Component{KernelText(component->name), component->symbol};
    }
    return std::nullopt;
}

std::optional<ComponentPinNames::Component> ComponentPinNames::Schematic(int32_t id) const {
    return Answer(schematic_, id, true);
}

std::optional<ComponentPinNames::Component> ComponentPinNames::Layout(int32_t id) const {
    return Answer(layout_, id, false);
}

std::optional<QLatin1String> ComponentPinNames::EntryName(const Component& owner, int32_t index) const {
    if (owner.entries >= 0 && index >= 1) {
        const std::vector<Span>& spans = symbols_[static_cast<std::size_t>(owner.entries)];
        if (static_cast<std::size_t>(index) <= spans.size()) {
            const Span& span = spans[static_cast<std::size_t>(index - 1)];
            return span.read ? std::optional<QLatin1String>(View(span.offset, span.length)) : std::nullopt;
        }
    }
    EntryRecord entry;
    if (kernel_.S_ReadEntry(owner.symbol, index, &entry) > 0) {
        return KernelText(entry.name);
    }
    return std::nullopt;
}

} // namespace vxw
