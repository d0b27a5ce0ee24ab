#include "THourElementRecord.h"

#include <algorithm>
#include <cmath>

namespace lovaris {

int THourElementRecord::listed(const std::array<std::int16_t, kMaxParts>& parts) {
    int n = 0;
    while (n < kMaxParts && parts[static_cast<std::size_t>(n)] != 0) ++n;
    return n;
}

void THourElementRecord::SetEvenSubRows(int n) {
    n = std::clamp(n, 1, kMaxParts);
    const auto share = static_cast<std::int16_t>(std::lround(100.0 / n));
    subRowHeights.fill(0);
    for (int i = 0; i < n; ++i) subRowHeights[static_cast<std::size_t>(i)] = share;
}

void THourElementRecord::SetSubColumns(std::initializer_list<std::int16_t> widths) {
    subColumnWidths.fill(0);
    std::size_t i = 0;
    for (std::int16_t w : widths)
        if (i < subColumnWidths.size()) subColumnWidths[i++] = w;
}

}  // namespace lovaris
