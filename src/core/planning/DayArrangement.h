#pragma once
// A class's day while its day variants are listed: per lesson number the block
// standing there, and the queue of hours still to place.
#include <array>
#include <cstdint>
#include <vector>

#include "../common/BusySlots.h"

namespace lovaris {

struct DayCell {
    static constexpr int kFree = 0;
    static constexpr int kBlocked = -1;

    int key = kFree;  // 0 free, -1 blocked, else the key of the block standing there
    int lesson = 0;   // index of that block's lesson in the class's list
    bool operator==(const DayCell&) const = default;
};

struct DayArrangement {
    std::array<DayCell, kMaxLessonsPerDay + 1> cells{};  // by lesson number 1..24; [0] unused
    std::vector<DayCell> queue;  // one entry per hour to place, in lesson-list order

    DayCell& at(int lesson) { return cells[static_cast<std::size_t>(lesson)]; }
    const DayCell& at(int lesson) const { return cells[static_cast<std::size_t>(lesson)]; }
    void clear() {
        cells.fill(DayCell{});
        queue.clear();
    }
};

}  // namespace lovaris
