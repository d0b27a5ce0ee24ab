#pragma once
// A small school for the journal tests, planned on Monday with lessons per day 4:
// one teacher for each way the substitute dialog may offer (or refuse) a teacher for
// Ivanova's lesson 2 in class 5А.
#include <memory>

#include "../support/EngineTestSchool.h"
#include "core/journal/JournalTimetable.h"
#include "core/journal/SubstitutionArchive.h"
#include "core/planning/PlanningSession.h"

namespace lovaris::test {

// 14.12.2026, a Monday; 13.12.2026 is a Sunday.
inline constexpr SerialDate kMonday = 46370;
inline constexpr SerialDate kSunday = kMonday - 1;

struct JournalSchool {
    enum Teacher { Ivanova, Petrov, Sidorova, Kuznetsov, Orlova, Belova, Zaitsev, Volkov };

    JournalSchool() : school(4) {
        const int math = school.subject("Математика");
        const int music = school.subject("Музыка");
        for (const char* name : {"Иванова", "Петров", "Сидорова", "Кузнецов", "Орлова", "Белова", "Зайцев", "Волков"})
            school.teacher(name);
        const int fifth = school.klass("5А");
        const int first = school.klass("1Б");
        school.project.klasses.at(1).stage = 0;
        school.room("Каб. 12");
        // Ivanova, Petrov and Volkov teach the three subgroups of 5А's mathematics.
        auto& shared = school.lesson(fifth, {1, 1}, {{math, Ivanova}, {math, Petrov}, {math, Volkov}});
        shared.subgroups[2].fictiveRoom = "Спортзал";
        sharedId = shared.id;
        ivanovaFirstId = school.lesson(first, {1}, {{music, Ivanova}}).id;
        sidorovaId = school.lesson(first, {1}, {{music, Sidorova}}).id;
        belovaId = school.lesson(first, {1}, {{music, Belova}}).id;
        // Orlova has no lesson on Monday but does not want lesson 2.
        school.project.teachers.at(Orlova).busy.set(1, 2, kTeacherBusy);

        session = std::make_unique<PlanningSession>(school.project);
        variant = session->NewVariant();
        place(0, sharedId, 2);
        place(1, ivanovaFirstId, 1);
        place(1, belovaId, 2);
        place(1, sidorovaId, 4);
        // Ivanova's subgroup of the shared lesson sits in room 12.
        auto slot = variant.GetCleanSlot(0, 1, 2);
        slot.rooms[0] = 0;
        variant.SetCleanSlot(0, 1, slot, 2);
        timetable = std::make_unique<JournalTimetable>(*session, variant);
    }

    void place(int klass, int lessonId, int number) {
        const int index = session->klasses().at(klass).indexOfLessonId(lessonId);
        variant.SetCleanSlot(klass, 1, LessonSlot::BlockHour(index, number, number), number);
    }

    EngineSchool school;
    int sharedId = 0;
    int ivanovaFirstId = 0;
    int sidorovaId = 0;
    int belovaId = 0;
    std::unique_ptr<PlanningSession> session;
    TTableVarItem variant;
    std::unique_ptr<JournalTimetable> timetable;
};

// An archive over memory; `storage` stays readable while the archive lives.
struct MemoryArchive {
    MemoryArchive() {
        auto owned = std::make_unique<MemoryStorage>(EmptyArchiveBytes());
        storage = owned.get();
        archive = SubstitutionArchive::OpenStorage(std::move(owned));
    }
    MemoryStorage* storage = nullptr;
    std::unique_ptr<SubstitutionArchive> archive;
};

}  // namespace lovaris::test
