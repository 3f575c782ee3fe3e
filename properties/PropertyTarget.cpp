#include "properties/PropertyTarget.h"

#include "explorer/ExplorerModel.h"
#include "explorer/NodeActions.h"
#include "listgen/ExplorerLevels.h"
#include "listgen/FieldProfile.h"
#include "properties/PropertyGrid.h"

namespace vxw {

PropertyCopies CopiesForNode(ExplorerLevels& levels, const ExplorerModel& model, int index,
                             bool circuitSelectAll, bool pageSelectAll) {
    const PropertyTarget target = PlanNodeProperties(model, index);
    PropertyCopies result;
    const ExplorerNode* node = model.Node(index);
    if (target.ObjectClass == 0 || !node) {
        return result;
    }
    const int circuit = FindCircuit(levels, target.CircuitKey);
    CircuitEntry* entry = circuit >= 0 ? &levels.Circuits[static_cast<size_t>(circuit)] : nullptr;
    bool allCircuits = false;
    bool allPages = false;
    switch (target.ObjectClass) {
    case ClassProject:
        result.copies.push_back(&levels.ProjectLevel.Profiles);
        break;
    case ClassCircuit:
        if (circuitSelectAll) {
            allCircuits = true;
            for (CircuitEntry& each : levels.Circuits) {
                result.copies.push_back(&each.Circuit.Profiles);
            }
        } else if (entry) {
            result.copies.push_back(&entry->Circuit.Profiles);
        }
        break;
    case ClassDiagram:
        if (entry) {
            result.copies.push_back(&entry->Diagram.Profiles);
        }
        break;
    case ClassPage:
        if (entry && pageSelectAll) {
            allPages = true;
            for (LevelRecord& page : entry->Pages) {
                result.copies.push_back(&page.Profiles);
            }
        } else if (const int page = FindPage(levels, circuit, target.PageKey); entry && page >= 0) {
            result.copies.push_back(&entry->Pages[static_cast<size_t>(page)].Profiles);
        }
        break;
    case ClassPcb:
        if (entry) {
            result.copies.push_back(&entry->Layout.Profiles);
        }
        break;
    case ClassNets:
        if (entry) {
            result.copies.push_back(&entry->Nets.Profiles);
        }
        break;
    default:
        if (target.ObjectClass >= ClassPart && target.ObjectClass <= ClassPadstack) {
            result.copies.push_back(
                &levels.LibraryProfiles[static_cast<size_t>(target.ObjectClass - ClassPart)]);
        }
        break;
    }
    if (result.copies.empty()) {
        return PropertyCopies{};
    }
    result.objectClass = target.ObjectClass;
    result.merged = allCircuits || allPages;
    result.caption = PropertyCaption(node->Text, allCircuits, allPages);
    return result;
}

bool ApplyProperties(const PropertyGrid& grid, const PropertyCopies& target, FieldProfile& profile) {
    if (!grid.Changed() || target.objectClass < 1 || target.objectClass > kSectionCount) {
        return false;
    }
    FieldProfileSection& section = profile.sections[static_cast<size_t>(target.objectClass - 1)];
    const std::vector<int> flags = grid.SlotFlags(section.counts);
    for (FieldGroups* copy : target.copies) {
        ApplyFieldFlags(*copy, section.counts, flags);
    }
    ApplyFieldFlags(section.groups, section.counts, flags);
    return true;
}

} // namespace vxw
