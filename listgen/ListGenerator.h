#pragma once
// The list driver: turns the explorer node the user chose into the finished list text. It
// prepares the field table from that node's copy of the field profile, runs the report, shows
// what it is doing in status panel 3 and puts the heading on the result.

#include "listgen/FieldProfile.h"
#include "listgen/ProjectLabel.h"

#include <QString>

#include <functional>

namespace vxw {

class Kernel;
class SuiteServices;
class UserInterface;
struct ExplorerLevels;

// The kinds of list GenerateList makes.
enum ListKind : int {
    ListProject = 1,
    ListCircuit = 2,
    ListDiagram = 3,
    ListPage = 4,
    ListLayout = 5,
    ListNets = 6,
    ListPartFiles = 7,
    ListSymbolFiles = 8,
    ListPackageFiles = 9,
    ListPadstackFiles = 10,
    ListHierarchy = 11,
};

// The main window's state that shapes a list.
struct ListOptions {
    bool CircuitSelectAll = false; // "mnuCircuitSelectAll" is on
    bool PageSelectAll = false;    // "mnuPageSelectAll" is on
    bool Format = false;           // "format" is on
    QString Title;                 // the current list's title
    QString SelectedKind;          // kind letter of the explorer's selected node
};

// What the window does for the kinds that show something instead of returning a body.
struct ListViews {
    // Kinds 7..10: show the library files of kind 1..4 in the file list.
    std::function<void(int libraryKind)> ShowLibraryFiles;
    // Kind 11: show the hierarchy view of the named circuit.
    std::function<void(const QString& circuitName)> ShowHierarchy;
};

// Status text of each kind while it runs (message id and default); null id for kinds without.
struct ListStatusText {
    const char* Id;
    const char* Default;
};
ListStatusText StatusTextOfKind(int kind, bool circuitSelectAll, bool pageSelectAll);

class ListGenerator {
public:
    ListGenerator(Kernel& kernel, const ExplorerLevels& levels, const SuiteServices& suite,
                  UserInterface& ui);

    void SetViews(ListViews views) { views_ = std::move(views); }

    // The finished list for the node: for a circuit `nodeKey` is the circuit node's key, for a
    // diagram, layout, nets or hierarchy node the parent circuit's key, for a page the circuit's
    // key with the page node's key in `secondKey`. Kinds 7..10 and unknown kinds give the heading
    // alone; kind 11 gives empty text. A key that matches no circuit or page gives an empty body
    // under the heading.
    QString GenerateList(const QString& nodeKey, const QString& secondKey, int kind,
                         const ListOptions& options);

    // The table of the last report; it stays until the next one, as reports that run without a
    // fresh preparation expect.
    const FieldTable& Fields() const { return fields_; }
    // The project label read by the last project list.
    const ProjectLabel& Label() const { return label_; }

private:
    void AppendBody(QString& out, const QString& nodeKey, const QString& secondKey, int kind,
                    const ListOptions& options);
    qsizetype EstimatedBodyLength(int kind, const ListOptions& options);

    Kernel& kernel_;
    const ExplorerLevels& levels_;
    const SuiteServices& suite_;
    UserInterface& ui_;
    ListViews views_;
    FieldTable fields_;
    ProjectLabel label_;
};

} // namespace vxw
