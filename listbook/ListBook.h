#pragma once
// The List Book: the lists the user filed while the component is loaded, each under a name of
// the user's choice. It lives in memory only; what the user saves reaches the disk. The window
// shows and sorts its rows but keeps no list data of its own.

#include <QString>

#include <vector>

namespace vxw {

struct ListSource;

// One filed list.
struct BookEntry {
    int Image = 0;     // the explorer image of the list's class; MergedImage for a merge
    QString Name;      // as the user typed it; empty marks a free entry
    QString ClassText; // "MERGED" for a merge
    QString ItemCount; // a number as text; empty for a merge
    QString FileName;  // where the list was last saved; empty until saved
    QString Text;      // the whole list, lines ending in CR LF

    bool operator==(const BookEntry&) const = default;
};

// One row of the List Book window, in entry order.
struct BookRow {
    QString Key;  // "L" + entry number
    QString Name; // the list name
    int Image = 0;
    QString Class;    // the "Class" column
    QString Items;    // the "Items" column: the count, a blank and "item(s)"; empty for a merge
    QString FileName; // the "Filename" column
};

inline constexpr int MergedImage = 21;
inline constexpr char MergedClass[] = "MERGED";

class ListBook {
public:
    ListBook();

    // Always at least entry 0; the entries in use are 0..N-1, in filing order, without gaps.
    const std::vector<BookEntry>& Entries() const { return entries_; }
    // True when no list is filed (entry 0 is free).
    bool IsEmpty() const { return entries_.front().Name.isEmpty(); }
    // The number of filed lists.
    int Count() const;
    // The entry, or null for a number out of range.
    const BookEntry* Entry(int entry) const;

    // Files a copy of the list under `name` (kept as typed): into entry 0 while it is free,
    // otherwise into a new entry at the end. Answers the entry's number.
    int File(const ListSource& source, const QString& name);
    // Appends the merge of the entries, in the order given: each text behind three line
    // breaks. Answers the new entry's number.
    int Merge(const std::vector<int>& entries, const QString& name);
    // Records where an entry was saved.
    void SetFileName(int entry, const QString& path);
    // Removes the entries and closes the gaps; an empty book keeps one free entry 0.
    void Remove(const std::vector<int>& entries);

    // The window's rows, one per filed list.
    std::vector<BookRow> Rows() const;
    // The entries whose names, trimmed, match the pattern, trimmed (wildcards "*", "?", "#"
    // and bracketed lists; case is ignored).
    std::vector<int> Matching(const QString& pattern) const;

private:
    std::vector<BookEntry> entries_;
};

// "L" + the entry number.
QString BookRowKey(int entry);
// The entry number of a row key (the key without its first character), -1 for a key that
// names none.
int BookEntryOfKey(const QString& key);
// The scratch file of an unsaved list shown from window row `row` (1-based):
// job folder + "UNTITLED" + row + ".LIST".
QString BookScratchPath(const QString& jobDir, int row);

} // namespace vxw
