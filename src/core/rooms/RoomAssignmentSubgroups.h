#pragma once
// What room assignment and the room choice share about a subgroup at one hour: its
// pupils, whether it needs a room, and giving it a room together with the subgroups
// of other classes taught with it.
#include <cstdint>

#include "../data/TRoomItem.h"
#include "../data/TSubjectItem.h"
#include "../planning/PlanningLesson.h"
#include "../planning/TRTIKlassesCollection.h"
#include "../variant/TTableVarItem.h"

namespace lovaris {

// A subgroup with a fictive room, no subject or no teacher never gets a room.
inline bool NeedsRoom(const PlanningSubgroup& sub) {
    return sub.subject >= 0 && sub.teacher >= 0 && sub.fictiveRoom.empty();
}
inline bool IsStrictlySpecialized(const TSubjectItem& subject) {
    return subject.specialization != 0 && subject.generalUse == 0;
}
inline bool IsStrictlySpecialized(const TRoomItem& room) { return room.specialization != 0 && room.generalUse == 0; }

// The class lesson's subgroup, nullptr for indexes the class does not have.
const PlanningSubgroup* FindSubgroup(const TRTIKlassesCollection& klasses, int klass, int lessonIndex, int subgroup);

// The pupils of a subgroup lesson: the subgroup's own and those of every subgroup
// linked to it.
int SubgroupPupils(const TRTIKlassesCollection& klasses, int klass, int lessonIndex, int subgroup);

// Sets the room (kNoRoom: none) of a subgroup of the lesson standing at (klass, day,
// number) of the clean copy, and of every linked subgroup whose class holds the
// linked lesson then. Each slot is written at once, so the room grid shows the room
// taken before the next subgroup is looked at. Nothing happens when the slot is empty.
void SetSubgroupRoom(TTableVarItem& variant, const TRTIKlassesCollection& klasses, int klass, int day, int number,
                     int subgroup, std::uint16_t room);

// Class subgroups of a day's clean copy that need a room, hour by hour.
struct RoomCoverage {
    int withRoom = 0;
    int withoutRoom = 0;
};
RoomCoverage CountRoomCoverage(const TTableVarItem& variant, const TRTIKlassesCollection& klasses, int day);

}  // namespace lovaris
