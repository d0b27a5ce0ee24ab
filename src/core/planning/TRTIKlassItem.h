#pragma once
// The planning copy of a class: the project record (attached room and parallels
// turned into indexes), its lesson copies and what the engine knows of the class on
// the selected day.
#include <array>
#include <cstdint>
#include <vector>

#include "../data/TKlassItem.h"
#include "DayArrangement.h"
#include "DayVariantTable.h"
#include "PlanningLesson.h"

namespace lovaris {

struct TRTIKlassItem : TKlassItem {
    TRTIKlassItem() = default;
    explicit TRTIKlassItem(const TKlassItem& record) : TKlassItem(record) {}

    std::vector<PlanningLesson> lessonCopies;

    // Day targets of the selected day; blocked hours included in min/maxToday.
    int minToday = 0;
    int maxToday = 0;
    int blockedToday = 0;  // busy slots of the selected day within the lessons per day
    int chosenHoursToday = 0;
    int fixedHoursToday = 0;
    int minFree = 0;  // minToday less blockedToday, never below 0
    int maxFree = 0;
    int weekHours = 0;
    int unassignedHours = 0;
    int todayHours = 0;
    double weekLoad = 0.0;
    double dayLoad = 0.0;
    std::array<std::uint16_t, kDays + 1> blockedPerDay{};  // by day 1..6; [0] unused

    // Working tables of an optimisation run.
    DayArrangement dayArrangement;
    DayVariantTable dayVariants;
    std::vector<std::uint8_t> teacherFlags;  // per teacher: occurs in some day variant
    bool hasLinks = false;

    int lessonCount() const { return static_cast<int>(lessonCopies.size()); }
    PlanningLesson& lesson(int index) { return lessonCopies.at(static_cast<std::size_t>(index)); }
    const PlanningLesson& lesson(int index) const { return lessonCopies.at(static_cast<std::size_t>(index)); }
    int indexOfLessonId(std::int32_t id) const {
        for (int i = 0; i < lessonCount(); ++i)
            if (lessonCopies[static_cast<std::size_t>(i)].id == id) return i;
        return -1;
    }
    // The class's own busy table closes the slot.
    bool busyAt(int day, int lesson) const { return busy.at(day, lesson) != 0; }
};

}  // namespace lovaris
