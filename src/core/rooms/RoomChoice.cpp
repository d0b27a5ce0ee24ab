#include "RoomChoice.h"

#include <algorithm>

#include "RoomAssignmentSubgroups.h"

namespace lovaris {

RoomChoiceList RoomChoiceCandidates(const PlanningSession& session, const TTableVarItem& variant, int klass,
                                    int lesson, int subgroup) {
    return RoomChoiceCandidatesOnDay(session, variant, session.state().currentDay, klass, lesson, subgroup);
}

RoomChoiceList RoomChoiceCandidatesOnDay(const PlanningSession& session, const TTableVarItem& variant, int day,
                                         int klass, int lesson, int subgroup) {
    const LessonSlot slot = variant.GetCleanSlot(klass, day, lesson);
    const PlanningSubgroup* sub =
        slot.occupied() ? FindSubgroup(session.klasses(), klass, slot.lessonIndex, subgroup) : nullptr;
    RoomChoiceList list;
    if (!sub || subgroup >= kSlotRooms) return list;
    list.items.push_back(kNoRoomChoice);
    const std::uint16_t held = slot.rooms[static_cast<std::size_t>(subgroup)];
    const int current = held != kNoRoom ? held : kNoRoomChoice;
    if (sub->fictiveRoom.empty() && sub->subject >= 0) {
        const int pupils = SubgroupPupils(session.klasses(), klass, slot.lessonIndex, subgroup);
        const int rooms = std::min(session.rooms().count(), variant.roomCount());
        for (int r = 0; r < rooms; ++r) {
            const TRoomItem& room = session.rooms().at(r);
            if (room.busy.at(day, lesson) != 0 || room.seats < pupils) continue;
            if (r == current || variant.GetRoomSlot(r, day, lesson).isFree()) list.items.push_back(r);
        }
    }
    if (std::find(list.items.begin(), list.items.end(), current) != list.items.end()) list.selected = current;
    return list;
}

bool ChooseRoom(PlanningSession& session, TTableVarItem& variant, int klass, int lesson, int subgroup, int room) {
    return ChooseRoomOnDay(session, variant, session.state().currentDay, klass, lesson, subgroup, room);
}

bool ChooseRoomOnDay(PlanningSession& session, TTableVarItem& variant, int day, int klass, int lesson, int subgroup,
                     int room) {
    const RoomChoiceList list = RoomChoiceCandidatesOnDay(session, variant, day, klass, lesson, subgroup);
    if (std::find(list.items.begin(), list.items.end(), room) == list.items.end()) return false;
    SetSubgroupRoom(variant, session.klasses(), klass, day, lesson, subgroup, kNoRoom);
    if (room != kNoRoomChoice)
        SetSubgroupRoom(variant, session.klasses(), klass, day, lesson, subgroup, static_cast<std::uint16_t>(room));
    session.state().variantModified = true;
    return true;
}

}  // namespace lovaris
