#include "kernel/FileBytes.h"

#include <QFile>

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <new>
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

QString TooLarge(const QString& path, int64_t cap) {
    return path + QStringLiteral(": the file is larger than %1 MiB").arg(cap >> 20);
}

} // namespace

FileBytes::~FileBytes() {
    Free();
}

FileBytes::FileBytes(FileBytes&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)), size_(std::exchange(other.size_, 0)),
      mapped_(std::exchange(other.mapped_, 0)), released_(std::exchange(other.released_, 0)) {}

FileBytes& FileBytes::operator=(FileBytes&& other) noexcept {
    if (this != &other) {
        Free();
        data_ = std::exchange(other.data_, nullptr);
        size_ = std::exchange(other.size_, 0);
        mapped_ = std::exchange(other.mapped_, 0);
        released_ = std::exchange(other.released_, 0);
    }
    return *this;
}

void FileBytes::Free() {
    if (mapped_ > 0) {
        munmap(data_, mapped_);
    }
    data_ = nullptr;
    size_ = mapped_ = released_ = 0;
}

bool FileBytes::Read(const QString& path, int64_t cap, QString* error) {
    Free();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = path + QStringLiteral(": cannot open the file: ") + file.errorString();
        return false;
    }
    const int64_t expected = file.isSequential() ? 0 : file.size();
    if (expected > cap) {
        *error = TooLarge(path, cap);
        return false;
    }
    // A file whose size is not known beforehand (a pipe) is taken in steps, up to the cap.
    std::size_t capacity = expected > 0 ? static_cast<std::size_t>(expected) : std::size_t{1} << 16;
    auto map = [](std::size_t bytes) -> char* {
        void* memory =
            mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
        return memory == MAP_FAILED ? nullptr : static_cast<char*>(memory);
    };
    data_ = map(capacity);
    if (!data_) {
        *error = path + QStringLiteral(": not enough memory to read the file");
        return false;
    }
    mapped_ = capacity;
    for (;;) {
        if (size_ == capacity) {
            if (expected > 0 || static_cast<int64_t>(capacity) > cap) {
                break; // the size the file had when it was opened, or more than the cap
            }
            const std::size_t larger = std::min<std::size_t>(capacity * 2, static_cast<std::size_t>(cap) + 1);
            char* grown = map(larger);
            if (!grown) {
                *error = path + QStringLiteral(": not enough memory to read the file");
                Free();
                return false;
            }
            std::copy(data_, data_ + size_, grown);
            munmap(data_, mapped_);
            data_ = grown;
            mapped_ = capacity = larger;
        }
        const qint64 got = file.read(data_ + size_, static_cast<qint64>(capacity - size_));
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
    if (static_cast<int64_t>(size_) > cap) {
        *error = TooLarge(path, cap);
        Free();
        return false;
    }
    return true;
}

void FileBytes::ReleaseBefore(std::size_t offset) {
    if (offset > size_) {
        offset = size_;
    }
    const std::size_t end = offset / PageSize() * PageSize();
    if (mapped_ == 0 || end <= released_) {
        return;
    }
    // The pages stay mapped; the system takes their memory back and hands out zeros if they
    // are touched again.
    madvise(data_ + released_, end - released_, MADV_DONTNEED);
    released_ = end;
}

} // namespace vxw
