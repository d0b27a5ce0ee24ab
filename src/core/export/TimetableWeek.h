#pragma once
// The clean copy of a variant as the exports read it: every placed hour of every
// class with the names of its subjects, teachers and rooms, and the link group the
// lesson is taught in with lessons of other classes.
#include <cstdint>
#include <string>
#include <vector>

#include "../planning/PlanningSession.h"
#include "../variant/TTableVarItem.h"

namespace lovaris {

struct TimetableSubgroup {
    std::string subject;  // "------" when the subgroup has none
    std::string teacher;  // empty when none
    std::string room;     // the fictive room, else the room the slot gives, else empty
    int teacherIndex = -1;
    int roomIndex = -1;   // -1 for a fictive room or none
};

struct TimetableHour {
    int day = 1;     // 1..6
    int lesson = 1;  // 1..lessons per day
    int klass = 0;   // class index
    std::int32_t lessonId = -1;
    int linkGroup = 0;  // 0: taught to this class alone; else numbered from 1
    std::vector<TimetableSubgroup> subgroups;
};

struct TimetableWeek {
    std::string projectDescription;
    int lessonsPerDay = 8;
    int days = 5;  // 6 when anything stands on Saturday
    std::vector<std::string> classNames, teacherNames, roomNames;
    std::vector<TimetableHour> hours;  // by class, day and lesson

    // The hours the teacher teaches, or the room is used in: by day and lesson (then class).
    std::vector<const TimetableHour*> hoursOfTeacher(int teacher) const;
    std::vector<const TimetableHour*> hoursInRoom(int room) const;
};

TimetableWeek CollectTimetableWeek(const PlanningSession& session, const TTableVarItem& variant);

}  // namespace lovaris
