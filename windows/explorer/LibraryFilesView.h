#pragma once
// The library file list "lvwList": "[PROJECT LIBRARY]" and the files of the selected library
// kind, each with the icon of its kind and open state and a check box that the library search's
// scopes read.

#include "libreports/LibraryCatalog.h"

#include <QListWidget>

#include <vector>

namespace vxw {

class LibraryFilesView : public QListWidget {
    Q_OBJECT

public:
    explicit LibraryFilesView(QWidget* parent = nullptr);

    // Shows the entries (refilled whole; nothing selected).
    void Fill(const std::vector<LibraryFileEntry>& entries);
    // Brings icons and check boxes in line with the entries, which a load changes.
    void Update(const std::vector<LibraryFileEntry>& entries);
    // The position (from 1) of the current entry; 0 when none.
    int CurrentPosition() const;
    void SelectPosition(int position);

signals:
    // The user clicked an entry (or pressed Enter on it); a click on its check box is not one.
    void EntryClicked(int position);
    void EntryChecked(int position, bool checked);

private:
    QListWidgetItem* toggled_ = nullptr;
    bool filling_ = false;
};

} // namespace vxw
