#include "libreports/LibraryCatalog.h"

#include "kernel/Kernel.h"
#include "kernel/KernelText.h"
#include "libreports/StoredLibraryPaths.h"
#include "suite/FilePatterns.h"
#include "suite/SuiteServices.h"
#include "suite/TextRules.h"

#include <QFile>

#include <filesystem>
#include <utility>

namespace vxw {
namespace {

const QLatin1String kCrLf("\r\n");

// Opens a library file for one item: the handle is valid while the object lives and the item
// was found; the library is closed whenever the open succeeded.
class LibraryItemReader {
public:
    LibraryItemReader(Kernel& kernel, const QString& path, const QString& name) : kernel_(kernel) {
        handle_ = kernel_.E_OpenLibrary(ToAnsi(path).constData(), kLibraryAccessTag, 0);
        if (handle_ > 0) {
            found_ = kernel_.E_OpenLibToRead(handle_, ToAnsi(name).constData()) > 0;
        }
    }
    ~LibraryItemReader() {
        if (handle_ > 0) {
            kernel_.E_CloseLibrary(handle_);
        }
    }
    LibraryItemReader(const LibraryItemReader&) = delete;
    LibraryItemReader& operator=(const LibraryItemReader&) = delete;

    bool Found() const { return found_; }
    int32_t Handle() const { return handle_; }

private:
    Kernel& kernel_;
    int32_t handle_ = 0;
    bool found_ = false;
};

} // namespace

QString LibraryFilePattern(int kind) {
    static const char* const patterns[] = {"*.PART", "*.SYMBOL", "*.PACKAGE", "*.PADSTACK"};
    return kind >= KindPart && kind <= KindPadstack ? QString::fromLatin1(patterns[kind - 1]) : QString();
}

int LibraryKindOfIcon(int icon) {
    return icon >= 1 && icon <= 8 ? (icon + 1) / 2 : 0;
}

QString LibraryDirectory(const SuitePaths& paths, int kind) {
    const QString* member = nullptr;
    switch (kind) {
    case KindPart:
        member = &paths.PartPath;
        break;
    case KindSymbol:
        member = &paths.SymbolPath;
        break;
    case KindPackage:
        member = &paths.PackagePath;
        break;
    case KindPadstack:
        member = &paths.PadstackPath;
        break;
    default:
        return QString();
    }
    QString folder = TrimBlanks(*member);
    if (folder.isEmpty()) {
        folder = TrimBlanks(paths.LibDir);
    }
    // A path from the settings file may lack its separator; file names are appended as they
    // stand, so it is added here rather than trusted.
    if (!folder.isEmpty() && !folder.endsWith(QLatin1Char('/'))) {
        folder += QLatin1Char('/');
    }
    return folder;
}

std::vector<LibraryFileEntry> LibraryFileList(int kind, const QString& folder) {
    std::vector<LibraryFileEntry> entries;
    const int icon = ClosedLibraryIcon(kind);
    entries.push_back(
        {QString::fromLatin1(kProjectLibraryEntry), QString::fromLatin1(kProjectLibraryEntry), icon});
    if (folder.isEmpty()) {
        return entries;
    }
    for (const QString& name : ListMatchingFiles(folder, LibraryFilePattern(kind))) {
        entries.push_back({name, name, icon});
    }
    return entries;
}

QString LibraryPathCaption(const SuiteServices& suite, const QString& nodeText) {
    return suite.GetMessageText(QStringLiteral("Set"), QStringLiteral("991200")) + QLatin1Char(' ') +
           nodeText + QLatin1Char(' ') +
           suite.GetMessageText(QStringLiteral("&Library path"), QStringLiteral("31146")) +
           QStringLiteral("...");
}

QString LibraryPathPickerTitle(const SuiteServices& suite, const QString& nodeText) {
    return suite.GetMessageText(QStringLiteral("Select Library Location for "), QStringLiteral("31145")) +
           nodeText;
}

LibraryPathResult SetLibraryPath(SuitePaths& paths, const QString& nodeKind, const QString& chosen,
                                 const SuiteServices& suite) {
    LibraryPathResult result;
    if (chosen.isEmpty()) {
        return result;
    }
    result.path = chosen;
    if (!result.path.endsWith(QLatin1Char('/'))) {
        result.path += QLatin1Char('/');
    }
    if (!IsValidPath(result.path)) {
        result.outcome = LibraryPathOutcome::Invalid;
        result.message = suite.GetMessageText(QStringLiteral("Path Invalid"), QStringLiteral("31153")) +
                         QStringLiteral(" - ") + result.path;
        return result;
    }
    if (nodeKind == QLatin1String("L")) {
        paths.PartPath = paths.SymbolPath = paths.PackagePath = paths.PadstackPath = result.path;
    } else if (nodeKind == QLatin1String("T")) {
        paths.PartPath = result.path;
    } else if (nodeKind == QLatin1String("S")) {
        paths.SymbolPath = result.path;
    } else if (nodeKind == QLatin1String("K")) {
        paths.PackagePath = result.path;
    } else if (nodeKind == QLatin1String("V")) {
        paths.PadstackPath = result.path;
    } else {
        return result;
    }
    result.outcome = LibraryPathOutcome::Changed;
    return result;
}

bool LibraryFileHoldsName(Kernel& kernel, const QString& path, const QString& name) {
    return LibraryItemReader(kernel, path, name).Found();
}

QString FindItemInLibraryFiles(Kernel& kernel, const QString& name, const QString& folder,
                               const QStringList& files) {
    QString found;
    for (const QString& file : files) {
        if (LibraryFileHoldsName(kernel, folder + file, name)) {
            found += QLatin1Char('\t') + file + kCrLf;
        }
    }
    return found;
}

LoadedLibrarySymbol::~LoadedLibrarySymbol() {
    if (id_ > 0) {
        kernel_->OM_Delete(kernel_->DB_SymbMap(), id_);
    }
}

LoadedLibrarySymbol::LoadedLibrarySymbol(LoadedLibrarySymbol&& other) noexcept
    : kernel_(other.kernel_), id_(std::exchange(other.id_, 0)), name_(std::move(other.name_)) {}

QString LoadedLibrarySymbol::Name() const {
    return FromAnsi(name_.constData());
}

QByteArray FreeTemporarySymbolName(Kernel& kernel) {
    // Design symbol names never start with "~LG" in practice, and each candidate is checked
    // against the design anyway, so the first free number is used.
    for (int n = 1; n <= 100000; ++n) {
        QByteArray name = QByteArrayLiteral("~LG") + QByteArray::number(n);
        if (kernel.S_Symbol(name.constData()) <= 0) {
            return name;
        }
    }
    return QByteArray();
}

LoadedLibrarySymbol LoadLibrarySymbol(Kernel& kernel, const QString& path, const QString& name) {
    const QByteArray temporary = FreeTemporarySymbolName(kernel);
    if (temporary.isEmpty()) {
        return LoadedLibrarySymbol(kernel, 0, QByteArray());
    }
    const LibraryItemReader reader(kernel, path, name);
    const int32_t id = reader.Found() ? kernel.S_LoadSymbol(reader.Handle(), temporary.constData()) : 0;
    return LoadedLibrarySymbol(kernel, id > 0 ? id : 0, temporary);
}

LibraryCatalog::LibraryCatalog(Kernel& kernel) : kernel_(kernel) {}

void LibraryCatalog::SetPaths(const SuitePaths& paths) {
    paths_ = paths;
    BeginLoad();
}

QString LibraryCatalog::Directory(int kind) const {
    return LibraryDirectory(paths_, kind);
}

void LibraryCatalog::BeginLoad() {
    ++load_;
    // Each kind's names come from its own folder: the look-ups join them with that folder.
    for (int kind = KindPart; kind <= KindPackage; ++kind) {
        const QString folder = Directory(kind);
        files_[static_cast<std::size_t>(kind - 1)] =
            folder.isEmpty() ? QStringList() : ListMatchingFiles(folder, LibraryFilePattern(kind));
    }
}

std::vector<LibraryFileEntry> LibraryCatalog::FileList(int kind) const {
    return LibraryFileList(kind, Directory(kind));
}

QString LibraryCatalog::PartFolder() const {
    return Directory(KindPart);
}

LibraryCatalog::FileStamp LibraryCatalog::StampOf(const QString& path) {
    // The same key the kernel keeps its parsed files by, so both see a change alike.
    FileStamp stamp;
    std::error_code error;
    const std::filesystem::path file(QFile::encodeName(path).toStdString());
    const auto size = std::filesystem::file_size(file, error);
    if (error) {
        return stamp;
    }
    const auto time = std::filesystem::last_write_time(file, error);
    if (error) {
        return stamp;
    }
    stamp.size = static_cast<int64_t>(size);
    stamp.modified = static_cast<int64_t>(time.time_since_epoch().count());
    return stamp;
}

std::vector<QByteArray> LibraryCatalog::ItemNames(const QString& path) {
    ++fileReads_;
    std::vector<QByteArray> names;
    // The kernel finds an item in any library file it can read, whatever its kind; a part file
    // among the symbol files answers no symbol records, so its part records are asked.
    const std::vector<SymbolInfo> symbols = ReadSymbolEntries(kernel_, path);
    if (!symbols.empty()) {
        names.reserve(symbols.size());
        for (const SymbolInfo& info : symbols) {
            names.emplace_back(info.name.data(), static_cast<qsizetype>(info.name.size()));
        }
        return names;
    }
    const std::vector<PartInfo> parts = ReadPartEntries(kernel_, path);
    names.reserve(parts.size());
    for (const PartInfo& info : parts) {
        names.emplace_back(info.name.data(), static_cast<qsizetype>(info.name.size()));
    }
    return names;
}

void LibraryCatalog::RefreshIndex(int kind, NameIndex& index) {
    if (index.checkedIn == load_ && index.built) {
        return;
    }
    index.checkedIn = load_;
    const QString folder = Directory(kind);
    const QStringList& files = files_[static_cast<std::size_t>(kind - 1)];
    std::vector<FileStamp> stamps;
    stamps.reserve(static_cast<std::size_t>(files.size()));
    for (const QString& file : files) {
        stamps.push_back(StampOf(folder + file));
    }
    if (index.built && index.folder == folder && index.files == files && index.stamps == stamps) {
        return;
    }
    index.folder = folder;
    index.files = files;
    index.stamps = std::move(stamps);
    index.holders.clear();
    for (int position = 0; position < files.size(); ++position) {
        for (QByteArray& name : ItemNames(folder + files[position])) {
            std::vector<int>& holders = index.holders[name];
            // A file holding a name twice is listed once, as one open answers it once.
            if (holders.empty() || holders.back() != position) {
                holders.push_back(position);
            }
        }
    }
    index.built = true;
}

QString LibraryCatalog::FilesHolding(int crossReferenceKind, const QString& name) {
    if (crossReferenceKind != 1 && crossReferenceKind != 2) {
        return QString();
    }
    const int kind = crossReferenceKind == 1 ? KindSymbol : KindPackage;
    NameIndex& index = indexes_[static_cast<std::size_t>(crossReferenceKind - 1)];
    if (index.checkedIn != load_ || !index.built) {
        RefreshIndex(kind, index);
    }
    // The kernel compares the 8-bit name exactly (case and blanks count), so the index does.
    const auto found = index.holders.constFind(ToAnsi(name));
    if (found == index.holders.constEnd()) {
        return QString();
    }
    QString text;
    for (const int position : *found) {
        text += QLatin1Char('\t') + index.files[position] + kCrLf;
    }
    return text;
}

const std::vector<PartInfo>& LibraryCatalog::PartEntries(const QString& fileName) {
    const QString path = PartFolder() + fileName;
    PartEntryList& list = partEntries_[path];
    if (list.checkedIn == load_) {
        return list.entries;
    }
    list.checkedIn = load_;
    const FileStamp stamp = StampOf(path);
    if (stamp.size >= 0 && stamp == list.stamp) {
        return list.entries;
    }
    ++fileReads_;
    // Read before the old list goes, so a changed list never reuses the old storage.
    std::vector<PartInfo> fresh = ReadPartEntries(kernel_, path);
    list.entries = std::move(fresh);
    list.stamp = stamp;
    return list.entries;
}

} // namespace vxw
