#pragma once
// Properties, the property window: the field groups of the object (or objects) selected in the
// explorer as a grid (egrdProperties) of group rows that fold and field rows with a tick box,
// a help panel (picHelp: lblHead, lblDesc) that follows the current row, and cmdSet. The flags
// reach the field profile only when the window closes, and only when a tick changed.

#include "properties/PropertyGrid.h"
#include "properties/PropertyTarget.h"
#include "windows/shell/DialogInterface.h"

#include <QPointer>
#include <QWidget>

#include <functional>

class QLabel;
class QModelIndex;
class QPushButton;
class QTableView;

namespace vxw {

class ComponentState;
class PropertyGridModel;
struct FieldProfile;

// What the property window needs of the main window.
struct PropertiesLinks {
    // False once the main window is unloading: the window then closes without writing.
    std::function<bool()> mainLoaded;
    // True when the main window's item list shows at least one row.
    std::function<bool()> itemListHasRows;
    // Loads the open library file again, so that its detail texts follow the new flags.
    std::function<void()> reloadItemList;
    // Opens the component's help (Ctrl+F1).
    std::function<void()> showHelp;
};

class Properties : public QWidget {
    Q_OBJECT

public:
    // The grid of the copies `target` names (merged when it names several); the caption is the
    // target's. The window deletes itself when it closes. The copies must outlive the window:
    // the main window closes it before it rebuilds its objects.
    Properties(PropertyCopies target, FieldProfile& profile, UserInterface& hostUi, PropertiesLinks links,
               QWidget* parent = nullptr);
    ~Properties() override;

    // SetAllChecks: Ctrl+A (true) and Ctrl+U (false).
    void SetAllChecks(bool on);
    // ShowFieldHelp: the help panel shows the row's name and description.
    void ShowFieldHelp(const QModelIndex& current);

    QTableView* Grid() const { return grid_; }
    PropertyGridModel* Model() const { return model_; }
    const PropertyGrid& Rows() const { return rows_; }

signals:
    // The flags were written into the copies and the class's profile.
    void FlagsApplied();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void GridClicked(const QModelIndex& index);
    void ShowHiddenRows();

    PropertyCopies target_;
    FieldProfile& profile_;
    DialogInterface ui_;
    PropertiesLinks links_;
    PropertyGrid rows_;
    PropertyGridModel* model_;
    QTableView* grid_;
    QLabel* lblHead_;
    QLabel* lblDesc_;
    QPushButton* cmdSet_;
    bool closed_ = false;
};

// The main window's "property": closes the open property window (its changes are applied as at
// any close), then opens one over the copies behind the explorer node at `index` (every
// circuit's or page's when that "Select All" is on). A node without properties opens nothing.
void ShowPropertiesWindow(QPointer<Properties>& window, ComponentState& state, int index,
                          bool circuitSelectAll, bool pageSelectAll, UserInterface& hostUi,
                          const PropertiesLinks& links, QWidget* parent);

} // namespace vxw
