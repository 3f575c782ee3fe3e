#pragma once
// The splash window, shown while the main window starts, and the same window as about box: the
// component's picture beside its title and the maker and product names.

#include <QDialog>

class QFrame;
class QPushButton;

namespace vxw {

class frmSplash : public QDialog {
    Q_OBJECT

public:
    explicit frmSplash(QWidget* parent = nullptr);

    // Shows the window frameless and without OK, centred on the screen, and paints it before
    // returning, as start-up runs on without the event loop. Deleting the window ends it.
    void ShowAsSplash();
    // Shows the window modally with its OK button; returns when OK or the close box closed it.
    void ShowAsAbout();

signals:
    // Ctrl+F1: the user asks for the help contents.
    void HelpRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CentreOnScreen();

    QFrame* border_;
    QPushButton* ok_;
};

// The component's picture, drawn rather than loaded so that no file can be missing.
QPixmap SplashPicture(int size, qreal devicePixelRatio);

} // namespace vxw
