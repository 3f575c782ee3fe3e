#include "windows/shell/PromptLabel.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

#include <algorithm>

namespace vxw {

QLabel* MakePromptLabel(const QString& text, const QString& objectName, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setWordWrap(true);
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    label->setText(shown);

    const QFontMetrics metrics = label->fontMetrics();
    int widest = metrics.averageCharWidth() * 60;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        widest = std::min(widest, screen->availableGeometry().width() * 2 / 3);
    }
    // The label draws plain text with the same word wrap, so these bounds are what it paints;
    // a word longer than the width keeps its own length.
    const QRect bounds = metrics.boundingRect(QRect(0, 0, std::max(widest, 1), 1 << 20),
                                              Qt::TextWordWrap | Qt::TextExpandTabs, shown);
    label->setFixedSize(std::max(bounds.width(), 1), std::max(bounds.height(), metrics.height()));
    return label;
}

} // namespace vxw
