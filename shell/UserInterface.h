#pragma once
// The one narrow interface through which the core asks the user things or shows them: message
// box, text question, status panels, progress, pending events and the Cancel request. The main
// window implements it, the batch command implements it for a terminal (TerminalInterface),
// and tests record it (RecordingInterface).

#include "shell/MessageBox.h"

#include <QString>
#include <QStringList>

namespace vxw {

// Input modes of AskText: which kind of input the question offers.
enum AskMode : int {
    AskLine = 1,     // one line, pre-filled with the first proposal
    AskCombo = 2,    // editable choice, the first proposal as text
    AskDropdown = 3, // choice among the proposals
    AskBlock = 4,    // several lines, pre-filled with the first proposal
    AskList = 5,     // list of the proposals
};

class UserInterface {
public:
    virtual ~UserInterface() = default;

    // Shows the prompt with the buttons, icon and modality of `style` under `title` and answers
    // the pressed button's code (MessageAnswer).
    virtual int ShowMessageBox(const QString& prompt, int style, const QString& title) = 0;
    // Asks for a text; answers the accepted text, or empty text when cancelled.
    virtual QString AskText(const QString& prompt, const QString& title, int mode,
                            const QStringList& proposals) = 0;

    // Status panels, numbered from 1.
    virtual void SetStatus(int panel, const QString& text) = 0;
    virtual QString StatusText(int panel) const = 0;

    // Progress of a long job: start, maximum, current step, stop.
    virtual void StartProgress(int maximum) = 0;
    virtual void SetProgressMaximum(int maximum) = 0;
    virtual void StepProgress(int value) = 0;
    virtual void StopProgress() = 0;

    // Lets pending window events run (long jobs call it between items).
    virtual void ProcessEvents() = 0;
    // True once the user asked to stop the running job.
    virtual bool CancelRequested() const = 0;

    // ShowMessage: a missing (empty) title is replaced by ProductName.
    int ShowMessage(const QString& prompt, int style = MbOk, const QString& title = QString());
    // ReportError: the error text (ErrorTable.h) with an exclamation icon and an OK button,
    // titled ProductName + " - " + AppTitle + " ()".
    void ReportError(int code, const QString& detail = QString());
};

// AppTitle: message 3125, default "List Generator".
QString AppTitle();
// The title of error reports: ProductName, " - ", AppTitle, " (" and ")" with nothing between.
QString ErrorBoxTitle(const QString& productName, const QString& appTitle);

} // namespace vxw
