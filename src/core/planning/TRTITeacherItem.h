#pragma once
// The planning copy of a teacher: the project record (attached room as a room
// index), copies of the class lessons the teacher teaches and what the engine knows
// of the teacher on the selected day.
#include <array>
#include <cstdint>
#include <vector>

#include "../data/TTeacherItem.h"
#include "PlanningLesson.h"

namespace lovaris {

// Wish priorities honoured when closing a teacher's hours.
enum class WishesMode : int { All = 1, MediumAndHigh = 2, HighOnly = 3, None = 4 };

struct WishCount {
    std::uint16_t busy = 0;       // busy entries
    std::uint16_t honoured = 0;   // wish entries honoured under the wishes mode
    bool operator==(const WishCount&) const = default;
};

struct TRTITeacherItem : TTeacherItem {
    static constexpr int kClosedCell = 999;
    static constexpr int kFreeCell = -1;

    TRTITeacherItem() = default;
    explicit TRTITeacherItem(const TTeacherItem& record) : TTeacherItem(record) {}

    std::vector<PlanningLesson> lessonCopies;

    int freeDaysTaken = 0;
    int fullyBlockedFreeDays = 0;
    int minToday = 0;
    int maxToday = 0;
    int blockedToday = 0;  // hours of the selected day closed by busy entries and honoured wishes
    std::vector<int> partners;  // the other teachers with the same attached room
    int fixedToday = 0;
    int minFree = 0;
    int maxFree = 0;
    int weekHours = 0;
    int unassignedHours = 0;
    int todayHours = 0;
    // Per lesson number 1..24 of the selected day: 999 closed, -1 free, else the index
    // of the class whose lesson the current enumeration put there. [0] unused.
    std::array<int, kMaxLessonsPerDay + 1> dayCells{};
    std::array<WishCount, kDays + 1> wishCounts{};  // by day 1..6; [0] unused

    int methodicalDays() const { return freeDays; }
    int copyCount() const { return static_cast<int>(lessonCopies.size()); }
    PlanningLesson& copy(int index) { return lessonCopies.at(static_cast<std::size_t>(index)); }
    const PlanningLesson& copy(int index) const { return lessonCopies.at(static_cast<std::size_t>(index)); }

    // A busy value closes the hour: busy always, a wish when its priority is honoured.
    static bool closesHour(std::int16_t value, WishesMode mode);
    static bool isHonouredWish(std::int16_t value, WishesMode mode);
    bool closedAt(int day, int lesson, WishesMode mode) const { return closesHour(busy.at(day, lesson), mode); }
};

}  // namespace lovaris
