#pragma once
// Small pictures of the List Book and the property window, drawn rather than loaded so that no
// file can be missing: the expand/collapse box of a group row, the merged list and the
// saved-state marks.

#include <QIcon>

namespace vxw {

// The box of a group row: a minus while the group is expanded, a plus while it is collapsed.
QIcon GroupPicture(bool expanded);
// A merged list in the List Book: two sheets, one over the other.
QIcon MergedPicture();
// The List Book's saved-state mark: a disk, blue with a tick when the list was saved to a file,
// grey and empty when it was not.
QIcon SavedPicture(bool saved);

} // namespace vxw
