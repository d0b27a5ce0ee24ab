#pragma once
// The figures of a week's timetable: curriculum hours against the hours in the clean
// copy and the draft, gaps in the classes' days, the teachers' windows and the
// subgroups still without a room.
#include <array>

#include "../planning/PlanningSession.h"
#include "../variant/TTableVarItem.h"

namespace lovaris {

struct WeekPlanSummary {
    int requiredHours = 0;   // the classes' curriculum hours
    int cleanHours = 0;      // occupied clean-copy hours
    int draftHours = 0;      // occupied draft hours
    // Curriculum hours of each lesson not found on any day; with nothing placed
    // twice, required = clean + draft + not placed.
    int notPlacedHours = 0;
    int classGaps = 0;       // empty lesson numbers inside the classes' clean days
    std::array<int, kVariantDays + 1> teacherWindows{};  // by day 1..6; [0] the week's total
    // Subgroup hours of the clean copy that need a room and have none; subgroups
    // taught together across classes count once.
    int subgroupsWithoutRoom = 0;
};

WeekPlanSummary SummariseWeek(const PlanningSession& session, const TTableVarItem& variant);

// Empty lesson numbers between the first and the last clean hour of a class's day;
// a number the class is closed at (a break) is no gap.
int ClassDayGaps(const PlanningSession& session, const TTableVarItem& variant, int klass, int day);

}  // namespace lovaris
