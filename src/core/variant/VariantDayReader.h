#pragma once
// What the planning states read from a timetable variant: the hours of a class's day
// in the clean copy and the draft, and two counts. The variant implements it through
// a thin adapter; tests may give a grid of their own.
#include <cstdint>

namespace lovaris {

struct PlacedHour {
    int prevPosition = -1;  // -1 for the first hour of a block, else the number of the hour before it
    int lessonIndex = -1;   // -1 empty, else the lesson's index in the class's list
    std::uint16_t subgroupMask = 0;  // bit s: subgroup s+1's teacher copy carries the critical mark
    bool occupied() const { return lessonIndex >= 0; }
};

class VariantDayReader {
public:
    virtual ~VariantDayReader() = default;
    virtual PlacedHour CleanHour(int klass, int day, int lesson) const = 0;
    virtual PlacedHour DraftHour(int klass, int day, int lesson) const = 0;
    // Clean plus draft hours of the lesson on that day.
    virtual int CountLessonHoursOnDay(int klass, int lesson, int day) const = 0;
    // The longest block of a lesson the teacher teaches on that day, clean or draft; 0 none.
    virtual int TeacherLongestBlockOnDay(int teacher, int day) const = 0;
};

}  // namespace lovaris
