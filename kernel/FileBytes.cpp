#include "kernel/FileBytes.h"

#include "kernel/BoundedFileRead.h"
#include "kernel/LargeBlocks.h"

#include <QFile>

#include <sys/mman.h>
#include <unistd.h>

#include <utility>

namespace vxw {
namespace {

std::size_t PageSize() {
    static const std::size_t size = [] {
        const long page = sysconf(_SC_PAGESIZE);
        return page > 0 ? static_cast<std::size_t>(page) : std::size_t{4096};
    }();
    return size;
}

} // namespace

FileBytes::~FileBytes() {
    Free();
}

FileBytes::FileBytes(FileBytes&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)), size_(std::exchange(other.size_, 0)),
      mapped_(std::exchange(other.mapped_, 0)), released_(std::exchange(other.released_, 0)),
      whole_(std::move(other.whole_)) {}

FileBytes& FileBytes::operator=(FileBytes&& other) noexcept {
    if (this != &other) {
        Free();
        data_ = std::exchange(other.data_, nullptr);
        size_ = std::exchange(other.size_, 0);
        mapped_ = std::exchange(other.mapped_, 0);
        released_ = std::exchange(other.released_, 0);
        whole_ = std::move(other.whole_);
    }
    return *this;
}

void FileBytes::Free() {
    if (mapped_ > 0) {
        munmap(data_, mapped_);
    }
    data_ = nullptr;
    size_ = mapped_ = released_ = 0;
    whole_ = QByteArray();
}

bool FileBytes::Read(const QString& path, int64_t cap, QString* error) {
    Free();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = path + QStringLiteral(": cannot open the file: ") + file.errorString();
        return false;
    }
    const int64_t told = file.isSequential() ? 0 : file.size();
    if (told == 0) {
        // A file that tells no size (a pipe, a file of the system's) is read in steps and kept
        // whole; such files are small or rare.
        const FileReadResult read = ReadDeviceBounded(file, cap, whole_);
        if (!read.Ok()) {
            *error = path + QStringLiteral(": ") + read.error;
            return false;
        }
        data_ = whole_.data();
        size_ = static_cast<std::size_t>(whole_.size());
        return true;
    }
    if (told > cap) {
        *error = path + QStringLiteral(": ") + FileTooLargeText(cap);
        return false;
    }
    // Memory of its own, in whole pages, so that it can be given back piece by piece. A large
    // file asks for huge pages, and the memory is filled at once: both cost less than a fault
    // for every small page.
    const auto bytes = static_cast<std::size_t>(told);
    const bool large = bytes >= LargeBlockBytes;
    void* memory = mmap(nullptr, bytes, PROT_READ | PROT_WRITE,
                        MAP_PRIVATE | MAP_ANONYMOUS | (large ? 0 : MAP_POPULATE), -1, 0);
    if (memory == MAP_FAILED) {
        *error = path + QStringLiteral(": not enough memory to read the file");
        return false;
    }
    if (large) {
        madvise(memory, bytes, MADV_HUGEPAGE);
        // A system that cannot fill the memory in advance fills it as the read writes.
        madvise(memory, bytes, MADV_POPULATE_WRITE);
    }
    data_ = static_cast<char*>(memory);
    mapped_ = bytes;
    // The size when the file was opened is what is read: a file that shrinks meanwhile gives
    // what it still holds, one that grows gives no more.
    while (size_ < bytes) {
        const qint64 got = file.read(data_ + size_, static_cast<qint64>(bytes - size_));
        if (got < 0) {
            *error = path + QStringLiteral(": cannot read the file: ") + file.errorString();
            Free();
            return false;
        }
        if (got == 0) {
            break;
        }
        size_ += static_cast<std::size_t>(got);
    }
    return true;
}

void FileBytes::ReleaseBefore(std::size_t offset) {
    if (offset > size_) {
        offset = size_;
    }
    // Whole huge pages, where the memory may have them: giving back part of one would split it.
    const std::size_t step = mapped_ >= LargeBlockBytes ? LargeBlockBytes : PageSize();
    const auto start = reinterpret_cast<std::uintptr_t>(data_);
    const std::uintptr_t boundary = (start + offset) / step * step;
    const std::size_t end = boundary > start ? static_cast<std::size_t>(boundary - start) : 0;
    if (mapped_ == 0 || end <= released_) {
        return;
    }
    // The pages stay mapped; the system takes their memory back and hands out zeros if they
    // are touched again.
    madvise(data_ + released_, end - released_, MADV_DONTNEED);
    released_ = end;
}

} // namespace vxw
