#pragma once
// The component's message box: the prompt, the icon and the buttons of a message style
// (shell/MessageBox.h), the buttons' captions through the message catalogue. It serves every
// style, the four-button box with Yes, No, "Yes &To All" and Cancel among them, so all boxes
// look and answer the keyboard alike:
//  - Enter presses the default button (the style names it); it has the focus when the box opens.
//  - A plain letter presses the button whose access key it is, as the letter with Alt does.
//  - Escape and the close box answer the style's escape answer; a box without one stays open.

#include <QDialog>
#include <QList>
#include <QMap>

class QPushButton;

namespace vxw {

class frmVxwMsgBox : public QDialog {
    Q_OBJECT

public:
    frmVxwMsgBox(const QString& prompt, int messageStyle, const QString& title, QWidget* parent = nullptr);

    // Shows the box modally and answers the code of the pressed button.
    static int ShowMe(QWidget* parent, const QString& prompt, int style, const QString& title);

    // The button that answers `answer`; null when the box has none.
    QPushButton* Button(int answer) const { return buttons_.value(answer); }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

public slots:
    void reject() override;

private:
    int style_;
    QMap<int, QPushButton*> buttons_;
    QList<QPushButton*> order_; // left to right
};

} // namespace vxw
