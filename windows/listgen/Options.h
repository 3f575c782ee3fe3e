#pragma once
// Options, the window of the library item lists' columns: a tab per library kind (tabOptions),
// the columns of the chosen kind with a tick each (lstOptions), Accept (cmdOk) and Cancel
// (cmdCancel). Ticks change the lists at once; Accept stores them and has the item list rebuilt,
// Cancel (and the close box) puts back the lists as they were when the window opened.

#include "listgen/ColumnOptions.h"

#include <QPointer>
#include <QWidget>

#include <functional>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTabBar;

namespace vxw {

struct OptionsLinks {
    // Builds the library item list again with the new columns.
    std::function<void()> rebuildItemList;
};

class Options : public QWidget {
    Q_OBJECT

public:
    // Shown without an owner window; keeps copies of the lists for Cancel. Deletes itself when it
    // closes.
    Options(ColumnSpecLists& lists, OptionsLinks links, QWidget* parent = nullptr);
    ~Options() override;

    // The tab of a library class 1..4 (part, symbol, package, padstack); any other number
    // leaves the tab as it is.
    void SelectTab(int libraryClass);
    void Accept();
    void Cancel();

    QTabBar* Tabs() const { return tabOptions_; }
    QListWidget* Lines() const { return lstOptions_; }

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FillLines();
    void LineChanged(QListWidgetItem* item);

    ColumnOptions options_;
    OptionsLinks links_;
    QTabBar* tabOptions_;
    QListWidget* lstOptions_;
    QLabel* lblOptions_;
    QPushButton* cmdOk_;
    QPushButton* cmdCancel_;
    bool done_ = false;
};

// The main window's "options": the one Options window, made on first use, on the tab of the
// selected node's kind ("T", "S", "K", "V"; any other kind leaves the tab as it was), shown.
void ShowOptionsWindow(QPointer<Options>& window, ColumnSpecLists& lists, const QString& nodeKind,
                       const OptionsLinks& links);

} // namespace vxw
