// Library files: the binary form keeps every field, the header holds the values the component
// reads at fixed offsets, and a damaged file gives what came before the damage, never more.

#include "kernel/LibraryFile.h"
#include "kernel/KernelRecords.h"
#include "tests/tools/DataText.h"

#include <QTemporaryDir>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <limits>

namespace vxw {
namespace {

using test::Describe;
using ::testing::HasSubstr;

LibraryEntry Entry(const std::string& name, int32_t value, SymbolData symbol = {}) {
    LibraryEntry entry;
    entry.name = name;
    entry.value = value;
    entry.attributes = name + " attributes\x80token 2";
    entry.second = "second " + name;
    symbol.name = entry.name; // the reader repeats the entry's name and attributes here
    symbol.attributes = entry.attributes;
    entry.symbol = std::move(symbol);
    return entry;
}

LibraryContents Packages() {
    const ItemData full{ItemArc, 7, 0x20, 40, -5, 6, 7, 8, -9, 10, 12.5, 11, 12, 33.25, -270.125, "t\xE9xt"};
    const PadStackData pad{
        "P60", 2, 800, {full, {ItemCircle, ItemCounted, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, ""}}};
    LibraryContents contents;
    contents.kind = LibraryKind::Package;
    contents.entries = {
        Entry("DIP14", 3, {"", SymbolPackage, "", {{"1", "P60", 0, 0}, {"2", "", 1, -1}}, {full}, {pad}}),
        Entry("", -1), Entry("\xFF\x80\x7F", 0, {"", 99, "", {}, {}, {pad, pad}})};
    return contents;
}

std::string Bytes(const LibraryContents& contents) {
    std::string bytes;
    EXPECT_EQ(WriteLibraryBytes(contents, bytes), "");
    return bytes;
}

int32_t Int32At(const std::string& bytes, size_t offset) {
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i) {
        value |= static_cast<uint32_t>(static_cast<unsigned char>(bytes[offset + i])) << (8 * i);
    }
    return static_cast<int32_t>(value);
}

void PutInt32(std::string& bytes, size_t offset, uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes[offset + i] = static_cast<char>(value >> (8 * i));
    }
}

TEST(LibraryFile, HeaderHoldsKindAndCountAtTheirOffsets) {
    for (const LibraryKind kind : {LibraryKind::Part, LibraryKind::Symbol, LibraryKind::Padstack}) {
        LibraryContents contents = Packages();
        contents.kind = kind;
        const std::string bytes = Bytes(contents);
        EXPECT_EQ(bytes.substr(0, 4), "VXLB");
        EXPECT_EQ(Int32At(bytes, LibraryHeaderValueOffset), static_cast<int32_t>(kind));
        EXPECT_EQ(Int32At(bytes, LibraryCountOffset), 3);
        EXPECT_LE(3, MaxLibraryEntries(static_cast<int64_t>(bytes.size())));
        const LibraryReadResult result = ReadLibraryBytes(bytes);
        EXPECT_EQ(result.contents.kind, kind);
        EXPECT_EQ(result.header.count, 3);
    }
    LibraryContents empty;
    const std::string bytes = Bytes(empty);
    EXPECT_EQ(bytes.size(), static_cast<size_t>(LibraryHeaderSize));
    EXPECT_TRUE(ReadLibraryBytes(bytes).complete);
}

TEST(LibraryFile, MaxEntriesFollowsTheSmallestRecord) {
    EXPECT_EQ(MaxLibraryEntries(-5), 0);
    EXPECT_EQ(MaxLibraryEntries(0), 0);
    EXPECT_EQ(MaxLibraryEntries(LibraryHeaderSize + LibraryMinEntrySize - 1), 0);
    EXPECT_EQ(MaxLibraryEntries(LibraryHeaderSize + LibraryMinEntrySize), 1);
    // The smallest entry there is fills exactly the minimum.
    LibraryContents contents;
    contents.entries.resize(2);
    EXPECT_EQ(Bytes(contents).size(), static_cast<size_t>(LibraryHeaderSize + 2 * LibraryMinEntrySize));
}

TEST(LibraryFile, EveryCutGivesTheWholeEntriesBeforeIt) {
    const LibraryContents contents = Packages();
    const std::string bytes = Bytes(contents);
    std::vector<size_t> entryEnds;
    for (size_t pos = LibraryHeaderSize; pos < bytes.size();
         pos += static_cast<uint32_t>(Int32At(bytes, pos))) {
        entryEnds.push_back(pos + static_cast<uint32_t>(Int32At(bytes, pos)));
    }
    for (size_t cut = 0; cut < bytes.size(); ++cut) {
        SCOPED_TRACE(cut);
        const LibraryReadResult result = ReadLibraryBytes(bytes.substr(0, cut));
        EXPECT_FALSE(result.complete);
        EXPECT_FALSE(result.error.empty());
        const auto whole = static_cast<size_t>(
            std::count_if(entryEnds.begin(), entryEnds.end(), [&](size_t end) { return end <= cut; }));
        ASSERT_EQ(result.contents.entries.size(), whole);
        for (size_t i = 0; i < whole; ++i) {
            EXPECT_EQ(result.contents.entries[i].name, contents.entries[i].name);
        }
    }
}

TEST(LibraryFile, EveryCorruptByteIsSurvived) {
    const std::string bytes = Bytes(Packages());
    for (size_t pos = 0; pos < bytes.size(); ++pos) {
        for (const char value : {'\0', '\x7F', '\xFF'}) {
            std::string damaged = bytes;
            damaged[pos] = value;
            const LibraryReadResult result = ReadLibraryBytes(damaged);
            EXPECT_LE(result.contents.entries.size(), 3u);
        }
    }
}

TEST(LibraryFile, ForeignFilesAndLyingNumbersAreRefused) {
    const std::string bytes = Bytes(Packages());
    EXPECT_THAT(ReadLibraryBytes(bytes.substr(0, 31)).error, HasSubstr("too short for a library header"));
    EXPECT_FALSE(ReadLibraryBytes("X" + bytes.substr(1)).header.headerRead);

    // The padstack count of the first entry: after the size, three texts, value and kind.
    const LibraryEntry first = Packages().entries[0];
    const size_t padStackCount = LibraryHeaderSize + 4 + (4 + first.name.size()) + (4 + first.second.size()) +
                                 (4 + first.attributes.size()) + 8;
    ASSERT_EQ(Int32At(bytes, padStackCount), 1);
    const size_t second = LibraryHeaderSize + static_cast<size_t>(Int32At(bytes, LibraryHeaderSize));
    const struct {
        size_t offset;
        uint32_t value;
        size_t entries; // read before the lie was met
        std::string error;
    } cases[] = {
        {LibraryVersionOffset, 2, 0, "format version 2 is not supported (this program reads 1)"},
        {LibraryHeaderValueOffset, 5, 0, "unknown library kind 5 at offset 12"},
        {LibraryCountOffset, 2147483647, 3,
         "entry 4: the file ends after 3 of 2147483647 entries (offset " + std::to_string(bytes.size()) +
             ")"},
        {LibraryCountOffset, 0xFFFFFFFFu, 0, "negative entry count -1 at offset 16"},
        {LibraryCountOffset, 1, 1,
         std::to_string(bytes.size() - second) + " bytes after the last entry (offset " +
             std::to_string(second) + ")"},
        // The name length of the first entry, just after its record size.
        {LibraryHeaderSize + 4, 0xFFFFFFF0u, 0,
         "entry 1: a text length of 4294967280 runs past the end of the record (offset 36)"},
        {LibraryHeaderSize, 0x7FFFFFFFu, 0,
         "entry 1: a record size of 2147483647 that does not fit the file (offset 32)"},
        {padStackCount, 0x40000000u, 0,
         "entry 1: a count of 1073741824 padstacks that the record cannot hold (offset " +
             std::to_string(padStackCount) + ")"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.error);
        std::string damaged = bytes;
        PutInt32(damaged, c.offset, c.value);
        const LibraryReadResult result = ReadLibraryBytes(damaged);
        EXPECT_FALSE(result.complete);
        EXPECT_EQ(result.contents.entries.size(), c.entries);
        EXPECT_EQ(result.error, c.error);
        // A lying count reserves no more than the file could hold.
        EXPECT_LE(result.contents.entries.capacity(), static_cast<size_t>(MaxLibraryEntries(damaged.size())));
    }
}

TEST(LibraryFile, EntriesNameOnlyTheItemsOwnPadstacks) {
    std::string bytes = Bytes(Packages());
    const size_t name = bytes.find("P60"); // the padstack's own name comes before the entries
    bytes[name + 2] = '1';
    const LibraryReadResult result = ReadLibraryBytes(bytes);
    EXPECT_TRUE(result.contents.entries.empty());
    EXPECT_THAT(result.error,
                HasSubstr("entry 1: an entry names padstack \"P60\", which the item does not hold"));
}

TEST(LibraryFile, WriterRefusesWhatCannotBeReadBack) {
    LibraryContents contents = Packages();
    contents.entries[0].name = std::string("a\0b", 3);
    std::string bytes;
    EXPECT_EQ(WriteLibraryBytes(contents, bytes),
              std::string("entry 1 \"a\0b\": a text with a NUL byte", 37));
    EXPECT_TRUE(bytes.empty());
    contents = Packages();
    contents.entries[2].symbol.padStacks[0].items[0].endAngle = std::numeric_limits<double>::infinity();
    EXPECT_THAT(WriteLibraryBytes(contents, bytes), HasSubstr("not a finite number"));
    contents = Packages();
    contents.entries[0].symbol.entries[1].padStack = "P61";
    EXPECT_EQ(WriteLibraryBytes(contents, bytes),
              "entry 1 \"DIP14\": an entry names padstack \"P61\", which the item does not hold");
    contents.kind = static_cast<LibraryKind>(0);
    EXPECT_EQ(WriteLibraryBytes(contents, bytes), "unknown library kind 0");
}

TEST(LibraryFile, RoundTripThroughAFileKeepsEveryField) {
    QTemporaryDir dir;
    const std::string path = dir.filePath(QString::fromLatin1("p\xE4"
                                                              "ck.PACKAGE"))
                                 .toLatin1()
                                 .toStdString();
    ASSERT_EQ(WriteLibraryFile(Packages(), path), "");
    const LibraryReadResult result = ReadLibraryFile(path);
    EXPECT_TRUE(result.complete) << result.error;
    EXPECT_EQ(Describe(result.contents), Describe(Packages()));
    EXPECT_THAT(ReadLibraryFile(path + ".missing").error, HasSubstr("cannot open the file"));
}

} // namespace
} // namespace vxw
