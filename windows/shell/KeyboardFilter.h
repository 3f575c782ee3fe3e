#pragma once
// The main window's own keys (the keyboard table): sees every key meant for the window or one of
// its controls before the control does, runs the key's command and drops the key. Keys of other
// windows (dialogs, menus that are open) are left alone.

#include "explorer/KeyboardTable.h"

#include <QObject>

#include <functional>

class QWidget;

namespace vxw {

class KeyboardFilter : public QObject {
    Q_OBJECT

public:
    using Context = std::function<KeyContext()>;
    using Run = std::function<void(const QString& command)>;

    // Watches the keys of `window`'s widgets; `context` tells what the window shows, `run` runs
    // a command.
    KeyboardFilter(QWidget* window, Context context, Run run);
    ~KeyboardFilter() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool IsForWindow(QObject* watched) const;

    QWidget* window_;
    Context context_;
    Run run_;
};

} // namespace vxw
