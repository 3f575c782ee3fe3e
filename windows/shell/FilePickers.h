#pragma once
// The platform's file pickers the main window uses: the save dialog of "write" and the folder
// picker of "librarypath". Each is reached through a replaceable function, so that tests answer
// them without a modal dialog waiting for a user who is not there.

#include <QString>

#include <functional>

class QWidget;

namespace vxw {

struct FilePickerFunctions {
    // Answers the chosen file, or empty text when cancelled. Asks before replacing a file and
    // refuses read-only ones.
    std::function<QString(QWidget* parent, const QString& title, const QString& folder,
                          const QString& proposedName)>
        saveFile;
    // Answers the chosen folder (file-system folders only, anywhere), or empty text when cancelled.
    std::function<QString(QWidget* parent, const QString& title)> browseFolder;
};

// Installs the functions and answers the ones installed before; an empty member falls back to
// the platform's dialog.
FilePickerFunctions InstallFilePickers(FilePickerFunctions functions);

QString PickSaveFile(QWidget* parent, const QString& title, const QString& folder,
                     const QString& proposedName);
// BrowseForFolder: at most 512 characters of the chosen path are kept, as the platform's own
// picker hands them over.
QString BrowseForFolder(QWidget* parent, const QString& title);

class ScopedFilePickers {
public:
    explicit ScopedFilePickers(FilePickerFunctions functions)
        : previous_(InstallFilePickers(std::move(functions))) {}
    ~ScopedFilePickers() { InstallFilePickers(std::move(previous_)); }
    ScopedFilePickers(const ScopedFilePickers&) = delete;
    ScopedFilePickers& operator=(const ScopedFilePickers&) = delete;

private:
    FilePickerFunctions previous_;
};

} // namespace vxw
