#pragma once
// A small planned week for the export tests: two classes, a lesson they are taught
// together, a two-hour block, names that need quoting and escaping.
#include <memory>

#include "core/export/TimetableWeek.h"
#include "core/planning/PlanningSession.h"
#include "../support/EngineTestSchool.h"

namespace lovaris::test {

struct ExportSchool {
    ExportSchool() {
        school.project.params.description = "Школа №1";
        const int r101 = school.room("101");
        school.room("Спортзал");
        const int math = school.subject("Математика");
        const int sport = school.subject("Физ-ра, \"спорт\"; зал\\1");
        const int a = school.klass("5а"), b = school.klass("5б");
        const int ivanova = school.teacher("Иванова <И.И.>"), petrov = school.teacher("Петров");
        const int mathA = school.lesson(a, {2}, {{math, ivanova}}).id;
        const int sportA = school.lesson(a, {1}, {{sport, petrov}}).id;
        const int sportB = school.lesson(b, {1}, {{sport, petrov}}).id;
        school.linkBoth(sportA, 0, sportB, 0);
        (void)mathA;
        (void)r101;
        session = std::make_unique<PlanningSession>(school.project);
        variant = session->NewVariant();
        // 5а: Monday 1-2 mathematics in 101, Tuesday 3 sport with 5б in the gym.
        place(0, 1, 0, 1, 0);
        place(0, 1, 0, 2, 0);
        place(0, 2, 1, 3, 1);
        place(1, 2, 0, 3, 1);
    }

    void place(int klass, int day, int lessonIndex, int number, int room) {
        LessonSlot slot = LessonSlot::BlockHour(lessonIndex, number, number);
        slot.rooms[0] = static_cast<std::uint16_t>(room);
        variant.SetCleanSlot(klass, day, slot, number);
    }

    TimetableWeek week() const { return CollectTimetableWeek(*session, variant); }

    EngineSchool school{4};
    std::unique_ptr<PlanningSession> session;
    TTableVarItem variant;
};

}  // namespace lovaris::test
