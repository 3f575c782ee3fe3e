#pragma once
// Every key and default of the two settings stores.
//
// Suite settings (SuiteServices: GetSuiteSetting / SaveSuiteSetting), section "LIST GENERATOR":
//   PROPERTY      field-profile flags                        default empty
//   PART_PATH, SYMBOL_PATH, PACKAGE_PATH, PADSTACK_PATH
//                 library folders                            default empty (LibDir is used)
//   VIEW          item-list view "1" small icons, "2" list, "3" details   default empty (list)
//   FORMAT        "1" when the format tool is checked        default empty (unchecked)
//   TOOLBAR       "1" when the toolbar band is shown         default empty (hidden)
//   TREE          index of the selected explorer node        default empty
//   PART, SYMBOL, PACKAGE, PADSTACK
//                 library column lists                       default the built-in ones below
// Section "Vexil2K" (read only): JobDir, LibDir, SysDir, VXD3JobDir (defaults in SuitePaths.h).
//
// Per-user application settings (AppSettings: application "VexilXP", section "VXLLSTGN"):
//   LOCK_TB       "1" main-window bars locked                default empty (unlocked)
//   LOCK_TB_OLB   "1" List Book bars locked                  default empty (unlocked)
//   <window>_TOP, _LEFT, _HEIGHT, _WIDTH   placement in twips  default not stored

#include <QLatin1String>

namespace vxw {

inline constexpr QLatin1String kListSection{"LIST GENERATOR"};
inline constexpr QLatin1String kSuiteSection{"Vexil2K"};

inline constexpr QLatin1String kPropertyKey{"PROPERTY"};
inline constexpr QLatin1String kPartPathKey{"PART_PATH"};
inline constexpr QLatin1String kSymbolPathKey{"SYMBOL_PATH"};
inline constexpr QLatin1String kPackagePathKey{"PACKAGE_PATH"};
inline constexpr QLatin1String kPadstackPathKey{"PADSTACK_PATH"};
inline constexpr QLatin1String kViewKey{"VIEW"};
inline constexpr QLatin1String kFormatKey{"FORMAT"};
inline constexpr QLatin1String kToolbarKey{"TOOLBAR"};
inline constexpr QLatin1String kTreeKey{"TREE"};
inline constexpr QLatin1String kPartColumnsKey{"PART"};
inline constexpr QLatin1String kSymbolColumnsKey{"SYMBOL"};
inline constexpr QLatin1String kPackageColumnsKey{"PACKAGE"};
inline constexpr QLatin1String kPadstackColumnsKey{"PADSTACK"};

inline constexpr QLatin1String kJobDirKey{"JobDir"};
inline constexpr QLatin1String kLibDirKey{"LibDir"};
inline constexpr QLatin1String kSysDirKey{"SysDir"};
inline constexpr QLatin1String kVxd3JobDirKey{"VXD3JobDir"};

inline constexpr QLatin1String kLockToolbarKey{"LOCK_TB"};
inline constexpr QLatin1String kLockListBookToolbarKey{"LOCK_TB_OLB"};
inline constexpr QLatin1String kTopSuffix{"_TOP"};
inline constexpr QLatin1String kLeftSuffix{"_LEFT"};
inline constexpr QLatin1String kHeightSuffix{"_HEIGHT"};
inline constexpr QLatin1String kWidthSuffix{"_WIDTH"};

// Windows that store their placement.
inline constexpr QLatin1String kMainWindowName{"LGMAIN"};
inline constexpr QLatin1String kListBookWindowName{"OpenListBook"};
inline constexpr QLatin1String kOptionsWindowName{"Options"};
inline constexpr QLatin1String kPropertiesWindowName{"Properties"};

// Item-list views (VIEW).
inline constexpr int kViewSmallIcons = 1;
inline constexpr int kViewList = 2;
inline constexpr int kViewDetails = 3;
inline constexpr int kDefaultView = kViewList;

// Built-in library column lists (name, shown flag, caption id; entries split at ";").
inline constexpr char kDefaultPartColumns[] =
    "Library Name,1,99830;Manufacturer,0,5011;Type,0,16305;Description,0,99542;"
    "Technology,1,4377;Symbol,1,991150;Package,1,99816;Package Type,1,3976;"
    "Simulation Function,1,5013;VxSpice ElementCode,1,5015;External Index Code,1,99675;"
    "VxSpice Simulation Ref,1,5014";
inline constexpr char kDefaultSymbolColumns[] =
    "Library Name,1,99830;Type,1,16305;Description,1,99542;Simulation Function,1,5013;"
    "VxSpice ElementCode,1,5015";
inline constexpr char kDefaultPackageColumns[] =
    "Library Name,0,99830;Type,1,16305;Description,0,99542;JEDEC Name,0,4946;IPC Name,0,4948";
inline constexpr char kDefaultPadstackColumns[] =
    "Library Name,0,99830;Type,1,16305;Description,1,99542;Shape,1,991207";

} // namespace vxw
