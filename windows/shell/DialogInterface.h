#pragma once
// A UserInterface for a window of its own (the List Book, the property window, the search
// dialog): its questions and messages open over that window, through the injectable dialogs,
// while status panels, progress, pending events and the Cancel request stay the main window's.

#include "shell/UserInterface.h"
#include "windows/shell/Dialogs.h"

#include <QPointer>
#include <QWidget>

namespace vxw {

class DialogInterface : public UserInterface {
public:
    DialogInterface(QWidget* owner, UserInterface& host) : owner_(owner), host_(host) {}

    int ShowMessageBox(const QString& prompt, int style, const QString& title) override {
        return ShowMessageDialog(owner_, prompt, style, title);
    }
    QString AskText(const QString& prompt, const QString& title, int mode,
                    const QStringList& proposals) override {
        return AskTextDialog(owner_, prompt, title, mode, proposals);
    }

    void SetStatus(int panel, const QString& text) override { host_.SetStatus(panel, text); }
    QString StatusText(int panel) const override { return host_.StatusText(panel); }
    void StartProgress(int maximum) override { host_.StartProgress(maximum); }
    void SetProgressMaximum(int maximum) override { host_.SetProgressMaximum(maximum); }
    void StepProgress(int value) override { host_.StepProgress(value); }
    void StopProgress() override { host_.StopProgress(); }
    void ProcessEvents() override { host_.ProcessEvents(); }
    bool CancelRequested() const override { return host_.CancelRequested(); }

private:
    QPointer<QWidget> owner_;
    UserInterface& host_;
};

} // namespace vxw
