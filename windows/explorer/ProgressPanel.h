#pragma once
// The progress panel "panItem" under the library file list: a bar with the text of what is being
// loaded and the Cancel button "cmdCancel" at its right edge.

#include <QFrame>

class QProgressBar;
class QPushButton;

namespace vxw {

class ProgressPanel : public QFrame {
    Q_OBJECT

public:
    explicit ProgressPanel(QWidget* parent = nullptr);

    // ShowProgress: mode 0 hides the panel and the Cancel button; 1 and 3 set the bar's range to
    // 0..value, show `text` and the button (which takes the focus); 2 moves the bar to the value;
    // 4 shows the panel and the button without text.
    void ShowProgress(int mode, int value, const QString& text = QString());
    void SetMaximum(int maximum);

    QPushButton* CancelButton() const { return cancel_; }
    QProgressBar* Bar() const { return bar_; }

private:
    QProgressBar* bar_;
    QPushButton* cancel_;
};

} // namespace vxw
