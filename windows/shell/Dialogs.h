#pragma once
// The entry points through which the windows open the shell's dialogs. Each goes through a
// replaceable function, so that the tests of a window answer its questions without a dialog
// ever being shown (a modal dialog would wait for a user who is not there).

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

namespace vxw {

struct DialogFunctions {
    // Shows the prompt in a message box of `style` (MessageStyle) and answers the pressed
    // button's code (MessageAnswer).
    std::function<int(QWidget* parent, const QString& prompt, int style, const QString& title)> messageBox;
    // Asks for a text in input mode `mode` (AskMode); answers the accepted text, or empty text
    // when the user cancelled.
    std::function<QString(QWidget* parent, const QString& prompt, const QString& title, int mode,
                          const QStringList& proposals)>
        askText;
    // Shows the about box until the user closes it; `showHelp` (may be empty) runs on Ctrl+F1.
    std::function<void(QWidget* parent, const std::function<void()>& showHelp)> aboutBox;
};

// The real dialogs: frmVxwMsgBox, Vxwquery after a beep, frmSplash as about box.
DialogFunctions WindowDialogs();

// Installs the functions the entry points below call and answers the ones installed before. A
// member left empty falls back to the real dialog.
DialogFunctions InstallDialogs(DialogFunctions functions);

int ShowMessageDialog(QWidget* parent, const QString& prompt, int style, const QString& title);
QString AskTextDialog(QWidget* parent, const QString& prompt, const QString& title, int mode,
                      const QStringList& proposals);
void ShowAboutDialog(QWidget* parent, const std::function<void()>& showHelp = {});

// Installs dialog functions for one scope (tests) and puts the previous ones back afterwards.
class ScopedDialogs {
public:
    explicit ScopedDialogs(DialogFunctions functions) : previous_(InstallDialogs(std::move(functions))) {}
    ~ScopedDialogs() { InstallDialogs(std::move(previous_)); }
    ScopedDialogs(const ScopedDialogs&) = delete;
    ScopedDialogs& operator=(const ScopedDialogs&) = delete;

private:
    DialogFunctions previous_;
};

} // namespace vxw
