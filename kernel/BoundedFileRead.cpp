#include "kernel/BoundedFileRead.h"

#include <QFile>
#include <QIODevice>

#include <algorithm>

namespace vxw {

namespace {

// What a file that tells no size gets first; the buffer doubles from there, up to the cap.
constexpr qint64 kFirstStep = qint64{64} * 1024;

qint64 SizeOf(const QByteArray& bytes) {
    return bytes.size();
}
qint64 SizeOf(const std::string& bytes) {
    return static_cast<qint64>(bytes.size());
}
void Resize(QByteArray& bytes, qint64 size) {
    bytes.resize(static_cast<qsizetype>(size));
}
void Resize(std::string& bytes, qint64 size) {
    bytes.resize(static_cast<std::size_t>(size));
}
void Release(QByteArray& bytes) {
    bytes = QByteArray();
}
void Release(std::string& bytes) {
    std::string().swap(bytes);
}

FileReadResult Failure(FileReadStatus status, const QString& error) {
    FileReadResult result;
    result.status = status;
    result.error = error;
    return result;
}

template <class Buffer> FileReadResult ReadDevice(QIODevice& device, qint64 maxSize, Buffer& bytes) {
    Release(bytes);
    maxSize = std::max<qint64>(maxSize, 0);
    // What is left of the file from here; a sequential device tells nothing.
    const qint64 told = device.isSequential() ? 0 : std::max<qint64>(device.size() - device.pos(), 0);
    if (told > maxSize) {
        return Failure(FileReadStatus::TooLarge, FileTooLargeText(maxSize));
    }
    auto cannotRead = [&] {
        Release(bytes);
        return Failure(FileReadStatus::CannotRead,
                       QStringLiteral("cannot read the file: ") + device.errorString());
    };
    qint64 filled = 0;
    Resize(bytes, told > 0 ? told : std::min(kFirstStep, maxSize));
    for (;;) {
        if (filled == SizeOf(bytes)) {
            // The buffer is full: one byte more says whether the file holds more than it told
            // (it grew, or never told), before the buffer is made any larger.
            char probe = 0;
            const qint64 more = device.read(&probe, 1);
            if (more < 0) {
                return cannotRead();
            }
            if (more == 0) {
                break; // the end of the file
            }
            if (filled >= maxSize) {
                Release(bytes);
                return Failure(FileReadStatus::TooLarge, FileTooLargeText(maxSize));
            }
            Resize(bytes, std::min(maxSize, std::max(filled * 2, filled + kFirstStep)));
            bytes.data()[filled] = probe;
            ++filled;
            continue;
        }
        const qint64 got = device.read(bytes.data() + filled, SizeOf(bytes) - filled);
        if (got < 0) {
            return cannotRead();
        }
        if (got == 0) {
            break; // the end of the file
        }
        filled += got;
    }
    Resize(bytes, filled);
    return {};
}

template <class Buffer> FileReadResult ReadFile(const QString& path, qint64 maxSize, Buffer& bytes) {
    Release(bytes);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return Failure(FileReadStatus::CannotOpen,
                       QStringLiteral("cannot open the file: ") + file.errorString());
    }
    return ReadDevice(file, maxSize, bytes);
}

} // namespace

FileReadResult ReadFileBounded(const QString& path, qint64 maxSize, QByteArray& bytes) {
    return ReadFile(path, maxSize, bytes);
}

FileReadResult ReadFileBounded(const QString& path, qint64 maxSize, std::string& bytes) {
    return ReadFile(path, maxSize, bytes);
}

FileReadResult ReadDeviceBounded(QIODevice& device, qint64 maxSize, QByteArray& bytes) {
    return ReadDevice(device, maxSize, bytes);
}

FileReadResult ReadDeviceBounded(QIODevice& device, qint64 maxSize, std::string& bytes) {
    return ReadDevice(device, maxSize, bytes);
}

QString FileTooLargeText(qint64 maxSize) {
    constexpr qint64 MiB = qint64{1} << 20;
    if (maxSize >= MiB && maxSize % MiB == 0) {
        return QStringLiteral("the file is larger than %1 MiB").arg(maxSize / MiB);
    }
    return QStringLiteral("the file is larger than %1 bytes").arg(maxSize);
}

} // namespace vxw
