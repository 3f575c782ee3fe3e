// The mutable name table answers, after any mix of insertions and removals, exactly what a plain
// ordered map of the same history answers: which positions each name holds, in order.

#include "kernel/NameTable.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace vxw {
namespace {

std::vector<int32_t> Positions(const NameTable& table, const std::string& name) {
    std::vector<int32_t> found;
    if (const NamePositions positions = table.Find(name); !positions.Empty()) {
        for (int32_t p = positions.FirstFrom(0); p >= 0; p = positions.FirstFrom(p + 1)) {
            found.push_back(p);
        }
    }
    return found;
}

TEST(NameTable, MatchesAnOrderedMapThroughInsertionsAndRemovals) {
    // Few distinct names and a small start make long probe runs, duplicates, growth and the
    // closing of gaps after a removal all happen many times.
    std::vector<std::string> names{
        "", "U1", "u1", "ABCDEFGH", "ABCDEFGHI", "ABCDEFGHJ", std::string(40, 'x')};
    for (int i = 0; i < 300; ++i) {
        names.push_back((i % 3 ? "NET_LONGER_NAME_" : "C") + std::to_string(i));
    }
    std::map<std::string, std::set<int32_t>> expected;
    NameTable table;
    std::mt19937 random(7);
    for (int step = 0; step < 40000; ++step) {
        const std::string& name = names[random() % names.size()];
        const auto position = static_cast<int32_t>(random() % 50);
        if (random() % 3 == 0) {
            table.Erase(name, position);
            expected[name].erase(position);
        } else if (!expected[name].count(position)) {
            table.Insert(name, position);
            expected[name].insert(position);
        }
        if (step % 997 == 0 || step == 39999) {
            for (const std::string& each : names) {
                const std::set<int32_t>& want = expected[each];
                ASSERT_EQ(Positions(table, each), std::vector<int32_t>(want.begin(), want.end()))
                    << "name \"" << each << "\" at step " << step;
            }
        }
    }
    EXPECT_TRUE(table.Find("not there").Empty());
}

} // namespace
} // namespace vxw
