#include "FetSharedBlocks.h"

#include <algorithm>
#include <numeric>

namespace lovaris::interchange {
namespace {

// Whether the blocks of `fine` can be put together, each used once, into the blocks of
// `coarse` (the longest first, so a dead end shows early).
bool JoinsInto(std::vector<int> fine, std::vector<int> coarse) {
    std::sort(fine.rbegin(), fine.rend());
    std::vector<int> room(coarse.rbegin(), coarse.rend());
    const auto fill = [&](auto&& self, std::size_t next) -> bool {
        if (next == fine.size()) return std::all_of(room.begin(), room.end(), [](int r) { return r == 0; });
        for (std::size_t b = 0; b < room.size(); ++b) {
            if (room[b] < fine[next]) continue;
            // Blocks with the same room left are alike: trying one of them is enough.
            if (std::find(room.begin(), room.begin() + static_cast<std::ptrdiff_t>(b), room[b]) !=
                room.begin() + static_cast<std::ptrdiff_t>(b))
                continue;
            room[b] -= fine[next];
            if (self(self, next + 1)) return true;
            room[b] += fine[next];
        }
        return false;
    };
    return fill(fill, 0);
}

int Sum(const std::vector<int>& v) { return std::accumulate(v.begin(), v.end(), 0); }

}  // namespace

int SharedBlocks::hours() const { return Sum(together); }

SharedBlocks ShareBlocks(std::vector<int> first, std::vector<int> second) {
    std::sort(first.begin(), first.end());
    std::sort(second.begin(), second.end());
    if (Sum(first) == Sum(second) && first.size() != second.size()) {
        if (first.size() > second.size() ? JoinsInto(first, second) : JoinsInto(second, first))
            return {first.size() > second.size() ? second : first, {}, {}};
    }
    SharedBlocks shared;
    std::set_intersection(first.begin(), first.end(), second.begin(), second.end(),
                          std::back_inserter(shared.together));
    std::set_difference(first.begin(), first.end(), shared.together.begin(), shared.together.end(),
                        std::back_inserter(shared.restOfFirst));
    std::set_difference(second.begin(), second.end(), shared.together.begin(), shared.together.end(),
                        std::back_inserter(shared.restOfSecond));
    return shared;
}

}  // namespace lovaris::interchange
