#pragma once
// Field tables for report tests and benchmarks: exactly the given field ids shown, or every id
// from 1 to 99 but the hidden ones.

#include "listgen/FieldProfile.h"

#include <initializer_list>
#include <set>

namespace vxw {

inline FieldGroups GroupsShowing(std::initializer_list<int16_t> ids) {
    FieldGroups groups(1);
    std::size_t slot = 0;
    for (const int16_t id : ids) {
        if (slot == kSlotsPerGroup) {
            groups.emplace_back();
            slot = 0;
        }
        FieldEntry& entry = groups.back().fields[slot++];
        entry.name = QStringLiteral("F");
        entry.fieldId = id;
        entry.shown = 1;
    }
    return groups;
}

inline FieldTable TableShowing(std::initializer_list<int16_t> ids) {
    FieldTable table;
    table.Prepare(GroupsShowing(ids));
    return table;
}

inline FieldTable TableHiding(const std::set<int>& hidden) {
    FieldGroups groups((99 + kSlotsPerGroup - 1) / kSlotsPerGroup);
    for (int id = 1; id < 100; ++id) {
        FieldEntry& entry = groups[static_cast<std::size_t>((id - 1) / kSlotsPerGroup)]
                                .fields[static_cast<std::size_t>((id - 1) % kSlotsPerGroup)];
        entry.name = QStringLiteral("F");
        entry.fieldId = static_cast<int16_t>(id);
        entry.shown = hidden.count(id) ? 0 : 1;
    }
    FieldTable table;
    table.Prepare(groups);
    return table;
}

} // namespace vxw
