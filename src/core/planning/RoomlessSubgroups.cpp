#include "RoomlessSubgroups.h"

#include <algorithm>

namespace lovaris {
namespace {

bool NeedsRoom(const PlanningSubgroup& sub) { return sub.subject >= 0 && sub.teacher >= 0 && sub.fictiveRoom.empty(); }

bool HasRoom(const TTableVarItem& variant, int klass, int day, int number, int lesson, int subgroup) {
    if (subgroup < 0 || subgroup >= kSlotRooms) return false;
    const LessonSlot slot = variant.GetCleanSlot(klass, day, number);
    return slot.lessonIndex == lesson && slot.rooms[static_cast<std::size_t>(subgroup)] != kNoRoom;
}

// The subgroup's pupils sit in one room with those of its linked subgroups; the class
// with the highest index answers for them all.
int SubgroupsWithoutRoomAt(const PlanningSession& session, const TTableVarItem& variant, int klass, int day,
                           int number) {
    const LessonSlot slot = variant.GetCleanSlot(klass, day, number);
    const auto& item = session.klasses().at(klass);
    if (!slot.occupied() || slot.lessonIndex >= item.lessonCount()) return 0;
    const auto& lesson = item.lesson(slot.lessonIndex);
    int missing = 0;
    for (int s = 0; s < lesson.subgroupCount(); ++s) {
        const auto& sub = lesson.subgroups[static_cast<std::size_t>(s)];
        if (!NeedsRoom(sub)) continue;
        if (std::any_of(sub.links.begin(), sub.links.end(), [klass](const LessonRef& l) { return l.owner > klass; }))
            continue;
        bool roomed = HasRoom(variant, klass, day, number, slot.lessonIndex, s);
        for (const LessonRef& link : sub.links)
            roomed = roomed || HasRoom(variant, link.owner, day, number, link.lesson, link.subgroup);
        if (!roomed) ++missing;
    }
    return missing;
}

}  // namespace

int SubgroupsWithoutRoom(const PlanningSession& session, const TTableVarItem& variant) {
    int missing = 0;
    const int classes = std::min(variant.classCount(), session.klasses().count());
    for (int k = 0; k < classes; ++k)
        for (int d = 1; d <= kVariantDays; ++d)
            for (int n = 1; n <= variant.lessonsPerDay(); ++n) missing += SubgroupsWithoutRoomAt(session, variant, k, d, n);
    return missing;
}

}  // namespace lovaris
