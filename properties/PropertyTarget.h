#pragma once
// Which objects' copies of the field profile a property window shows and changes: one object's,
// or every circuit's or every page's of a circuit when the node's "Select All" is on.

#include "listgen/FieldProfileTypes.h"

#include <QString>

#include <vector>

namespace vxw {

class ExplorerModel;
class PropertyGrid;
struct ExplorerLevels;

struct PropertyCopies {
    int objectClass = 0; // 0: the node has no properties
    QString caption;
    std::vector<FieldGroups*> copies;
    bool merged = false; // several objects in one window

    std::vector<const FieldGroups*> Shown() const { return {copies.begin(), copies.end()}; }
};

// The copies behind the node at `index` (1-based) of the explorer model.
PropertyCopies CopiesForNode(ExplorerLevels& levels, const ExplorerModel& model, int index,
                             bool circuitSelectAll, bool pageSelectAll);

// Closing the window: when the grid changed, writes its flags into every copy it showed and
// into the class's profile (so that objects built later, and the flags saved at unload, follow
// the choice); a mixed field keeps each object's own flag. Answers whether anything was written.
bool ApplyProperties(const PropertyGrid& grid, const PropertyCopies& target, FieldProfile& profile);

} // namespace vxw
