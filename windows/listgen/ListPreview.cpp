#include "windows/listgen/ListPreview.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QMimeData>

namespace vxw {

ListPreview::ListPreview(QWidget* parent) : QPlainTextEdit(parent) {
    setObjectName(QStringLiteral("txtNet"));
    setReadOnly(true);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setAcceptDrops(true);
    setUndoRedoEnabled(false);
}

void ListPreview::UseListFont() {
    QFont font(QStringLiteral("Courier"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    // Where no Courier is installed the family falls back to the platform's fixed font.
    if (!QFontInfo(font).fixedPitch()) {
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    }
    setFont(font);
    // Tab stops every eight characters, as a text viewer sets them, so the tabbed columns of a
    // list line up the same way in both.
    setTabStopDistance(QFontMetricsF(font).horizontalAdvance(QLatin1Char(' ')) * 8);
}

void ListPreview::ShowList(const QString& text) {
    QString lines = text;
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    setPlainText(lines);
}

void ListPreview::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasFormat(QLatin1String(kNodeMimeType))) {
        event->acceptProposedAction();
        return;
    }
    event->ignore();
}

void ListPreview::dragMoveEvent(QDragMoveEvent* event) {
    if (event->mimeData()->hasFormat(QLatin1String(kNodeMimeType))) {
        event->acceptProposedAction();
        return;
    }
    event->ignore();
}

void ListPreview::dropEvent(QDropEvent* event) {
    const QMimeData* data = event->mimeData();
    if (!data->hasFormat(QLatin1String(kNodeMimeType))) {
        event->ignore();
        return;
    }
    bool ok = false;
    const int index = data->data(QLatin1String(kNodeMimeType)).toInt(&ok);
    event->acceptProposedAction();
    if (ok) {
        emit NodeDropped(index);
    }
}

} // namespace vxw
