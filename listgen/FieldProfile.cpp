#include "listgen/FieldProfile.h"

#include "kernel/BoundedFileRead.h"
#include "kernel/KernelAccess.h"
#include "shell/SettingsKeys.h"
#include "shell/SharedStrings.h"
#include "shell/UserInterface.h"
#include "suite/SuiteServices.h"
#include "suite/TextRules.h"

#include <algorithm>
#include <array>

namespace vxw {

namespace {

constexpr int kProfileReadError = 8;

// The fields a profile line can use; later ones are never read.
constexpr int kLineFields = 9;

struct LineFields {
    std::array<QStringView, kLineFields> field; // field[0] is field 1; missing ones are empty
};

LineFields SplitLine(QStringView line) {
    LineFields result;
    qsizetype start = 0;
    for (int n = 0; n < kLineFields; ++n) {
        const qsizetype comma = line.indexOf(QLatin1Char(','), start);
        if (comma < 0) {
            result.field[n] = line.mid(start);
            break;
        }
        result.field[n] = line.mid(start, comma - start);
        start = comma + 1;
    }
    return result;
}

int16_t FieldNumber(QStringView text) {
    return RoundToInt16(LeadingNumber(text));
}

// The section number of a header keyword (already upper case), 0 when it is none.
int SectionOfHeader(const QString& keyword) {
    static const std::array<QLatin1String, kSectionCount> headers = {
        QLatin1String("[PROJECT]"),  QLatin1String("[CIRCUIT]"), QLatin1String("[DIAGRAM]"),
        QLatin1String("[PAGE]"),     QLatin1String("[PCB]"),     QLatin1String("[NET]"),
        QLatin1String("[PART]"),     QLatin1String("[SYMBOL]"),  QLatin1String("[PACKAGE]"),
        QLatin1String("[PADSTACK]"),
    };
    for (int i = 0; i < kSectionCount; ++i) {
        if (keyword == headers[i]) {
            return i + 1;
        }
    }
    return 0;
}

// Hands out the flags of "CHILD" lines in file order.
class FlagCursor {
public:
    explicit FlagCursor(const QString& saved) : hasSaved_(!saved.isEmpty()), saved_(ParseSavedFlags(saved)) {}
    bool HasSaved() const { return hasSaved_; }
    // The next saved flag; a profile that gained fields since the flags were saved shows them.
    int16_t Next() {
        const size_t index = cursor_++;
        return index < saved_.size() ? saved_[index] : int16_t(1);
    }

private:
    bool hasSaved_;
    std::vector<int16_t> saved_;
    size_t cursor_ = 0;
};

} // namespace

std::vector<int16_t> ParseSavedFlags(QStringView saved) {
    std::vector<int16_t> flags;
    qsizetype start = 0;
    while (start < saved.size()) {
        qsizetype comma = saved.indexOf(QLatin1Char(','), start);
        if (comma < 0) {
            comma = saved.size();
        }
        flags.push_back(FieldNumber(saved.mid(start, comma - start)));
        start = comma + 1;
    }
    return flags;
}

FieldProfileParse ParseFieldProfile(const QByteArray& fileBytes, const QString& savedFlags) {
    FieldProfileParse result;
    if (fileBytes.size() > kMaxFieldProfileSize) {
        result.error = FieldProfileError::TooLarge;
        return result;
    }
    const QString text = QString::fromLatin1(fileBytes);
    const QStringView all(text);
    FlagCursor flags(savedFlags);

    int section = 0; // 0: none yet
    int group = -1;
    int slot = -1;
    int lineNumber = 0;
    qsizetype start = 0;
    while (start < all.size()) {
        qsizetype end = all.indexOf(QLatin1Char('\n'), start);
        if (end < 0) {
            end = all.size();
        }
        QStringView line = all.mid(start, end - start);
        start = end + 1;
        ++lineNumber;
        if (line.endsWith(QLatin1Char('\r'))) {
            line.chop(1);
        }
        if (line.isEmpty()) {
            continue;
        }
        const LineFields fields = SplitLine(line);
        const QString keyword = UpperCase(TrimBlanks(fields.field[0]).toString());

        if (const int header = SectionOfHeader(keyword); header != 0) {
            section = header;
            group = -1;
            slot = -1;
        } else if (keyword == QLatin1String("PARENT")) {
            if (section == 0) {
                continue;
            }
            FieldProfileSection& current = result.profile.sections[section - 1];
            ++group;
            if (group >= kMaxGroupsPerSection) {
                result.error = FieldProfileError::TooManyGroups;
                result.line = lineNumber;
                return result;
            }
            // A section header seen again numbers its groups from the first one again, so
            // the list only grows when this group is new.
            if (current.groups.size() <= size_t(group)) {
                current.groups.resize(group + 1);
                current.counts.resize(group + 1, 0);
            }
            slot = -1;
            current.groups[group].caption = TrimBlanks(fields.field[3]).toString();
        } else if (keyword == QLatin1String("CHILD")) {
            const int16_t fieldId = FieldNumber(fields.field[7]);
            const int16_t fileDefault = FieldNumber(fields.field[6]);
            if (section == 0) {
                // Stored nowhere, yet it still takes its place among the saved flags.
                if (flags.HasSaved()) {
                    flags.Next();
                }
                result.profile.savedOrder.push_back({});
                continue;
            }
            if (group < 0) {
                result.error = FieldProfileError::ChildWithoutGroup;
                result.line = lineNumber;
                return result;
            }
            if (slot + 1 >= kSlotsPerGroup) {
                result.error = FieldProfileError::TooManyChildren;
                result.line = lineNumber;
                return result;
            }
            // The flags string is written for fields with an id only, so a field without one
            // must not take a saved flag: it would shift every later field's flag.
            int16_t shown = fileDefault;
            if (flags.HasSaved() && fieldId != 0) {
                shown = flags.Next();
            }
            ++slot;
            if (fieldId != 0) {
                result.profile.savedOrder.push_back(
                    {static_cast<int16_t>(section), static_cast<int16_t>(group), static_cast<int16_t>(slot)});
            }
            FieldProfileSection& current = result.profile.sections[section - 1];
            FieldEntry& entry = current.groups[group].fields[slot];
            entry.name = TrimBlanks(fields.field[4]).toString();
            entry.shown = shown;
            entry.text = TrimBlanks(fields.field[5]).toString();
            entry.fieldId = fieldId;
            entry.style = FieldNumber(fields.field[8]);
            // The count is the number of slots in use; a section read twice refills its slots
            // from the first, so the count never passes the 17 slots.
            int16_t& count = current.counts[group];
            count = std::max<int16_t>(count, int16_t(slot + 1));
        } else if (keyword == QLatin1String("END")) {
            return result;
        }
    }
    result.error = FieldProfileError::MissingEnd;
    result.line = lineNumber;
    return result;
}

QString FieldProfilePath(const QString& languagePath) {
    return languagePath + QLatin1Char('/') + QLatin1String(kFieldProfileFileName);
}

bool LoadFieldProfile(FieldProfile& profile, UserInterface& ui) {
    const QString saved = Suite().GetSuiteSetting(kListSection, kPropertyKey, QString());
    const QString languagePath = ReadSharedString(TheKernel(), QLatin1String(kLanguagePathKey));
    // Without a language folder the path would name a file in the root folder.
    if (languagePath.isEmpty()) {
        ui.ReportError(kProfileReadError);
        return false;
    }
    QByteArray bytes;
    if (!ReadFileBounded(FieldProfilePath(languagePath), kMaxFieldProfileSize, bytes).Ok()) {
        ui.ReportError(kProfileReadError);
        return false;
    }
    FieldProfileParse parsed = ParseFieldProfile(bytes, saved);
    if (!parsed.Ok()) {
        ui.ReportError(kProfileReadError);
        return false;
    }
    profile = std::move(parsed.profile);
    return true;
}

std::vector<FieldTableRow> PrepareFieldTable(const FieldGroups& groups) {
    std::vector<FieldTableRow> rows;
    rows.reserve(groups.size() * kSlotsPerGroup);
    for (const FieldGroup& group : groups) {
        for (const FieldEntry& entry : group.fields) {
            rows.push_back({entry.fieldId, entry.shown});
        }
    }
    return rows;
}

bool IsFieldShown(const std::vector<FieldTableRow>& rows, int16_t fieldId) {
    if (fieldId == 0) {
        return false;
    }
    return std::any_of(rows.begin(), rows.end(), [fieldId](const FieldTableRow& row) {
        return row.fieldId == fieldId && row.shown == 1;
    });
}

void AppendFieldFlags(QString& flags, const FieldGroups& groups) {
    for (const FieldGroup& group : groups) {
        for (const FieldEntry& entry : group.fields) {
            if (entry.fieldId != 0) {
                flags += QString::number(entry.shown);
                flags += QLatin1Char(',');
            }
        }
    }
}

QString SavedFieldFlags(const FieldProfile& profile) {
    QString flags;
    flags.reserve(static_cast<qsizetype>(profile.savedOrder.size()) * 2);
    for (const SavedFlagSlot& place : profile.savedOrder) {
        int16_t shown = 1;
        if (place.section >= 1 && place.section <= kSectionCount) {
            const FieldGroups& groups = profile.sections[static_cast<size_t>(place.section - 1)].groups;
            if (static_cast<size_t>(place.group) < groups.size() && place.slot >= 0 &&
                place.slot < kSlotsPerGroup) {
                shown =
                    groups[static_cast<size_t>(place.group)].fields[static_cast<size_t>(place.slot)].shown;
            }
        }
        flags += QString::number(shown);
        flags += QLatin1Char(',');
    }
    return flags;
}

QString FieldFlagsString(const std::vector<const FieldGroups*>& copies) {
    QString flags;
    for (const FieldGroups* groups : copies) {
        if (groups != nullptr) {
            AppendFieldFlags(flags, *groups);
        }
    }
    return flags;
}

void ApplyFieldFlags(FieldGroups& groups, const std::vector<int16_t>& counts, const std::vector<int>& flags) {
    size_t next = 0;
    const size_t groupCount = std::min(groups.size(), counts.size());
    for (size_t g = 0; g < groupCount && next < flags.size(); ++g) {
        const int slotCount = std::clamp<int>(counts[g], 0, kSlotsPerGroup);
        for (int s = 0; s < slotCount && next < flags.size(); ++s) {
            const int flag = flags[next++];
            if (flag != kMixedFieldFlag) {
                groups[g].fields[s].shown = RoundToInt16(double(flag));
            }
        }
    }
}

} // namespace vxw
