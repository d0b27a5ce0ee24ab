#include "FetRoomRules.h"

#include <algorithm>

namespace lovaris::interchange {

FetActivityRooms CollectActivityRooms(const FetSchool& school, const std::set<int>& fixedDuties) {
    FetActivityRooms out;
    for (const FetConstraint& c : school.constraints) {
        const bool ofTag = c.kind.starts_with("ConstraintSubjectActivityTagPreferredRoom");
        if (c.kind != "ConstraintActivityPreferredRoom" && c.kind != "ConstraintActivityPreferredRooms" && !ofTag)
            continue;
        if (c.weight < 100) {
            out.below100.push_back(c.kind);
            continue;
        }
        FetRoomSet rooms(c.rooms.begin(), c.rooms.end());
        if (!c.room.empty()) rooms.insert(c.room);
        // A subject's activities of one tag (its laboratory hours) are held alike.
        std::vector<int> held = c.activities;
        if (ofTag)
            for (const FetActivity& a : school.activities)
                if (a.subject == c.subject && std::ranges::find(a.tags, c.tag) != a.tags.end()) held.push_back(a.id);
        for (int id : held) {
            if (fixedDuties.contains(id) && rooms.size() == 1) {
                out.dutyRooms[id] = *rooms.begin();
                continue;
            }
            // Two constraints on one activity leave it the rooms both allow.
            const auto [it, added] = out.roomsOf.emplace(id, rooms);
            if (!added) std::erase_if(it->second, [&](const std::string& r) { return !rooms.contains(r); });
            out.kindsOf[id].push_back(c.kind);
        }
    }
    return out;
}

FetSpecialisations ChooseSpecialisations(const std::map<std::string, std::vector<FetRoomSet>>& required) {
    FetSpecialisations out;
    std::map<FetRoomSet, std::vector<std::string>> subjectsOf;  // rooms -> subjects held to them
    for (const auto& [subject, sets] : required) {
        if (sets.size() > 1) {
            ++out.several;
            continue;
        }
        subjectsOf[sets.front()].push_back(subject);
    }
    // The fewest rooms first: a laboratory of its own before the rooms music shares with it.
    std::vector<std::pair<FetRoomSet, std::vector<std::string>>> sets(subjectsOf.begin(), subjectsOf.end());
    std::ranges::stable_sort(sets, {}, [](const auto& set) { return set.first.size(); });
    int code = 0;
    for (const auto& [rooms, subjects] : sets) {
        const bool free = std::ranges::none_of(rooms, [&](const std::string& r) { return out.rooms.contains(r); });
        if (!free || code == 255) {
            out.overlapping += static_cast<int>(subjects.size());
            continue;
        }
        ++code;
        for (const auto& r : rooms) out.rooms[r] = code;
        for (const auto& n : subjects) out.subjects[n] = code;
    }
    return out;
}

}  // namespace lovaris::interchange
