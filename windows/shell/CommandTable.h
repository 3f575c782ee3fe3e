#pragma once
// The main window's tools as data: every tool key with its caption and tip (message id and
// default text), its keys and whether it carries a check mark; and the bands that hold them: the
// menu bar's drop-down menus, the tool bar and the pop-up menus of the explorer's node kinds and
// of the item list.

#include <vector>

namespace vxw {

struct MessageText {
    const char* id = nullptr; // null: no text
    const char* text = nullptr;
};

struct ToolSpec {
    const char* key;
    MessageText caption;
    MessageText captionTail; // joined to the caption by a blank ("Set" + " " + "&Library path")
    MessageText tip;
    const char* keys; // the keyboard table's key for the tool, as a key sequence; null for none
    bool checkable;
};

// A tool in a band; a caption of its own replaces the tool's (the pop-up menus' "Project
// &Properties" and so on).
struct BandTool {
    const char* key;
    MessageText caption = {};
    bool separatorBefore = false;
};

struct BandSpec {
    const char* name;    // band name: "popFile", "banListGenerator", "popCircuit", ...
    const char* menu;    // the menu bar's entry of a drop-down band ("mnuFile"); null for others
    MessageText caption; // the menu bar entry's caption
    std::vector<BandTool> tools;
};

const std::vector<ToolSpec>& ToolSpecs();
// The menu bar's drop-down bands in menu bar order, then the pop-up bands.
const std::vector<BandSpec>& MenuBands();
// The tool bar "banListGenerator".
const BandSpec& ToolBarBand();

inline constexpr char kToolBarBand[] = "banListGenerator";
inline constexpr char kItemPopupBand[] = "popLibraryItem";

} // namespace vxw
