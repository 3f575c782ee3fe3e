#pragma once
// A file's text for a reader that takes it front to back in pieces. The file is refused over
// its cap before anything is read, and no more than it told when it was opened is ever read.
// A file that tells no size (a pipe, a file of the system's) is read whole at once, up to the
// cap; such files are small or rare. A leading UTF-8 byte order mark is not part of the text.

#include "kernel/JsonPullReader.h"
#include "kernel/MemoryTextSource.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace vxw {

// 3 when the text begins with a UTF-8 byte order mark (some editors write one), else 0.
inline size_t ByteOrderMarkSize(std::string_view text) {
    return text.starts_with("\xEF\xBB\xBF") ? 3 : 0;
}

class FileTextSource final : public TextSource {
public:
    // Answers false with *error set to "PATH: cause" when the file cannot be opened or read, or
    // is larger than `cap` bytes.
    bool Open(const QString& path, int64_t cap, QString* error);

    // Throws TextSourceError when the file cannot be read.
    size_t Read(char* into, size_t max) override;
    size_t Remaining() const override { return whole_ ? whole_->Remaining() : left_; }
    // Reads the file again up to `offset`; the first line and column when it cannot.
    TextPosition PositionOf(size_t offset) override;

private:
    QFile file_;
    QByteArray bytes_;                      // a file that told no size, read whole
    std::optional<MemoryTextSource> whole_; // its text
    size_t left_ = 0;
    qint64 start_ = 0; // where the text begins in the file, after a byte order mark
};

} // namespace vxw
