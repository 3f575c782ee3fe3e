#pragma once
// A user interface for tests: records every message, question, status text and progress
// step, and answers from queues the test fills (or with the box's default button and an empty
// text when the queues are empty).

#include "shell/UserInterface.h"

#include <QMap>

#include <deque>
#include <vector>

namespace vxw {

class RecordingInterface : public UserInterface {
public:
    struct Message {
        QString prompt;
        int style = 0;
        QString title;
    };
    struct Question {
        QString prompt;
        QString title;
        int mode = 0;
        QStringList proposals;
    };

    std::vector<Message> messages;
    std::vector<Question> questions;
    // Answers to give, front first.
    std::deque<int> messageAnswers;
    std::deque<QString> textAnswers;
    // Status texts by panel; every status change in order ("panel:text").
    QMap<int, QString> status;
    QStringList statusLog;
    // "start N", "max N", "step N", "stop".
    QStringList progress;
    int processEventsCalls = 0;
    // Cancel once ProcessEvents has run this many times (-1: never); or set `cancel` directly.
    int cancelAfterEvents = -1;
    bool cancel = false;

    int ShowMessageBox(const QString& prompt, int style, const QString& title) override {
        messages.push_back({prompt, style, title});
        if (messageAnswers.empty()) {
            return DefaultAnswer(style);
        }
        const int answer = messageAnswers.front();
        messageAnswers.pop_front();
        return answer;
    }

    QString AskText(const QString& prompt, const QString& title, int mode,
                    const QStringList& proposals) override {
        questions.push_back({prompt, title, mode, proposals});
        if (textAnswers.empty()) {
            return QString();
        }
        QString answer = textAnswers.front();
        textAnswers.pop_front();
        return answer;
    }

    void SetStatus(int panel, const QString& text) override {
        status[panel] = text;
        statusLog.append(QString::number(panel) + QLatin1Char(':') + text);
    }
    QString StatusText(int panel) const override { return status.value(panel); }

    void StartProgress(int maximum) override {
        progress.append(QStringLiteral("start ") + QString::number(maximum));
    }
    void SetProgressMaximum(int maximum) override {
        progress.append(QStringLiteral("max ") + QString::number(maximum));
    }
    void StepProgress(int value) override {
        progress.append(QStringLiteral("step ") + QString::number(value));
    }
    void StopProgress() override { progress.append(QStringLiteral("stop")); }

    void ProcessEvents() override {
        ++processEventsCalls;
        if (cancelAfterEvents >= 0 && processEventsCalls >= cancelAfterEvents) {
            cancel = true;
        }
    }
    bool CancelRequested() const override { return cancel; }
};

} // namespace vxw
