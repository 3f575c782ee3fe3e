#include "listgen/IdIndex.h"

#include <gtest/gtest.h>

#include <limits>

namespace vxw {
namespace {

TEST(IdIndexTest, CloseIdsGetADenseTableScatteredOnesAHashTable) {
    IdIndex close;
    close.Build({{500, 0}, {502, 1}, {501, 2}});
    EXPECT_TRUE(close.IsDense());
    EXPECT_EQ(close.Find(500), 0);
    EXPECT_EQ(close.Find(501), 2);
    EXPECT_EQ(close.Find(502), 1);
    for (const int32_t absent : {0, 499, 503, -500, std::numeric_limits<int32_t>::min()}) {
        EXPECT_EQ(close.Find(absent), -1) << absent;
    }

    // Ids at both ends of the range must not make it allocate the range.
    constexpr int32_t low = std::numeric_limits<int32_t>::min();
    constexpr int32_t high = std::numeric_limits<int32_t>::max();
    IdIndex scattered;
    scattered.Build({{low, 0}, {7, 1}, {high, 2}, {7, 3}});
    EXPECT_FALSE(scattered.IsDense());
    EXPECT_EQ(scattered.Find(low), 0);
    EXPECT_EQ(scattered.Find(7), 3); // the last position given for an id counts
    EXPECT_EQ(scattered.Find(high), 2);
    EXPECT_EQ(scattered.Find(8), -1);

    // Building again forgets what was there.
    scattered.Build({});
    EXPECT_EQ(scattered.Find(7), -1);
    close.Build({{high, 5}});
    EXPECT_EQ(close.Find(high), 5);
    EXPECT_EQ(close.Find(500), -1);
}

} // namespace
} // namespace vxw
