#pragma once
// What the pipeline targets share: a suite folder of their own laid out once per process in a
// temporary folder (the sample language folder, the sample libraries packed, empty job and
// system folders, per-user settings beside it), installed as the process-wide suite, and a
// cursor that turns fuzzer bytes into choices.

#include "kernel/LibraryFile.h"
#include "kernel/LibrarySource.h"
#include "suite/AppSettings.h"
#include "suite/SuiteServices.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace vxw::fuzz {

inline QByteArray ReadWholeFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool WriteWholeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// The suite folder: made, filled and installed on the first call; the process ends when any
// of it cannot be made, since no input could be judged without it. Its library folder is LIB.
inline QString PrepareSuite() {
    // In memory where the system offers it: the component writes its files safely (synced to
    // disk), which on a disk would cost more than the run itself.
    static QTemporaryDir folder(QDir(QStringLiteral("/dev/shm")).exists()
                                    ? QStringLiteral("/dev/shm/listgen-fuzz-XXXXXX")
                                    : QDir::tempPath() + QStringLiteral("/listgen-fuzz-XXXXXX"));
    static bool ready = false;
    if (ready) {
        return folder.path();
    }
    const QString root = folder.path();
    const QString sample = QStringLiteral(LG_SOURCE_DIR "/samples/suite");
    bool ok = folder.isValid() && QDir().mkpath(root + "/language") && QDir().mkpath(root + "/LIB") &&
              QDir().mkpath(root + "/JOB") && QDir().mkpath(root + "/SYS");
    for (const char* name : {"PROPERTY.MEN", "messages.txt"}) {
        ok = ok && QFile::copy(sample + "/language/" + name, root + "/language/" + name);
    }
    const QDir sources(sample + "/LIB-src");
    for (const QString& name : sources.entryList({QStringLiteral("*.txt")}, QDir::Files)) {
        const LibrarySourceResult parsed =
            ParseLibrarySource(ReadWholeFile(sources.filePath(name)).toStdString());
        const QString target = root + "/LIB/" + name.chopped(4);
        ok = ok && parsed.contents && WriteLibraryFile(*parsed.contents, target.toStdString()).empty();
    }
    const QByteArray ini = "[Vexil2K]\nJobDir=" + root.toUtf8() + "/JOB/\nLibDir=" + root.toUtf8() + "/LIB" +
                           "/\nSysDir=" + root.toUtf8() + "/SYS/\n\n[LIST GENERATOR]\n";
    ok = ok && WriteWholeFile(root + "/suite.ini", ini);
    if (!ok) {
        std::abort();
    }
    InstallSuite(std::make_unique<SuiteServices>(SuiteLocation::InFolder(root)));
    InstallUserSettings(std::make_unique<AppSettings>(root + "/user.ini"));
    ready = true;
    return root;
}

// Fuzzer bytes read as choices, front to back; once the bytes run out every choice is 0.
class ByteCursor {
public:
    ByteCursor(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    bool Empty() const { return position_ >= size_; }
    uint8_t Byte() { return Empty() ? 0 : data_[position_++]; }
    // A number in 0..limit-1 (limit at most 256).
    int Below(int limit) { return limit <= 1 ? 0 : Byte() % limit; }
    int32_t Int32() {
        uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            value = value << 8 | Byte();
        }
        return static_cast<int32_t>(value);
    }
    // Up to `maxLength` raw bytes, the length chosen by the first.
    std::string Text(int maxLength) {
        std::string text;
        for (int length = Below(maxLength + 1); length > 0 && !Empty(); --length) {
            text += static_cast<char>(Byte());
        }
        return text;
    }
    // The rest of the bytes.
    std::string Rest() {
        std::string text;
        while (!Empty()) {
            text += static_cast<char>(Byte());
        }
        return text;
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t position_ = 0;
};

} // namespace vxw::fuzz
