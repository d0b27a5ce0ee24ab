#include "BlockDayPlacer.h"

#include <algorithm>

#include "TLessonObject.h"

namespace lovaris {

int BlockDayPlacer::FindDay(const TLessonObject& lesson, int length, int fromRank) const {
    for (int rank = std::max(fromRank, 1); rank <= kWeekDays; ++rank) {
        const int day = lesson.dayOfRank(rank);
        if (Fits(lesson, length, day)) return day;
    }
    return 0;
}

bool BlockDayPlacer::Fits(const TLessonObject& lesson, int length, int day) const {
    const auto d = static_cast<std::size_t>(day);
    if (lesson.dayUsed(day)) return false;
    if (counters_.teacher(searched_.teacher).load(day) + length > searched_.maxPerDay) return false;

    const auto& listed = lesson.teachers();
    for (std::size_t i = 0; i < listed.size(); ++i) {
        const int t = listed[i].owner;
        const TeacherDayCounters& c = counters_.teacher(t);
        if (c.load(day) + length + c.blocked[d] > lessonsPerDay_) return false;
        const auto& partners = teachers_.at(t).partners;
        if (!lesson.attachedRoomCheck() || partners.empty()) continue;
        int roomHours = c.roomLoad[d] + (lesson.teacherTakesRoom(static_cast<int>(i)) ? length : 0);
        for (int p : partners) roomHours += counters_.teacher(p).roomLoad[d];
        if (roomHours > lessonsPerDay_) return false;
    }

    for (const auto& ref : lesson.klasses()) {
        const ClassDayCounters& c = counters_.klass(ref.owner);
        const int hours = c.load(day) + length;
        // A class's closed hours are as unavailable as a teacher's: a day the class
        // does not learn on, or the late lessons of a short day, hold nothing.
        if (hours + c.blocked[d] > lessonsPerDay_) return false;
        if (hours > c.maxPerDay) return false;
        if (hours < c.maxPerDay) continue;
        int daysAtMax = 1;
        for (int e = 1; e <= kWeekDays; ++e)
            if (e != day && c.load(e) >= c.maxPerDay) ++daysAtMax;
        if (daysAtMax > c.daysAtMax) return false;
    }
    return true;
}

void BlockDayPlacer::add(TLessonObject& lesson, int length, int day, int sign) {
    const auto d = static_cast<std::size_t>(day);
    const auto& listed = lesson.teachers();
    for (std::size_t i = 0; i < listed.size(); ++i) {
        TeacherDayCounters& c = counters_.teacher(listed[i].owner);
        c.draft[d] += sign * length;
        if (lesson.teacherTakesRoom(static_cast<int>(i))) c.roomLoad[d] += sign * length;
    }
    for (const auto& ref : lesson.klasses()) counters_.klass(ref.owner).draft[d] += sign * length;
    lesson.setDayUsed(day, sign > 0);
}

void BlockDayPlacer::Place(TLessonObject& lesson, int length, int day) { add(lesson, length, day, +1); }

void BlockDayPlacer::Remove(TLessonObject& lesson, int length, int day) { add(lesson, length, day, -1); }

}  // namespace lovaris
