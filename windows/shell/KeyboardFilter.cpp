#include "windows/shell/KeyboardFilter.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

namespace vxw {

KeyboardFilter::KeyboardFilter(QWidget* window, Context context, Run run)
    : QObject(window), window_(window), context_(std::move(context)), run_(std::move(run)) {
    // On the application, so that a key reaches the table before the focused control and
    // before any shortcut.
    QCoreApplication::instance()->installEventFilter(this);
}

KeyboardFilter::~KeyboardFilter() {
    if (QCoreApplication* app = QCoreApplication::instance()) {
        app->removeEventFilter(this);
    }
}

bool KeyboardFilter::IsForWindow(QObject* watched) const {
    return watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == window_;
}

bool KeyboardFilter::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress && type != QEvent::KeyRelease) {
        return false;
    }
    if (!IsForWindow(watched)) {
        return false;
    }
    auto* key = static_cast<QKeyEvent*>(event);
    const KeyPhase phase = type == QEvent::KeyRelease ? KeyPhase::Release : KeyPhase::Press;
    const QString command = KeyboardCommand(key->key(), key->modifiers(), phase, context_());
    if (command.isEmpty()) {
        return false;
    }
    if (type == QEvent::ShortcutOverride) {
        // Claimed as a plain key, so no shortcut takes it and it arrives as a key press.
        event->accept();
        return true;
    }
    if (!key->isAutoRepeat() || phase == KeyPhase::Press) {
        run_(command);
    }
    return true;
}

} // namespace vxw
