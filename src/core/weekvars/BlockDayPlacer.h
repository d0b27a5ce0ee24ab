#pragma once
// Puts a block of a lesson tentatively on a day of the week: the day tests (the
// lesson has no block there yet, the searched teacher's day maximum, every teacher's
// lessons per day and shared attached room, every class's day maximum and days at
// the maximum) and the counts the block adds to its teachers' and classes' drafts.
#include "../planning/TRTITeachersCollection.h"
#include "WeekCounters.h"

namespace lovaris {

class TLessonObject;

class BlockDayPlacer {
public:
    BlockDayPlacer(WeekCounters& counters, const SearchTeacher& searched, const TRTITeachersCollection& teachers,
                   int lessonsPerDay)
        : counters_(counters), searched_(searched), teachers_(teachers), lessonsPerDay_(lessonsPerDay) {}

    // The first day of rank fromRank..6 in the lesson's order that takes the block; 0 none.
    int FindDay(const TLessonObject& lesson, int length, int fromRank) const;
    bool Fits(const TLessonObject& lesson, int length, int day) const;
    void Place(TLessonObject& lesson, int length, int day);
    // Undoes Place exactly.
    void Remove(TLessonObject& lesson, int length, int day);

private:
    void add(TLessonObject& lesson, int length, int day, int sign);

    WeekCounters& counters_;
    const SearchTeacher& searched_;
    const TRTITeachersCollection& teachers_;
    int lessonsPerDay_;
};

}  // namespace lovaris
