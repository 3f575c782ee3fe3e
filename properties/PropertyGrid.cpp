#include "properties/PropertyGrid.h"

#include "listgen/FieldProfile.h"
#include "shell/MessageBox.h"
#include "shell/UserInterface.h"
#include "suite/SuiteServices.h"

#include <algorithm>
#include <optional>

namespace vxw {
namespace {

QString Message(const char* defaultText, const char* id) {
    return Suite().GetMessageText(QString::fromLatin1(defaultText), QString::fromLatin1(id));
}

CheckState Combine(std::optional<CheckState> state, bool shown) {
    const CheckState flag = shown ? CheckState::Ticked : CheckState::Clear;
    return !state || *state == flag ? flag : CheckState::Mixed;
}

bool Accepted(UserInterface& ui, const QString& question) {
    return ui.ShowMessage(question, MbYesNo | MbQuestion, AppTitle()) != AnswerNo;
}

} // namespace

PropertyGrid::PropertyGrid(const std::vector<const FieldGroups*>& copies) {
    const FieldGroups* first = nullptr;
    for (const FieldGroups* copy : copies) {
        if (copy) {
            first = copy;
            break;
        }
    }
    if (!first) {
        return;
    }
    for (size_t g = 0; g < first->size(); ++g) {
        const FieldGroup& group = (*first)[g];
        rows_.push_back(PropertyRow{
            true, group.caption, {}, 0, 0, CheckState::Clear, true, false, static_cast<int>(g), 0});
        for (size_t s = 0; s < group.fields.size(); ++s) {
            const FieldEntry& field = group.fields[s];
            if (field.name.isEmpty()) {
                continue;
            }
            std::optional<CheckState> state;
            for (const FieldGroups* copy : copies) {
                if (copy && g < copy->size()) {
                    state = Combine(state, (*copy)[g].fields[s].shown == 1);
                }
            }
            rows_.push_back(PropertyRow{false, field.name, field.text, field.fieldId, field.style,
                                        state.value_or(CheckState::Clear), true, false, static_cast<int>(g),
                                        static_cast<int>(s)});
        }
    }
}

bool PropertyGrid::SetCheck(int row, bool on, UserInterface& ui) {
    if (row < 0 || static_cast<size_t>(row) >= rows_.size() || rows_[static_cast<size_t>(row)].group) {
        return false;
    }
    PropertyRow& field = rows_[static_cast<size_t>(row)];
    const CheckState wanted = on ? CheckState::Ticked : CheckState::Clear;
    if (field.state == wanted) {
        return false;
    }
    if (on && field.style == SlowFieldStyle &&
        !Accepted(ui, Message("Current operation takes time, Accept?", "31130"))) {
        return false;
    }
    field.state = wanted;
    changed_ = true;
    return true;
}

void PropertyGrid::SetAllChecks(bool on, UserInterface& ui) {
    const CheckState wanted = on ? CheckState::Ticked : CheckState::Clear;
    for (PropertyRow& row : rows_) {
        if (row.group) {
            continue;
        }
        if (on && row.style == SlowFieldStyle && row.state != CheckState::Ticked &&
            !Accepted(ui, Message("Processing property ", "31134") + row.text.toUpper() +
                              Message(" takes time, Accept?", "31135"))) {
            continue;
        }
        row.state = wanted;
    }
    changed_ = true;
}

void PropertyGrid::ToggleGroup(int row) {
    if (row < 0 || static_cast<size_t>(row) >= rows_.size() || !rows_[static_cast<size_t>(row)].group) {
        return;
    }
    PropertyRow& group = rows_[static_cast<size_t>(row)];
    group.expanded = !group.expanded;
    for (size_t i = static_cast<size_t>(row) + 1; i < rows_.size() && !rows_[i].group; ++i) {
        rows_[i].hidden = !group.expanded;
    }
}

std::vector<int> PropertyGrid::Flags() const {
    std::vector<int> flags;
    for (const PropertyRow& row : rows_) {
        if (!row.group) {
            flags.push_back(row.state == CheckState::Mixed    ? kMixedFieldFlag
                            : row.state == CheckState::Ticked ? 1
                                                              : 0);
        }
    }
    return flags;
}

std::vector<int> PropertyGrid::SlotFlags(const std::vector<int16_t>& counts) const {
    std::vector<int> flags;
    for (size_t g = 0; g < counts.size(); ++g) {
        const int slotCount = std::clamp<int>(counts[g], 0, kSlotsPerGroup);
        const size_t groupStart = flags.size();
        flags.resize(groupStart + static_cast<size_t>(slotCount), kMixedFieldFlag);
        for (const PropertyRow& row : rows_) {
            if (!row.group && row.groupIndex == static_cast<int>(g) && row.slot < slotCount) {
                flags[groupStart + static_cast<size_t>(row.slot)] = row.state == CheckState::Mixed
                                                                        ? kMixedFieldFlag
                                                                    : row.state == CheckState::Ticked ? 1
                                                                                                      : 0;
            }
        }
    }
    return flags;
}

QString PropertyGrid::Text() const {
    QString text;
    for (const PropertyRow& row : rows_) {
        if (row.group) {
            text +=
                (row.expanded ? QStringLiteral("- ") : QStringLiteral("+ ")) + row.text + QLatin1Char('\n');
            continue;
        }
        const char* mark = row.state == CheckState::Ticked  ? "[x] "
                           : row.state == CheckState::Mixed ? "[~] "
                                                            : "[ ] ";
        text += QStringLiteral("  ") + QLatin1String(mark) + row.text + QStringLiteral(" (id ") +
                QString::number(row.fieldId);
        if (row.style != 0) {
            text += QStringLiteral(", style ") + QString::number(row.style);
        }
        text += QStringLiteral(")\n");
    }
    return text;
}

QString PropertyCaption(const QString& nodeText, bool allCircuits, bool allPages) {
    if (allCircuits) {
        return Message("Circuit Properties ", "31132");
    }
    if (allPages) {
        return Message("Page Properties", "3199");
    }
    return Message("Properties - ", "3198") + nodeText;
}

} // namespace vxw
