#pragma once
// A small school with a planned Monday, for the manual planning tests. Six lessons
// a day.
//
// 5А: maths {2,2,1} (Иванова), PE {1,1} (Петров, taught together with 5Б's PE),
//     Russian {1,1} (Сидорова; the lesson is closed at Monday's lesson 6), art {1}
//     (Кузнецова), chess {1} (Петров).
// 5Б: PE {1,1} (Петров), history {1,1} (Орлова), geography {2,2,1} (Кузнецова; the
//     lesson is closed at Monday's lesson 2), a club {1} with no subject and no teacher.
// 5В: maths {1,1} (Иванова), PE {1} (Петров), Russian {2} (Сидорова); the class is
//     closed at Monday's lessons 1-4.
// 5Г: art {1} (Белова), all of it on Monday.
// Орлова is busy at Monday's lesson 2. Rooms: 101 (30 places), 102 (20), Спортзал (60);
// every subgroup has 25 pupils.
//
// Monday, clean copy   5А          5Б          5В
//   1                  maths       -           (closed)
//   2                  maths       -           (closed)
//   3                  -           history     (closed)
//   4                  PE          PE          (closed)
//   5                  Russian     -           maths (101)
//   6                  -           -           PE
// (5Г: art at Monday 1.)
// Monday, draft: 5А art. Tuesday: 5А maths at 1-2. Wednesday: 5В maths at 4.
#include <memory>

#include "../support/EngineTestSchool.h"
#include "core/manual/ManualPlacement.h"
#include "core/workspace/VariantWorkspace.h"

namespace lovaris::test {

constexpr int k5A = 0, k5B = 1, k5V = 2, k5G = 3;
constexpr int kMaths5A = 0, kPe5A = 1, kRussian5A = 2, kArt5A = 3, kChess5A = 4;
constexpr int kPe5B = 0, kHistory5B = 1, kGeography5B = 2, kClub5B = 3;
constexpr int kMaths5V = 0, kPe5V = 1, kRussian5V = 2;
constexpr int kIvanova = 0, kPetrov = 1, kSidorova = 2, kOrlova = 3, kKuznetsova = 4, kBelova = 5;
constexpr int kRoom101 = 0, kRoom102 = 1, kGym = 2;
constexpr int kMonday = 1, kTuesday = 2, kWednesday = 3, kThursday = 4;

struct ManualSchool {
    ManualSchool() : school(6) {
        school.project.params.classMinLessons = 1;
        school.project.rooms.findById(school.room("101"))->seats = 30;
        school.project.rooms.findById(school.room("102"))->seats = 20;
        school.project.rooms.findById(school.room("Спортзал"))->seats = 60;
        const int maths = school.subject("Математика");
        const int pe = school.subject("Физкультура");
        const int russian = school.subject("Русский язык");
        const int history = school.subject("История");
        const int geography = school.subject("География");
        const int art = school.subject("Рисование");
        const int chess = school.subject("Шахматы");
        const int a = school.klass("5А");
        const int b = school.klass("5Б");
        const int v = school.klass("5В");
        const int g = school.klass("5Г");
        for (int n = 1; n <= 4; ++n) school.project.klasses.findById(v)->busy.set(kMonday, n, 1);
        const int ivanova = school.teacher("Иванова");
        const int petrov = school.teacher("Петров");
        const int sidorova = school.teacher("Сидорова");
        const int orlova = school.teacher("Орлова");
        const int kuznetsova = school.teacher("Кузнецова");
        const int belova = school.teacher("Белова");
        school.project.teachers.findById(orlova)->busy.set(kMonday, 2, kTeacherBusy);

        school.lesson(a, {2, 2, 1}, {{maths, ivanova}});
        const int peA = school.lesson(a, {1, 1}, {{pe, petrov}}).id;
        school.lesson(a, {1, 1}, {{russian, sidorova}}).busy.set(kMonday, 6, 1);
        school.lesson(a, {1}, {{art, kuznetsova}});
        school.lesson(a, {1}, {{chess, petrov}});
        const int peB = school.lesson(b, {1, 1}, {{pe, petrov}}).id;
        school.lesson(b, {1, 1}, {{history, orlova}});
        school.lesson(b, {2, 2, 1}, {{geography, kuznetsova}}).busy.set(kMonday, 2, 1);
        school.lesson(b, {1}, {{-1, -1}});
        school.lesson(v, {1, 1}, {{maths, ivanova}});
        school.lesson(v, {1}, {{pe, petrov}});
        school.lesson(v, {2}, {{russian, sidorova}});
        school.lesson(g, {1}, {{art, belova}});
        for (auto& lesson : school.project.lessons.items())
            for (auto& sub : lesson.subgroups) sub.children = 25;
        school.linkBoth(peA, 0, peB, 0);
    }

    // The workspace on Monday with the week above.
    std::unique_ptr<VariantWorkspace> open() {
        auto workspace = VariantWorkspace::CreateNew(school.project, WorkspaceSetup{});
        TTableVarItem& grid = workspace->variant();
        place(grid, k5A, kMonday, kMaths5A, 1, 2);
        place(grid, k5A, kMonday, kPe5A, 4, 1);
        place(grid, k5B, kMonday, kPe5B, 4, 1);
        place(grid, k5A, kMonday, kRussian5A, 5, 1);
        place(grid, k5B, kMonday, kHistory5B, 3, 1);
        place(grid, k5V, kMonday, kMaths5V, 5, 1);
        place(grid, k5V, kMonday, kPe5V, 6, 1);
        place(grid, k5G, kMonday, 0, 1, 1);
        grid.SetDraftSlot(k5A, kMonday, LessonSlot::BlockHour(kArt5A, 1, 1), 1);
        place(grid, k5A, kTuesday, kMaths5A, 1, 2);
        place(grid, k5V, kWednesday, kMaths5V, 4, 1);
        LessonSlot maths5V = grid.GetCleanSlot(k5V, kMonday, 5);
        maths5V.rooms[0] = kRoom101;
        grid.SetCleanSlot(k5V, kMonday, maths5V, 5);
        workspace->ReadyDayGroups();
        return workspace;
    }

    static void place(TTableVarItem& grid, int klass, int day, int lesson, int start, int hours) {
        for (int n = start; n < start + hours; ++n) grid.SetCleanSlot(klass, day, LessonSlot::BlockHour(lesson, start, n), n);
    }

    EngineSchool school;
};

inline ManualCell KlassCell(int klass, int day, int number, bool draft = false) {
    return ManualCell{ManualSide::Klass, draft, klass, day, number};
}
inline ManualCell TeacherCell(int teacher, int day, int number, bool draft = false) {
    return ManualCell{ManualSide::Teacher, draft, teacher, day, number};
}

}  // namespace lovaris::test
