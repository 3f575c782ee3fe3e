#include "windows/shell/InterimDialogs.h"

#include "shell/MessageBox.h"
#include "shell/SharedStrings.h"

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QVBoxLayout>

namespace vxw {
namespace {

DialogFunctions& Installed() {
    static DialogFunctions functions;
    return functions;
}

int PlainMessageBox(QWidget* parent, const QString& prompt, int style, const QString& title) {
    QMessageBox box(parent);
    box.setWindowTitle(title);
    box.setText(prompt);
    const QList<int> answers = MessageButtons(style);
    for (int answer : answers) {
        static const QMap<int, QMessageBox::StandardButton> buttons{
            {AnswerOk, QMessageBox::Ok},         {AnswerCancel, QMessageBox::Cancel},
            {AnswerAbort, QMessageBox::Abort},   {AnswerRetry, QMessageBox::Retry},
            {AnswerIgnore, QMessageBox::Ignore}, {AnswerYes, QMessageBox::Yes},
            {AnswerNo, QMessageBox::No},         {AnswerYesToAll, QMessageBox::YesToAll}};
        QMessageBox::StandardButton button = buttons.value(answer, QMessageBox::Ok);
        box.addButton(button);
        if (answer == DefaultAnswer(style)) {
            box.setDefaultButton(button);
        }
    }
    const int clicked = box.exec();
    static const QMap<int, int> results{
        {QMessageBox::Ok, AnswerOk},         {QMessageBox::Cancel, AnswerCancel},
        {QMessageBox::Abort, AnswerAbort},   {QMessageBox::Retry, AnswerRetry},
        {QMessageBox::Ignore, AnswerIgnore}, {QMessageBox::Yes, AnswerYes},
        {QMessageBox::No, AnswerNo},         {QMessageBox::YesToAll, AnswerYesToAll}};
    return results.value(clicked, AnswerCancel);
}

} // namespace

DialogFunctions InstallDialogs(DialogFunctions functions) {
    DialogFunctions previous = std::move(Installed());
    Installed() = std::move(functions);
    return previous;
}

int ShowMessageDialog(QWidget* parent, const QString& prompt, int style, const QString& title) {
    if (Installed().messageBox) {
        return Installed().messageBox(parent, prompt, style, title);
    }
    return PlainMessageBox(parent, prompt, style, title);
}

QString AskTextDialog(QWidget* parent, const QString& prompt, const QString& title, int mode,
                      const QStringList& proposals) {
    if (Installed().askText) {
        return Installed().askText(parent, prompt, title, mode, proposals);
    }
    bool ok = false;
    const QString text =
        QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, proposals.value(0), &ok);
    return ok ? text : QString();
}

frmSplash::frmSplash(QWidget* parent) : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmSplash"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(MakerName() + QLatin1Char(' ') + ProductName(), this));
}

void frmSplash::ShowAsSplash() {
    show();
    QApplication::processEvents();
}

} // namespace vxw
