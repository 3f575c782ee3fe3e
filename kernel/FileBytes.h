#pragma once
// The bytes of a file, read whole into memory of their own, that can be given back page by page
// once a reader has passed them. A parser that runs front to back over a large file then holds
// little more than the window it is reading, not the file and what it builds from it at once.

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

namespace vxw {

class FileBytes {
public:
    FileBytes() = default;
    ~FileBytes();
    FileBytes(FileBytes&& other) noexcept;
    FileBytes& operator=(FileBytes&& other) noexcept;
    FileBytes(const FileBytes&) = delete;
    FileBytes& operator=(const FileBytes&) = delete;

    // Reads what the file holds. A file larger than `cap` bytes is refused before anything is
    // read, and no more than `cap` bytes are read even when the file grows meanwhile. Memory is
    // taken for what the file holds, never for the cap. Answers false with *error set to
    // "PATH: cause".
    bool Read(const QString& path, int64_t cap, QString* error);

    const char* Data() const { return data_; }
    std::size_t Size() const { return size_; }

    // Gives back the whole pages before `offset`; those bytes read as zeros afterwards.
    void ReleaseBefore(std::size_t offset);
    // How many leading bytes were given back.
    std::size_t Released() const { return released_; }

private:
    void Free();

    char* data_ = nullptr;
    std::size_t size_ = 0;
    std::size_t mapped_ = 0; // bytes of the mapping, 0 when data_ is not mapped
    std::size_t released_ = 0;
    QByteArray whole_; // the bytes of a file that told no size, kept whole
};

} // namespace vxw
