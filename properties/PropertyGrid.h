#pragma once
// The property window's grid without the window: one group row per field group and one field
// row per named slot, each field ticked, clear or mixed (when it shows several objects whose
// flags differ). Rows know whether they are groups, so the flags read back go to the right
// fields whatever the names look like.

#include "listgen/FieldProfileTypes.h"

#include <QString>

#include <vector>

namespace vxw {

class UserInterface;

enum class CheckState { Clear, Ticked, Mixed };

struct PropertyRow {
    bool group = false;
    QString text;        // the group caption or the field name
    QString description; // the field's description (help panel)
    int16_t fieldId = 0;
    int16_t style = 0; // 1: a field whose lists take long to make
    CheckState state = CheckState::Clear;
    bool expanded = true; // group rows
    bool hidden = false;  // field rows under a collapsed group
    int groupIndex = 0;
    int slot = 0;
};

inline constexpr int SlowFieldStyle = 1;

class PropertyGrid {
public:
    // The grid of one object's copy, or of several copies of one class merged: a field shown in
    // some and hidden in others is mixed.
    explicit PropertyGrid(const std::vector<const FieldGroups*>& copies);

    const std::vector<PropertyRow>& Rows() const { return rows_; }
    // True once any check changed.
    bool Changed() const { return changed_; }

    // Ticks or clears field row `row`; ticking a slow field asks first, and No keeps it as it
    // was. Answers true when the row changed.
    bool SetCheck(int row, bool on, UserInterface& ui);
    // Ticks (asking before each slow field that is not ticked yet) or clears every field row.
    void SetAllChecks(bool on, UserInterface& ui);
    // Collapses or expands the group of group row `row`, hiding or showing its fields.
    void ToggleGroup(int row);

    // One flag per field row, in row order: 1 ticked, 0 clear, 2 mixed.
    std::vector<int> Flags() const;
    // The flags as the profile's writer takes them for one class: for each group the slots
    // that received a field line (`counts`), 2 (leave as it is) for a slot without a row.
    std::vector<int> SlotFlags(const std::vector<int16_t>& counts) const;

    // The grid as text, one row a line: "- CAPTION" ("+" when collapsed) for a group, then
    // "  [x] Name (id N)" for each field, "[ ]" clear and "[~]" mixed, with ", style S" when the
    // style is not 0; hidden rows are listed too.
    QString Text() const;

private:
    std::vector<PropertyRow> rows_;
    bool changed_ = false;
};

// The window caption: "Properties - " + node text, or the merged windows' own captions.
QString PropertyCaption(const QString& nodeText, bool allCircuits, bool allPages);

} // namespace vxw
