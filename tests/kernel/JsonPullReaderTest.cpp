#include "kernel/JsonPullReader.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace vxw
