#pragma once
// Where the sub-cells of a timetable cell stand, in pixels. Each listed part takes
// its percentage of the cell, less 2 pixels for the separator line and the gap
// after it; the last part always reaches the cell's far edge, so rounding never
// leaves a strip undrawn.
#include <array>
#include <cstdint>
#include <vector>

namespace lovaris {

struct PixelSpan {
    int first = 0;
    int last = 0;  // inclusive
    bool operator==(const PixelSpan&) const = default;
};

// The spans of the listed parts (up to the first 0) across first..last.
std::vector<PixelSpan> SplitCellSpan(int first, int last, const std::array<std::int16_t, 5>& percentages);

}  // namespace lovaris
