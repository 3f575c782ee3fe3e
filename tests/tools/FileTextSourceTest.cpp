// A file's text in pieces: refused over the cap before anything is read, a byte order mark left
// out, no more read than the file told when it was opened, and places found by reading again.

#include "kernel/FileTextSource.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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

std::string ReadAll(FileTextSource& source, size_t piece) {
    std::string text, buffer(piece, '\0');
    while (const size_t got = source.Read(buffer.data(), piece)) {
        text.append(buffer.data(), got);
    }
    return text;
}

TEST(FileTextSource, GivesWhatTheFileHoldsAfterAnyByteOrderMark) {
    QTemporaryDir dir;
    const std::string text = "{\n  \"a\": 1\n}";
    const struct {
        std::string bytes;
        int64_t cap;
        std::string text; // empty with error: refused
        std::string error;
    } cases[] = {
        {"", 10, "", ""},
        {text, 12, text, ""},
        {"\xEF\xBB\xBF" + text, 15, text, ""},
        {"\xEF\xBB", 10, "\xEF\xBB", ""},
        {text + "X", 12, "", ": the file is larger than 12 bytes"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes);
        const QString path = WriteFile(dir, "f.vxd", c.bytes);
        FileTextSource source;
        QString error;
        ASSERT_EQ(source.Open(path, c.cap, &error), c.error.empty()) << error.toStdString();
        if (!c.error.empty()) {
            EXPECT_EQ(error.toStdString(), path.toStdString() + c.error);
            continue;
        }
        EXPECT_EQ(source.Remaining(), c.text.size());
        EXPECT_EQ(ReadAll(source, 3), c.text);
        EXPECT_EQ(source.Remaining(), 0u);
        if (c.text == text) {
            const TextPosition place = source.PositionOf(text.find('1')); // after the mark, if any
            EXPECT_EQ(place.line, 2);
            EXPECT_EQ(place.column, 8);
        }
    }
    FileTextSource missing;
    QString error;
    EXPECT_FALSE(missing.Open(dir.filePath(QStringLiteral("none")), 10, &error));
    EXPECT_TRUE(error.contains(QStringLiteral(": cannot open the file: ")));
}

TEST(FileTextSource, ReadsNoMoreThanTheFileToldWhenOpened) {
    QTemporaryDir dir;
    const QString path = WriteFile(dir, "g.vxd", "0123456789");
    FileTextSource source;
    QString error;
    ASSERT_TRUE(source.Open(path, 10, &error));
    QFile grow(path);
    ASSERT_TRUE(grow.open(QIODevice::Append));
    grow.write("ABCDEF");
    grow.close();
    EXPECT_EQ(ReadAll(source, 4), "0123456789");
}

TEST(FileTextSource, FileOfUnknownSizeIsReadWholeAndCapped) {
    // Files of the process folder report no size yet have text.
    FileTextSource source;
    QString error;
    ASSERT_TRUE(source.Open(QStringLiteral("/proc/self/status"), 1 << 20, &error)) << error.toStdString();
    const std::string text = ReadAll(source, 100);
    EXPECT_NE(text.find("Name:"), std::string::npos);
    EXPECT_EQ(source.PositionOf(text.find('\n') + 1).line, 2);
    FileTextSource small;
    EXPECT_FALSE(small.Open(QStringLiteral("/proc/self/status"), 16, &error));
    EXPECT_TRUE(error.endsWith(QStringLiteral(": the file is larger than 16 bytes"))) << error.toStdString();
}

} // namespace
} // namespace vxw
