// Choosing rooms on the selected day and finding hours with too few rooms.
#include <algorithm>

#include "VariantPlanning.h"

namespace lovaris {

int VariantPlanning::FindBestRoom(int firstRoom, int roomType, int pupils, int secondRoom, int lesson, int subject,
                                  bool onlyPreferred, bool strictType) const {
    const int roomCount = std::min(rooms_.count(), variant_.roomCount());
    const int day = selectedDay();
    std::vector<int> preferred;
    const auto addCandidate = [&](std::vector<int>& list, int room) {
        if (room >= 0 && room < roomCount && std::find(preferred.begin(), preferred.end(), room) == preferred.end() &&
            std::find(list.begin(), list.end(), room) == list.end())
            list.push_back(room);
    };
    addCandidate(preferred, firstRoom);
    addCandidate(preferred, secondRoom);
    if (roomType != 0)
        for (int r = 0; r < roomCount; ++r)
            if (rooms_.at(r).specialization == roomType) addCandidate(preferred, r);
    if (subject >= 0 && subject < subjects_.count())
        for (int r : subjects_.at(subject).wishedRoomIndexes) addCandidate(preferred, r);
    std::vector<int> others;
    if (!onlyPreferred)
        for (int r = 0; r < roomCount; ++r) addCandidate(others, r);

    const auto acceptable = [&](int r) {
        const TRoomItem& room = rooms_.at(r);
        if (room.busy.at(day, lesson) != 0) return false;
        if (roomType != 0 && strictType && room.specialization != roomType) return false;
        // A strictly specialised room takes lessons of its own kind only.
        if (room.specialization != 0 && room.generalUse == 0 && room.specialization != roomType) return false;
        if (room.seats < pupils) return false;
        return variant_.GetRoomSlot(r, day, lesson).isFree();
    };
    const auto freeFromHere = [&](int r) {
        int free = 0;
        for (int n = lesson; n <= variant_.lessonsPerDay(); ++n) free += variant_.GetRoomSlot(r, day, n).isFree() ? 1 : 0;
        return free;
    };
    for (const auto* candidates : {&preferred, &others}) {
        int best = -1;
        int bestFree = -1;
        for (int r : *candidates) {
            if (!acceptable(r)) continue;
            const int free = freeFromHere(r);
            if (free > bestFree) {
                best = r;
                bestFree = free;
            }
        }
        if (best >= 0) return best;
    }
    return -1;
}

// A linked subgroup is counted once, in the last of its classes.
OverfullLesson VariantPlanning::FirstOverfullLesson(int day) const {
    for (int n = 1; n <= variant_.lessonsPerDay(); ++n) {
        int needed = 0;
        for (int c = 0; c < variant_.classCount(); ++c) {
            const LessonSlot slot = variant_.GetCleanSlot(c, day, n);
            const PlanningLesson* lesson = slot.occupied() ? lessonAt(c, slot.lessonIndex) : nullptr;
            if (!lesson) continue;
            for (const auto& sub : lesson->subgroups) {
                if (sub.subject < 0 || sub.teacher < 0 || !sub.fictiveRoom.empty()) continue;
                if (std::any_of(sub.links.begin(), sub.links.end(), [c](const LessonRef& l) { return l.owner > c; }))
                    continue;
                ++needed;
            }
        }
        const int available = rooms_.freeRoomsAt(busySlot(day, n));
        if (needed > available) return OverfullLesson{n, needed, available};
    }
    return {};
}

}  // namespace lovaris
