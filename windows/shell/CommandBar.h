#pragma once
// The main window's menu bar, tool bar and pop-up menus (the bands of its command bar "abarList")
// built from the command table. Each tool is a QAction named by its tool key; a tool that stands
// in several bands under one caption is one action, a pop-up caption of its own makes a second
// action with the same key. Every click of any of them reports the key.

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>

class QAction;
class QMainWindow;
class QMenu;
class QMenuBar;
class QToolBar;

namespace vxw {

struct MessageText;

class CommandBar : public QObject {
    Q_OBJECT

public:
    // Builds the bands into the window (menu bar, tool bar) with empty captions.
    explicit CommandBar(QMainWindow* window);

    // Sets every caption, tip and menu title through the message catalogue.
    void ApplyCaptions();

    // The tool's first action (the menu bar's or tool bar's); null for an unknown key.
    QAction* Tool(const QString& key) const;
    // Every action of the key.
    QList<QAction*> Tools(const QString& key) const;
    QStringList Keys() const { return order_; }

    void SetEnabled(const QString& key, bool enabled);
    bool IsEnabled(const QString& key) const;
    void SetChecked(const QString& key, bool checked);
    bool IsChecked(const QString& key) const;
    // Replaces the caption of every action of the key.
    void SetCaption(const QString& key, const QString& caption);

    // A drop-down or pop-up band by name; null for an unknown name.
    QMenu* Band(const QString& name) const { return bands_.value(name); }
    QMenuBar* MenuBar() const { return menuBar_; }
    QToolBar* ToolBar() const { return toolBar_; }

    // The locked flag of the menu bar band and of the tool bar band: a locked band cannot be
    // moved or closed.
    void SetLocked(bool locked);
    bool IsLocked() const { return locked_; }

signals:
    void ToolClicked(const QString& key);

private:
    QAction* AddAction(const QString& key, const MessageText* ownCaption);

    QMainWindow* window_;
    QMenuBar* menuBar_;
    QToolBar* toolBar_;
    QHash<QString, QMenu*> bands_;
    QHash<QString, QList<QAction*>> actions_;
    // Actions with a caption of their own, and the text it comes from.
    QHash<QAction*, const MessageText*> ownCaptions_;
    QStringList order_;
    bool locked_ = false;
};

} // namespace vxw
