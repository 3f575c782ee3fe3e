#pragma once
// The detail text of a part: its labelled attribute lines and the cross-reference blocks that
// say in which symbol and package files its package and symbols were found; and the reverse
// look-up, which part files use a symbol or package, that symbol and package details print.

#include "libreports/LibraryEntries.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <string>
#include <vector>

namespace vxw {

// What the look-ups of one part found and missed, for the totals of a report. No list holds a
// name twice (exact comparison).
struct CrossReferenceRecord {
    QStringList packagesFound;
    QStringList packagesMissing;
    QStringList symbolsFound;
    QStringList symbolsMissing;
};

// Cross-reference kinds of the look-ups.
inline constexpr int kCrossSymbol = 1;
inline constexpr int kCrossPackage = 2;

// The detail text of one part; fills `record` with the part's look-ups (the package lists when
// field 61 is shown, the symbol lists when field 62 is shown; the other lists are emptied).
QString BuildPartDetail(const LibraryReportContext& context, const QString& name, const QString& libraryText,
                        const PartAttributes& attributes, CrossReferenceRecord& record);

// The look-up of the comma-separated `names` of one kind in the other library files. Empties
// the record's two lists of that kind and `missing`; with `search` false that is all. Otherwise
// answers, for every name found, "**name**" and the lines of the files holding it, and records
// found and missing names. Names are trimmed of blanks and empty ones skipped; a name repeated
// in the list is looked up, shown and put in `missing` each time, while the record's lists hold
// it once (exact comparison).
QString LookUpInOtherFiles(LibraryLookup& lookup, int kind, const QString& names, bool search,
                           CrossReferenceRecord& record, QStringList& missing);

// A line break before each missing name.
QString ListMissingSymbols(const QStringList& missing);

// The using parts of one part file (by file name, as the lookup lists it), each as a line
// break, two tabs and the part name: parts that name the symbol (kind 1) in their symbol list,
// or have the package (kind 2), compared trimmed and without regard to case.
QString FindPartsUsing(LibraryLookup& lookup, const QString& name, const QString& partFileName, int kind);

// Which parts of which part files use each symbol and package name, read once from the
// lookup's part entries. Answers exactly what asking every part file in turn answers.
class PartUsageIndex {
public:
    // Indexes the lookup's part files again when its folder, file list or entries differ from
    // those indexed last (cheap when nothing changed).
    void Refresh(LibraryLookup& lookup);
    // The usage block of a name (see DescribePartUsage).
    QString Describe(const QString& name, int kind) const;

private:
    struct Use {
        int file;
        int entry;
    };
    // What a part file's entry table looked like when indexed: where it lay, its size and its
    // first and last entries, so that a table read again is noticed.
    struct Source {
        const void* entries = nullptr;
        std::size_t count = 0;
        std::string first;
        std::string last;
        static Source Of(const std::vector<PartInfo>& entries);
        bool operator==(const Source&) const = default;
    };
    void Build(LibraryLookup& lookup);

    QString folder_;
    QStringList files_;
    std::vector<Source> sources_;
    std::vector<std::vector<QString>> partNames_; // per file, per entry
    QHash<QString, std::vector<Use>> symbolUses_;
    QHash<QString, std::vector<Use>> packageUses_;
    bool built_ = false;
};

// The usage block over all part files: "[USED BY PART FILES]" with each using file and its
// using parts, or "[NOT USED BY ANY OF THE PART FILES]". Uses an index of the lookup's part
// files kept between calls and refreshed when they change, so many names cost one reading.
QString DescribePartUsage(const LibraryReportContext& context, const QString& name, int kind);
// The same with an index the caller owns (refreshed here).
QString DescribePartUsage(const LibraryReportContext& context, PartUsageIndex& index, const QString& name,
                          int kind);
// The same by asking every part file in turn (FindPartsUsing), letting window events run
// between files; the index gives exactly this text.
QString ScanPartUsage(const LibraryReportContext& context, const QString& name, int kind);

} // namespace vxw
