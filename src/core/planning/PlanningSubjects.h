#pragma once
// The planning copy of the project's subjects; a subject's index is its position.
// Recommended rooms are held as room indexes, rooms the project no longer has dropped.
#include <cstdint>
#include <vector>

#include "../data/TSubjectItem.h"
#include "PlanningRooms.h"

namespace lovaris {

struct PlanningSubject {
    TSubjectItem record;
    std::vector<int> wishedRoomIndexes;
};

class PlanningSubjects {
public:
    PlanningSubjects() = default;
    PlanningSubjects(const TSubjectsCollection& subjects, const PlanningRooms& rooms) {
        for (const auto& s : subjects) {
            PlanningSubject copy{s, {}};
            for (auto roomId : s.wishedRooms) {
                const int r = rooms.indexOfId(roomId);
                if (r >= 0) copy.wishedRoomIndexes.push_back(r);
            }
            subjects_.push_back(std::move(copy));
            ids_.push_back(s.id);
        }
    }

    int count() const { return static_cast<int>(subjects_.size()); }
    const PlanningSubject& at(int index) const { return subjects_.at(static_cast<std::size_t>(index)); }
    int indexOfId(std::int32_t id) const {
        if (id < 0) return -1;
        for (std::size_t i = 0; i < ids_.size(); ++i)
            if (ids_[i] == id) return static_cast<int>(i);
        return -1;
    }
    // The difficulty coefficient of a subject index; 0 for none.
    double difficulty(int index) const {
        return index >= 0 && index < count() ? at(index).record.sanitaryCoefficient : 0.0;
    }

private:
    std::vector<PlanningSubject> subjects_;
    std::vector<std::int32_t> ids_;
};

}  // namespace lovaris
