#include "BlockArrangement.h"

#include <algorithm>
#include <bit>

namespace lovaris {
namespace {

int HoursOf(const CompletionUnit& unit) { return unit.hours * static_cast<int>(unit.klassLessons.size()); }

// Weights of the required units: more than all the others' hours together.
constexpr int kRequiredWeight = 1000;

}  // namespace

BlockArrangement::BlockArrangement(CompletionGrid& grid, int day, std::vector<const CompletionUnit*> units,
                                   int required)
    : grid_(grid), day_(day), units_(std::move(units)), required_(required) {
    for (std::size_t u = 0; u < units_.size(); ++u) {
        const CompletionUnit* unit = units_[u];
        totalHours_ += Weight(u);
        teachers_.insert(teachers_.end(), unit->teachers.begin(), unit->teachers.end());
    }
    std::sort(teachers_.begin(), teachers_.end());
    teachers_.erase(std::unique(teachers_.begin(), teachers_.end()), teachers_.end());
    placed_.assign(units_.size(), std::nullopt);
}

std::vector<std::optional<UnitPlacement>> BlockArrangement::Search(int nodeLimit, std::optional<int> enoughWindows) {
    nodeLimit_ = nodeLimit;
    enoughWindows_ = enoughWindows.value_or(Windows());
    best_ = placed_;
    bestHours_ = 0;
    bestWindows_ = Windows();
    Visit(0);
    return best_;
}

int BlockArrangement::Weight(std::size_t unit) const {
    const int hours = HoursOf(*units_[unit]);
    return static_cast<int>(unit) < required_ ? hours * kRequiredWeight : hours;
}

int BlockArrangement::Windows() const {
    int windows = 0;
    for (int t : teachers_) windows += grid_.teacherWindows(t, day_);
    return windows;
}

// Gaps of the classes first (they close the class days), then the numbers after their
// days, then before them.
std::vector<UnitPlacement> BlockArrangement::Placements(int unit) const {
    const CompletionUnit& block = *units_[static_cast<std::size_t>(unit)];
    const NumberMask taken = grid_.klassDay(block.klassLessons.front().owner, day_);
    const int first = taken ? FirstNumber(taken) : 0;
    const int last = taken ? LastNumber(taken) : 0;
    std::vector<UnitPlacement> inside, after, before;
    for (int start = 1; start + block.hours - 1 <= grid_.lessonsPerDay(); ++start) {
        std::optional<UnitPlacement> placement = grid_.place(block, day_, start);
        if (!placement) continue;
        if (taken && start > first && start < last)
            inside.push_back(std::move(*placement));
        else if (!taken || start > last)
            after.push_back(std::move(*placement));
        else
            before.insert(before.begin(), std::move(*placement));
    }
    inside.insert(inside.end(), after.begin(), after.end());
    inside.insert(inside.end(), before.begin(), before.end());
    return inside;
}

std::uint64_t BlockArrangement::Key() const {
    std::uint64_t key = 1469598103934665603ull;
    for (const auto& placement : placed_)
        key = (key ^ static_cast<std::uint64_t>(placement ? placement->start + 1 : 0)) * 1099511628211ull;
    return key;
}

void BlockArrangement::Visit(int placedHours) {
    if (done_ || ++nodes_ > nodeLimit_ || !seen_.insert(Key()).second) return;
    const int windows = Windows();
    if (placedHours > bestHours_ || (placedHours == bestHours_ && windows < bestWindows_)) {
        best_ = placed_;
        bestHours_ = placedHours;
        bestWindows_ = windows;
        // Every hour in without a window more: nothing left to win.
        if (bestHours_ == totalHours_ && bestWindows_ <= enoughWindows_) {
            done_ = true;
            return;
        }
    }
    int open = 0;
    for (std::size_t u = 0; u < units_.size(); ++u)
        if (!placed_[u]) open += Weight(u);
    if (placedHours + open < bestHours_) return;
    for (std::size_t u = 0; u < units_.size() && !done_; ++u) {
        if (placed_[u]) continue;
        const CompletionUnit& unit = *units_[u];
        for (UnitPlacement& placement : Placements(static_cast<int>(u))) {
            grid_.put(unit, day_, placement);
            placed_[u] = std::move(placement);
            Visit(placedHours + Weight(u));
            grid_.take(unit, day_, *placed_[u]);
            placed_[u].reset();
            if (done_) break;
        }
    }
}

}  // namespace lovaris
