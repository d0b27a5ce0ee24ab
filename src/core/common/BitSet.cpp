#include "BitSet.h"

#include <cstring>

namespace lovaris {

bool Disjoint(const void* a, const void* b, std::size_t byteCount) {
    const auto* pa = static_cast<const std::uint8_t*>(a);
    const auto* pb = static_cast<const std::uint8_t*>(b);
    std::size_t i = 0;
    for (; i + 8 <= byteCount; i += 8) {
        std::uint64_t wa, wb;
        std::memcpy(&wa, pa + i, 8);
        std::memcpy(&wb, pb + i, 8);
        if (wa & wb) return false;
    }
    for (; i < byteCount; ++i)
        if (pa[i] & pb[i]) return false;
    return true;
}

bool SubtractWithinLimits(std::span<std::int8_t> vec, std::span<const std::int8_t> sub, std::size_t n) {
    std::int8_t* result = vec.data() + 2 * n;
    const std::int8_t* a = vec.data();
    const std::int8_t* limit = vec.data() + 3 * n;
    for (std::size_t i = 0; i < n; ++i) {
        result[i] = static_cast<std::int8_t>(a[i] - sub[i]);
        if (result[i] > limit[i]) return false;
    }
    return true;
}

}  // namespace lovaris
