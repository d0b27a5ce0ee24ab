#include "SubCellLayout.h"

#include <cmath>

namespace lovaris {

std::vector<PixelSpan> SplitCellSpan(int first, int last, const std::array<std::int16_t, 5>& percentages) {
    std::vector<PixelSpan> spans;
    const int extent = last - first + 1;
    int start = first;
    for (std::int16_t share : percentages) {
        if (share == 0) break;
        const int end = start + static_cast<int>(std::lround(extent * share / 100.0)) - 2;
        spans.push_back({start, end});
        start = end + 2;  // the separator stands at end + 1
    }
    if (!spans.empty()) spans.back().last = last;
    return spans;
}

}  // namespace lovaris
