#pragma once
// Field tables for report tests and benchmarks: exactly the given field ids shown.

#include "listgen/FieldProfile.h"

#include <initializer_list>

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

} // namespace vxw
