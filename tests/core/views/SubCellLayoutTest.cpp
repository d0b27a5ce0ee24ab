#include <gtest/gtest.h>

#include "core/views/SubCellLayout.h"

namespace lovaris {
namespace {

using Parts = std::array<std::int16_t, 5>;

struct SplitCase {
    const char* name;
    int first, last;
    Parts parts;
    std::vector<PixelSpan> spans;
};

class SplitCellSpanCases : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitCellSpanCases, PartsLeaveRoomForTheirSeparators) {
    const SplitCase& c = GetParam();
    EXPECT_EQ(SplitCellSpan(c.first, c.last, c.parts), c.spans);
}

INSTANTIATE_TEST_SUITE_P(SubCellLayout, SplitCellSpanCases, ::testing::Values(
    // 100 pixels at 60/40: 0..58, separator 59, 60..99.
    SplitCase{"two", 0, 99, Parts{60, 40, 0, 0, 0}, {{0, 58}, {60, 99}}},
    SplitCase{"whole", 10, 41, Parts{100, 0, 0, 0, 0}, {{10, 41}}},
    // 77 pixels at 33/40/27: rounding leaves the last to reach the edge.
    SplitCase{"three", 0, 76, Parts{33, 40, 27, 0, 0}, {{0, 23}, {25, 54}, {56, 76}}},
    SplitCase{"none", 0, 99, Parts{0, 50, 0, 0, 0}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lovaris
