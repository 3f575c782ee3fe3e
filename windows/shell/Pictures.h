#pragma once
// The component's pictures, drawn rather than loaded so that no file can be missing: the
// explorer's image list, the library file and item icons, the sort marks of the item list's
// column heads, the hierarchy view's pictures and the tool bar's buttons.

#include <QIcon>
#include <QString>

namespace vxw {

// The explorer's image list: 1 project, 2 page, 3 diagram, 4 circuit, 5 PCB layout, 6 library,
// 7 parts, 8 symbols, 9 packages, 10 padstacks, 19 nets, 20 hierarchy, 22 system. The item list
// uses 7 to 10 for its rows. Any other number gives an empty icon.
QIcon ExplorerPicture(int image);
// The library file list: 1, 3, 5, 7 a closed part, symbol, package, padstack file; 2, 4, 6, 8 the
// open one.
QIcon LibraryFilePicture(int icon);
// The column head mark of the sort order: 7 ascending, 8 descending.
QIcon SortPicture(int icon);
// The hierarchy view's pictures: "ST_CURCIR", "ST_CIR", "ST_SUB", "ST_COMP".
QIcon HierarchyPicture(const QString& key);
// A tool bar button by its tool key.
QIcon ToolPicture(const QString& key);

} // namespace vxw
