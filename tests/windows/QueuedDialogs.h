#pragma once
// The shell's message boxes and text questions answered from queues the test fills, for as long
// as the object lives; every prompt is recorded. A message box with no answer left gets its
// default button, a question with no text left is cancelled (empty text).

#include "shell/MessageBox.h"
#include "windows/shell/Dialogs.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <utility>
#include <vector>

namespace vxw::test {

struct AskedMessage {
    QString prompt;
    int style = 0;
    QString title;
};

class QueuedDialogs {
public:
    QueuedDialogs()
        : scoped_(DialogFunctions{
              [this](QWidget*, const QString& prompt, int style, const QString& title) {
                  messages.push_back({prompt, style, title});
                  asked.append(prompt);
                  return Next(answers, DefaultAnswer(style));
              },
              [this](QWidget*, const QString& prompt, const QString&, int, const QStringList&) {
                  questions.append(prompt);
                  asked.append(prompt);
                  return Next(texts, QString());
              },
              {}}) {}
    QueuedDialogs(const QueuedDialogs&) = delete;
    QueuedDialogs& operator=(const QueuedDialogs&) = delete;

    std::deque<int> answers;            // message box answers, front first
    std::deque<QString> texts;          // text answers, front first
    std::vector<AskedMessage> messages; // every message box, in order
    QStringList questions;              // every text question's prompt, in order
    QStringList asked;                  // every message and question prompt, in order

private:
    template <class T> static T Next(std::deque<T>& queue, T fallback) {
        if (queue.empty()) {
            return fallback;
        }
        T next = std::move(queue.front());
        queue.pop_front();
        return next;
    }

    ScopedDialogs scoped_; // last: the previous dialogs come back before the queues go
};

} // namespace vxw::test
