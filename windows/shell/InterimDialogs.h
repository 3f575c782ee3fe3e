#pragma once
// Stand-ins for the shell's dialogs until the message box, the text question and the splash
// window of their own are in the library: the same entry points, plain Qt dialogs behind them.

#include <QDialog>
#include <QString>
#include <QStringList>

#include <functional>

namespace vxw {

struct DialogFunctions {
    std::function<int(QWidget* parent, const QString& prompt, int style, const QString& title)> messageBox;
    std::function<QString(QWidget* parent, const QString& prompt, const QString& title, int mode,
                          const QStringList& proposals)>
        askText;
};

DialogFunctions InstallDialogs(DialogFunctions functions);
int ShowMessageDialog(QWidget* parent, const QString& prompt, int style, const QString& title);
QString AskTextDialog(QWidget* parent, const QString& prompt, const QString& title, int mode,
                      const QStringList& proposals);

class ScopedDialogs {
public:
    explicit ScopedDialogs(DialogFunctions functions) : previous_(InstallDialogs(std::move(functions))) {}
    ~ScopedDialogs() { InstallDialogs(std::move(previous_)); }
    ScopedDialogs(const ScopedDialogs&) = delete;
    ScopedDialogs& operator=(const ScopedDialogs&) = delete;

private:
    DialogFunctions previous_;
};

class frmSplash : public QDialog {
    Q_OBJECT

public:
    explicit frmSplash(QWidget* parent = nullptr);
    void ShowAsSplash();
};

} // namespace vxw
