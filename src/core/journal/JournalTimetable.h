#pragma once
// What the journal reads of the open timetable variant: the teachers, each
// teacher's clean-copy lessons on a weekday (Monday 1 ... Saturday 6; Sunday 0 has
// none) and the lesson lines the absent-teacher and substitute dialogs list.
#include <string>
#include <vector>

#include "../planning/PlanningSession.h"
#include "../variant/TTableVarItem.h"

namespace lovaris {

// A teacher's lesson in the clean copy; klass -1 when there is none.
struct JournalLesson {
    int klass = -1;
    int lessonIndex = -1;  // in the class's planning lesson list
    int subgroup = -1;     // the teacher's subgroup, from 0
    bool found() const { return klass >= 0; }
};

// One line per lesson number of the day: "3. 5А Математика", or "3. Нет" without a lesson.
struct LessonLine {
    int number = 0;
    std::string text;
    JournalLesson lesson;
    std::string classText;  // the class's name, and for a linked lesson "/" and each further class
    int stage = 1;          // the class's stage
    std::string subject;    // the teacher's subject, or "---"
    std::string room;       // the fictive room, else the room of the clean copy, else empty
    bool hasLesson() const { return lesson.found(); }
};

class JournalTimetable {
public:
    // The session's wishes mode should be the variant's (PlanningSession::ApplyOptions).
    JournalTimetable(const PlanningSession& session, const TTableVarItem& variant)
        : session_(session), variant_(variant) {}

    const PlanningSession& session() const { return session_; }
    const TTableVarItem& variant() const { return variant_; }
    int lessonsPerDay() const { return variant_.lessonsPerDay(); }
    int teacherCount() const { return session_.teachers().count(); }
    std::string teacherName(int teacher) const;
    // The first teacher of that display name, case aside; -1 none.
    int IndexOfTeacher(std::string_view name) const;
    std::vector<std::string> TeacherNames() const;
    std::vector<std::string> SubjectNames() const;

    JournalLesson TeacherLessonAt(int teacher, int weekday, int lesson) const;
    int CleanLessonCount(int teacher, int weekday) const;
    // Whether the teacher teaches some subgroup of the class's lesson.
    bool TeachesLesson(int teacher, int klass, int lessonIndex) const;
    // The teacher's busy mark at the hour closes it under the variant's wishes mode.
    bool BusyMarkCounts(int teacher, int weekday, int lesson) const;

    LessonLine Line(int teacher, int weekday, int lesson) const;
    // No lines without a teacher or on Sunday.
    std::vector<LessonLine> LessonLines(int teacher, int weekday) const;

private:
    const PlanningSession& session_;
    const TTableVarItem& variant_;
};

}  // namespace lovaris
