#include "RoomAssignmentSubgroups.h"

#include <algorithm>

namespace lovaris {

const PlanningSubgroup* FindSubgroup(const TRTIKlassesCollection& klasses, int klass, int lessonIndex, int subgroup) {
    if (klass < 0 || klass >= klasses.count()) return nullptr;
    const auto& k = klasses.at(klass);
    if (lessonIndex < 0 || lessonIndex >= k.lessonCount()) return nullptr;
    const auto& lesson = k.lesson(lessonIndex);
    if (subgroup < 0 || subgroup >= lesson.subgroupCount()) return nullptr;
    return &lesson.subgroups[static_cast<std::size_t>(subgroup)];
}

int SubgroupPupils(const TRTIKlassesCollection& klasses, int klass, int lessonIndex, int subgroup) {
    const PlanningSubgroup* sub = FindSubgroup(klasses, klass, lessonIndex, subgroup);
    if (!sub) return 0;
    int pupils = sub->children;
    for (const LessonRef& link : sub->links)
        if (const PlanningSubgroup* linked = FindSubgroup(klasses, link.owner, link.lesson, link.subgroup))
            pupils += linked->children;
    return pupils;
}

namespace {

void writeRoom(TTableVarItem& variant, int klass, int day, int number, int lessonIndex, int subgroup,
               std::uint16_t room) {
    if (subgroup < 0 || subgroup >= kSlotRooms) return;
    LessonSlot slot = variant.GetCleanSlot(klass, day, number);
    if (!slot.occupied() || slot.lessonIndex != lessonIndex) return;
    slot.rooms[static_cast<std::size_t>(subgroup)] = room;
    variant.SetCleanSlot(klass, day, slot, number);
}

}  // namespace

// The linked classes are written first: the room grid then names the subgroup's own
// class, as it would after the class's slot is written back.
void SetSubgroupRoom(TTableVarItem& variant, const TRTIKlassesCollection& klasses, int klass, int day, int number,
                     int subgroup, std::uint16_t room) {
    const LessonSlot slot = variant.GetCleanSlot(klass, day, number);
    if (!slot.occupied()) return;
    if (const PlanningSubgroup* sub = FindSubgroup(klasses, klass, slot.lessonIndex, subgroup))
        for (const LessonRef& link : sub->links)
            writeRoom(variant, link.owner, day, number, link.lesson, link.subgroup, room);
    writeRoom(variant, klass, day, number, slot.lessonIndex, subgroup, room);
}

RoomCoverage CountRoomCoverage(const TTableVarItem& variant, const TRTIKlassesCollection& klasses, int day) {
    RoomCoverage coverage;
    for (int c = 0; c < std::min(variant.classCount(), klasses.count()); ++c)
        for (int n = 1; n <= variant.lessonsPerDay(); ++n) {
            const LessonSlot slot = variant.GetCleanSlot(c, day, n);
            if (!slot.occupied()) continue;
            for (int s = 0; s < kSlotRooms; ++s) {
                const PlanningSubgroup* sub = FindSubgroup(klasses, c, slot.lessonIndex, s);
                if (!sub || !NeedsRoom(*sub)) continue;
                ++(slot.rooms[static_cast<std::size_t>(s)] != kNoRoom ? coverage.withRoom : coverage.withoutRoom);
            }
        }
    return coverage;
}

}  // namespace lovaris
