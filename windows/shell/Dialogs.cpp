#include "windows/shell/Dialogs.h"

#include "windows/shell/Vxwquery.h"
#include "windows/shell/frmSplash.h"
#include "windows/shell/frmVxwMsgBox.h"

#include <QApplication>
#include <QPointer>

namespace vxw {

namespace {

DialogFunctions& Installed() {
    static DialogFunctions functions;
    return functions;
}

} // namespace

DialogFunctions WindowDialogs() {
    DialogFunctions real;
    real.messageBox = &frmVxwMsgBox::ShowMe;
    real.askText = [](QWidget* parent, const QString& prompt, const QString& title, int mode,
                      const QStringList& proposals) {
        QApplication::beep();
        return Vxwquery::Ask(parent, prompt, title, mode, proposals);
    };
    real.aboutBox = [](QWidget* parent, const std::function<void()>& showHelp) {
        // On the heap, so that a parent closed while the box is open takes the box with it.
        QPointer<frmSplash> about = new frmSplash(parent);
        if (showHelp) {
            QObject::connect(about.data(), &frmSplash::HelpRequested, about.data(), showHelp);
        }
        about->ShowAsAbout();
        delete about.data();
    };
    return real;
}

DialogFunctions InstallDialogs(DialogFunctions functions) {
    DialogFunctions previous = std::move(Installed());
    Installed() = std::move(functions);
    return previous;
}

// Each entry point takes a copy of the function it calls, so that a dialog function may install
// others while it runs.
int ShowMessageDialog(QWidget* parent, const QString& prompt, int style, const QString& title) {
    auto show = Installed().messageBox ? Installed().messageBox : WindowDialogs().messageBox;
    return show(parent, prompt, style, title);
}

QString AskTextDialog(QWidget* parent, const QString& prompt, const QString& title, int mode,
                      const QStringList& proposals) {
    auto ask = Installed().askText ? Installed().askText : WindowDialogs().askText;
    return ask(parent, prompt, title, mode, proposals);
}

void ShowAboutDialog(QWidget* parent, const std::function<void()>& showHelp) {
    auto show = Installed().aboutBox ? Installed().aboutBox : WindowDialogs().aboutBox;
    show(parent, showHelp);
}

} // namespace vxw
