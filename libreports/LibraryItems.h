#pragma once
// The items of the library file opened last: one row per item with its columns, each item's
// detail text, the parts' cross-reference records and the totals that the reports merge them
// into. Also the library file list of the selected kind with its icons and check boxes, the
// reports of the selected or matching rows, the selection operations and the questions the
// library search asks of a file ("does it hold a matching item?").

#include "libreports/LibraryCatalog.h"
#include "libreports/PartDetail.h"
#include "listgen/FieldProfile.h"

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

namespace vxw {

class Kernel;
class SuiteServices;
class UserInterface;

// One row of the item list.
struct LibraryItemRow {
    QString key;          // key letter ("P", "S", "K", "V") and the 0-based entry number
    QString text;         // the item's name
    int icon = 0;         // large and small icon: 7 part, 8 symbol, 9 package, 10 padstack
    QStringList subItems; // sub-items 1..n at positions 0..n-1
    bool selected = false;
};

// The names merged from the cross-reference records of the rows reported since the last load.
struct LibraryTotals {
    QStringList packagesFound;
    QStringList packagesMissing;
    QStringList symbolsFound;
    QStringList symbolsMissing;
};

// A report of the selected rows as the list document takes it: the list title (the general
// date and time, two CR LF, the node's title and the opened entry's name) and the body.
struct LibraryItemReport {
    QString title;
    QString body;
    int count = 0;
};

// The key letter of a library kind's rows.
QChar LibraryRowLetter(int kind);

class LibraryItems {
public:
    // `profiles`: the field profiles of the four library classes (part, symbol, package,
    // padstack), read at every load.
    LibraryItems(Kernel& kernel, LibraryCatalog& catalog, const std::array<FieldGroups, 4>& profiles,
                 const SuiteServices& suite, UserInterface& ui);

    // The file list of a kind (node click): refilled from the catalog's folder; the opened entry
    // and the last entry key are forgotten and the item list emptied.
    void ShowLibraryFiles(int kind);
    std::vector<LibraryFileEntry>& Entries() { return entries_; }
    const std::vector<LibraryFileEntry>& Entries() const { return entries_; }
    int Kind() const { return kind_; }

    // The click on entry `position` (from 1): nothing when it is the entry clicked last
    // (answers false); otherwise loads it (GetLibraryItems) and answers true.
    bool ClickEntry(int position);
    // Loads entry `position` into the item list, whatever was loaded before. False (and nothing
    // changed) for a position without an entry.
    bool GetLibraryItems(int position);
    // The loaders, by kind and source. `path` is the file's full path.
    void LoadPartFileItems(const QString& path);
    void LoadSymbolFileItems(const QString& path);
    void LoadPackageFileItems(const QString& path);
    void LoadPadstackFileItems(const QString& path);
    void LoadProjectPartItems();
    void LoadProjectSymbolItems();
    void LoadProjectPackageItems();
    void LoadProjectPadstackItems();

    // Empties the item list, the detail texts, the records and the totals.
    void ClearItems() { ResetItems(); }
    // True when the last load was stopped by the user's Cancel: the item list was emptied, the
    // entry keeps its closed icon and nothing counts as opened.
    bool LoadCancelled() const { return cancelled_; }

    // A click on the head of `column` (0 the name, n sub-item n): the first click on a list
    // never sorted sorts descending, every further click flips the order, whichever column is
    // clicked. Rows compare their column's text without regard to case; equal ones keep their
    // order. The order holds for the lists loaded later, until the next click.
    void ClickColumn(int column);
    bool Sorted() const { return sorted_; }
    bool SortDescending() const { return descending_; }
    int SortColumn() const { return sortColumn_; }

    const std::vector<LibraryItemRow>& Rows() const { return rows_; }
    const QStringList& ItemDetailTable() const { return details_; }
    const std::vector<CrossReferenceRecord>& CrossRefRecords() const { return records_; }
    const LibraryTotals& Totals() const { return totals_; }
    // The position of the entry opened last (0: none) and its text.
    int OpenedPosition() const { return opened_; }
    QString OpenedLibraryName() const;

    // Selection of rows.
    void SetSelected(int row, bool selected);
    void SelectAllItems();
    void InvertItemSelection();
    // Selects exactly the rows whose name matches; answers the first matching row (from 0),
    // -1 when none.
    int SelectMatchingItems(const QString& pattern);
    // Status panel 4: the number of selected rows and " object(s) selected  ".
    int ShowSelectionCount();

    // The details of the selected rows, the totals and the count block; `title` made from the
    // node's list title ("List of part file " ...) and the opened entry's name.
    LibraryItemReport ReportSelectedItems(const QString& nodeTitle);
    // The details of the rows whose name matches, the totals and, when any matched, the count
    // block; empty with count 0 when none matched.
    QString ReportMatchingItems(const QString& pattern, int& count);

    // Whether a library file holds an item whose name matches (entry count 0: false).
    bool LibraryFileHasItem(int kind, const QString& path, const QString& pattern);
    // The same for an entry of the file list (position 1: the project library).
    bool ListEntryHasItem(int position, const QString& pattern);
    // The first position from `start` on whose entry holds a match; the position after it is
    // kept as FindPosition. 0 when none, and FindPosition goes back to 1.
    int FindNextFileWithItem(const QString& pattern, int start);
    int FindPosition() const { return findPosition_; }
    void SetFindPosition(int position) { findPosition_ = position; }

    UserInterface& Ui() { return ui_; }
    const SuiteServices& Suite() const { return suite_; }

private:
    void ResetItems();
    void StartRows(int count);
    // Steps the progress and lets the window answer; false when the user stopped the load.
    bool StepRow(int n);
    void SortRows();
    void FinishRows();
    LibraryReportContext Context();
    void AddRow(QChar letter, int n, const QString& name, int icon, QStringList subItems);
    void LoadParts(const std::vector<std::pair<QString, QString>>& items, const QString& libraryText,
                   const QString& subItem);
    void LoadSymbolLike(int kind, const std::vector<std::pair<QString, QString>>& items,
                        const QString& libraryText, const QString& subItem, const QString& padstackPath);
    QString Report(const std::vector<int>& rows, bool countAlways);
    void MergeTotals(int entry);
    QString TotalsText() const;

    Kernel& kernel_;
    LibraryCatalog& catalog_;
    const std::array<FieldGroups, 4>& profiles_;
    const SuiteServices& suite_;
    UserInterface& ui_;

    int kind_ = 0;
    std::vector<LibraryFileEntry> entries_;
    QString lastEntryKey_;
    int opened_ = 0;
    int findPosition_ = 1;
    bool cancelled_ = false;
    bool sorted_ = false;
    bool descending_ = false;
    int sortColumn_ = 0;

    FieldTable fields_;
    PartUsageIndex usage_;
    std::vector<LibraryItemRow> rows_;
    QStringList details_;
    std::vector<CrossReferenceRecord> records_{1};
    LibraryTotals totals_;
};

} // namespace vxw
