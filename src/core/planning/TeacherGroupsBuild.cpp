// Teacher groups: teachers tied together by shared lessons or a shared attached room.
#include <algorithm>

#include "TRTIKlassesCollection.h"
#include "TRTITeachersCollection.h"

namespace lovaris {

void TRTITeachersCollection::WalkGroup(int teacher, std::vector<int>& row, std::vector<bool>& taken) const {
    if (teacher < 0 || teacher >= count() || taken[static_cast<std::size_t>(teacher)]) return;
    taken[static_cast<std::size_t>(teacher)] = true;
    row.push_back(teacher);
    for (const auto& copy : at(teacher).lessonCopies) {
        if (copy.subgroupCount() < 2) continue;
        for (const auto& sub : copy.subgroups)
            if (sub.teacher != teacher) WalkGroup(sub.teacher, row, taken);
    }
    for (int p : at(teacher).partners) WalkGroup(p, row, taken);
}

std::vector<std::vector<int>> TRTITeachersCollection::GroupComponents() const {
    std::vector<std::vector<int>> rows;
    std::vector<bool> taken(static_cast<std::size_t>(count()), false);
    for (int t = 0; t < count(); ++t) {
        if (taken[static_cast<std::size_t>(t)]) continue;
        std::vector<int> row;
        WalkGroup(t, row, taken);
        rows.push_back(std::move(row));
    }
    return rows;
}

void TRTITeachersCollection::BuildTeacherGroups(const VariantDayReader& variant, bool weekMode) {
    if (weekMode && weekGroupsBuilt_) {
        groups = weekGroups_;
        return;
    }
    const int day = state_->currentDay;
    auto longestBlock = [&](int teacher) {
        return weekMode ? MaxSpreadBlock(teacher) : variant.TeacherLongestBlockOnDay(teacher, day);
    };
    std::vector<std::vector<int>> components = GroupComponents();
    if (!weekMode)
        for (auto& row : components) std::erase_if(row, [&](int t) { return longestBlock(t) == 0; });

    TeacherGroups result;
    std::vector<int> longSingles;
    std::vector<int> shortSingles;
    for (auto& row : components) {
        if (row.size() >= 2)
            result.rows.push_back(std::move(row));
        else if (row.size() == 1)
            (longestBlock(row.front()) >= 2 ? longSingles : shortSingles).push_back(row.front());
    }
    if (!longSingles.empty()) result.rows.push_back(std::move(longSingles));
    if (!shortSingles.empty()) result.rows.push_back(std::move(shortSingles));

    if (weekMode) {
        weekGroups_ = result;
        weekGroupsBuilt_ = true;
    } else {
        dayGroups_ = result;
    }
    groups = std::move(result);
}

}  // namespace lovaris
