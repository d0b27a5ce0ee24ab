#pragma once
// The texts a timetable report prints for one hour of the clean copy: of a class
// (subject, teacher and room of every subgroup, joined by "/") and of a teacher
// (the class or linked classes, the subject and room of the teacher's subgroup).
#include <string>

#include "../views/ViewContext.h"

namespace lovaris {

// Lesson rows a timetable report prints in a day: eight, the ones past a shorter
// day empty, or every lesson of a longer day.
inline constexpr int kReportLessons = 8;
int ReportLessons(const ViewContext& ctx);

struct ClassHourTexts {
    std::string subject;  // names cut to three letters when the lesson has several subgroups
    std::string teacher;
    std::string room;  // empty rather than a row of "/"
};

struct TeacherHourTexts {
    bool taught = false;
    std::string klass;  // "7А" or "7А/7Б" for a lesson linked across classes
    std::string subject;
    std::string room;
};

// Empty texts for a free hour or a lesson number past the day.
ClassHourTexts ClassHour(const ViewContext& ctx, int klass, int day, int lesson);
// `shortSubject`: the whole-school report's form ("---" for none, three letters);
// else "-----" for none and the whole name.
TeacherHourTexts TeacherHour(const ViewContext& ctx, int teacher, int day, int lesson, bool shortSubject);

}  // namespace lovaris
