// vxlib: packs a library file from its text source, and prints a library file back in that
// form. Errors go to standard error; the exit status is 0 on success, 1 on a failed run and 2
// on bad usage.

#include "kernel/BoundedFileRead.h"
#include "kernel/LibraryFile.h"
#include "kernel/LibrarySource.h"

#include <QSaveFile>
#include <QString>

#include <cstdio>
#include <exception>
#include <new>
#include <optional>
#include <string>

namespace {

constexpr int ExitFailed = 1;
constexpr int ExitUsage = 2;

const char* const Usage = "Usage: vxlib pack SOURCE OUT   pack a library source text into a library file\n"
                          "       vxlib dump FILE         print a library file in the source form\n"
                          "       vxlib --help            show this help\n"
                          "The library file and source formats are described in docs/library-format.md.\n";

void PrintError(const QString& path, const std::string& cause) {
    std::fprintf(stderr, "vxlib: %s: %s\n", path.toLocal8Bit().constData(),
                 QString::fromLatin1(cause).toLocal8Bit().constData());
}

std::optional<std::string> ReadWhole(const QString& path) {
    std::string bytes;
    const vxw::FileReadResult read = vxw::ReadFileBounded(path, vxw::MaxLibraryFileSize, bytes);
    if (!read.Ok()) {
        PrintError(path, read.error.toStdString());
        return std::nullopt;
    }
    return bytes;
}

int Pack(const QString& sourcePath, const QString& outPath) {
    const std::optional<std::string> source = ReadWhole(sourcePath);
    if (!source) {
        return ExitFailed;
    }
    const vxw::LibrarySourceResult parsed = vxw::ParseLibrarySource(*source);
    if (!parsed.contents) {
        PrintError(sourcePath, parsed.error);
        return ExitFailed;
    }
    std::string bytes;
    const std::string error = vxw::WriteLibraryBytes(*parsed.contents, bytes);
    if (!error.empty()) {
        PrintError(sourcePath, error);
        return ExitFailed;
    }
    QSaveFile file(outPath);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()) ||
        !file.commit()) {
        PrintError(outPath, "cannot write the file: " + file.errorString().toStdString());
        return ExitFailed;
    }
    return 0;
}

int Dump(const QString& path) {
    const std::optional<std::string> bytes = ReadWhole(path);
    if (!bytes) {
        return ExitFailed;
    }
    const vxw::LibraryReadResult result = vxw::ReadLibraryBytes(*bytes);
    const vxw::LibraryHeader& header = result.header;
    std::string out =
        "# library file " + path.toStdString() + ", " + std::to_string(bytes->size()) + " bytes\n";
    if (header.headerRead) {
        const auto kind = static_cast<vxw::LibraryKind>(header.kindValue);
        const bool knownKind = vxw::LibraryKindFromName(vxw::LibraryKindName(kind)) == kind;
        out += "# format version " + std::to_string(header.version) + ", header size " +
               std::to_string(header.headerSize) +
               "\n# kind (offset 12): " + std::to_string(header.kindValue) +
               (knownKind ? std::string(" ") + vxw::LibraryKindName(kind) : std::string()) +
               "\n# entry count (offset 16): " + std::to_string(header.count) + "\n";
        // The entries follow only a header this program can read.
        if (knownKind && header.version == vxw::LibraryFormatVersion &&
            header.headerSize == vxw::LibraryHeaderSize) {
            out += vxw::LibraryToSource(result.contents);
        }
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fflush(stdout);
    if (!result.complete) {
        PrintError(path, result.error);
        return ExitFailed;
    }
    return 0;
}

int Run(int argc, char** argv) {
    const QString command = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (argc == 2 && (command == QLatin1String("--help") || command == QLatin1String("-h"))) {
        std::fputs(Usage, stdout);
        return 0;
    }
    if (argc == 4 && command == QLatin1String("pack")) {
        return Pack(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    }
    if (argc == 3 && command == QLatin1String("dump")) {
        return Dump(QString::fromLocal8Bit(argv[2]));
    }
    std::fputs(Usage, stderr);
    return ExitUsage;
}

} // namespace

int main(int argc, char** argv) {
    // Running out of memory on a large file ends the run with a message, never an abort.
    try {
        return Run(argc, argv);
    } catch (const std::bad_alloc&) {
        std::fflush(stdout);
        std::fputs("vxlib: not enough memory\n", stderr);
    } catch (const std::exception& e) {
        std::fflush(stdout);
        std::fprintf(stderr, "vxlib: %s\n", e.what());
    }
    return ExitFailed;
}
