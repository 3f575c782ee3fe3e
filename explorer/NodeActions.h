#pragma once
// What the explorer does with a node, as data the window carries out: the commands, status
// panels and list title of a node click, the pop-up band of a right click, the list action
// ("preview", double click) and the property window's object class and keys.

#include "explorer/ExplorerModel.h"
#include "listgen/CurrentList.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace vxw {

class SuiteServices;

// List mode that fills the hierarchy view for a circuit.
inline constexpr int kHierarchyListMode = 11;

// The library kind (1 part, 2 symbol, 3 package, 4 padstack) of a node kind; 0 for others.
int LibraryKindOfNode(const QString& kind);

// The commands a node click first disables, and those it then enables for a kind: "L" its
// library path; "P", "C", "D", "B", "N" format, property and preview; "G" property and preview;
// "H" preview; the library kinds "T", "S", "K", "V" property, preview, their library path, find,
// library search, the three item-list views and options. "findnext" is left to the find that
// gives it a pattern.
const QStringList& NodeClickCommands();
QStringList EnabledCommandsForKind(const QString& kind);

// The pop-up menu band for a right click on a node of this kind; "" when it has none.
QString PopupBandForKind(const QString& kind);

struct NodeClickContext {
    QString ProjectName;
    bool CircuitSelectAll = false; // the command "mnuCircuitSelectAll" is enabled
    bool PageSelectAll = false;    // the command "mnuPageSelectAll" is enabled
    // Library paths, in library-kind order (part, symbol, package, padstack).
    std::array<QString, 4> LibraryPaths;
};

struct NodeClickPlan {
    QString Kind;
    QStringList EnabledCommands;
    // Status panels 1..4 at positions 0..3; nothing leaves that panel as it was.
    std::array<std::optional<QString>, 4> Panels;
    QString Title;
    bool ClearHierarchyView = false;
    // Run the list generator in mode kHierarchyListMode for this circuit (empty page key).
    bool RunHierarchyList = false;
    QString HierarchyCircuitKey;
    // Set up the item-list columns for this library kind (1..4); 0 leaves them.
    int LibraryKind = 0;
};

// The header of every list title but the project's: "PROJECT: " + name, CR LF, the date, and
// two CR LF.
QString ProjectHeader(const QString& projectName, const QString& date);

// NodeClick for the node at `index` (from 1). An index without a node, or a node whose key has
// no kind, gives the plan of a kind "": every command off, panels 2..4 emptied, title "List of ".
// The date in the heading is the current short date (SOURCE_DATE_EPOCH honoured).
NodeClickPlan PlanNodeClick(const ExplorerModel& model, int index, const NodeClickContext& context,
                            const SuiteServices& suite);

enum class ListActionType {
    None,          // "M", "L" and nodes without a kind
    GenerateList,  // GenerateList(CircuitKey, PageKey, ListMode)
    HierarchyText, // the hierarchy text of the circuit CircuitText (key CircuitKey)
    LibraryFiles,  // the library file list's selected entry, of kind LibraryKind
};

struct ListAction {
    ListActionType Type = ListActionType::None;
    int ListMode = 0;
    QString CircuitKey;
    QString PageKey;
    QString CircuitText;
    int LibraryKind = 0;
};

// GenerateForSelectedNode's dispatch for the node at `index`.
ListAction PlanListAction(const ExplorerModel& model, int index);

struct PropertyTarget {
    int ObjectClass = 0; // ObjectClass 1..10; 0 opens nothing
    QString CircuitKey;
    QString PageKey;
};

// ShowNodeProperties' object class and keys for the node at `index`.
PropertyTarget PlanNodeProperties(const ExplorerModel& model, int index);

// The origin the List Book records for a design list made from the node at `index`: the node's
// image, the object's name (the project, circuit or page name; "All Circuit(s)" or
// "All Page(s)" when that "Select All" option is on) and the caption of its level as the class
// text. Design lists have no item count.
ListOrigin DesignListOrigin(const ExplorerModel& model, const ExplorerLevels& levels, int index,
                            bool circuitSelectAll, bool pageSelectAll);

} // namespace vxw
