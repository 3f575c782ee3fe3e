// The main window's commands that open the List Book, property, Options and search windows.

#include "tests/windows/MainWindowFixture.h"
#include "tests/windows/WindowTestSupport.h"

#include "libreports/LibraryItems.h"
#include "shell/SettingsKeys.h"
#include "windows/explorer/ItemList.h"
#include "windows/explorer/LibraryFilesView.h"
#include "windows/explorer/Selection.h"
#include "windows/listbook/OpenListBook.h"
#include "windows/listgen/ListPreview.h"
#include "windows/listgen/Options.h"
#include "windows/properties/Properties.h"
#include "windows/shell/CommandBar.h"
#include "windows/shell/StatusPanels.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTreeView>

namespace vxw::test {
namespace {

using MainWindowBookTest = MainWindowTest;

void Deleted() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST_F(MainWindowBookTest, OpenShowsTheFiledListsAndTheWindowGoesWithTheComponent) {
    LGMAIN& window = Start();
    Click("VX4_1");
    window.RunCommand("preview");
    dialogs_.texts = {"Main circuit"};
    window.RunCommand("save");
    QTest::keyClick(&window, Qt::Key_O, Qt::ControlModifier);
    QPointer<OpenListBook> book = window.ListBookWindow();
    ASSERT_FALSE(book.isNull());
    EXPECT_TRUE(book->isVisible());
    ASSERT_EQ(book->List()->topLevelItemCount(), 1);
    EXPECT_EQ(book->List()->topLevelItem(0)->text(0), "Main circuit");

    // A list filed while the List Book is open shows in it at once.
    Click("VX3");
    window.RunCommand("preview");
    dialogs_.texts = {"Project"};
    window.RunCommand("save");
    EXPECT_EQ(book->List()->topLevelItemCount(), 2);
    // Viewing goes to the host's text viewer with the row's scratch file.
    notifications_.clear();
    book->RunCommand("zoom");
    ASSERT_FALSE(notifications_.empty());
    EXPECT_TRUE(notifications_.back().command.contains("UNTITLED"))
        << notifications_.back().command.toStdString();

    window.ShutDown();
    Deleted();
    EXPECT_TRUE(book.isNull());
    EXPECT_EQ(UserSettings().Value(QLatin1String(kLockListBookToolbarKey)), "0");
}

TEST_F(MainWindowBookTest, PropertyWindowChangesTheOpenLibraryFileAndClosesBeforeARefresh) {
    LGMAIN& window = Start();
    Click("PART");
    window.Panes()->FileList()->SelectPosition(2);
    window.LibraryEntryClick(2);
    ASSERT_FALSE(window.Items()->ItemDetailTable().isEmpty());
    const QString before = window.Items()->ItemDetailTable().front();

    window.RunCommand("property");
    QPointer<Properties> properties = window.PropertyWindow();
    ASSERT_FALSE(properties.isNull());
    EXPECT_EQ(properties->windowTitle(), "Properties - Parts");
    properties->SetAllChecks(false);
    properties->close();
    EXPECT_NE(window.Items()->ItemDetailTable().front(), before); // the file was loaded again

    // A refresh makes the objects again: an open property window closes first.
    Click("VX4_1");
    window.RunCommand("property");
    properties = window.PropertyWindow();
    ASSERT_FALSE(properties.isNull());
    EXPECT_EQ(properties->windowTitle(), "Properties - Circuit[ MAIN ]");
    EXPECT_TRUE(window.AP_ExeCmd("VXLLSTGN,UP"));
    EXPECT_TRUE(properties.isNull());
}

TEST_F(MainWindowBookTest, OptionsOpensOnTheNodesTabAndAcceptSetsTheItemColumns) {
    LGMAIN& window = Start();
    Click("PACKAGE");
    QTreeView* details = window.Panes()->Items()->DetailsView();
    EXPECT_TRUE(details->isColumnHidden(1)); // Library Name, hidden by default
    window.RunCommand("options");
    QPointer<Options> options = window.OptionsWindow();
    ASSERT_FALSE(options.isNull());
    EXPECT_EQ(options->Tabs()->currentIndex(), 2);
    options->Lines()->item(0)->setCheckState(Qt::Checked);
    options->Accept();
    EXPECT_FALSE(details->isColumnHidden(1));
    EXPECT_EQ(Suite().GetSuiteSetting(kListSection, "PACKAGE", QString()).section(';', 0, 0),
              "Library Name,1,99830");
}

TEST_F(MainWindowBookTest, SearchLibraryPreviewsTheReportOfTheFilesInScope) {
    LGMAIN& window = Start();
    Click("SYMBOL");
    WhenOpen<Selection>([](Selection& dialog) {
        dialog.findChild<QLineEdit*>("txtFindStr")->setText("NAND2");
        dialog.SetScope(SearchUnchecked);
        dialog.findChild<QPushButton*>("cmdOk")->click();
    });
    window.RunCommand("mnuLibraryOutAll");
    const QString preview = window.Panes()->Preview()->toPlainText();
    EXPECT_TRUE(preview.contains("FILE: logic.SYMBOL")) << preview.left(200).toStdString();
    EXPECT_TRUE(preview.contains("GRAND TOTAL: 3"));
    EXPECT_EQ(window.Status()->Text(3), "3 item(s)");
    EXPECT_TRUE(window.Commands()->IsEnabled("save"));

    WhenOpen<Selection>([](Selection& dialog) { dialog.reject(); });
    window.RunCommand("mnuLibraryOutAll");
    EXPECT_EQ(window.Panes()->Preview()->toPlainText(), preview);
}

} // namespace
} // namespace vxw::test
