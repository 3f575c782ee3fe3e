#pragma once
// Loading the field profile ("PROPERTY.MEN" overlaid with the user's saved flags), the flat
// field table the reports consult, and the flags string the settings keep.

#include "listgen/FieldProfileTypes.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <vector>

namespace vxw {

class UserInterface;

inline constexpr char kFieldProfileFileName[] = "PROPERTY.MEN";
// A profile is a small hand-written file; anything larger is not one.
inline constexpr qint64 kMaxFieldProfileSize = 16 * 1024 * 1024;
// Far above any real profile, low enough that a hostile file cannot make us allocate much.
inline constexpr int kMaxGroupsPerSection = 1024;
// A flag the property window sends for "mixed" when it shows several objects at once: the
// object's own flag stays as it is.
inline constexpr int kMixedFieldFlag = 2;

enum class FieldProfileError {
    None,
    Unreadable,        // the file could not be opened or read
    TooLarge,          // larger than kMaxFieldProfileSize
    MissingEnd,        // the file ended before "END"
    TooManyChildren,   // an 18th "CHILD" line under one "PARENT"
    ChildWithoutGroup, // a "CHILD" line inside a section before its first "PARENT"
    TooManyGroups,     // more than kMaxGroupsPerSection "PARENT" lines in one section
};

struct FieldProfileParse {
    FieldProfile profile;
    FieldProfileError error = FieldProfileError::None;
    int line = 0; // 1-based line of the fault, 0 when there is none or it has no line
    bool Ok() const { return error == FieldProfileError::None; }
};

// The saved flags of setting "PROPERTY": the leading number of each comma-separated item,
// rounded to 16 bits. A comma ends an item, so "0,1," and "0,1" both hold two items; an empty
// text holds none.
std::vector<int16_t> ParseSavedFlags(QStringView saved);

// Parses the profile file's bytes (Latin-1) with the saved flags text of setting "PROPERTY"
// (empty: every field takes the file's default). Pure: no file, setting or message involved.
FieldProfileParse ParseFieldProfile(const QByteArray& fileBytes, const QString& savedFlags);

// The profile file inside the language folder.
QString FieldProfilePath(const QString& languagePath);

// Reads setting "PROPERTY" and the profile file of the kernel's "LANGUAGEPATH" into `profile`.
// On any failure reports error 8 through `ui`, leaves `profile` untouched and answers false.
bool LoadFieldProfile(FieldProfile& profile, UserInterface& ui);

// The flat table of one object's groups: every one of the 17 slots of every group in order,
// free slots included, one row (field id, shown flag) each.
std::vector<FieldTableRow> PrepareFieldTable(const FieldGroups& groups);
// True when some row carries `fieldId` with a flag of exactly 1. Id 0 marks free slots and is
// never shown.
bool IsFieldShown(const std::vector<FieldTableRow>& rows, int16_t fieldId);

// The table the reports ask; replaced before each report, kept until the next one.
class FieldTable {
public:
    void Prepare(const FieldGroups& groups) { rows_ = PrepareFieldTable(groups); }
    bool IsFieldShown(int16_t fieldId) const { return vxw::IsFieldShown(rows_, fieldId); }
    const std::vector<FieldTableRow>& Rows() const { return rows_; }

private:
    std::vector<FieldTableRow> rows_;
};

// Appends "flag," for every slot of `groups` with a non-zero field id, in order.
void AppendFieldFlags(QString& flags, const FieldGroups& groups);
// The flags of the object copies in the order given (project, the other objects, then the
// four library classes), each followed by a comma. Null entries are skipped.
QString FieldFlagsString(const std::vector<const FieldGroups*>& copies);

// The value of setting "PROPERTY" for the profile's flags: one flag and a comma for each field
// that takes a saved flag, in the order loading reads them back (a line that stood before any
// section gets 1).
QString SavedFieldFlags(const FieldProfile& profile);

// Writes the property window's flags (the first one for the first field) into `Shown` of
// `groups`: group by group, within a group the slots that received a "CHILD" line
// (`counts`). Values are clamped to 16 bits; kMixedFieldFlag leaves a flag unchanged; flags
// beyond the fields are ignored and fields beyond the flags keep theirs.
void ApplyFieldFlags(FieldGroups& groups, const std::vector<int16_t>& counts, const std::vector<int>& flags);

} // namespace vxw
