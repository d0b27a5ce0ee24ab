#pragma once
// A week written back into the FET file its project was imported from: each activity
// the week places is locked at its day and hour and in its room, every constraint of
// the file kept, so that FET judges whether the week keeps the school's rules.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/data/Project.h"
#include "core/export/TimetableWeek.h"

namespace lovaris::interchange {

struct FetWriteBack {
    std::vector<std::uint8_t> bytes;  // the FET file with the locks; empty when refused
    std::string error;                // set when refused: nothing is to be written
    int lockedTimes = 0;
    int lockedRooms = 0;
    std::vector<int> leftOut;   // active activities the import did not carry over: unlocked
    std::vector<int> unplaced;  // activities whose hours the week does not place: unlocked
    // Teachers' duties without students at the times FET fixes: the project holds them
    // as the teachers' busy hours, and FET places them itself.
    std::vector<int> duties;

    // What was locked and what was left, as lines of text.
    std::string report() const;
};

// `project` must be what the import makes of `original` (the lessons are found again by
// importing it once more); otherwise the write-back is refused. Without `rooms` only the
// times are locked, so that FET judges the times apart from the rooms.
FetWriteBack WriteWeekIntoFet(std::span<const std::uint8_t> original, const Project& project,
                              const TimetableWeek& week, bool rooms = true);

}  // namespace lovaris::interchange
