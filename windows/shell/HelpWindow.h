#pragma once
// The help viewer: shows the component's help contents (an HTML page beside the component) in a
// window of its own, which the main window closes when it unloads. A missing file is reported in
// the viewer itself.

#include <QTextBrowser>

namespace vxw {

class HelpWindow : public QTextBrowser {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the file at its start (its table of contents) and raises the window.
    void ShowContents(const QString& path);
    const QString& ShownFile() const { return file_; }

private:
    QString file_;
};

} // namespace vxw
