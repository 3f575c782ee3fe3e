#pragma once
// The library search: many files of the selected kind searched at once into one report, and
// the find commands that step from file to file and select the matching items.

#include <QString>

namespace vxw {

class LibraryItems;

// The report file of a search, in the job folder; deleted at the start of every search.
inline constexpr char kSearchReportName[] = "TEMP.OUT";

// Which file-list entries a search takes, by their check box.
enum SearchScope : int { SearchAll = 0, SearchChecked = 1, SearchUnchecked = 2 };

struct LibrarySearchResult {
    bool found = false;     // at least one item matched (the report is to be shown)
    bool cancelled = false; // stopped by the user; the partial report is not shown
    int total = 0;
    QString text; // the report, as written to the report file
};

// Searches the entries of the items' file list that the scope takes, in list order, the
// project library included (by its own check box). Each matching entry is opened and its
// matching items' report appended, headed by "FILE: " and the entry's name; then a blank
// line and "GRAND TOTAL: " with the number of matching items. Nothing matched: message 31112
// "Search Not Found". Found: status panel 3 shows the total and " item(s)" and the item list
// is emptied. The user's Cancel is honoured between entries.
LibrarySearchResult SearchLibraries(LibraryItems& items, const QString& pattern, int scope,
                                    const QString& jobDir);

// The search dialog's OK before any search: the text trimmed of blanks (written back); empty
// gives message 31154; scope "all" asks first (message 31130). True when the search may run; the
// dialog stays open otherwise. The search itself runs once the dialog has closed, so that the
// main window's Cancel can stop it.
bool SearchDialogAccepts(LibraryItems& items, QString& text, int scope);

// The find commands on the item list, with the pattern and position they keep.
class LibraryFinder {
public:
    explicit LibraryFinder(LibraryItems& items) : items_(items) {}

    // Asks "Find <node text>:" (message 99687); an empty answer does nothing. Otherwise finds
    // from the first entry. Answers the opened position, 0 when none.
    int FindCommand(const QString& nodeText);
    // Opens the first entry from `start` on that holds a match and selects its matching items;
    // "Search Not Found" (31112) when there is none.
    int FindNextFile(const QString& pattern, int start);
    // Continues from the stored position; "Search Finished" (31109) and back to 1 when no
    // further entry holds a match.
    int FindNext();

    const QString& Pattern() const { return pattern_; }

private:
    int OpenAndSelect(int position, const QString& pattern);

    LibraryItems& items_;
    QString pattern_;
};

} // namespace vxw
