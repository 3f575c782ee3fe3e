#pragma once
// The field profile: for each object class, field groups whose fields say which labelled lines
// a list carries. Each explorer object holds its own copy of its class's groups.

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace vxw {

// Object classes, also the profile's section numbers.
enum ObjectClass : int {
    ClassProject = 1,
    ClassCircuit = 2,
    ClassDiagram = 3,
    ClassPage = 4,
    ClassPcb = 5,
    ClassNets = 6,
    ClassPart = 7,
    ClassSymbol = 8,
    ClassPackage = 9,
    ClassPadstack = 10,
};
inline constexpr int kSectionCount = 10;
inline constexpr int kSlotsPerGroup = 17;

struct FieldEntry {
    QString name;      // empty: a free slot
    int16_t shown = 0; // only 1 counts as shown
    QString text;
    int16_t fieldId = 0;
    int16_t style = 0;
};

struct FieldGroup {
    QString caption;
    std::array<FieldEntry, kSlotsPerGroup> fields;
};

using FieldGroups = std::vector<FieldGroup>;

struct FieldProfileSection {
    FieldGroups groups;
    std::vector<int16_t> counts; // "CHILD" lines each group received
};

// Where one saved flag goes: a slot of a section's group, or nowhere (section 0) for a field
// line that stood before any section.
struct SavedFlagSlot {
    int16_t section = 0;
    int16_t group = 0;
    int16_t slot = 0;
};

struct FieldProfile {
    std::array<FieldProfileSection, kSectionCount> sections; // index = section number - 1
    // The slots that take the saved flags, in the order the file gave them, so that the flags
    // written back are read into the same fields.
    std::vector<SavedFlagSlot> savedOrder;
};

struct FieldTableRow {
    int16_t fieldId = 0;
    int16_t shown = 0;
};

} // namespace vxw
