#include "kernel/JsonPullReader.h"
#include "kernel/MemoryTextSource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace vxw {
namespace {

struct Read {
    std::string text;
    bool escaped = false;
    std::string error;
};

Read ReadOne(const std::string& json) {
    JsonPullReader reader(json.data(), json.size());
    Read read;
    try {
        read.text = reader.ReadString();
        read.escaped = reader.LastStringEscaped();
    } catch (const JsonReadError& error) {
        read.error = error.cause + " at " + std::to_string(error.offset);
    }
    return read;
}

// Plain runs are scanned many bytes at a time; whatever ends a run must be seen at every
// position of such a block, and a string may end right at the end of the text.
TEST(JsonPullReader, StringRunsEndWhereTheirFirstSpecialByteIs) {
    for (size_t length = 0; length <= 40; ++length) {
        for (size_t at = 0; at <= length; ++at) {
            const std::string before(at, 'a'), after(length - at, 'b');
            SCOPED_TRACE("length " + std::to_string(length) + ", at " + std::to_string(at));

            Read plain = ReadOne('"' + before + after + '"');
            EXPECT_EQ(plain.text, before + after);
            EXPECT_FALSE(plain.escaped);
            EXPECT_EQ(plain.error, "");

            Read escape = ReadOne('"' + before + "\\n" + after + '"');
            EXPECT_EQ(escape.text, before + "\n" + after);
            EXPECT_TRUE(escape.escaped);

            Read latin = ReadOne('"' + before + "\xC3\xA9" + after + '"');
            EXPECT_EQ(latin.text, before + "\xE9" + after);
            EXPECT_FALSE(latin.escaped);

            EXPECT_EQ(ReadOne('"' + before + '\x01' + after + '"').error,
                      "control character in a string (write it as an escape) at " + std::to_string(at + 1));
            EXPECT_EQ(ReadOne('"' + before + after).error,
                      "unterminated string at " + std::to_string(length + 1));
        }
    }
}

TEST(JsonPullReader, EscapeFlagFollowsTheLastString) {
    const std::string json = R"(["a\"b", "c"])";
    JsonPullReader reader(json.data(), json.size());
    reader.BeginArray();
    ASSERT_TRUE(reader.NextElement());
    EXPECT_EQ(reader.ReadString(), "a\"b");
    EXPECT_TRUE(reader.LastStringEscaped());
    ASSERT_TRUE(reader.NextElement());
    EXPECT_EQ(reader.ReadString(), "c");
    EXPECT_FALSE(reader.LastStringEscaped());
}

// Short numbers are converted eight bytes at a time: every length, at every distance from the end
// of the text and before every kind of end, must read as the general reading would.
TEST(JsonPullReader, WholeNumbersOfEveryLengthAndEnding) {
    const struct {
        std::string number;
        bool read;
        int64_t value;
        size_t length; // of what is read
    } cases[] = {
        {"0", true, 0, 1},
        {"7", true, 7, 1},
        {"10", true, 10, 2},
        {"905", true, 905, 3},
        {"2540", true, 2540, 4},
        {"13813", true, 13813, 5},
        {"336798", true, 336798, 6},
        {"1650798", true, 1650798, 7},
        {"99999999", true, 99999999, 8},
        {"123456789", true, 123456789, 9},
        {"999999999999999999", true, 999999999999999999, 18},
        {"-1", true, -1, 2},
        {"-1381366", true, -1381366, 8},
        {"-0", true, 0, 2},
        // A digit after a leading zero ends the number, as in JSON; the caller then fails on it.
        {"01", true, 0, 1},
        {"-00", true, 0, 2},
        // Left to the general reading.
        {"1234567890123456789", false, 0, 0},
        {"-", false, 0, 0},
        {"1.5", false, 0, 0},
        {"0.5", false, 0, 0},
        {"2e3", false, 0, 0},
        {"12345.25", false, 0, 0},
        {"7E1", false, 0, 0},
        {"x1", false, 0, 0},
    };
    const std::string endings[] = {"", ",", "]", " ", "\n", "}", "x", "/", ":", "\x80"};
    for (const auto& c : cases) {
        for (const std::string& ending : endings) {
            for (size_t padding = 0; padding <= 9; ++padding) {
                const std::string text = c.number + ending + std::string(padding, ' ');
                SCOPED_TRACE("\"" + text + "\"");
                JsonPullReader reader(text.data(), text.size());
                int64_t value = -42;
                ASSERT_EQ(reader.ReadWhole(value), c.read);
                EXPECT_EQ(reader.Position(), c.length);
                if (c.read) {
                    EXPECT_EQ(value, c.value);
                }
            }
        }
    }
}

// What a window asks its source for shows how much it holds: no more than its capacity while
// it reads element after element, the length of a long string while it reads that string, and
// its capacity again after it.
TEST(JsonPullReader, WindowStaysItsSizeAndGrowsOnlyForALongToken) {
    struct Recorder final : TextSource {
        explicit Recorder(std::string_view text) : text(text, 5) {}
        size_t Read(char* into, size_t max) override {
            largest = std::max(largest, max);
            return text.Read(into, max);
        }
        size_t Remaining() const override { return text.Remaining(); }
        TextPosition PositionOf(size_t offset) override { return text.PositionOf(offset); }
        MemoryTextSource text;
        size_t largest = 0;
    };
    auto objects = [](int count) {
        std::string list;
        for (int i = 0; i < count; ++i) {
            list += ", {\"a\": 123456}";
        }
        return list;
    };
    const std::string json =
        "[0" + objects(2000) + ", \"" + std::string(1000, 'x') + "\"" + objects(200) + "]";
    Recorder source(json);
    JsonPullReader reader(source, {128, 40});
    int64_t value = 0;
    auto readObjects = [&](int count) {
        std::string_view key;
        for (int i = 0; i < count; ++i) {
            ASSERT_TRUE(reader.NextElement());
            reader.BeginObject();
            ASSERT_TRUE(reader.NextKey(key));
            EXPECT_EQ(key, "a");
            ASSERT_TRUE(reader.ReadWhole(value));
            EXPECT_EQ(value, 123456);
            EXPECT_FALSE(reader.NextKey(key));
        }
    };
    reader.BeginArray();
    ASSERT_TRUE(reader.NextElement());
    ASSERT_TRUE(reader.ReadWhole(value));
    readObjects(2000);
    EXPECT_LE(source.largest, 128u);
    ASSERT_TRUE(reader.NextElement());
    EXPECT_EQ(reader.ReadString(), std::string(1000, 'x'));
    EXPECT_GE(source.largest, 500u);
    source.largest = 0;
    readObjects(200);
    EXPECT_FALSE(reader.NextElement());
    reader.ExpectEnd();
    EXPECT_LE(source.largest, 128u);
    EXPECT_EQ(reader.Position(), json.size());
}

} // namespace
} // namespace vxw
