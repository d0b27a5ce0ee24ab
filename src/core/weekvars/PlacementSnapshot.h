#pragma once
// A distribution of the searched teacher's week: one record per block of every
// lesson object, in search order of the lessons, then run order, then block order.
#include <cstdint>
#include <vector>

namespace lovaris {

struct SnapshotBlock {
    int teacher = -1;
    int lessonNumber = 0;       // in the teacher's lesson list
    std::int32_t lessonId = 0;
    int searchPosition = 0;     // of its lesson
    int block = 0;              // in the lesson's hour spread, from 0
    int length = 0;
    bool fixed = false;         // stood in the variant before the search
    int day = 0;                // 0: not placed
    int position = 0;           // 0: draft, or no lesson number chosen yet
    int priorPosition = 0;      // the lesson number it had in the variant, 0 none
    int lessonObject = 0;       // index of its lesson object in search order

    bool placed() const { return day != 0; }
};

using PlacementSnapshot = std::vector<SnapshotBlock>;

// Hours of the placed blocks.
inline int PlacedHours(const PlacementSnapshot& snapshot) {
    int hours = 0;
    for (const auto& b : snapshot)
        if (b.placed()) hours += b.length;
    return hours;
}

}  // namespace lovaris
