#include "windows/shell/FilePickers.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace vxw {
namespace {

FilePickerFunctions& Installed() {
    static FilePickerFunctions functions;
    return functions;
}

QString PlatformSaveFile(QWidget* parent, const QString& title, const QString& folder,
                         const QString& proposedName) {
    QFileDialog dialog(parent, title, folder);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.selectFile(proposedName);
    for (;;) {
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
            return QString();
        }
        const QString path = dialog.selectedFiles().front();
        const QFileInfo info(path);
        // Read-only files are refused: the dialog stays open for another choice.
        if (!info.exists() || info.isWritable()) {
            return path;
        }
    }
}

QString PlatformFolder(QWidget* parent, const QString& title) {
    return QFileDialog::getExistingDirectory(parent, title, QString(), QFileDialog::ShowDirsOnly);
}

} // namespace

FilePickerFunctions InstallFilePickers(FilePickerFunctions functions) {
    FilePickerFunctions previous = std::move(Installed());
    Installed() = std::move(functions);
    return previous;
}

QString PickSaveFile(QWidget* parent, const QString& title, const QString& folder,
                     const QString& proposedName) {
    return Installed().saveFile ? Installed().saveFile(parent, title, folder, proposedName)
                                : PlatformSaveFile(parent, title, folder, proposedName);
}

QString BrowseForFolder(QWidget* parent, const QString& title) {
    const QString path =
        Installed().browseFolder ? Installed().browseFolder(parent, title) : PlatformFolder(parent, title);
    return path.section(QChar(0), 0, 0).left(512);
}

} // namespace vxw
