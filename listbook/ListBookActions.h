#pragma once
// The List Book's operations as the user runs them: each asks what it needs through the
// UserInterface, changes the book, and tells the user when a file could not be written or
// removed. The window (and the batch command) only choose the rows and the paths.

#include <QString>
#include <QStringList>

#include <vector>

namespace vxw {

class CurrentList;
class ListBook;
class UserInterface;

// Files the current list under a name the user enters; answers the entry, or -1 when there is
// no list or the user gave no name.
int SendToListBook(ListBook& book, const CurrentList& list, UserInterface& ui);

// Asks, then removes the entries (in the order given) and the files they were saved to. A
// saved file that cannot be removed stops the operation there: that entry and the later ones
// stay in the book, and the user is told. Answers the number of entries removed.
int DeleteLists(ListBook& book, const std::vector<int>& entries, UserInterface& ui);

// Asks for a name and appends the merge of the entries; answers the new entry, or -1.
int MergeLists(ListBook& book, const std::vector<int>& entries, UserInterface& ui);

// Asks for a pattern; answers true with the matching entries, false when the user gave none.
bool SearchLists(const ListBook& book, UserInterface& ui, std::vector<int>& found);

// Writes the entry's text and one CR LF to `path`, replacing the file only once the whole
// text is written. Only then does the entry record the path. Answers an empty text, or the
// reason it failed (which the user has been shown).
QString SaveList(ListBook& book, int entry, const QString& path, UserInterface& ui);

// The file to show an entry from window row `row` (1-based): its saved file, or the row's
// scratch file in the job folder, written now. Answers an empty path when the scratch file
// could not be written (the user has been told).
QString ViewListPath(const ListBook& book, int entry, int row, const QString& jobDir, UserInterface& ui);

// Copies the current list's scratch file to `path`. Answers an empty text, or the reason it
// failed (which the user has been shown).
QString WriteCurrentList(const QString& jobDir, const QString& path, UserInterface& ui);

// The save dialog's title: message 991128 "Save " and the list name.
QString SaveDialogTitle(const QString& listName);

// The status bar: rows + " List(s)  ", selected + " object(s) selected  ".
QStringList BookStatusTexts(int rows, int selected);

} // namespace vxw
