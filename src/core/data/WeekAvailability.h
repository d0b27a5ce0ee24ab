#pragma once
// How much of the school week a class or a teacher can be used: per day the
// lessons 1..lessonsPerDay at which it is available, the days with at least one
// such lesson, and a teacher's available hours once the free days are taken.
#include <array>
#include <cstdint>

#include "../common/BusySlots.h"
#include "TKlassItem.h"
#include "TTeacherItem.h"

namespace lovaris {

// Per day 1..6 (index 0..5), the number of lessons 1..lessonsPerDay at which the
// record is available. lessonsPerDay is kept within 0..24.
using DayCounts = std::array<int, kDays>;
DayCounts ClassAvailableLessonsPerDay(const TKlassItem& klass, int lessonsPerDay);
DayCounts TeacherTeachableLessonsPerDay(const TTeacherItem& teacher, int lessonsPerDay);

// Days 1..6 on which the class is available at one lesson 1..lessonsPerDay at least.
int ClassWorkingDays(const TKlassItem& klass, int lessonsPerDay);

// Days 1..6 on which the teacher can teach at one lesson 1..lessonsPerDay at least,
// capped at 6 - freeDays; negative when the teacher has more than six free days.
std::int64_t TeacherWorkingDays(const TTeacherItem& teacher, int lessonsPerDay);

// The teachable lessons of the week less the free days: freeDays times the day with
// the fewest teachable lessons (the earliest on a tie) is taken, its lessons are
// subtracted and it then counts lessonsPerDay + 1, so that it is taken again only
// after every day has been. Negative when the free days outweigh the week.
std::int64_t TeacherAvailableHours(const TTeacherItem& teacher, int lessonsPerDay);

}  // namespace lovaris
