#include "windows/shell/Vxwquery.h"

#include "shell/MessageBox.h"
#include "shell/UserInterface.h"
#include "suite/SuiteServices.h"
#include "windows/shell/PromptLabel.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTextDocument>

#include <algorithm>

namespace vxw {

Vxwquery::Vxwquery(const QString& prompt, const QString& title, int mode, const QStringList& proposals,
                   QWidget* parent)
    : QDialog(parent), mode_(mode) {
    setObjectName(QStringLiteral("Vxwquery"));
    setWindowTitle(title);
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakePromptLabel(prompt, QStringLiteral("lblPrompt"), this));

    const QString first = proposals.value(0);
    switch (mode) {
    case AskLine:
        text_ = new QLineEdit(first, this); // the caret stands at the end of the text
        text_->setObjectName(QStringLiteral("txtText"));
        break;
    case AskCombo:
        combo_ = new QComboBox(this);
        combo_->setObjectName(QStringLiteral("cboCombo"));
        combo_->setEditable(true);
        // Enter accepts the question; it must not add the typed text to the choices.
        combo_->setInsertPolicy(QComboBox::NoInsert);
        combo_->addItems(proposals);
        combo_->setEditText(first);
        break;
    case AskDropdown:
        dropdown_ = new QComboBox(this);
        dropdown_->setObjectName(QStringLiteral("cboDropdown"));
        dropdown_->addItems(proposals);
        break;
    case AskBlock:
        block_ = new QPlainTextEdit(first, this);
        block_->setObjectName(QStringLiteral("txtTextBlock"));
        block_->setTabChangesFocus(true);
        block_->moveCursor(QTextCursor::End);
        // Six lines show; more scroll.
        block_->setFixedHeight(block_->fontMetrics().lineSpacing() * 6 +
                               2 * (block_->frameWidth() + int(block_->document()->documentMargin())));
        break;
    case AskList:
        list_ = new QListWidget(this);
        list_->setObjectName(QStringLiteral("cboList"));
        list_->addItems(proposals);
        list_->setCurrentRow(0);
        // Four to eight rows show; more scroll.
        list_->setFixedHeight(
            std::clamp(int(proposals.size()), 4, 8) *
                (proposals.isEmpty() ? list_->fontMetrics().lineSpacing() + 2 : list_->sizeHintForRow(0)) +
            2 * list_->frameWidth());
        connect(list_, &QListWidget::itemDoubleClicked, this, &Vxwquery::accept);
        break;
    default:
        break;
    }
    if (QWidget* input = Input()) {
        input->setMinimumWidth(input->fontMetrics().averageCharWidth() * 40);
        layout->addWidget(input);
        setFocusProxy(input);
    }

    auto* acceptButton =
        new QPushButton(Suite().GetMessageText(QStringLiteral("Accept"), QStringLiteral("99177")), this);
    acceptButton->setObjectName(QStringLiteral("cmdAccept"));
    acceptButton->setDefault(true);
    connect(acceptButton, &QPushButton::clicked, this, &Vxwquery::accept);
    auto* cancelButton = new QPushButton(MessageButtonCaption(AnswerCancel), this);
    cancelButton->setObjectName(QStringLiteral("cmdCancel"));
    connect(cancelButton, &QPushButton::clicked, this, &Vxwquery::reject);

    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(acceptButton);
    row->addWidget(cancelButton);
    layout->addSpacing(fontMetrics().height() / 2);
    layout->addLayout(row);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString Vxwquery::Ask(QWidget* parent, const QString& prompt, const QString& title, int mode,
                      const QStringList& proposals) {
    // On the heap, so that a parent closed while the question is open takes the dialog with it.
    QPointer<Vxwquery> query = new Vxwquery(prompt, title, mode, proposals, parent);
    query->exec();
    if (!query) {
        return QString();
    }
    const QString answer = query->Answer();
    delete query.data();
    return answer;
}

QWidget* Vxwquery::Input() const {
    switch (mode_) {
    case AskLine:
        return text_;
    case AskCombo:
        return combo_;
    case AskDropdown:
        return dropdown_;
    case AskBlock:
        return block_;
    case AskList:
        return list_;
    default:
        return nullptr;
    }
}

QString Vxwquery::InputText() const {
    switch (mode_) {
    case AskLine:
        return text_->text();
    case AskCombo:
        return combo_->currentText();
    case AskDropdown:
        return dropdown_->currentText();
    case AskBlock:
        return block_->toPlainText();
    case AskList: {
        const QList<QListWidgetItem*> chosen = list_->selectedItems();
        return chosen.isEmpty() ? QString() : chosen.front()->text();
    }
    default:
        return QString();
    }
}

void Vxwquery::accept() {
    answer_ = InputText();
    cancelled_ = false;
    if (QWidget* input = Input()) {
        input->hide();
    }
    QDialog::accept();
}

void Vxwquery::reject() {
    answer_.clear();
    cancelled_ = true;
    QDialog::reject();
}

} // namespace vxw
