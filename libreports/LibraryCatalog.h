#pragma once
// The library folders and their files: the four library paths, the file list of a kind headed
// by the project's own library, the file-name lists of the cross-references, the opening of a
// library file for one item through the kernel, and the look-ups across files that the detail
// texts print, answered from name indexes read once per load.

#include "kernel/KernelRecords.h"
#include "libreports/LibraryEntries.h"
#include "shell/SuitePaths.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <vector>

namespace vxw {

class Kernel;
class SuiteServices;

// The entry of the project's own library, always first in the file list.
inline constexpr char kProjectLibraryEntry[] = "[PROJECT LIBRARY]";
// The text every library open passes to the kernel.
inline constexpr char kLibraryAccessTag[] = "ZorbaKTP47";

// "*.PART", "*.SYMBOL", "*.PACKAGE", "*.PADSTACK" for kinds 1..4; empty otherwise.
QString LibraryFilePattern(int kind);
// Icons of the file list: closed 1, 3, 5, 7 and open 2, 4, 6, 8 for kinds 1..4.
inline int ClosedLibraryIcon(int kind) {
    return 2 * kind - 1;
}
inline int OpenLibraryIcon(int kind) {
    return 2 * kind;
}
// The kind of an icon value (1-2 part ... 7-8 padstack); 0 for any other value.
int LibraryKindOfIcon(int icon);

// The folder of a kind (1..4): its path when not blank, otherwise the suite's library folder,
// both trimmed of blanks and ending with "/" so that a file name can be appended as it stands.
// Empty when both are blank or the kind is outside 1..4.
QString LibraryDirectory(const SuitePaths& paths, int kind);

// One entry of the library file list.
struct LibraryFileEntry {
    QString key;
    QString text;
    int icon = 0;
    bool checked = false;
};

// The file list of a kind: "[PROJECT LIBRARY]", then the folder's matching files in name order,
// each with the closed icon of the kind and unchecked.
std::vector<LibraryFileEntry> LibraryFileList(int kind, const QString& folder);

// The caption of the "librarypath" command for the selected node's text.
QString LibraryPathCaption(const SuiteServices& suite, const QString& nodeText);
// The title of the folder picker of the "librarypath" command.
QString LibraryPathPickerTitle(const SuiteServices& suite, const QString& nodeText);

enum class LibraryPathOutcome { Unchanged, Invalid, Changed };
struct LibraryPathResult {
    LibraryPathOutcome outcome = LibraryPathOutcome::Unchanged;
    QString path;    // the chosen folder with its separator
    QString message; // for Invalid: "Path Invalid - " + path
};

// The rules of the "librarypath" command once the user picked `chosen` (empty: cancelled) on
// a node of kind `nodeKind`: the folder gets a trailing "/"; an invalid one changes nothing;
// otherwise "L" sets all four paths and "T", "S", "K", "V" their own. Any other kind changes
// nothing.
LibraryPathResult SetLibraryPath(SuitePaths& paths, const QString& nodeKind, const QString& chosen,
                                 const SuiteServices& suite);

// The plain per-file look-up: opens every file of `files` in `folder` through the kernel and
// asks for the item `name`; answers a tab, the file name and CR LF for each file holding it.
// Files that do not open are skipped.
QString FindItemInLibraryFiles(Kernel& kernel, const QString& name, const QString& folder,
                               const QStringList& files);
// True when the kernel opens the file and finds an item of exactly that name in it.
bool LibraryFileHoldsName(Kernel& kernel, const QString& path, const QString& name);

// A library symbol brought into the design for display under a name no symbol of the design
// has; removed again when this object ends. Never deletes or renames a symbol of the design.
class LoadedLibrarySymbol {
public:
    LoadedLibrarySymbol(Kernel& kernel, int32_t id, QByteArray name)
        : kernel_(&kernel), id_(id), name_(name) {}
    ~LoadedLibrarySymbol();
    LoadedLibrarySymbol(LoadedLibrarySymbol&& other) noexcept;
    LoadedLibrarySymbol& operator=(LoadedLibrarySymbol&&) = delete;
    LoadedLibrarySymbol(const LoadedLibrarySymbol&) = delete;
    LoadedLibrarySymbol& operator=(const LoadedLibrarySymbol&) = delete;

    bool IsLoaded() const { return id_ > 0; }
    int32_t Id() const { return id_; }
    QString Name() const;

private:
    Kernel* kernel_;
    int32_t id_ = 0;
    QByteArray name_;
};

// A symbol name of the form "~LG" + number that no symbol of the design has; empty when none
// could be found.
QByteArray FreeTemporarySymbolName(Kernel& kernel);
// Loads the symbol `name` of the library file `path` into the design under a free temporary
// name. Not loaded (id 0) when the file or the item cannot be read.
LoadedLibrarySymbol LoadLibrarySymbol(Kernel& kernel, const QString& path, const QString& name);

// The library folders, their file-name lists and the cross-file look-ups. BeginLoad starts a
// load: the file lists are scanned again, and every index and part-entry list is checked once
// against its file's size and modification time, so a file changed between two loads is seen
// while each file is read once however many names are asked.
class LibraryCatalog : public LibraryLookup {
public:
    explicit LibraryCatalog(Kernel& kernel);

    // Takes the paths over and begins a load (the file lists of the new folders).
    void SetPaths(const SuitePaths& paths);
    const SuitePaths& Paths() const { return paths_; }
    // LibraryDirectory of the catalog's paths.
    QString Directory(int kind) const;

    // Scans the file names of the part, symbol and package folders (ScanLibraryFileNames) and
    // marks every index to be checked against its files at its next use.
    void BeginLoad();
    const QStringList& SymbolFiles() const { return files_[1]; }
    const QStringList& PackageFiles() const { return files_[2]; }
    // The file list of a kind (1..4) in its folder.
    std::vector<LibraryFileEntry> FileList(int kind) const;

    // LibraryLookup.
    QString FilesHolding(int crossReferenceKind, const QString& name) override;
    QString PartFolder() const override;
    const QStringList& PartFiles() const override { return files_[0]; }
    const std::vector<PartInfo>& PartEntries(const QString& fileName) override;

    // How many times a file was read into an index or part-entry list (tests check reuse).
    int64_t FileReads() const { return fileReads_; }

private:
    struct FileStamp {
        int64_t size = -1;
        int64_t modified = 0;
        bool operator==(const FileStamp&) const = default;
    };
    // The names of the files of one cross-reference kind: for each 8-bit name, the positions of
    // the files holding it, ascending.
    struct NameIndex {
        QStringList files;
        QString folder;
        std::vector<FileStamp> stamps;
        QHash<QByteArray, std::vector<int>> holders;
        int64_t checkedIn = -1;
        bool built = false;
    };
    struct PartEntryList {
        FileStamp stamp;
        std::vector<PartInfo> entries;
        int64_t checkedIn = -1;
    };

    static FileStamp StampOf(const QString& path);
    void RefreshIndex(int kind, NameIndex& index);
    std::vector<QByteArray> ItemNames(const QString& path);

    Kernel& kernel_;
    SuitePaths paths_;
    std::array<QStringList, 3> files_; // part, symbol, package file names
    std::array<NameIndex, 2> indexes_; // symbol files, package files
    QHash<QString, PartEntryList> partEntries_;
    int64_t load_ = 0;
    int64_t fileReads_ = 0;
};

} // namespace vxw
