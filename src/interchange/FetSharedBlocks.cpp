#include "FetSharedBlocks.h"

#include <algorithm>
#include <numeric>
#include <optional>
#include <set>

namespace lovaris::interchange {
namespace {

// Spreads of more blocks share only blocks of the same length (the choices grow fast).
constexpr std::size_t kMaxBlocksTried = 12;

// The blocks of `fine` left over when some of them, each used once, fill the blocks of
// `coarse` exactly; none when they cannot.
std::optional<std::vector<int>> FillFrom(std::vector<int> fine, const std::vector<int>& coarse) {
    std::sort(fine.rbegin(), fine.rend());
    std::vector<int> room(coarse.rbegin(), coarse.rend());
    std::vector<bool> used(fine.size(), false);
    int left = std::accumulate(room.begin(), room.end(), 0);
    const auto fill = [&](auto&& self, std::size_t next) -> bool {
        if (left == 0) return true;
        if (next == fine.size()) return false;
        for (std::size_t b = 0; b < room.size(); ++b) {
            if (room[b] < fine[next]) continue;
            // Blocks with the same room left are alike: trying one of them is enough.
            if (std::find(room.begin(), room.begin() + static_cast<std::ptrdiff_t>(b), room[b]) !=
                room.begin() + static_cast<std::ptrdiff_t>(b))
                continue;
            room[b] -= fine[next];
            left -= fine[next];
            used[next] = true;
            if (self(self, next + 1)) return true;
            used[next] = false;
            left += fine[next];
            room[b] += fine[next];
        }
        return self(self, next + 1);  // this block stays out
    };
    if (!fill(fill, 0)) return std::nullopt;
    std::vector<int> rest;
    for (std::size_t i = 0; i < fine.size(); ++i)
        if (!used[i]) rest.push_back(fine[i]);
    std::sort(rest.begin(), rest.end());
    return rest;
}

int Sum(const std::vector<int>& v) { return std::accumulate(v.begin(), v.end(), 0); }

}  // namespace

int SharedBlocks::hours() const { return Sum(together); }

SharedBlocks ShareBlocks(std::vector<int> first, std::vector<int> second, bool joinBlocks) {
    std::sort(first.begin(), first.end());
    std::sort(second.begin(), second.end());
    SharedBlocks best;  // blocks of the same length first
    std::set_intersection(first.begin(), first.end(), second.begin(), second.end(), std::back_inserter(best.together));
    std::set_difference(first.begin(), first.end(), best.together.begin(), best.together.end(),
                        std::back_inserter(best.restOfFirst));
    std::set_difference(second.begin(), second.end(), best.together.begin(), best.together.end(),
                        std::back_inserter(best.restOfSecond));
    // Blocks of one spread taught together, the other's blocks filling them: each
    // choice of the longer blocks, from the most hours down.
    const auto tryInto = [&](const std::vector<int>& coarse, const std::vector<int>& fine, bool coarseIsFirst) {
        if (coarse.size() > kMaxBlocksTried) return;
        std::set<std::vector<int>> seen;
        for (unsigned mask = 1; mask < (1u << coarse.size()); ++mask) {
            std::vector<int> together, rest;
            for (std::size_t i = 0; i < coarse.size(); ++i) (mask >> i & 1 ? together : rest).push_back(coarse[i]);
            const int hours = Sum(together);
            if (hours < best.hours() || (hours == best.hours() && together.size() <= best.together.size()) ||
                !seen.insert(together).second)
                continue;
            const auto left = FillFrom(fine, together);
            if (!left) continue;
            best = coarseIsFirst ? SharedBlocks{together, rest, *left} : SharedBlocks{together, *left, rest};
        }
    };
    if (!joinBlocks) return best;
    tryInto(first, second, true);
    tryInto(second, first, false);
    return best;
}

}  // namespace lovaris::interchange
