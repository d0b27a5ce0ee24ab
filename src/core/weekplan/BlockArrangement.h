#pragma once
// The best way to put some blocks into one day of the clean copy: a depth-first
// search over which block goes where next, keeping the arrangement that places the
// most hours and, among those, leaves the blocks' teachers the fewest windows.
#include <algorithm>
#include <cstdint>
#include <optional>
#include <unordered_set>
#include <vector>

#include "CompletionGrid.h"

namespace lovaris {

class BlockArrangement {
public:
    // The grid is changed during the search and given back as it was. The first
    // `required` units count before all others: an arrangement placing more of their
    // hours always wins.
    BlockArrangement(CompletionGrid& grid, int day, std::vector<const CompletionUnit*> units, int required = 0);

    // The placement of each block, none for a block that stays out. The search visits
    // at most `nodeLimit` arrangements; it ends early once every block stands and the
    // teachers have no more windows than `enoughWindows` (by default, than before).
    std::vector<std::optional<UnitPlacement>> Search(int nodeLimit, std::optional<int> enoughWindows = {});
    // Arrangements the search visited.
    int nodesVisited() const { return std::min(nodes_, nodeLimit_); }

private:
    void Visit(int placedHours);
    int Windows() const;
    int Weight(std::size_t unit) const;
    std::vector<UnitPlacement> Placements(int unit) const;
    std::uint64_t Key() const;

    CompletionGrid& grid_;
    int day_;
    std::vector<const CompletionUnit*> units_;
    int required_ = 0;
    std::vector<int> teachers_;
    std::vector<std::optional<UnitPlacement>> placed_;
    std::vector<std::optional<UnitPlacement>> best_;
    int bestHours_ = 0;
    int bestWindows_ = 0;
    int enoughWindows_ = 0;
    int totalHours_ = 0;
    int nodes_ = 0;
    int nodeLimit_ = 0;
    bool done_ = false;
    std::unordered_set<std::uint64_t> seen_;
};

}  // namespace lovaris
