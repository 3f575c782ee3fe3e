#pragma once
// The column lists of the four library item lists (parts, symbols, packages, padstacks): which
// columns each list shows, kept as settings strings such as "Library Name,1,99830;Type,0,16305".

#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>
#include <vector>

namespace vxw {

class SuiteServices;

struct ColumnSpec {
    QString name;      // the column's name, also the caption when the catalogue has none
    int16_t shown = 0; // 1 shown, 0 hidden
    QString captionId; // message id of the caption
};

using ColumnSpecList = std::vector<ColumnSpec>;

// Library classes, numbered as the Options tabs and the settings keys.
inline constexpr int kPartColumns = 1;
inline constexpr int kSymbolColumns = 2;
inline constexpr int kPackageColumns = 3;
inline constexpr int kPadstackColumns = 4;
inline constexpr int kColumnClassCount = 4;

// One list per library class; index = class - 1.
using ColumnSpecLists = std::array<ColumnSpecList, kColumnClassCount>;

// Entries split at ";", each entry at "," into name, shown flag (its leading number, rounded to
// 16 bits) and caption id; missing fields are empty (flag 0), further fields are ignored.
ColumnSpecList ParseColumnSpecs(QStringView text);
// Every entry as name "," flag "," caption id, joined by ";": the form of the built-in lists.
QString ColumnSpecString(const ColumnSpecList& specs);

// The settings key ("PART", "SYMBOL", "PACKAGE", "PADSTACK") and built-in list of a class;
// empty for a class outside 1..4.
QString ColumnSpecKey(int libraryClass);
QString DefaultColumnSpecString(int libraryClass);

// The process-wide lists, read by the library item lists and edited by the Options window.
ColumnSpecLists& ColumnSpecs();
// Fills the process-wide lists from the suite settings; an empty or missing setting gives the
// built-in list.
void LoadColumnSpecs();
// The settings form of the process-wide list of one class (1..4); empty for any other class.
QString ColumnSpecString(int libraryClass);
// Stores the four process-wide lists; false when the settings could not be written.
bool SaveColumnSpecs();

// One column head of the item list.
struct ItemColumn {
    QString caption;
    int widthTwips = 0; // 0: the column is hidden but keeps its place
};

// The width of a shown column and of the first (name) column.
inline constexpr int kItemColumnTwips = 1440;
inline constexpr int kNameColumnTwips = 2400;

// The columns of the item list of a library class (1..4): first the name column, headed "Part",
// "Symbol", "Package" or "Padstack", then one per spec in list order, captioned by the catalogue
// text of its caption id (its name when the catalogue has none), 1440 twips wide when shown and
// 0 when hidden. Empty for a class outside 1..4.
std::vector<ItemColumn> ItemColumns(int libraryClass, const ColumnSpecList& specs,
                                    const SuiteServices& suite);

} // namespace vxw
