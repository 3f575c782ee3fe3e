// Whole-file reads of outside files: refused above the cap before reading, sized by what the
// file holds, and never holding more than the cap when the file grows or tells no size.

#include "kernel/BoundedFileRead.h"

#include <QFile>
#include <QIODevice>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace vxw {
namespace {

// A device that tells one size and holds another, hands out a few bytes per read and can fail.
class FakeDevice : public QIODevice {
public:
    FakeDevice(QByteArray data, qint64 told, bool sequential, bool failing = false)
        : data_(std::move(data)), told_(told), sequential_(sequential), failing_(failing) {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }
    bool isSequential() const override { return sequential_; }
    qint64 size() const override { return sequential_ ? 0 : told_; }
    qint64 largestRead = 0; // the largest number of bytes asked for at once
    int reads = 0;

protected:
    qint64 readData(char* data, qint64 maxSize) override {
        ++reads;
        largestRead = std::max(largestRead, maxSize);
        if (failing_ && given_ > 0) {
            setErrorString(QStringLiteral("device broke"));
            return -1;
        }
        const qint64 n = std::min<qint64>({maxSize, 7, data_.size() - given_});
        std::copy_n(data_.constData() + given_, n, data);
        given_ += n;
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray data_;
    qint64 told_;
    bool sequential_;
    bool failing_;
    qint64 given_ = 0;
};

TEST(BoundedFileRead, DevicesOfEveryShape) {
    const QByteArray ten("0123456789");
    struct Case {
        const char* what;
        qint64 told;
        bool sequential;
        qint64 cap;
        FileReadStatus status;
    };
    const Case cases[] = {
        {"size as told", 10, false, 100, FileReadStatus::Ok},
        {"exactly the cap", 10, false, 10, FileReadStatus::Ok},
        {"told over the cap", 11, false, 10, FileReadStatus::TooLarge},
        {"grew under the cap", 4, false, 100, FileReadStatus::Ok},
        {"grew past the cap", 4, false, 9, FileReadStatus::TooLarge},
        {"shrank", 50, false, 100, FileReadStatus::Ok},
        {"tells no size", 0, true, 100, FileReadStatus::Ok},
        {"tells no size, at the cap", 0, true, 10, FileReadStatus::Ok},
        {"tells no size, past the cap", 0, true, 9, FileReadStatus::TooLarge},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakeDevice device(ten, c.told, c.sequential);
        QByteArray bytes("stale");
        const FileReadResult result = ReadDeviceBounded(device, c.cap, bytes);
        EXPECT_EQ(result.status, c.status);
        EXPECT_EQ(bytes, c.status == FileReadStatus::Ok ? ten : QByteArray());
        EXPECT_LE(device.largestRead, c.cap); // never asked for more than the cap
        if (c.status == FileReadStatus::TooLarge) {
            EXPECT_EQ(result.error, FileTooLargeText(c.cap));
        }
        if (c.told > c.cap) {
            EXPECT_EQ(device.reads, 0); // refused before reading
        }
    }
    FakeDevice broken(ten, 10, false, true);
    std::string text = "stale";
    const FileReadResult failed = ReadDeviceBounded(broken, 100, text);
    EXPECT_EQ(failed.status, FileReadStatus::CannotRead);
    EXPECT_EQ(failed.error, QStringLiteral("cannot read the file: device broke"));
    EXPECT_TRUE(text.empty());
}

TEST(BoundedFileRead, FilesAreSizedByWhatTheyHold) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("f"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(1000, 'x'));
    file.close();

    // A cap of a gigabyte allocates what the file holds, not the cap.
    QByteArray bytes;
    ASSERT_TRUE(ReadFileBounded(path, qint64{1} << 30, bytes).Ok());
    EXPECT_EQ(bytes, QByteArray(1000, 'x'));
    EXPECT_LT(bytes.capacity(), 4096);
    std::string text;
    ASSERT_TRUE(ReadFileBounded(path, qint64{1} << 30, text).Ok());
    EXPECT_EQ(text, std::string(1000, 'x'));
    EXPECT_LT(text.capacity(), 4096u);

    EXPECT_EQ(ReadFileBounded(path, 999, bytes).error, QStringLiteral("the file is larger than 999 bytes"));
    EXPECT_EQ(ReadFileBounded(path, 1000, bytes).status, FileReadStatus::Ok);
    const FileReadResult missing = ReadFileBounded(dir.filePath(QStringLiteral("none")), 10, bytes);
    EXPECT_EQ(missing.status, FileReadStatus::CannotOpen);
    EXPECT_TRUE(missing.error.startsWith(QStringLiteral("cannot open the file: ")))
        << missing.error.toStdString();
    EXPECT_TRUE(bytes.isEmpty());
    EXPECT_EQ(FileTooLargeText(qint64{16} << 20), QStringLiteral("the file is larger than 16 MiB"));
}

} // namespace
} // namespace vxw
