#include <gtest/gtest.h>

#include <optional>

#include "interchange/FetSharedBlocks.h"
#include "interchange/FetWeekPacking.h"

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

TEST(BlocksFitDays, EachLessonsBlocksOnDifferentDaysWithinEachDaysHours) {
    using Spreads = std::vector<std::vector<int>>;
    struct Case {
        const char* what;
        Spreads spreads;
        std::vector<int> days;
        std::optional<bool> fits;
    };
    const Spreads fullWeek = {{5}, {4}, {4}, {3}, {1, 1}, {1, 1}, {1, 1, 1}, {1, 1}};
    Spreads doubled = fullWeek;
    doubled[6] = {1, 2};
    const std::vector<Case> cases = {
        {"the fifth day needs five singles of four lessons", fullWeek, {5, 5, 5, 5, 5}, false},
        {"two singles of one lesson as a double", doubled, {5, 5, 5, 5, 5}, true},
        {"a day shorter than the longest block", {{5}, {1, 1}}, {4, 4, 4}, false},
        {"more blocks than days", {{1, 1, 1, 1}}, {5, 5, 5}, false},
        {"days of other lengths", {{3}, {2, 1}, {1, 1}}, {4, 2, 2}, true},
        {"a week that is not full", {{2, 2}, {1}}, {6, 6, 6}, true},
        {"not settled within the tries", fullWeek, {5, 5, 5, 5, 5}, std::nullopt},
    };
    for (const Case& c : cases) {
        int budget = c.fits ? 100000 : 3;
        EXPECT_EQ(BlocksFitDays(c.spreads, c.days, budget), c.fits) << c.what;
        EXPECT_EQ(budget > 0, c.fits.has_value()) << c.what << ": the tries taken";
    }
}

}  // namespace
}  // namespace lovaris::interchange::test
