#pragma once
// The printed week of one class or one teacher: the title, the week table (one
// line per hour) and, unless the short form is asked for, three blocks of two days
// side by side with three lines per hour.
#include <array>
#include <functional>
#include <string>

#include "Report.h"

namespace lovaris {

struct WeekHour {
    std::string week;                  // what the week table shows
    std::array<std::string, 3> lines;  // what the detail blocks show
};

struct WeekTimetable {
    std::string reportName;
    std::string title;  // the class's or teacher's name
    std::string projectDescription;
    std::string variantDescription;
    bool shortForm = false;
    std::function<WeekHour(int day, int lesson)> hour;
    int lessons = 8;  // rows of a day
};

Report BuildWeekTimetable(const WeekTimetable& week);

}  // namespace lovaris
