#include "tests/windows/SampleProject.h"

#include "shell/SettingsKeys.h"
#include "windows/listgen/Options.h"

#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

namespace vxw {
namespace {

class OptionsWindowTest : public SampleProjectTest {
protected:
    Options* Open(int tab) {
        window_ = new Options(ColumnSpecs(), OptionsLinks{[this] { ++rebuilds_; }});
        window_->SelectTab(tab);
        window_->show();
        return window_;
    }

    void TearDown() override {
        delete window_.data();
        SampleProjectTest::TearDown();
    }

    // The lines of the shown tab: "x " before a ticked caption, "- " before a clear one.
    QStringList Lines() {
        QStringList lines;
        QListWidget* list = window_->Lines();
        for (int row = 0; row < list->count(); ++row) {
            lines.append((list->item(row)->checkState() == Qt::Checked ? "x " : "- ") +
                         list->item(row)->text());
        }
        return lines;
    }
    void Toggle(int line) {
        QListWidgetItem* item = window_->Lines()->item(line);
        item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    }
    QString Stored(const QString& key) {
        return Suite().GetSuiteSetting(kListSection, key, QStringLiteral("<none>"));
    }

    QPointer<Options> window_;
    int rebuilds_ = 0;
};

TEST_F(OptionsWindowTest, EachTabShowsTheColumnsOfItsKind) {
    Open(kPackageColumns);
    EXPECT_EQ(window_->windowTitle(), "Options");
    QTabBar* tabs = window_->Tabs();
    EXPECT_EQ((QStringList{tabs->tabText(0), tabs->tabText(1), tabs->tabText(2), tabs->tabText(3)}),
              (QStringList{"Part", "Symbol", "Package", "Padstack"}));
    EXPECT_EQ(window_->findChild<QLabel*>(QStringLiteral("lblOptions"))->text(), "Select Display Settings");
    EXPECT_EQ(tabs->currentIndex(), 2);
    EXPECT_EQ(Lines(),
              (QStringList{"- Library Name", "x Type", "- Description", "- JEDEC Name", "- IPC Name"}));
    tabs->setCurrentIndex(3); // as a click on the tab
    EXPECT_EQ(Lines(), (QStringList{"- Library Name", "x Type", "x Description", "x Shape"}));
    window_->SelectTab(7); // no library kind: the tab stays
    EXPECT_EQ(tabs->currentIndex(), 3);
}

TEST_F(OptionsWindowTest, CancelAndTheCloseBoxPutTheListsBackAndWriteNothing) {
    for (const bool closeBox : {false, true}) {
        SCOPED_TRACE(closeBox);
        Open(kPartColumns);
        Toggle(1); // Manufacturer shown
        window_->Tabs()->setCurrentIndex(1);
        Toggle(0); // symbols' Library Name hidden
        EXPECT_EQ(ColumnSpecs()[0][1].shown, 1);
        EXPECT_EQ(ColumnSpecs()[1][0].shown, 0);
        if (closeBox) {
            window_->close();
        } else {
            window_->findChild<QPushButton*>(QStringLiteral("cmdCancel"))->click();
        }
        EXPECT_EQ(ColumnSpecs()[0][1].shown, 0);
        EXPECT_EQ(ColumnSpecs()[1][0].shown, 1);
        EXPECT_EQ(Stored(QStringLiteral("PART")), "<none>");
        EXPECT_EQ(Stored(QStringLiteral("SYMBOL")), "<none>");
        EXPECT_EQ(rebuilds_, 0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(window_.isNull());
    }
}

TEST_F(OptionsWindowTest, AcceptStoresTheListsAndTheNextListTakesThem) {
    Open(kPackageColumns);
    Toggle(0); // Library Name shown
    window_->findChild<QPushButton*>(QStringLiteral("cmdOk"))->click();
    EXPECT_EQ(rebuilds_, 1);
    EXPECT_EQ(Stored(QStringLiteral("PACKAGE")),
              "Library Name,1,99830;Type,1,16305;Description,0,99542;JEDEC Name,0,4946;IPC Name,0,4948");
    EXPECT_EQ(Stored(QStringLiteral("PART")), QLatin1String(kDefaultPartColumns));
    // What the next start-up reads.
    ColumnSpecs()[2][0].shown = 0;
    LoadColumnSpecs();
    EXPECT_EQ(ColumnSpecs()[2][0].shown, 1);
}

} // namespace
} // namespace vxw
