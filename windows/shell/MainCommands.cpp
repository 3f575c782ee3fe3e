// LGMAIN's command handler and what the commands do: the node click, the list action, the
// library file click, the item selection, find, the library path and writing the list.

#include "windows/shell/JobScope.h"
#include "windows/shell/LGMAIN.h"

#include "component/ComponentState.h"
#include "explorer/ExplorerModel.h"
#include "explorer/HierarchyText.h"
#include "explorer/NodeActions.h"
#include "kernel/KernelAccess.h"
#include "libreports/LibraryCatalog.h"
#include "libreports/LibraryItems.h"
#include "libreports/LibrarySearch.h"
#include "listbook/ListBookActions.h"
#include "listgen/LibraryColumns.h"
#include "listgen/ListDocument.h"
#include "listgen/ListGenerator.h"
#include "shell/SettingsKeys.h"
#include "suite/DateTexts.h"
#include "suite/SuiteServices.h"
#include "windows/explorer/ExplorerTree.h"
#include "windows/explorer/HierarchyTree.h"
#include "windows/explorer/ItemList.h"
#include "windows/explorer/LibraryFilesView.h"
#include "windows/explorer/ProgressPanel.h"
#include "windows/listgen/ListPreview.h"
#include "windows/shell/CommandBar.h"
#include "windows/shell/FilePickers.h"
#include "windows/shell/MainPanes.h"
#include "windows/shell/StatusPanels.h"

#include <QApplication>
#include <QToolBar>

namespace vxw {

void LGMAIN::RunCommand(const QString& key) {
    // Nothing runs while a job has the explorer disabled, nor in a window not loaded.
    if (!loaded_ || !panes_->Explorer()->isEnabled()) {
        return;
    }
    const auto is = [&key](const char* name) { return key == QLatin1String(name); };
    const auto toggle = [this, &key] { commands_->SetChecked(key, !commands_->IsChecked(key)); };

    if (is("mnuLibraryPart")) {
        SelectNodeBy(1);
    } else if (is("mnuLibrarySymbol")) {
        SelectNodeBy(2);
    } else if (is("mnuLibraryPackage")) {
        SelectNodeBy(3);
    } else if (is("mnuLibraryPadstack")) {
        SelectNodeBy(4);
    } else if (is("mnuCircuitSelectAll") || is("mnuPageSelectAll")) {
        toggle();
        NodeClick(SelectedNode());
    } else if (is("mnuLibraryItemSelectAll")) {
        toggle();
        if (items_) {
            BusyCursor busy;
            if (commands_->IsChecked(key)) {
                items_->SelectAllItems();
            } else {
                for (int row = 0; row < static_cast<int>(items_->Rows().size()); ++row) {
                    items_->SetSelected(row, false);
                }
                items_->ShowSelectionCount();
            }
            panes_->Items()->SelectionChanged();
        }
    } else if (is("mnuLibraryItemInvert")) {
        if (items_) {
            BusyCursor busy;
            items_->InvertItemSelection();
            panes_->Items()->SelectionChanged();
        }
    } else if (is("mnuLibraryItemPreview")) {
        ShowLibraryReport();
    } else if (is("mnuRefresh")) {
        // The library folders are read again and the selected node shown afresh.
        if (catalog_) {
            catalog_->BeginLoad();
        }
        NodeClick(SelectedNode());
    } else if (is("preview")) {
        GenerateForSelectedNode();
    } else if (is("property")) {
        OpenPropertyWindow();
    } else if (is("save")) {
        SendToListBookCommand();
    } else if (is("open")) {
        OpenListBookWindow();
    } else if (is("write")) {
        WriteCurrentListCommand();
    } else if (is("exit")) {
        ShutDown();
    } else if (is("mnuLibraryItemFind")) {
        FindCommand(false);
    } else if (is("mnuLibraryOutAll")) {
        OpenSearchDialog();
    } else if (is("findnext")) {
        FindCommand(true);
    } else if (is("helptopics")) {
        ShowHelpContents();
    } else if (is("librarypath")) {
        SetLibraryPathCommand();
    } else if (is("format")) {
        toggle();
    } else if (is("toolbar")) {
        ApplyToolbar(!commands_->IsChecked(key));
    } else if (is("smallicon") || is("list") || is("details")) {
        const int view = is("smallicon") ? kViewSmallIcons : is("list") ? kViewList : kViewDetails;
        SetViewCheck(view, true);
        panes_->Items()->SetView(view);
    } else if (is("options")) {
        OpenOptionsWindow();
    } else if (is("LockTB")) {
        toggle();
        commands_->SetLocked(!commands_->IsLocked());
    }
    AfterCommand();
}

void LGMAIN::SelectNodeBy(int offset) {
    const int index = SelectedNode() + offset;
    if (Model() == nullptr || Model()->Node(index) == nullptr) {
        return;
    }
    panes_->Explorer()->SelectNode(index);
    NodeClick(index);
}

// ---------------------------------------------------------------------------------------------
// Node click

void LGMAIN::NodeClick(int index) {
    const ExplorerModel* model = Model();
    if (model == nullptr) {
        return;
    }
    BusyCursor busy;
    panes_->Preview()->clear();
    for (const QString& command : NodeClickCommands()) {
        commands_->SetEnabled(command, false);
    }
    commands_->SetEnabled(QStringLiteral("findnext"), false);

    NodeClickContext context;
    context.ProjectName = state_->Levels().ProjectName;
    context.CircuitSelectAll = commands_->IsChecked(QStringLiteral("mnuCircuitSelectAll"));
    context.PageSelectAll = commands_->IsChecked(QStringLiteral("mnuPageSelectAll"));
    context.LibraryPaths = {paths_.PartPath, paths_.SymbolPath, paths_.PackagePath, paths_.PadstackPath};
    const NodeClickPlan plan = PlanNodeClick(*model, index, context, Suite());

    for (const QString& command : plan.EnabledCommands) {
        commands_->SetEnabled(command, true);
    }
    for (int panel = 1; panel <= 4; ++panel) {
        if (const std::optional<QString>& text = plan.Panels[static_cast<std::size_t>(panel - 1)]) {
            status_->SetText(panel, *text);
        }
    }
    // A find keeps its pattern and position only until another node is clicked.
    if (items_) {
        finder_ = std::make_unique<LibraryFinder>(*items_);
    }
    if (plan.ClearHierarchyView) {
        panes_->Hierarchy()->Clear();
        hierarchy_.Clear();
    }
    currentList_.SetTitle(plan.Title);
    if (plan.RunHierarchyList) {
        JobScope job(*this);
        ListGenerator generator(TheKernel(), state_->Levels(), Suite(), *this);
        generator.SetViews({{}, [this](const QString& circuitName) {
                                hierarchy_ = ShowHierarchyFor(TheKernel(), Suite(), circuitName);
                            }});
        ListOptions options;
        options.Title = plan.Title;
        options.SelectedKind = plan.Kind;
        generator.GenerateList(plan.HierarchyCircuitKey, QString(), kHierarchyListMode, options);
        panes_->Hierarchy()->Show(&hierarchy_);
    }
    if (plan.LibraryKind > 0) {
        panes_->Items()->SetColumns(ItemColumns(
            plan.LibraryKind, ColumnSpecs()[static_cast<std::size_t>(plan.LibraryKind - 1)], Suite()));
        ShowLibraryFiles(plan.LibraryKind);
    }
    panes_->ShowPanesFor(plan.Kind);
    ExplorerTree* tree = panes_->Explorer();
    if (tree->isVisible() && tree->isEnabled()) {
        tree->setFocus();
    }
}

void LGMAIN::ShowLibraryFiles(int kind) {
    if (!items_) {
        return;
    }
    BusyCursor busy;
    items_->ShowLibraryFiles(kind);
    panes_->FileList()->Fill(items_->Entries());
    panes_->Items()->RowsChanged();
    // The folder command names the node it sets the folder of.
    commands_->SetCaption(QStringLiteral("librarypath"), LibraryPathCaption(Suite(), status_->Text(1)));
}

void LGMAIN::RefreshLibraryFiles() {
    panes_->Progress()->ShowProgress(0, 0);
    NodeClick(SelectedNode());
}

// ---------------------------------------------------------------------------------------------
// List action and preview

void LGMAIN::GenerateForSelectedNode() {
    const ExplorerModel* model = Model();
    if (model == nullptr || !panes_->Explorer()->isEnabled()) {
        return;
    }
    const int index = SelectedNode();
    const ListAction action = PlanListAction(*model, index);
    switch (action.Type) {
    case ListActionType::None:
        return;
    case ListActionType::GenerateList: {
        ListOptions options;
        options.CircuitSelectAll = commands_->IsChecked(QStringLiteral("mnuCircuitSelectAll"));
        options.PageSelectAll = commands_->IsChecked(QStringLiteral("mnuPageSelectAll"));
        options.Format = commands_->IsChecked(QStringLiteral("format"));
        options.Title = currentList_.Title();
        options.SelectedKind = SelectedKind();
        QString text;
        {
            JobScope job(*this);
            ListGenerator generator(TheKernel(), state_->Levels(), Suite(), *this);
            generator.SetViews({[this](int kind) { ShowLibraryFiles(kind); },
                                [this](const QString& circuitName) {
                                    hierarchy_ = ShowHierarchyFor(TheKernel(), Suite(), circuitName);
                                    panes_->Hierarchy()->Show(&hierarchy_);
                                }});
            text = generator.GenerateList(action.CircuitKey, action.PageKey, action.ListMode, options);
        }
        if (!cancelRequested_) {
            ShowPreview(text, DesignListOrigin(*model, state_->Levels(), index, options.CircuitSelectAll,
                                               options.PageSelectAll));
        }
        return;
    }
    case ListActionType::HierarchyText: {
        QString text;
        {
            JobScope job(*this);
            text =
                HierarchyText(hierarchy_, state_->Levels().ProjectName, ShortDate(), action.CircuitText,
                              commands_->IsChecked(QStringLiteral("format")), ScratchListPath(paths_.JobDir));
        }
        ShowPreview(text, DesignListOrigin(*model, state_->Levels(), index, false, false));
        return;
    }
    case ListActionType::LibraryFiles: {
        const int position = panes_->FileList()->CurrentPosition();
        if (position < 1 || !items_ || position > static_cast<int>(items_->Entries().size())) {
            return;
        }
        const int icon = items_->Entries()[static_cast<std::size_t>(position - 1)].icon;
        // A closed file entry is opened; with a file open, the selected items are listed.
        if (icon % 2 == 1) {
            LibraryEntryClick(position);
        } else {
            ShowLibraryReport();
        }
        return;
    }
    }
}

void LGMAIN::ShowPreview(const QString& text, const ListOrigin& origin) {
    BusyCursor busy;
    currentList_.ShowPreview(text, paths_.JobDir, *this,
                             [this](const QString& path) { OpenInTextViewer(path); });
    panes_->Preview()->ShowList(currentList_.PreviewText());
    currentList_.RecordListSource(text, origin);
    currentList_.SetNodeIndex(SelectedNode());
    commands_->SetEnabled(QStringLiteral("save"), currentList_.CommandsEnabled());
    commands_->SetEnabled(QStringLiteral("write"), currentList_.CommandsEnabled());
}

void LGMAIN::ShowLibraryReport() {
    const ExplorerModel* model = Model();
    if (!items_ || model == nullptr || LibraryKindOfNode(SelectedKind()) == 0) {
        return;
    }
    LibraryItemReport report;
    {
        JobScope job(*this);
        report = items_->ReportSelectedItems(currentList_.Title());
    }
    // Library lists are described by the status bar: the node, the file and the selection.
    const ExplorerNode* node = model->Node(SelectedNode());
    const ListOrigin origin{node ? node->Image : 0, status_->Text(1), status_->Text(2), status_->Text(4)};
    ShowPreview(AddListHeading(report.title, report.body), origin);
}

// ---------------------------------------------------------------------------------------------
// Library files and items

void LGMAIN::LibraryEntryClick(int position) {
    if (!items_ || !panes_->FileList()->isVisible() || !panes_->Explorer()->isEnabled()) {
        return;
    }
    bool loaded = false;
    {
        JobScope job(*this);
        panes_->Progress()->ShowProgress(0, 0);
        panes_->Items()->hide();
        loaded = items_->ClickEntry(position);
        panes_->Items()->show();
    }
    if (loaded) {
        panes_->FileList()->Update(items_->Entries());
        panes_->Items()->RowsChanged();
        panes_->FileList()->setFocus();
    }
    AfterCommand();
}

void LGMAIN::FindCommand(bool next) {
    if (!finder_ || !items_) {
        return;
    }
    int opened = 0;
    {
        JobScope job(*this);
        opened = next ? finder_->FindNext() : finder_->FindCommand(status_->Text(1));
    }
    panes_->FileList()->Update(items_->Entries());
    panes_->Items()->RowsChanged();
    if (opened > 0) {
        panes_->FileList()->SelectPosition(opened);
        for (int row = 0; row < static_cast<int>(items_->Rows().size()); ++row) {
            if (items_->Rows()[static_cast<std::size_t>(row)].selected) {
                panes_->Items()->ScrollToRow(row);
                break;
            }
        }
    }
    // Find Next goes on from where a find with a pattern left off, also past the last file.
    commands_->SetEnabled(QStringLiteral("findnext"), !finder_->Pattern().isEmpty());
}

void LGMAIN::SetLibraryPathCommand() {
    const QString nodeText = status_->Text(1);
    const QString chosen = BrowseForFolder(this, LibraryPathPickerTitle(Suite(), nodeText));
    const LibraryPathResult result = SetLibraryPath(paths_, SelectedKind(), chosen, Suite());
    switch (result.outcome) {
    case LibraryPathOutcome::Unchanged:
        return;
    case LibraryPathOutcome::Invalid:
        ShowMessage(result.message, MbCritical | MbSystemModal);
        return;
    case LibraryPathOutcome::Changed:
        // The folders in use are the ones a refresh and the unload keep.
        listSettings_.partPath = paths_.PartPath;
        listSettings_.symbolPath = paths_.SymbolPath;
        listSettings_.packagePath = paths_.PackagePath;
        listSettings_.padstackPath = paths_.PadstackPath;
        catalog_->SetPaths(paths_);
        RefreshLibraryFiles();
        return;
    }
}

void LGMAIN::WriteCurrentListCommand() {
    if (!currentList_.CommandsEnabled()) {
        return;
    }
    const QString name = currentList_.ProposedName();
    const QString path = PickSaveFile(this, SaveDialogTitle(name), paths_.JobDir, name);
    if (path.isEmpty()) {
        return;
    }
    BusyCursor busy;
    // A file that cannot be written is reported by the copy itself.
    WriteCurrentList(paths_.JobDir, path, *this);
}

void LGMAIN::SendToListBookCommand() {
    if (SendToListBook(book_, currentList_, *this) >= 0) {
        commands_->SetEnabled(QStringLiteral("open"), true);
    }
}

// ---------------------------------------------------------------------------------------------
// Commands of windows the component does not have yet

void LGMAIN::OpenListBookWindow() {
    // The List Book window is not part of the component yet.
    BusyCursor busy;
}

void LGMAIN::OpenPropertyWindow() {
    // The property window is not part of the component yet; what it would show is known.
    if (const ExplorerModel* model = Model()) {
        (void)PlanNodeProperties(*model, SelectedNode());
    }
}

void LGMAIN::OpenOptionsWindow() {
    // The Options window is not part of the component yet; it will open on the tab of the
    // selected library kind (OptionsTabForKind).
    BusyCursor busy;
}

void LGMAIN::OpenSearchDialog() {
    // The search dialog is not part of the component yet; its label would read
    // "&Search <node text> like".
}

} // namespace vxw
