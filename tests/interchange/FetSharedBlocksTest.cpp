#include <gtest/gtest.h>

#include "interchange/FetSharedBlocks.h"

namespace lovaris::interchange::test {
namespace {

TEST(ShareBlocks, TheMostHoursTwoSpreadsCanBeTaughtTogether) {
    struct Case {
        std::vector<int> first, second;
        std::vector<int> together, restOfFirst, restOfSecond;
    };
    const std::vector<Case> cases = {
        {{1, 1, 1}, {2, 1}, {1, 2}, {}, {}},              // singles joined into the double
        {{2, 1}, {1, 1, 1}, {1, 2}, {}, {}},              // either way round
        {{1, 1, 2}, {2, 2}, {2, 2}, {}, {}},              // two singles make the second double
        {{1, 1, 1}, {3}, {3}, {}, {}},
        {{1, 1, 1, 1}, {1, 1, 1, 2}, {1, 1, 2}, {}, {1}},  // two singles beside the double
        {{1, 1, 1, 1}, {3}, {3}, {1}, {}},                 // three singles beside the triple
        {{1, 1, 2, 2}, {1, 2}, {1, 2}, {1, 2}, {}},        // equal blocks before joined ones
        {{2, 2}, {1, 3}, {}, {2, 2}, {1, 3}},             // a block is never cut
        {{2, 2}, {1, 1}, {2}, {2}, {}},
        {{1, 1}, {1, 1}, {1, 1}, {}, {}},
        {{3, 1, 1}, {2, 3}, {2, 3}, {}, {}},
        {{2, 2, 2}, {3, 3}, {}, {2, 2, 2}, {3, 3}},       // no way to join 2s into 3s
    };
    for (const Case& c : cases) {
        const SharedBlocks s = ShareBlocks(c.first, c.second);
        EXPECT_EQ(s.together, c.together) << ::testing::PrintToString(c.first) << " " << ::testing::PrintToString(c.second);
        EXPECT_EQ(s.restOfFirst, c.restOfFirst);
        EXPECT_EQ(s.restOfSecond, c.restOfSecond);
    }
}

}  // namespace
}  // namespace lovaris::interchange::test
