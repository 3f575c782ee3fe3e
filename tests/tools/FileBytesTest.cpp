// Files read whole into memory of their own: sized by what the file holds, refused over the cap
// before anything is read, and given back page by page.

#include "kernel/FileBytes.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string_view>

#include <string>

namespace vxw {
namespace {

QString WriteFile(const QTemporaryDir& dir, const char* name, const std::string& bytes) {
    const QString path = dir.filePath(QString::fromLatin1(name));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    return path;
}

TEST(FileBytes, ReadsWhatTheFileHoldsUpToTheCap) {
    QTemporaryDir dir;
    const std::string text = "0123456789";
    const struct {
        std::string bytes;
        int64_t cap;
        bool ok;
    } cases[] = {
        {"", 10, true}, {text, 10, true}, {text + "X", 10, false}, {std::string(70000, 'a'), 70000, true}};
    for (const auto& c : cases) {
        const QString path = WriteFile(dir, "f.bin", c.bytes);
        FileBytes bytes;
        QString error;
        ASSERT_EQ(bytes.Read(path, c.cap, &error), c.ok) << error.toStdString();
        if (c.ok) {
            EXPECT_EQ(std::string(bytes.Data(), bytes.Size()), c.bytes);
        } else {
            EXPECT_EQ(error, path + QStringLiteral(": the file is larger than 10 bytes"));
            EXPECT_EQ(bytes.Size(), 0u);
        }
    }
    FileBytes missing;
    QString error;
    EXPECT_FALSE(missing.Read(dir.filePath(QStringLiteral("none")), 10, &error));
    EXPECT_TRUE(error.contains(QStringLiteral(": cannot open the file: ")));
}

TEST(FileBytes, FileOfUnknownSizeIsReadInStepsAndCapped) {
    // Files of the process folder report no size yet have text.
    FileBytes bytes;
    QString error;
    ASSERT_TRUE(bytes.Read(QStringLiteral("/proc/self/status"), 1 << 20, &error)) << error.toStdString();
    EXPECT_NE(std::string(bytes.Data(), bytes.Size()).find("Name:"), std::string::npos);
    EXPECT_FALSE(bytes.Read(QStringLiteral("/proc/self/status"), 16, &error));
}

TEST(FileBytes, ReleasesWholePagesBehindTheReader) {
    QTemporaryDir dir;
    std::string content(3 * 4096 + 100, 'z');
    content[2 * 4096] = 'A';
    FileBytes bytes;
    QString error;
    ASSERT_TRUE(bytes.Read(WriteFile(dir, "p.bin", content), 1 << 20, &error));
    bytes.ReleaseBefore(4095);
    EXPECT_EQ(bytes.Released(), 0u);
    bytes.ReleaseBefore(2 * 4096 + 10);
    EXPECT_EQ(bytes.Released(), 2u * 4096);
    EXPECT_EQ(bytes.Data()[2 * 4096], 'A');
    EXPECT_EQ(bytes.Data()[bytes.Size() - 1], 'z');
    bytes.ReleaseBefore(1); // never back
    EXPECT_EQ(bytes.Released(), 2u * 4096);
    FileBytes moved = std::move(bytes);
    EXPECT_EQ(moved.Size(), content.size());
    EXPECT_EQ(bytes.Size(), 0u);
}

TEST(FileBytes, LargeFileGivesBackNothingAheadOfTheReader) {
    // A file of several megabytes sits in huge pages, which are given back whole.
    QTemporaryDir dir;
    std::string content(5 << 20, 'z');
    for (std::size_t i = 0; i < content.size(); i += 4093) {
        content[i] = static_cast<char>('A' + i % 26);
    }
    FileBytes bytes;
    QString error;
    ASSERT_TRUE(bytes.Read(WriteFile(dir, "large.bin", content), 64 << 20, &error)) << error.toStdString();
    const std::size_t reader = 3 << 20;
    bytes.ReleaseBefore(reader);
    EXPECT_LE(bytes.Released(), reader);
    EXPECT_GE(bytes.Released(), reader - (2 << 20));
    EXPECT_EQ(std::string_view(bytes.Data() + reader, bytes.Size() - reader),
              std::string_view(content).substr(reader));
}

} // namespace
} // namespace vxw
