// What the main window's commands do: the commands each node kind enables, the lists the preview
// shows (the batch command's texts), the long-list question, the keyboard table, the library
// file and item commands, the library path and writing the list.

#include "tests/windows/MainWindowFixture.h"

#include "explorer/NodeActions.h"
#include "libreports/LibraryItems.h"
#include "listgen/CurrentList.h"
#include "tests/ToolRun.h"
#include "windows/explorer/ItemList.h"
#include "windows/explorer/ItemListModel.h"
#include "windows/explorer/LibraryFilesView.h"
#include "windows/explorer/ProgressPanel.h"
#include "windows/listgen/ListPreview.h"
#include "windows/shell/CommandBar.h"
#include "windows/shell/HelpWindow.h"
#include "windows/shell/StatusPanels.h"

#include <QMenu>
#include <QProcessEnvironment>
#include <QTest>

namespace vxw::test {
namespace {

using MainWindowCommands = MainWindowTest;

// The commands a node click decides about, and the ones each kind leaves enabled.
TEST_F(MainWindowCommands, NodeClicksEnableExactlyTheCommandsOfTheirKind) {
    LGMAIN& window = Start();
    const QStringList design{"format", "property", "preview"};
    const QStringList library{"property",         "preview",   "librarypath", "mnuLibraryItemFind",
                              "mnuLibraryOutAll", "smallicon", "list",        "details",
                              "options"};
    const struct {
        const char* key;
        QStringList enabled;
        const char* panel1;
        const char* panel2;
    } cases[] = {
        {"VX1", {}, "System", ""},
        {"VX2", {"librarypath"}, "Library", ""},
        {"PART", library, "Parts", nullptr},
        {"PAD", library, "Padstacks", nullptr},
        {"VX3", design, "Project[ Demo Timer Board ]", ""},
        {"VX4_2", design, "Circuit[ AUX ]", ""},
        {"VX5_1", design, "Circuit[ MAIN ]", "Diagram"},
        {"VX7_1", design, "Circuit[ MAIN ]", "PCB Layout"},
        {"VX7_1NET", design, "Circuit[ MAIN ]", "Nets"},
        {"VX7_1HIERARCHY", {"preview"}, "Circuit[ MAIN ]", "Hierarchy"},
        {"VX6_1_3", {"property", "preview"}, "Circuit[ MAIN ]", "Page[ ANALOG ]"},
    };
    QStringList decided = NodeClickCommands();
    decided << "findnext";
    for (const auto& c : cases) {
        Click(c.key);
        for (const QString& command : decided) {
            EXPECT_EQ(window.Commands()->IsEnabled(command), c.enabled.contains(command))
                << c.key << " " << command.toStdString();
        }
        EXPECT_EQ(window.Status()->Text(1), c.panel1) << c.key;
        if (c.panel2 != nullptr) {
            EXPECT_EQ(window.Status()->Text(2), c.panel2) << c.key;
        } else {
            EXPECT_EQ(window.Status()->Text(2), "Library path " + libDir_ + " ") << c.key;
        }
        EXPECT_EQ(window.Status()->Text(3), "") << c.key;
    }
    // The pane layout follows the node: the lists for a library kind, the view for a hierarchy.
    Click("SYMBOL");
    EXPECT_TRUE(window.Panes()->FileList()->isVisible());
    EXPECT_EQ(window.Panes()->FileList()->count(), 4); // the project library and three files
    EXPECT_EQ(window.Commands()->Tool("librarypath")->text(), "Set Symbols &Library path...");
    Click("VX7_3HIERARCHY");
    EXPECT_TRUE(window.findChild<QWidget*>("treHirarcy")->isVisible());
    EXPECT_FALSE(window.Panes()->FileList()->isVisible());
    Click("VX3");
    EXPECT_FALSE(window.findChild<QWidget*>("treHirarcy")->isVisible());
}

// Every design list the preview shows is the batch command's text for that node.
TEST_F(MainWindowCommands, PreviewOfEachDesignListIsTheBatchText) {
    LGMAIN& window = Start();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("SOURCE_DATE_EPOCH", "1709640000");
    env.insert("VEXILXP_SETTINGS", UserFile());
    const auto batch = [&](const QString& key, const QStringList& options) {
        const ToolRun run = RunTool(
            "listgen",
            QStringList{"--suite-dir", folder_, "--design", LG_SOURCE_DIR "/samples/demo.vxd", "list", key} +
                options,
            env);
        EXPECT_EQ(run.status, 0) << run.err;
        return QString::fromStdString(run.out);
    };
    const struct {
        const char* key;
        bool selectAll;
        bool format;
    } cases[] = {
        {"VX3", false, false},           {"VX4_1", false, false},   {"VX4_2", true, false},
        {"VX5_1", false, true},          {"VX6_1_2", false, false}, {"VX6_1_2", true, false},
        {"VX7_1", false, false},         {"VX7_1NET", false, true}, {"VX7_1HIERARCHY", false, false},
        {"VX7_3HIERARCHY", false, true},
    };
    QMap<QString, QString> lists;
    for (const auto& c : cases) {
        CommandBar& bar = *window.Commands();
        if (bar.IsChecked("format") != c.format) {
            window.RunCommand("format");
        }
        for (const char* selectAll : {"mnuCircuitSelectAll", "mnuPageSelectAll"}) {
            bar.SetChecked(selectAll, c.selectAll);
        }
        Click(c.key);
        window.RunCommand("preview");
        QStringList options;
        if (c.selectAll) {
            options << "--select-all";
        }
        if (c.format) {
            options << "--format";
        }
        const QString expected = batch(c.key, options);
        ASSERT_FALSE(expected.isEmpty()) << c.key;
        EXPECT_EQ(window.List().Source().Text, expected) << c.key;
        QString shown = expected;
        shown.replace("\r\n", "\n");
        EXPECT_EQ(window.findChild<ListPreview*>("txtNet")->toPlainText(), shown) << c.key;
        EXPECT_TRUE(bar.IsEnabled("save") && bar.IsEnabled("write")) << c.key;
        lists[QString::fromLatin1(c.key) + options.join(' ')] = expected;
    }
    // A double click on the tree and a node dropped on the preview make the same lists.
    Click("VX7_1");
    ExplorerTree* tree = window.Panes()->Explorer();
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {},
                       tree->visualItemRect(tree->NodeItem(IndexOf("VX7_1"))).center());
    EXPECT_TRUE(window.List().Source().Text.contains("PCB LAYOUT IN CIRCUIT[ MAIN ]:"));
    EXPECT_FALSE(window.findChild<ListPreview*>("txtNet")->toPlainText().isEmpty());
    emit window.findChild<ListPreview*>("txtNet")->NodeDropped(IndexOf("VX7_1NET"));
    EXPECT_EQ(window.SelectedNode(), IndexOf("VX7_1NET"));
    EXPECT_EQ(window.List().Source().Text, lists.value("VX7_1NET--format"));
}

TEST_F(MainWindowCommands, LongListAsksWhetherToOpenTheTextViewer) {
    LGMAIN& window = Start();
    Click("VX3");
    const QString fits(65535, QLatin1Char('a'));
    window.ShowPreview(fits, {});
    EXPECT_TRUE(dialogs_.messages.empty());

    dialogs_.answers = {AnswerNo};
    window.ShowPreview(fits + "b", {});
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_EQ(dialogs_.messages[0].prompt,
              "List is too long to be displayed in Preview. Open list in Text Viewer?");
    EXPECT_EQ(dialogs_.messages[0].style, MbYesNo | MbInformation | MbSystemModal);
    EXPECT_TRUE(notifications_.empty());
    EXPECT_EQ(window.findChild<ListPreview*>("txtNet")->toPlainText().size(), 65535);
    EXPECT_EQ(window.List().Source().Text.size(), 65536); // the whole list is kept

    dialogs_.answers = {AnswerYes};
    window.ShowPreview(fits + "c", {});
    ASSERT_EQ(notifications_.size(), 1u);
    EXPECT_EQ(notifications_[0],
              (HostNotification{"VXLSPCVR", "SHELL,0," + ScratchListPath(window.Paths().JobDir)}));
}

TEST_F(MainWindowCommands, KeyboardTableRunsItsCommandsWhereItSaysSo) {
    LGMAIN& window = Start();
    CommandBar& bar = *window.Commands();
    const auto key = [&window](int k, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        QTest::keyClick(&window, static_cast<Qt::Key>(k), modifiers);
    };
    // Ctrl+A on a project node does nothing; on a circuit and a page it toggles their option.
    Click("VX3");
    key(Qt::Key_A);
    EXPECT_FALSE(bar.IsChecked("mnuCircuitSelectAll") || bar.IsChecked("mnuPageSelectAll"));
    Click("VX4_1");
    key(Qt::Key_A);
    EXPECT_TRUE(bar.IsChecked("mnuCircuitSelectAll"));
    EXPECT_TRUE(window.List().Title().endsWith("List of all Circuit(s)"));
    Click("VX6_1_1");
    key(Qt::Key_A);
    EXPECT_TRUE(bar.IsChecked("mnuPageSelectAll"));
    EXPECT_TRUE(window.List().Title().endsWith("List of all Page(s) in Circuit[ MAIN ]"));

    // On a library kind: Ctrl+A and Ctrl+I only with rows, Ctrl+F always.
    Click("PART");
    key(Qt::Key_A);
    EXPECT_FALSE(bar.IsChecked("mnuLibraryItemSelectAll"));
    window.LibraryEntryClick(2); // ic.PART
    LibraryItems& items = *window.Items();
    ASSERT_GT(items.Rows().size(), 1u);
    key(Qt::Key_A);
    EXPECT_TRUE(bar.IsChecked("mnuLibraryItemSelectAll"));
    EXPECT_EQ(window.Status()->Text(4), QString::number(items.Rows().size()) + " object(s) selected  ");
    items.SetSelected(0, false);
    key(Qt::Key_I);
    EXPECT_TRUE(items.Rows()[0].selected);
    EXPECT_FALSE(items.Rows()[1].selected);
    EXPECT_EQ(window.Status()->Text(4), "1 object(s) selected  ");
    dialogs_.texts = {""};
    key(Qt::Key_F);
    EXPECT_EQ(dialogs_.questions, QStringList{"Find Parts:"});

    // Esc presses Cancel only while Cancel is enabled, that is while a job runs.
    key(Qt::Key_Escape, Qt::NoModifier);
    EXPECT_FALSE(window.CancelRequested());
    bool cancelled = false;
    QObject::connect(&window, &LGMAIN::JobStateChanged, &window, [&](bool running) {
        if (running) {
            QTest::keyClick(&window, Qt::Key_Escape);
            cancelled = window.CancelRequested();
        }
    });
    Click("VX4_1");
    window.RunCommand("preview");
    EXPECT_TRUE(cancelled);
    EXPECT_TRUE(window.List().Source().Text.isEmpty()); // a cancelled list is not shown
    EXPECT_FALSE(window.CancelRequested());

    // Ctrl+F1 opens the help contents when the key comes up.
    QTest::keyPress(&window, Qt::Key_F1, Qt::ControlModifier);
    EXPECT_EQ(window.Help(), nullptr);
    QTest::keyRelease(&window, Qt::Key_F1, Qt::ControlModifier);
    ASSERT_NE(window.Help(), nullptr);
    EXPECT_TRUE(window.Help()->ShownFile().endsWith("/VXLlstgn.html"));
    EXPECT_TRUE(window.Help()->toPlainText().contains("List Generator"));
}

TEST_F(MainWindowCommands, LibraryFilesItemsSortingAndTheReport) {
    LGMAIN& window = Start();
    Click("PART");
    LibraryFilesView& files = *window.Panes()->FileList();
    ASSERT_GE(files.count(), 3);
    EXPECT_EQ(files.item(0)->text(), "[PROJECT LIBRARY]");
    files.SelectPosition(2);
    window.RunCommand("preview"); // a closed file: opened
    LibraryItems& items = *window.Items();
    ASSERT_FALSE(items.Rows().empty());
    EXPECT_EQ(items.Entries()[1].icon, 2);
    EXPECT_EQ(window.Status()->Text(2), "File: " + files.item(1)->text() + "  ");
    ItemList& list = *window.Panes()->Items();
    EXPECT_EQ(list.RowCount(), static_cast<int>(items.Rows().size()));
    EXPECT_FALSE(window.Panes()->Progress()->isVisible());

    // The first click on a column head sorts descending with mark 8, the next ascending with 7.
    window.RunCommand("details");
    emit list.ColumnClicked(0);
    EXPECT_TRUE(items.SortDescending());
    EXPECT_FALSE(list.Model()->headerData(0, Qt::Horizontal, Qt::DecorationRole).isNull());
    EXPECT_GE(items.Rows().front().text.compare(items.Rows().back().text, Qt::CaseInsensitive), 0);
    emit list.ColumnClicked(1);
    EXPECT_FALSE(items.SortDescending());
    EXPECT_TRUE(list.Model()->headerData(0, Qt::Horizontal, Qt::DecorationRole).isNull());

    // The selection is the rows'; with a file open "preview" lists the selected items.
    list.CurrentView()->selectAll();
    EXPECT_TRUE(items.Rows().back().selected);
    window.RunCommand("preview");
    const QString text = window.List().Source().Text;
    EXPECT_TRUE(text.contains("LIST OF PART FILE " + files.item(1)->text().toUpper() + ":"));
    EXPECT_TRUE(text.contains("Total Count: " + QString::number(items.Rows().size())));
    EXPECT_EQ(window.List().Source().ClassText, window.Status()->Text(2));

    // Another node and back: the file list comes again, nothing open.
    Click("VX3");
    Click("PART");
    EXPECT_EQ(items.Entries()[1].icon, 1);
    EXPECT_EQ(list.RowCount(), 0);
}

TEST_F(MainWindowCommands, LibraryPathAndWritingTheList) {
    LGMAIN& window = Start();
    QTemporaryDir chosen;
    ASSERT_TRUE(chosen.isValid());
    Click("VX2");
    pickedFolder_ = chosen.path();
    window.RunCommand("librarypath");
    EXPECT_EQ(pickerTitles_.back(), "Select Library Location for Library");
    for (const QString& path : {window.Paths().PartPath, window.Paths().PadstackPath}) {
        EXPECT_EQ(path, chosen.path() + "/"); // the Library node sets all four
    }
    Click("SYMBOL");
    pickedFolder_ = chosen.path() + "/missing";
    window.RunCommand("librarypath");
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_EQ(dialogs_.messages[0].prompt, "Path Invalid - " + chosen.path() + "/missing/");
    EXPECT_EQ(dialogs_.messages[0].style, MbCritical | MbSystemModal);
    pickedFolder_ = libDir_;
    window.RunCommand("librarypath");
    EXPECT_EQ(window.Paths().SymbolPath, libDir_); // only its own kind
    EXPECT_EQ(window.Paths().PartPath, chosen.path() + "/");

    // "write": the list as the scratch file holds it, to the file the user picks.
    EXPECT_FALSE(window.Commands()->IsEnabled("write"));
    Click("VX4_1");
    window.RunCommand("preview");
    pickedFile_ = chosen.filePath("circuit.txt");
    QTest::keyClick(&window, Qt::Key_W, Qt::ControlModifier);
    EXPECT_EQ(pickerTitles_.back(), "Save Circuit MAIN");
    QFile written(pickedFile_);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    QFile scratch(ScratchListPath(window.Paths().JobDir));
    ASSERT_TRUE(scratch.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), scratch.readAll());
    pickedFile_ = chosen.filePath("no/folder/x.txt");
    window.RunCommand("write");
    EXPECT_TRUE(dialogs_.messages.back().prompt.contains("x.txt"));

    // "save" files the list in the List Book under the name the user gives; then it opens.
    EXPECT_FALSE(window.Commands()->IsEnabled("open"));
    dialogs_.texts = {"Main circuit"};
    QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(dialogs_.questions.back(), "Enter List Name:");
    ASSERT_EQ(window.Book().Count(), 1);
    EXPECT_EQ(window.Book().Entries()[0].Name, "Main circuit");
    EXPECT_EQ(window.Book().Entries()[0].Text, window.List().Source().Text);
    EXPECT_TRUE(window.Commands()->IsEnabled("open"));
}

} // namespace
} // namespace vxw::test
