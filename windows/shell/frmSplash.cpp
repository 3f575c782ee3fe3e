#include "windows/shell/frmSplash.h"

#include "shell/MessageBox.h"
#include "shell/SharedStrings.h"
#include "shell/UserInterface.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>

namespace vxw {

frmSplash::frmSplash(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(AppTitle());

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("imgPicture"));
    picture->setPixmap(SplashPicture(96, devicePixelRatio()));

    auto* title = new QLabel(AppTitle(), this);
    title->setObjectName(QStringLiteral("lblTitle"));
    title->setTextFormat(Qt::PlainText);
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.8);
    titleFont.setBold(true);
    title->setFont(titleFont);

    const QString systemName = MakerName() + QLatin1Char(' ') + ProductName();
    auto* system = new QLabel(systemName, this);
    system->setObjectName(QStringLiteral("lblSystemName"));
    system->setTextFormat(Qt::PlainText);
    system->setVisible(!systemName.trimmed().isEmpty());

    ok_ = new QPushButton(MessageButtonCaption(AnswerOk), this);
    ok_->setObjectName(QStringLiteral("cmdOk"));
    ok_->setDefault(true);
    ok_->setMinimumWidth(ok_->fontMetrics().averageCharWidth() * 10);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);

    auto* texts = new QVBoxLayout;
    texts->addStretch();
    texts->addWidget(title);
    texts->addWidget(system);
    texts->addStretch();

    auto* content = new QHBoxLayout;
    content->setSpacing(fontMetrics().height() * 3 / 2);
    content->addWidget(picture, 0, Qt::AlignVCenter);
    content->addLayout(texts);

    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok_);

    // The splash has no window frame; the border drawn here stands in for it.
    border_ = new QFrame(this);
    border_->setObjectName(QStringLiteral("fraBorder"));
    auto* inner = new QVBoxLayout(border_);
    const int margin = fontMetrics().height() * 3 / 2;
    inner->setContentsMargins(margin, margin, margin * 2, margin);
    inner->addLayout(content);
    inner->addLayout(row);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(border_);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void frmSplash::ShowAsSplash() {
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    border_->setFrameStyle(QFrame::Box | QFrame::Plain);
    ok_->hide();
    adjustSize();
    CentreOnScreen();
    show();
    raise();
    repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void frmSplash::ShowAsAbout() {
    border_->setFrameStyle(QFrame::NoFrame);
    ok_->show();
    setModal(true);
    adjustSize();
    CentreOnScreen();
    exec();
}

void frmSplash::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::ControlModifier) {
        emit HelpRequested();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmSplash::CentreOnScreen() {
    if (const QScreen* screen = this->screen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

QPixmap SplashPicture(int size, qreal devicePixelRatio) {
    QPixmap pixmap(QSize(size, size) * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);

    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 96.0, size / 96.0);

    // A list sheet with a folded corner ...
    QPainterPath sheet;
    sheet.moveTo(18, 6);
    sheet.lineTo(62, 6);
    sheet.lineTo(80, 24);
    sheet.lineTo(80, 90);
    sheet.lineTo(18, 90);
    sheet.closeSubpath();
    painter.setPen(QPen(QColor(0x2b, 0x4a, 0x6f), 2.5));
    painter.setBrush(QColor(0xfb, 0xfc, 0xfe));
    painter.drawPath(sheet);
    painter.setBrush(QColor(0xd5, 0xdf, 0xec));
    painter.drawPolygon(QPolygonF{QPointF(62, 6), QPointF(62, 24), QPointF(80, 24)});

    // ... its lines, each behind a bullet ...
    for (int line = 0; line < 5; ++line) {
        const qreal y = 34 + line * 11;
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0x3f, 0x8f, 0x5a));
        painter.drawRect(QRectF(26, y - 3, 6, 6));
        painter.setPen(QPen(QColor(0x6b, 0x7f, 0x99), 3, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(38, y), QPointF(line % 2 == 0 ? 70 : 62, y));
    }

    // ... and a chip in front of it, for the design the list is made of.
    const QRectF chip(50, 58, 36, 28);
    painter.setPen(QPen(QColor(0x22, 0x22, 0x22), 2.5, Qt::SolidLine, Qt::RoundCap));
    for (int pin = 0; pin < 4; ++pin) {
        const qreal x = chip.left() + 6 + pin * 8;
        painter.drawLine(QPointF(x, chip.top() - 5), QPointF(x, chip.top()));
        painter.drawLine(QPointF(x, chip.bottom()), QPointF(x, chip.bottom() + 5));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x33, 0x33, 0x38));
    painter.drawRoundedRect(chip, 3, 3);
    painter.setBrush(QColor(0x8a, 0x8a, 0x92));
    painter.drawEllipse(QPointF(chip.left() + 6, chip.top() + 6), 2.5, 2.5);
    return pixmap;
}

} // namespace vxw
