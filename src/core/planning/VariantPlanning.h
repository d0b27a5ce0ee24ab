#pragma once
// The timetable variant as the planning works on it: the grids of a TTableVarItem
// read and written through the planning copies of a session (lesson lists, link
// sets, teachers, rooms, subjects) and its planning state, whose currentDay is the
// selected day.
#include "../variant/OptimisationVariant.h"
#include "PlanningSession.h"
#include "../variant/TTableVarItem.h"

namespace lovaris {

// A teacher's lesson found in the grids; klass -1 when none.
struct TeacherLessonAt {
    int klass = -1;
    int subgroup = -1;     // the teacher's subgroup of the lesson, from 0
    int linkCount = 0;     // links of that subgroup
    int draftNumber = 0;   // draft searches only
    bool found() const { return klass >= 0; }
};

struct TeacherLessonCounts {
    int clean = 0;
    int draft = 0;
};

// The first lesson number at which more subgroups need a room than rooms are available.
struct OverfullLesson {
    int number = 0;  // 0 when no lesson number is overfull
    int needed = 0;
    int available = 0;
};

class VariantPlanning : public OptimisationVariant {
public:
    VariantPlanning(TTableVarItem& variant, PlanningSession& session);
    VariantPlanning(TTableVarItem& variant, TRTIKlassesCollection& klasses, TRTITeachersCollection& teachers,
                    const PlanningRooms& rooms, const PlanningSubjects& subjects, PlanningState& state);

    TTableVarItem& variant() { return variant_; }
    const TTableVarItem& variant() const { return variant_; }
    int selectedDay() const { return state_.currentDay; }

    // What the planning states read.
    PlacedHour CleanHour(int klass, int day, int lesson) const override;
    PlacedHour DraftHour(int klass, int day, int lesson) const override;
    int CountLessonHoursOnDay(int klass, int lesson, int day) const override;
    int TeacherLongestBlockOnDay(int teacher, int day) const override;

    // Placing and moving lessons.
    void ClearDay(int day) override { variant_.ClearDay(day); }
    void PlaceDayFromPositions(int day) override;
    // Writes a block of `hours` for the lesson and every lesson linked to it: into the
    // clean copy from `start`, or at the end of each class's draft. False, with nothing
    // written, when the block does not fit the day or the draft of one of the classes.
    bool PlaceLinkedLesson(int klass, int lessonIndex, bool toDraft, int day, int start, int hours);
    // Moves the hours of the lesson and of every lesson linked to it from `fromDay`
    // to `toDay` (0: removes them). False, with nothing changed, when a block would
    // not fit the target day.
    bool MoveLessonBlock(int klass, int lessonIndex, bool toDraft, int toDay, int fromDay, int start);

    // Teachers and groups.
    TeacherLessonAt FindTeacherLessonAt(int teacher, int lesson) const;
    TeacherLessonAt FindTeacherDraftLessonAt(int teacher, int ordinal) const;
    // The same on any day, not only the selected one (the printed week).
    TeacherLessonAt FindTeacherLessonOnDay(int teacher, int day, int lesson) const {
        return findTeacherLessonOn(teacher, day, lesson);
    }
    TeacherLessonAt FindTeacherDraftLessonOnDay(int teacher, int day, int ordinal) const {
        return findTeacherDraftLessonOn(teacher, day, ordinal);
    }
    int CountTeacherCleanLessons(int teacher, int day) const;
    int CountTeacherDraftLessons(int teacher, int day) const;
    // Day 0 counts days 1..6.
    TeacherLessonCounts CountTeacherLessons(int teacher, int day) const;
    int TeacherWindowsOnDay(int teacher) const;
    int GroupWindowsTotal() const override;
    bool IsDayFreeOfGroup(int day, int group) const;
    // Every teacher's freeDaysTaken: the days other than the selected one that count
    // as planned and on which the teacher has no hour.
    void CountFreeDays(bool byGroup);

    // Classes and rooms.
    double DayLoadOfClass(int klass, int day) const;
    // The room for one subgroup at a lesson number of the selected day; -1 none.
    int FindBestRoom(int firstRoom, int roomType, int pupils, int secondRoom, int lesson, int subject,
                     bool onlyPreferred, bool strictType) const;
    OverfullLesson FirstOverfullLesson(int day) const;

private:
    const PlanningLesson* lessonAt(int klass, int lessonIndex) const;
    // The subgroup of the lesson taught by the teacher, -1 none.
    int teacherSubgroup(int klass, int lessonIndex, int teacher) const;
    TeacherLessonAt findTeacherLessonOn(int teacher, int day, int lesson) const;
    // `counted` receives the teacher's draft hours walked over: all of them when the
    // ordinal is not reached.
    TeacherLessonAt findTeacherDraftLessonOn(int teacher, int day, int ordinal, int* counted = nullptr) const;
    bool teacherHasHourOn(int teacher, int day) const;

    TTableVarItem& variant_;
    TRTIKlassesCollection& klasses_;
    TRTITeachersCollection& teachers_;
    const PlanningRooms& rooms_;
    const PlanningSubjects& subjects_;
    PlanningState& state_;
};

}  // namespace lovaris
