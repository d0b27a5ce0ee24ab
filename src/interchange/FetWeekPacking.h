#pragma once

#include <optional>
#include <vector>

namespace lovaris::interchange {

// Whether a class's lessons can be laid into its days counting hours alone: each
// lesson's blocks on different days, no day given more hours than it holds. A week
// that fails this cannot be planned however the hours stand within the days (five
// single hours of four lessons on one day of five). None when the tries left in
// `budget` do not settle it; the tries taken are taken from it.
std::optional<bool> BlocksFitDays(const std::vector<std::vector<int>>& spreads, const std::vector<int>& dayHours,
                                  int& budget);

}  // namespace lovaris::interchange
