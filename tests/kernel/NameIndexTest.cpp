// The name index answers the first position of a name, whatever its length, and nothing for a
// name it does not hold, also once it has grown far beyond its first size.

#include "kernel/NameIndex.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vxw {
namespace {

struct Named {
    std::string name;
};

TEST(NameIndex, FirstPositionOfEveryNameAndNothingElse) {
    const std::vector<Named> objects{{"U1"},       {""},          {"ABCDEFGH"}, {"ABCDEFGHI"},
                                     {"U1"},       {"ABCDEFGHI"}, {"u1"},       {std::string(300, 'x')},
                                     {"U1\x80 x"}, {"ABCDEFGX"}};
    const NameIndex index = NameIndex::Of(objects);
    const struct {
        std::string name;
        int32_t position;
    } cases[] = {
        {"U1", 1},
        {"", 2},
        {"ABCDEFGH", 3},
        {"ABCDEFGHI", 4},
        {"u1", 7},
        {std::string(300, 'x'), 8},
        {"U1\x80 x", 9},
        {"ABCDEFGX", 10},
        {"U", 0},
        {"U1 ", 0},
        {"ABCDEFGHJ", 0},
        {"ABCDEFG", 0},
        {std::string(301, 'x'), 0},
        {std::string(299, 'x') + "y", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(index.Find(c.name), c.position) << c.name;
    }
    EXPECT_EQ(NameIndex().Find("U1"), 0);
}

TEST(NameIndex, GrowsWithoutLosingNames) {
    std::vector<std::string> names;
    for (int i = 0; i < 20000; ++i) {
        names.push_back((i % 2 ? "NET_LONGER_NAME_" : "N") + std::to_string(i));
    }
    NameIndex index;
    for (size_t i = 0; i < names.size(); ++i) {
        index.Insert(names[i], static_cast<int32_t>(i + 1));
    }
    for (size_t i = 0; i < names.size(); ++i) {
        ASSERT_EQ(index.Find(names[i]), static_cast<int32_t>(i + 1)) << names[i];
    }
    EXPECT_EQ(index.Find("N20000"), 0);
}

} // namespace
} // namespace vxw
