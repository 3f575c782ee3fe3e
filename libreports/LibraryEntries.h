#pragma once
// What every library report reads of a library file: the entry count in its header (the only
// thing read from the file directly), the entries through the kernel, the attribute texts
// split into their tokens, and the look-ups across the other library files that the detail
// texts print.

#include "kernel/KernelRecords.h"
#include "suite/TokenList.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace vxw {

class Kernel;

// Library kinds, also the order of the library paths.
enum LibraryKindNumber : int { KindPart = 1, KindSymbol = 2, KindPackage = 3, KindPadstack = 4 };

// The library text of an item of the project's own library.
inline constexpr char kProjectLibraryText[] = "Project Library";

// The entry count at byte offset 16 of the file's header, bounded by what the file can hold
// (its size over the smallest entry). 0 for a file that cannot be read, is too short, or
// claims a negative count.
int32_t LibraryEntryCount(const QString& path);

// The entries of a part file, or of a symbol, package or padstack file, through the kernel:
// the header count of records, of which the kernel fills what it can. Empty on any failure.
std::vector<PartInfo> ReadPartEntries(Kernel& kernel, const QString& path);
std::vector<SymbolInfo> ReadSymbolEntries(Kernel& kernel, const QString& path);

// A part's attribute text: the package name (before the first blank of the untrimmed text)
// and the ten tokens after that blank. A text without a blank is a package name only (trimmed)
// and is also given whole to the tokens.
struct PartAttributes {
    QString package;
    TokenList tokens;
};
PartAttributes SplitPartAttributes(const QString& attributes);

// The tokens of a symbol, package or padstack attribute text.
inline TokenList SplitAttributes(const QString& attributes) {
    return TokenList(attributes, kAttributeSeparator);
}

// The look-ups across library files that the detail texts print. The library catalog
// implements it with indexes read once per load, so a report never reopens every file for
// every name; tests give their own.
class LibraryLookup {
public:
    virtual ~LibraryLookup() = default;
    // For each file of the symbol list (kind 1) or the package list (kind 2), in list order, that
    // holds an item of exactly that name: a tab, the file name (no folder) and CR LF. Empty
    // when no file holds it.
    virtual QString FilesHolding(int crossReferenceKind, const QString& name) = 0;
    // The part library folder (ending with its separator) and the part file names in list order.
    virtual QString PartFolder() const = 0;
    virtual const QStringList& PartFiles() const = 0;
    // The entries of a part file of that list (by file name), read once per load.
    virtual const std::vector<PartInfo>& PartEntries(const QString& fileName) = 0;
};

class FieldTable;
class UserInterface;

// What a library report works with: the kernel, the field table of the library class, the
// user interface (progress, events, Cancel) and the cross-file look-ups.
struct LibraryReportContext {
    Kernel& kernel;
    const FieldTable& fields;
    UserInterface& ui;
    LibraryLookup& lookup;
};

} // namespace vxw
