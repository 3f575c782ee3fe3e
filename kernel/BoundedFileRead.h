#pragma once
// Reads a whole outside file into memory without trusting it: the size is checked against the
// caller's cap before anything is read, the buffer is sized by what the file holds (not by the
// cap), and no more than the cap is ever kept, even if the file grows while it is read. Every
// reader of files the program did not write itself goes through here.

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <string>

class QIODevice;

namespace vxw {

enum class FileReadStatus { Ok, CannotOpen, TooLarge, CannotRead };

struct FileReadResult {
    FileReadStatus status = FileReadStatus::Ok;
    // Empty when Ok; otherwise the cause in a few words, e.g. "cannot open the file: No such
    // file or directory" or "the file is larger than 16 MiB". Callers add the file's name.
    QString error;

    bool Ok() const { return status == FileReadStatus::Ok; }
};

// Reads the file at `path` into `bytes`. A file larger than `maxSize` bytes is refused before
// it is read, or as soon as reading shows it has grown past the cap. On failure `bytes` is
// empty. A file that reports no size (a pipe, a device) is read in growing steps up to the cap.
FileReadResult ReadFileBounded(const QString& path, qint64 maxSize, QByteArray& bytes);
FileReadResult ReadFileBounded(const QString& path, qint64 maxSize, std::string& bytes);

// The same for a device the caller has opened for reading; reads from its current position.
FileReadResult ReadDeviceBounded(QIODevice& device, qint64 maxSize, QByteArray& bytes);
FileReadResult ReadDeviceBounded(QIODevice& device, qint64 maxSize, std::string& bytes);

// "the file is larger than N MiB" (or "N bytes" for a cap that is not a whole number of MiB).
QString FileTooLargeText(qint64 maxSize);

} // namespace vxw
