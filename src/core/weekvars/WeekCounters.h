#pragma once
// The day counts the week variant search works on: for every teacher and every class
// the hours each day already holds in the clean copy and the draft (the draft also
// taking the search's tentative blocks), the hours closed, and which lesson numbers
// are free, taken by the clean copy or closed. Built once per search over a group
// from the variant, then kept up to date as each teacher's result is applied.
#include <array>
#include <cstdint>
#include <vector>

#include "../common/BusySlots.h"
#include "WeekSearchContext.h"

namespace lovaris {

enum SlotMark : std::uint8_t { kSlotFree = 0, kSlotClean = 1, kSlotBlocked = 2 };

using DayCounts = std::array<int, kWeekDays + 1>;  // by day 1..6; [0] unused
using DaySlotMap = std::array<std::array<std::uint8_t, kMaxLessonsPerDay + 1>, kWeekDays + 1>;

struct TeacherDayCounters {
    int freeDaysRequired = 0;
    DayCounts blocked{};
    DayCounts clean{};
    DayCounts draft{};
    DayCounts roomLoad{};  // hours that take a real room (no fictive room name)
    DaySlotMap daySlots{};

    int load(int day) const { return clean[static_cast<std::size_t>(day)] + draft[static_cast<std::size_t>(day)]; }
    int daysWithoutHours() const;
};

struct ClassDayCounters {
    int weeklyHours = 0;
    int maxPerDay = 0;
    int minPerDay = 0;
    int daysAtMax = 0;  // how many days may reach maxPerDay
    DayCounts blocked{};
    DayCounts clean{};
    DayCounts draft{};
    DaySlotMap daySlots{};

    int load(int day) const { return clean[static_cast<std::size_t>(day)] + draft[static_cast<std::size_t>(day)]; }
};

// A member of the searched group with the day limits its week is distributed under.
struct SearchTeacher {
    int teacher = -1;
    int weeklyHours = 0;
    int maxPerDay = 0;
    int minPerDay = 0;
};

struct WeekCounters {
    std::vector<TeacherDayCounters> teachers;
    std::vector<ClassDayCounters> klasses;

    TeacherDayCounters& teacher(int index) { return teachers[static_cast<std::size_t>(index)]; }
    const TeacherDayCounters& teacher(int index) const { return teachers[static_cast<std::size_t>(index)]; }
    ClassDayCounters& klass(int index) { return klasses[static_cast<std::size_t>(index)]; }
    const ClassDayCounters& klass(int index) const { return klasses[static_cast<std::size_t>(index)]; }
};

// Reads the variant; the classes' weekly hours come from their day targets.
WeekCounters BuildWeekCounters(const WeekSearchContext& context);
SearchTeacher MakeSearchTeacher(const WeekSearchContext& context, int teacher);

}  // namespace lovaris
