#pragma once
// The room choice of one placed subgroup at one hour of the selected day, as the
// room choice popup offers it: the list of rooms to choose from and the choice.
#include <vector>

#include "../planning/PlanningSession.h"
#include "../variant/TTableVarItem.h"

namespace lovaris {

inline constexpr int kNoRoomChoice = -1;  // the item "Отсутствует"

struct RoomChoiceList {
    // kNoRoomChoice first, then room indexes in room order. Empty when the class has
    // no lesson at the hour or no such subgroup.
    std::vector<int> items;
    int selected = kNoRoomChoice;  // the subgroup's current room, else kNoRoomChoice
};

// The rooms open at the hour, free then in the room grid or the subgroup's own room,
// with places for the subgroup's pupils and those of its linked subgroups. A
// subgroup with a fictive room or no subject is offered none. No specialisation rule
// applies: the user decides.
RoomChoiceList RoomChoiceCandidates(const PlanningSession& session, const TTableVarItem& variant, int klass,
                                    int lesson, int subgroup);
// The same on any day, not only the selected one.
RoomChoiceList RoomChoiceCandidatesOnDay(const PlanningSession& session, const TTableVarItem& variant, int day,
                                         int klass, int lesson, int subgroup);

// Takes the subgroup's room, and its linked subgroups' rooms, off the hour and then
// gives them `room` (kNoRoomChoice leaves them without one), writing each slot at
// once. A room the list does not offer is refused: false, nothing changed. Marks the
// variant modified.
bool ChooseRoom(PlanningSession& session, TTableVarItem& variant, int klass, int lesson, int subgroup, int room);
bool ChooseRoomOnDay(PlanningSession& session, TTableVarItem& variant, int day, int klass, int lesson, int subgroup,
                     int room);

}  // namespace lovaris
