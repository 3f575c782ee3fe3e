#pragma once
// The user interface of the batch command: no window and nobody to ask.
//  - A message is one line on standard error: the title, ": ", the prompt (line breaks become
//    blanks); a box with more than one button gets its answer appended in brackets.
//  - Every message box is answered with its default button (the one Enter would press: the
//    first, unless the style names another), so "Yes/No" questions answer Yes.
//  - AskText answers what the question shows pre-filled: the first proposal for the line,
//    editable-choice and block modes (1, 2, 4); nothing (empty, as if cancelled) for the
//    pick-only modes 3 and 5 and unknown modes.
//  - Status texts are kept (and echoed to standard error when verbose); progress is silent.
//  - ProcessEvents does nothing; CancelRequested turns true after RequestCancel (for example
//    from a signal handler).

#include "shell/UserInterface.h"

#include <QMap>

#include <atomic>
#include <functional>

namespace vxw {

class TerminalInterface : public UserInterface {
public:
    using LineSink = std::function<void(const QString& line)>;

    // Without a sink, lines go to standard error.
    explicit TerminalInterface(LineSink sink = LineSink());

    void SetVerbose(bool verbose) { verbose_ = verbose; }
    void RequestCancel() { cancel_ = true; }

    int ShowMessageBox(const QString& prompt, int style, const QString& title) override;
    QString AskText(const QString& prompt, const QString& title, int mode,
                    const QStringList& proposals) override;
    void SetStatus(int panel, const QString& text) override;
    QString StatusText(int panel) const override;
    void StartProgress(int) override {}
    void SetProgressMaximum(int) override {}
    void StepProgress(int) override {}
    void StopProgress() override {}
    void ProcessEvents() override {}
    bool CancelRequested() const override { return cancel_; }

private:
    void WriteLine(const QString& title, const QString& text, const QString& answer);

    LineSink sink_;
    QMap<int, QString> status_;
    bool verbose_ = false;
    std::atomic<bool> cancel_{false};
};

} // namespace vxw
