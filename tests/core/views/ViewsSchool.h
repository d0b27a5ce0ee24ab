#pragma once
// A small school with a Monday in both layers, for the view tests. Four lessons a day.
//
// 5А: maths {2,1} (Иванова), Russian {1,1,1} with one hour separated (Сидорова),
//     PE {1,1} (Петров, taught together with 5Б's PE), English in two subgroups
//     (Смирнова, English; Кузнецова, German, fictive room "Лингафонный").
// 5Б: PE {1,1} (Петров), maths {1} (Иванова), a club {1,1} with no subject and no
//     teacher; closed at Monday's lesson 4.
// 5В: no lessons, closed all Monday.
// Орлова teaches nothing: busy at Monday's lessons 1-2, high-priority wishes at 3-4.
// Иванова: busy at Monday 3, a medium wish at 4. Смирнова: a low wish at Monday 1.
// Room 101 is closed at Monday's lesson 4.
//
// Monday, clean copy        5А                          5Б
//   1                       maths (101, critical)       club (102)
//   2                       maths (101)                 -
//   3                       PE (gym)                    PE (gym)
//   4                       English (102 | fictive, gym; Кузнецова critical)   - (closed)
// Monday, draft
//   1                       separated Russian           club
//   2                       Russian                     maths
#include "../support/EngineTestSchool.h"
#include "core/planning/PlanningSession.h"
#include "core/planning/VariantPlanning.h"
#include "core/planning/VariantSessionCatalog.h"
#include "core/views/ViewContext.h"

namespace lovaris::test {

// Class, lesson, teacher and room indexes.
constexpr int k5A = 0, k5B = 1, k5V = 2;
constexpr int kMaths5A = 0, kRussian5A = 1, kRussianSeparated5A = 2, kPe5A = 3, kEnglish5A = 4;
constexpr int kPe5B = 0, kMaths5B = 1, kClub5B = 2;
constexpr int kIvanova = 0, kPetrov = 1, kSidorova = 2, kSmirnova = 3, kKuznetsova = 4, kOrlova = 5;
constexpr int kRoom101 = 0, kRoom102 = 1, kGym = 2;

struct ViewsSchoolData {
    ViewsSchoolData() : school(4) {
        const int r101 = school.room("101");
        school.room("102");
        school.room("Спортзал");
        school.project.rooms.findById(r101)->busy.set(1, 4, 1);
        const int maths = school.subject("Математика", 8);
        const int russian = school.subject("Русский язык", 5);
        const int pe = school.subject("Физкультура", 3);
        const int english = school.subject("Английский", 5);
        const int german = school.subject("Немецкий", 4);
        const int a = school.klass("5А");
        const int b = school.klass("5Б");
        const int v = school.klass("5В");
        auto& klassB = *school.project.klasses.findById(b);
        klassB.busy.set(1, 4, 1);
        auto& klassV = *school.project.klasses.findById(v);
        for (int n = 1; n <= 4; ++n) klassV.busy.set(1, n, 1);
        const int ivanova = school.teacher("Иванова");
        const int petrov = school.teacher("Петров");
        const int sidorova = school.teacher("Сидорова");
        const int smirnova = school.teacher("Смирнова");
        const int kuznetsova = school.teacher("Кузнецова");
        const int orlova = school.teacher("Орлова");
        const auto teacher = [&](int id) -> TTeacherItem& { return *school.project.teachers.findById(id); };
        teacher(ivanova).plannedHours = 5;   // 2 clean + 1 draft: 2 left
        teacher(petrov).plannedHours = 1;    // all clean
        teacher(sidorova).plannedHours = 2;  // all in the draft
        teacher(ivanova).busy.set(1, 3, kTeacherBusy);
        teacher(ivanova).busy.set(1, 4, kTeacherWishMedium);
        teacher(smirnova).busy.set(1, 1, kTeacherWishLow);
        for (int n = 1; n <= 4; ++n) teacher(orlova).busy.set(1, n, n <= 2 ? kTeacherBusy : kTeacherWishHigh);

        school.lesson(a, {2, 1}, {{maths, ivanova}});
        school.lesson(a, {1, 1, 1}, {{russian, sidorova}}).setSeparatedHours({1});
        const int peA = school.lesson(a, {1, 1}, {{pe, petrov}}).id;
        auto& englishA = school.lesson(a, {1, 1}, {{english, smirnova}, {german, kuznetsova}});
        englishA.subgroups[1].setFictiveRoom("Лингафонный");
        const int peB = school.lesson(b, {1, 1}, {{pe, petrov}}).id;
        school.lesson(b, {1}, {{maths, ivanova}});
        school.lesson(b, {1, 1}, {{-1, -1}});
        school.linkBoth(peA, 0, peB, 0);
    }
    EngineSchool school;
};

// A project planned with an empty variant on Monday, default options.
class ViewsVariant {
public:
    explicit ViewsVariant(const Project& project)
        : session(project),
          planning(variant, session),
          options(VariantOptions::Defaults(project.klasses.count(), project.params.lessonsPerDay)) {
        variant.Create(MakeVariantCatalog(session));
        session.state().currentDay = 1;
    }

    ViewContext context() const { return ViewContext{session, planning, options}; }

    // A block in Monday's clean copy (or `day`'s), the same rooms and mask on every hour.
    void clean(int klass, int lesson, int start, int hours, std::vector<std::uint16_t> rooms,
               std::uint16_t mask = 0, int day = 1) {
        for (int n = start; n < start + hours; ++n) {
            LessonSlot slot = LessonSlot::BlockHour(lesson, start, n);
            for (std::size_t s = 0; s < rooms.size(); ++s) slot.rooms[s] = rooms[s];
            slot.subgroupMask = mask;
            variant.SetCleanSlot(klass, day, slot, n);
        }
    }
    void draft(int klass, int lesson, int number, int day = 1) {
        variant.SetDraftSlot(klass, day, LessonSlot::BlockHour(lesson, number, number), number);
    }

    PlanningSession session;
    TTableVarItem variant;
    VariantPlanning planning;
    VariantOptions options;
};

class ViewsSchool : public ViewsSchoolData, public ViewsVariant {
public:
    ViewsSchool() : ViewsVariant(school.project) {
        clean(k5A, kMaths5A, 1, 2, {kRoom101}, 1);
        clean(k5A, kPe5A, 3, 1, {kGym});
        clean(k5A, kEnglish5A, 4, 1, {kRoom102, kGym}, 2);
        clean(k5B, kClub5B, 1, 1, {kRoom102});
        clean(k5B, kPe5B, 3, 1, {kGym});
        draft(k5A, kRussianSeparated5A, 1);
        draft(k5A, kRussian5A, 2);
        draft(k5B, kClub5B, 1);
        draft(k5B, kMaths5B, 2);
    }

    // Tuesday, selected and read in: 5А's single maths hour at 1, and 5Б's maths moved
    // from Monday's draft to lesson 4, so that Иванова has two windows.
    void MathsOnTuesday() {
        variant.SetDraftSlot(k5B, 1, LessonSlot::Empty(), 2);
        clean(k5A, kMaths5A, 1, 1, {}, 0, 2);
        clean(k5B, kMaths5B, 4, 1, {}, 0, 2);
        session.state().currentDay = 2;
        session.SetupDay(planning);
    }
};

}  // namespace lovaris::test
