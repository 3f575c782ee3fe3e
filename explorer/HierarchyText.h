#pragma once
// The hierarchy view written out as text: the list of the Hierarchy node, and an outline of
// the view for the batch command.

#include "explorer/HierarchyView.h"

#include <QString>

namespace vxw {

// The list of the hierarchy view. The text is:
//   "PROJECT: " + projectName + CR LF + date + CR LF + CR LF,
//   "Output of hierarchy in " + circuitText + ":" in upper case, CR LF, CR LF,
//   the nets format legend when formatOn,
//   one line per visible node (every ancestor expanded) in index order, each ended by CR LF:
//   a root's text alone; any other node indented with 4 x (path parts - 1) blanks, of which the
//   last three become "[-]" (expanded) or "[+]" (collapsed) when the node has children.
// The caller decides where the date and the project name come from and whether the legend
// applies. The text is written to listFilePath (8-bit Latin-1, the file replaced as a whole)
// and read back as the result; when the file cannot be written or read back unchanged, the
// text built in memory is the result, in the same 8-bit form, so a failing scratch file never
// loses the list. A view of one node or none gets CR LF, CR LF, two tabs and "!!Empty!!"
// appended to the result (not to the file).
QString HierarchyText(const HierarchyView& view, const QString& projectName, const QString& date,
                      const QString& circuitText, bool formatOn, const QString& listFilePath);

// An indented outline of the whole view, one line per node in tree order, each ended by CR LF:
// two blanks per level below the root, the type word, a blank, the text, a blank, then in
// brackets the picture key and, when the node has a colour of its own, that colour as #RRGGBB:
//   CURHIER MAIN ( Current Hierarchy Stack ) [ST_CURCIR #FF0000]
//     SCOMP X1 [ST_COMP]
//       SUBHIER SUB1 [ST_SUB #0000FF]
// Control characters in a text show as blanks, so each node stays one line.
QString HierarchyOutline(const HierarchyView& view);

} // namespace vxw
