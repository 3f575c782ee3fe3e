#pragma once
// The text question: a prompt, one input control chosen by the input mode (AskMode), Accept and
// Cancel. The controls by mode:
//   AskLine      txtText       one line, the first proposal, caret at its end
//   AskCombo     cboCombo      editable choice of the proposals, the first as text
//   AskDropdown  cboDropdown   choice among the proposals, the first chosen
//   AskBlock     txtTextBlock  several lines, the first proposal, caret at its end
//   AskList      cboList       list of the proposals, the first chosen
// Another mode shows no input control and answers empty text. Accept answers the control's text
// (the block's lines joined with line feeds); Cancel, Escape and the close box answer empty text
// and mark the question cancelled. Enter accepts, except in the block, where it starts a line.

#include <QDialog>
#include <QStringList>

class QComboBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;

namespace vxw {

class Vxwquery : public QDialog {
    Q_OBJECT

public:
    Vxwquery(const QString& prompt, const QString& title, int mode, const QStringList& proposals,
             QWidget* parent = nullptr);

    // Shows the question modally; answers the accepted text, or empty text when cancelled.
    static QString Ask(QWidget* parent, const QString& prompt, const QString& title, int mode,
                       const QStringList& proposals);

    // The accepted text; empty before the question is answered and after a cancel.
    QString Answer() const { return answer_; }
    bool Cancelled() const { return cancelled_; }

public slots:
    void accept() override;
    void reject() override;

private:
    QWidget* Input() const;
    QString InputText() const;

    int mode_;
    QLineEdit* text_ = nullptr;
    QComboBox* combo_ = nullptr;
    QComboBox* dropdown_ = nullptr;
    QPlainTextEdit* block_ = nullptr;
    QListWidget* list_ = nullptr;
    QString answer_;
    bool cancelled_ = false;
};

} // namespace vxw
