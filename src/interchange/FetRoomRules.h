#pragma once
// The rooms FET holds activities to at any cost, and the specialisations that keep
// them: a room has one specialisation, and a subject strictly specialised is seated in
// no room but those of its own.
#include <map>
#include <set>
#include <string>
#include <vector>

#include "FetSchool.h"

namespace lovaris::interchange {

using FetRoomSet = std::set<std::string>;

struct FetActivityRooms {
    std::map<int, FetRoomSet> roomsOf;                // activity -> the rooms FET allows it at 100 %
    std::map<int, std::vector<std::string>> kindsOf;  // activity -> the kinds of constraints holding it
    std::map<int, std::string> dutyRooms;             // fixed duty -> the one room FET seats it in
    std::vector<std::string> below100;                // kinds of the constraints that are wishes
};

// Rooms of single activities, and of a subject's activities of one tag. `fixedDuties`:
// duties without students FET fixes in time, which keep a room of their own busy.
FetActivityRooms CollectActivityRooms(const FetSchool& school, const std::set<int>& fixedDuties);

struct FetSpecialisations {
    std::map<std::string, int> subjects;  // subject key -> its specialisation, 1..255
    std::map<std::string, int> rooms;     // FET room -> ...
    int several = 0;      // subjects held to rooms by several constraints: their rooms stay wishes
    int overlapping = 0;  // subjects whose rooms are partly another's: ...
};

// `required`: by subject key, the sets of rooms it is held to. Subjects held to the same
// rooms share a specialisation; where sets overlap, the one of fewer rooms is taken first.
FetSpecialisations ChooseSpecialisations(const std::map<std::string, std::vector<FetRoomSet>>& required);

}  // namespace lovaris::interchange
