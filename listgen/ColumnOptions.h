#pragma once
// The Options window without the window: the column lists of the four library item lists,
// edited in place, with copies kept from the start so that Cancel puts them back.

#include "listgen/LibraryColumns.h"

#include <QString>

#include <vector>

namespace vxw {

class ColumnOptions {
public:
    // Keeps copies of the lists as they are now.
    explicit ColumnOptions(ColumnSpecLists& lists);

    // The selected tab: a library class 1..4 (part, symbol, package, padstack).
    int Tab() const { return tab_; }
    // Selects a tab; a number outside 1..4 leaves the tab as it is.
    void SelectTab(int libraryClass);

    struct Line {
        QString caption; // the catalogue's text for the caption id, the column's name by default
        bool ticked = false;
    };
    // The lines of the selected tab, one per column in order.
    std::vector<Line> Lines() const;
    // Shows (ticked) or hides column `line` (0-based) of the selected tab.
    void SetLine(int line, bool ticked);

    // Accept: stores the four lists in the settings (the lists stay as edited); false when they
    // could not be written.
    bool Accept();
    // Cancel: puts the copies back; nothing is written.
    void Cancel();

private:
    ColumnSpecLists& lists_;
    ColumnSpecLists copies_;
    int tab_ = kPartColumns;
};

// The tab the Options command opens on for a node kind ("T" part, "S" symbol, "K" package, "V"
// padstack); 0 for any other kind, which leaves the tab as it was.
int OptionsTabForKind(const QString& kind);

} // namespace vxw
