#include "windows/shell/frmVxwMsgBox.h"

#include "shell/MessageBox.h"
#include "windows/shell/PromptLabel.h"

#include <QBoxLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QStyle>

#include <algorithm>

namespace vxw {

namespace {

QString ButtonName(int answer) {
    switch (answer) {
    case AnswerOk:
        return QStringLiteral("cmdOk");
    case AnswerCancel:
        return QStringLiteral("cmdCancel");
    case AnswerAbort:
        return QStringLiteral("cmdAbort");
    case AnswerRetry:
        return QStringLiteral("cmdRetry");
    case AnswerIgnore:
        return QStringLiteral("cmdIgnore");
    case AnswerYes:
        return QStringLiteral("cmdYes");
    case AnswerNo:
        return QStringLiteral("cmdNo");
    case AnswerYesToAll:
        return QStringLiteral("cmdYesToAll");
    default:
        return QStringLiteral("cmd") + QString::number(answer);
    }
}

QStyle::StandardPixmap IconPixmap(int icon) {
    switch (icon) {
    case MbCritical:
        return QStyle::SP_MessageBoxCritical;
    case MbQuestion:
        return QStyle::SP_MessageBoxQuestion;
    case MbExclamation:
        return QStyle::SP_MessageBoxWarning;
    default:
        return QStyle::SP_MessageBoxInformation;
    }
}

} // namespace

frmVxwMsgBox::frmVxwMsgBox(const QString& prompt, int messageStyle, const QString& title, QWidget* parent)
    : QDialog(parent), style_(messageStyle) {
    setObjectName(QStringLiteral("frmVxwMsgBox"));
    setWindowTitle(title);
    setModal(true);
    if (IsSystemModal(messageStyle)) {
        setWindowFlag(Qt::WindowStaysOnTopHint);
    }

    auto* message = new QHBoxLayout;
    message->setSpacing(fontMetrics().height());
    if (const int icon = MessageIcon(messageStyle); icon != 0) {
        auto* image = new QLabel(this);
        image->setObjectName(QStringLiteral("imgIcon"));
        const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
        image->setPixmap(style()
                             ->standardIcon(IconPixmap(icon), nullptr, this)
                             .pixmap(QSize(size, size), devicePixelRatio()));
        image->setFixedSize(size, size);
        message->addWidget(image, 0, Qt::AlignTop);
    }
    message->addWidget(MakePromptLabel(prompt, QStringLiteral("lblPrompt"), this), 0, Qt::AlignVCenter);
    message->addStretch();

    // Buttons in the style's order, all as wide as the widest, centred under the prompt.
    auto* row = new QHBoxLayout;
    row->addStretch();
    int widest = 0;
    for (const int answer : MessageButtons(messageStyle)) {
        auto* button = new QPushButton(MessageButtonCaption(answer), this);
        button->setObjectName(ButtonName(answer));
        connect(button, &QPushButton::clicked, this, [this, answer] { done(answer); });
        buttons_.insert(answer, button);
        order_.append(button);
        row->addWidget(button);
        widest = std::max(widest, button->sizeHint().width());
    }
    for (QPushButton* button : std::as_const(order_)) {
        button->setMinimumWidth(std::max(widest, button->fontMetrics().averageCharWidth() * 10));
    }
    row->addStretch();
    if (QPushButton* button = Button(DefaultAnswer(messageStyle))) {
        button->setDefault(true);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // Wide enough for the title beside the window's buttons, as far as a frame's font is known.
    QFont titleFont = font();
    titleFont.setBold(true);
    const int titleWidth =
        std::min(QFontMetrics(titleFont).horizontalAdvance(title), fontMetrics().averageCharWidth() * 80);
    layout->addSpacerItem(new QSpacerItem(titleWidth + fontMetrics().height() * 4, 0));
    layout->addLayout(message);
    layout->addSpacing(style()->pixelMetric(QStyle::PM_LayoutVerticalSpacing));
    layout->addLayout(row);
}

int frmVxwMsgBox::ShowMe(QWidget* parent, const QString& prompt, int style, const QString& title) {
    // The box lives on the heap: when its parent goes away while it is open, the parent takes
    // the box with it and the guard below sees that.
    QPointer<frmVxwMsgBox> box = new frmVxwMsgBox(prompt, style, title, parent);
    const int answer = box->exec();
    delete box.data();
    if (answer != 0) {
        return answer;
    }
    const int escape = EscapeAnswer(style);
    return escape != 0 ? escape : DefaultAnswer(style);
}

void frmVxwMsgBox::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    if (modifiers == Qt::NoModifier) {
        for (QPushButton* button : std::as_const(order_)) {
            const QKeySequence mnemonic = QKeySequence::mnemonic(button->text());
            if (!mnemonic.isEmpty() && mnemonic[0].key() == event->key()) {
                button->click();
                return;
            }
        }
    }
    QDialog::keyPressEvent(event);
}

void frmVxwMsgBox::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (QPushButton* button = Button(DefaultAnswer(style_))) {
        button->setFocus();
    }
}

void frmVxwMsgBox::reject() {
    if (const int escape = EscapeAnswer(style_); escape != 0) {
        done(escape);
    }
}

} // namespace vxw
