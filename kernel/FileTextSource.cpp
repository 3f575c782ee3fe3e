#include "kernel/FileTextSource.h"

#include "kernel/BoundedFileRead.h"

#include <algorithm>

namespace vxw {

bool FileTextSource::Open(const QString& path, int64_t cap, QString* error) {
    file_.setFileName(path);
    // Unbuffered: the reader asks for large pieces, and a second copy through a buffer of the
    // file's own would only cost time.
    if (!file_.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        *error = path + QStringLiteral(": cannot open the file: ") + file_.errorString();
        return false;
    }
    const int64_t told = file_.isSequential() ? 0 : file_.size();
    if (told == 0) {
        const FileReadResult read = ReadDeviceBounded(file_, cap, bytes_);
        if (!read.Ok()) {
            *error = path + QStringLiteral(": ") + read.error;
            return false;
        }
        file_.close();
        std::string_view text(bytes_.constData(), static_cast<size_t>(bytes_.size()));
        text.remove_prefix(ByteOrderMarkSize(text));
        whole_.emplace(text);
        return true;
    }
    if (told > cap) {
        *error = path + QStringLiteral(": ") + FileTooLargeText(cap);
        return false;
    }
    char head[3] = {};
    const qint64 got = file_.read(head, sizeof head);
    if (got < 0) {
        *error = path + QStringLiteral(": cannot read the file: ") + file_.errorString();
        return false;
    }
    start_ = static_cast<qint64>(ByteOrderMarkSize(std::string_view(head, static_cast<size_t>(got))));
    if (!file_.seek(start_)) {
        *error = path + QStringLiteral(": cannot read the file: ") + file_.errorString();
        return false;
    }
    left_ = static_cast<size_t>(told - start_);
    return true;
}

size_t FileTextSource::Read(char* into, size_t max) {
    if (whole_) {
        return whole_->Read(into, max);
    }
    const size_t want = std::min(max, left_);
    if (want == 0) {
        return 0;
    }
    // A file that shrank since it was opened gives what it still holds.
    const qint64 got = file_.read(into, static_cast<qint64>(want));
    if (got < 0) {
        throw TextSourceError{"cannot read the file: " + file_.errorString().toStdString()};
    }
    left_ = got == 0 ? 0 : left_ - static_cast<size_t>(got);
    return static_cast<size_t>(got);
}

TextPosition FileTextSource::PositionOf(size_t offset) {
    if (whole_) {
        return whole_->PositionOf(offset);
    }
    TextPosition position;
    // A file of its own, so that the reading one keeps its place.
    QFile file(file_.fileName());
    if (!file.open(QIODevice::ReadOnly) || !file.seek(start_)) {
        return position;
    }
    char chunk[1 << 16];
    while (offset > 0) {
        const qint64 got = file.read(chunk, static_cast<qint64>(std::min(offset, sizeof chunk)));
        if (got <= 0) {
            break;
        }
        position.Advance(chunk, static_cast<size_t>(got));
        offset -= static_cast<size_t>(got);
    }
    return position;
}

} // namespace vxw
