#include "TeacherGroupTable.h"

#include <algorithm>

#include "PlanningState.h"
#include "TRTITeachersCollection.h"

namespace lovaris {

TeacherGroupTable::TeacherGroupTable(GroupDialogKind kind, TRTITeachersCollection& teachers)
    : kind_(kind), teachers_(teachers) {
    Fill();
}

void TeacherGroupTable::Fill() {
    const int n = teachers_.count();
    copy_.rows.assign(static_cast<std::size_t>(n), {});
    for (int g = 0; g < n && g < teachers_.groups.rowCount(); ++g) {
        const auto row = teachers_.groups.row(g);
        mutableRow(g).assign(row.begin(), row.end());
    }
    shown_ = 0;
    for (int g = 0; g < n; ++g)
        if (groupLength(g) > 0) shown_ = g + 1;
    // With every group empty the earlier choice stays: the caller then finds it empty.
    for (int g = 0; g < shown_; ++g)
        if (groupLength(g) > 0) {
            selected_ = g;
            break;
        }
}

int TeacherGroupTable::rowCount() const {
    int longest = kMinGroupRows;
    for (int g = 0; g < shown_; ++g) longest = std::max(longest, groupLength(g));
    return longest;
}

int TeacherGroupTable::teacherAt(GroupCell cell) const {
    if (!shown(cell.group) || cell.place < 0 || cell.place >= groupLength(cell.group)) return -1;
    return group(cell.group)[static_cast<std::size_t>(cell.place)];
}

GroupCell TeacherGroupTable::cellOf(int teacher) const {
    for (int g = 0; g < teacherCount(); ++g) {
        const auto row = group(g);
        const auto it = std::find(row.begin(), row.end(), teacher);
        if (it != row.end()) return GroupCell{g, static_cast<int>(it - row.begin())};
    }
    return {};
}

bool TeacherGroupTable::selectGroup(int index) {
    if (!shown(index)) return false;
    selected_ = index;
    return true;
}

std::optional<GroupCell> TeacherGroupTable::Drop(GroupCell from, GroupCell to) {
    const int teacher = teacherAt(from);
    if (teacher < 0 || from == to) return std::nullopt;
    if (!shown(to.group) || to.place < 0 || to.place >= rowCount()) return std::nullopt;
    const bool sameGroup = from.group == to.group;
    if (kind_ == GroupDialogKind::Day && sameGroup) return std::nullopt;

    auto& source = mutableRow(from.group);
    source.erase(source.begin() + from.place);  // later teachers move up, closing the gap
    auto& target = mutableRow(to.group);
    int place = static_cast<int>(target.size());  // the day dialog appends
    if (kind_ == GroupDialogKind::Week) {
        if (sameGroup)
            // Dropped below its own row, the teacher goes no further than the group's end.
            place = std::min(to.place, static_cast<int>(target.size()));
        else if (to.place < static_cast<int>(target.size()))
            place = to.place;
    }
    target.insert(target.begin() + place, teacher);
    selected_ = to.group;
    WriteBack();
    return GroupCell{to.group, place};
}

bool TeacherGroupTable::Attach(int index) {
    if (!shown(selected_) || !shown(index) || index == selected_) return false;
    auto& attached = mutableRow(index);
    auto& into = mutableRow(selected_);
    into.insert(into.end(), attached.begin(), attached.end());
    attached.clear();
    return true;
}

bool TeacherGroupTable::AddGroup() {
    if (!canAddGroup()) return false;
    ++shown_;
    WriteBack();
    return true;
}

void TeacherGroupTable::Reload(const VariantDayReader& variant) {
    const bool weekMode = kind_ == GroupDialogKind::Week;
    if (weekMode) teachers_.DiscardWeekGroups();
    teachers_.BuildTeacherGroups(variant, weekMode);
    Fill();
}

void TeacherGroupTable::WriteBack() const { teachers_.groups = copy_; }

void SetStartingGroupSettings(PlanningState& state) {
    state.autoSaveVariants = false;
    state.findBestVariant = false;
    state.considerAttachedRooms = true;
    state.considerSeparatedHours = true;
    state.considerParallels = true;
    state.optimizeQueue = true;
    state.placeToCleanCopy = true;
}

}  // namespace lovaris
