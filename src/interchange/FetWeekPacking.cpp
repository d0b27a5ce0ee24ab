#include "FetWeekPacking.h"

#include <algorithm>
#include <functional>
#include <set>
#include <utility>

namespace lovaris::interchange {
namespace {

// Once a lesson's blocks are laid, a day is only the hours it has left: the state is
// the next lesson and those hours, sorted.
class Packing {
public:
    Packing(std::vector<std::vector<int>> spreads, int& budget) : spreads_(std::move(spreads)), budget_(budget) {
        for (auto& s : spreads_) std::ranges::sort(s, std::greater<>());
        // The longest blocks first: they leave the fewest choices.
        std::ranges::sort(spreads_, [](const auto& a, const auto& b) { return a.front() > b.front(); });
    }

    std::optional<bool> fits(std::vector<int> left) {
        const bool found = lay(0, std::move(left));
        if (budget_ < 0) {
            budget_ = 0;
            return std::nullopt;
        }
        return found;
    }

private:
    bool lay(std::size_t lesson, std::vector<int> left) {
        if (lesson == spreads_.size()) return true;
        if (--budget_ < 0) return false;
        std::ranges::sort(left);
        if (!failed_.insert({lesson, left}).second) return false;
        std::vector<bool> used(left.size(), false);
        return place(lesson, 0, left, used);
    }

    // Block `block` of the lesson on each day not yet taken by it, a day of each
    // number of hours left once.
    bool place(std::size_t lesson, std::size_t block, std::vector<int>& left, std::vector<bool>& used) {
        const std::vector<int>& spread = spreads_[lesson];
        if (block == spread.size()) return lay(lesson + 1, left);
        std::set<int> tried;
        for (std::size_t d = 0; d < left.size() && budget_ >= 0; ++d) {
            if (used[d] || left[d] < spread[block] || !tried.insert(left[d]).second) continue;
            used[d] = true;
            left[d] -= spread[block];
            const bool found = place(lesson, block + 1, left, used);
            left[d] += spread[block];
            used[d] = false;
            if (found) return true;
        }
        return false;
    }

    std::vector<std::vector<int>> spreads_;
    int& budget_;
    std::set<std::pair<std::size_t, std::vector<int>>> failed_;
};

}  // namespace

std::optional<bool> BlocksFitDays(const std::vector<std::vector<int>>& spreads, const std::vector<int>& dayHours,
                                  int& budget) {
    std::vector<std::vector<int>> lessons;
    for (const auto& s : spreads) {
        if (s.size() > dayHours.size()) return false;
        if (!s.empty()) lessons.push_back(s);
    }
    return Packing(std::move(lessons), budget).fits(dayHours);
}

}  // namespace lovaris::interchange
