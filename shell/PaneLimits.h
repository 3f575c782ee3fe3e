#pragma once
// The main window's pane limits, in twips. The explorer tree lies left of the main splitter; right
// of it the library file list and the item list, divided by the directory splitter, lie above the
// preview, divided from it by the list splitter.

namespace vxw {

// The main splitter stays at least this far from the window's left edge ...
inline constexpr int kExplorerMinWidth = 3000;
// ... and this far from its right edge.
inline constexpr int kRightPanesMinWidth = 2670;
// The directory splitter stays this far from the file list's left edge and from the window's
// right edge.
inline constexpr int kFileListMinWidth = 1335;
inline constexpr int kItemListMinWidth = 1335;
// The list splitter stays this far below the panes' top and this far above the status bar.
inline constexpr int kItemAreaMinHeight = 1275;
inline constexpr int kPreviewMinHeight = 1335;
// The width of a splitter handle.
inline constexpr int kSplitterHandleWidth = 60;

struct InnerSize {
    int width = 0;
    int height = 0;
};

// The smallest inner size of the window: the explorer's width, both vertical splitter handles
// and twice the item area's least height across; the panes' top and the least height of the
// panes below it.
constexpr InnerSize MinimumInnerSize(int handleWidth, int panesTop) {
    return {kExplorerMinWidth + 2 * handleWidth + 2 * kItemAreaMinHeight,
            panesTop + kItemAreaMinHeight + kPreviewMinHeight};
}

} // namespace vxw
