#pragma once
// Which day each block of a lesson's hour spread stands on. Days 1..6 are taken in
// turn; a day holding h > 0 hours of the lesson (clean copy and draft together) gives
// its day to the first block of size h that has none yet. A block left without a day
// is not placed. Day planning, the draft fill, the choice popups and the list of
// unplaced lessons all read a lesson's week this one way.
#include <array>
#include <span>
#include <vector>

#include "../common/BusySlots.h"
#include "../variant/TTableVarItem.h"
#include "../variant/VariantDayReader.h"

namespace lovaris {

// The lesson's hours per day, [1..6]; [0] unused.
using DayHours = std::array<int, kDays + 1>;

// One entry per spread block: its day, 0 when it stands on no day.
std::vector<int> AssignBlockDays(std::span<const int> spread, const DayHours& hours);
// The hours of the class's lesson on days 1..6 of the variant; `skipDay` (1..6) is
// read as holding none.
DayHours LessonHoursPerDay(const VariantDayReader& variant, int klass, int lesson, int skipDay = 0);
DayHours LessonHoursPerDay(const TTableVarItem& variant, int klass, int lesson, int skipDay = 0);

}  // namespace lovaris
