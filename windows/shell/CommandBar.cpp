#include "windows/shell/CommandBar.h"

#include "suite/SuiteServices.h"
#include "windows/shell/CommandTable.h"
#include "windows/shell/Pictures.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

namespace vxw {
namespace {

QString Text(const MessageText& text) {
    if (text.id == nullptr) {
        return QString();
    }
    return Suite().GetMessageText(QString::fromLatin1(text.text), QString::fromLatin1(text.id));
}

const ToolSpec* FindTool(const QString& key) {
    for (const ToolSpec& tool : ToolSpecs()) {
        if (key == QLatin1String(tool.key)) {
            return &tool;
        }
    }
    return nullptr;
}

} // namespace

CommandBar::CommandBar(QMainWindow* window)
    : QObject(window), window_(window), menuBar_(window->menuBar()), toolBar_(new QToolBar(window)) {
    setObjectName(QStringLiteral("abarList"));
    menuBar_->setObjectName(QStringLiteral("mnuListGenerator"));
    toolBar_->setObjectName(QLatin1String(kToolBarBand));
    window->addToolBar(Qt::TopToolBarArea, toolBar_);

    // The tools in table order, each once, so that a key has one first action.
    for (const ToolSpec& tool : ToolSpecs()) {
        AddAction(QLatin1String(tool.key), nullptr);
    }
    for (const BandSpec& band : MenuBands()) {
        auto* menu = new QMenu(window);
        menu->setObjectName(QLatin1String(band.name));
        bands_.insert(menu->objectName(), menu);
        if (band.menu != nullptr) {
            QAction* entry = menuBar_->addMenu(menu);
            entry->setObjectName(QLatin1String(band.menu));
        }
        for (const BandTool& tool : band.tools) {
            if (tool.separatorBefore) {
                menu->addSeparator();
            }
            const QString key = QLatin1String(tool.key);
            menu->addAction(tool.caption.id ? AddAction(key, &tool.caption) : Tool(key));
        }
    }
    for (const BandTool& tool : ToolBarBand().tools) {
        if (tool.separatorBefore) {
            toolBar_->addSeparator();
        }
        QAction* action = Tool(QLatin1String(tool.key));
        action->setIcon(ToolPicture(action->objectName()));
        toolBar_->addAction(action);
    }
}

QAction* CommandBar::AddAction(const QString& key, const MessageText* ownCaption) {
    auto* action = new QAction(window_);
    action->setObjectName(key);
    if (const ToolSpec* spec = FindTool(key)) {
        action->setCheckable(spec->checkable);
        if (spec->keys != nullptr) {
            // The window's keyboard table runs the keys; the menus only show them.
            action->setShortcut(QKeySequence(QString::fromLatin1(spec->keys)));
            action->setShortcutContext(Qt::WidgetShortcut);
        }
    }
    connect(action, &QAction::triggered, this, [this, action, key] {
        // The command decides about the check mark (it may refuse to run at all), so the mark
        // Qt set on the click is taken back first.
        if (action->isCheckable()) {
            action->setChecked(!action->isChecked());
        }
        emit ToolClicked(key);
    });
    QList<QAction*>& list = actions_[key];
    if (list.isEmpty()) {
        order_.append(key);
    } else {
        // A second action of a key follows the first one's state.
        action->setEnabled(list.front()->isEnabled());
        action->setChecked(list.front()->isChecked());
    }
    list.append(action);
    if (ownCaption != nullptr) {
        ownCaptions_.insert(action, ownCaption);
    }
    return action;
}

void CommandBar::ApplyCaptions() {
    for (const ToolSpec& spec : ToolSpecs()) {
        QString caption = Text(spec.caption);
        if (spec.captionTail.id != nullptr) {
            caption += QLatin1Char(' ') + Text(spec.captionTail);
        }
        const QString tip = Text(spec.tip);
        for (QAction* action : Tools(QLatin1String(spec.key))) {
            const auto own = ownCaptions_.constFind(action);
            action->setText(own != ownCaptions_.constEnd() ? Text(**own) : caption);
            action->setToolTip(tip.isEmpty() ? QString(caption).remove(QLatin1Char('&')) : tip);
        }
    }
    for (const BandSpec& band : MenuBands()) {
        if (band.menu != nullptr) {
            bands_.value(QLatin1String(band.name))->setTitle(Text(band.caption));
        }
    }
}

QAction* CommandBar::Tool(const QString& key) const {
    const auto it = actions_.constFind(key);
    return it == actions_.constEnd() || it->isEmpty() ? nullptr : it->front();
}

QList<QAction*> CommandBar::Tools(const QString& key) const {
    return actions_.value(key);
}

void CommandBar::SetEnabled(const QString& key, bool enabled) {
    for (QAction* action : Tools(key)) {
        action->setEnabled(enabled);
    }
}

bool CommandBar::IsEnabled(const QString& key) const {
    const QAction* action = Tool(key);
    return action != nullptr && action->isEnabled();
}

void CommandBar::SetChecked(const QString& key, bool checked) {
    for (QAction* action : Tools(key)) {
        action->setChecked(checked);
    }
}

bool CommandBar::IsChecked(const QString& key) const {
    const QAction* action = Tool(key);
    return action != nullptr && action->isChecked();
}

void CommandBar::SetCaption(const QString& key, const QString& caption) {
    for (QAction* action : Tools(key)) {
        action->setText(caption);
    }
}

void CommandBar::SetLocked(bool locked) {
    locked_ = locked;
    toolBar_->setMovable(!locked);
    toolBar_->setFloatable(!locked);
    // A locked tool bar offers no way to close it from the window's context menu either.
    toolBar_->toggleViewAction()->setEnabled(!locked);
}

} // namespace vxw
