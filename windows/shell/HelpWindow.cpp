#include "windows/shell/HelpWindow.h"

#include "shell/UserInterface.h"

#include <QFileInfo>
#include <QUrl>

namespace vxw {

HelpWindow::HelpWindow(QWidget* parent) : QTextBrowser(parent) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowFlag(Qt::Window);
    setOpenExternalLinks(true);
    resize(640, 720);
}

void HelpWindow::ShowContents(const QString& path) {
    file_ = path;
    setWindowTitle(AppTitle());
    if (QFileInfo(path).isFile()) {
        setSource(QUrl::fromLocalFile(path));
    } else {
        // The viewer reports a missing file, as a help viewer does.
        setPlainText(QStringLiteral("The help file cannot be found:\n") + path);
    }
    show();
    raise();
    activateWindow();
}

} // namespace vxw
