// What the planning session does before a day is optimised: a new variant that
// names the class copies' lessons, the checks of the day and their questions, and
// the preparation's windows.
#include <gtest/gtest.h>

#include "../support/EngineTestSchool.h"
#include "core/common/RunTexts.h"
#include "core/optimisation/OptimisationDayChecks.h"
#include "core/planning/PlanningSession.h"
#include "core/variant/TTableVarItem.h"
#include "core/planning/VariantPlanning.h"
#include "core/planning/VariantSessionCatalog.h"

namespace lovaris {
namespace {

using test::EngineSchool;

constexpr int kDay = 2;

// Answers every question "Да" or "Нет" and keeps them.
class Answer : public OptimisationQuestionSink {
public:
    explicit Answer(bool yes) : yes_(yes) {}
    bool ask(const std::string& question) override {
        asked.push_back(question);
        return yes_;
    }
    std::vector<std::string> asked;

private:
    bool yes_;
};

void Put(TTableVarItem& v, int klass, int lesson, int start, int hours, bool clean = true) {
    for (int n = start; n < start + hours; ++n) {
        const LessonSlot slot = LessonSlot::BlockHour(lesson, start, n);
        clean ? v.SetCleanSlot(klass, kDay, slot, n) : v.SetDraftSlot(klass, kDay, slot, n);
    }
}

TEST(EngineOptimisationPrepare, NewVariantNamesTheLessonCopiesInOrder) {
    EngineSchool school;
    const int k = school.klass("5А");
    const int t = school.teacher("Иванова");
    auto& parent = school.lesson(k, {1, 1, 2}, {{school.subject("Математика"), t}});
    ASSERT_TRUE(parent.setSeparatedHours({1}));
    school.lesson(k, {1}, {{school.subject("Физика"), t}});
    PlanningSession session(school.project);
    const TTableVarItem fresh = session.NewVariant();
    EXPECT_TRUE(session.PlansVariant(fresh));
    EXPECT_EQ(session.FirstDetail().links.klassLessons.size(), 1u);

    // A variant made for the lessons in another order, or for fewer lessons, names other lessons.
    VariantCatalog reordered = MakeVariantCatalog(session);
    std::swap(reordered.classes[0].lessons[0], reordered.classes[0].lessons[2]);
    VariantCatalog shorter = MakeVariantCatalog(session);
    shorter.classes[0].lessons.pop_back();
    for (const VariantCatalog& other : {reordered, shorter}) {
        TTableVarItem v;
        v.Create(other);
        EXPECT_FALSE(session.PlansVariant(v));
    }
    EngineSchool empty;
    EXPECT_TRUE(PlanningSession(empty.project).FirstDetail().links.empty());
}

TEST(EngineOptimisationPrepare, DayChecksRefuseAndAsk) {
    enum class Expect { Ready, Refused, Asked };
    struct Case {
        const char* name;
        int closedHours;    // of the teacher on the day
        int fictiveStart;   // the clean block of the fictive lesson, 0 none
        bool partnerAtOne;  // the partner teaches at lesson 1 too
        Expect expected;
        std::string text;   // beginning of the message or question
    };
    const Case cases[] = {
        {"5 clean, 2 draft, 2 closed hours of 8", 2, 0, false, Expect::Refused, "В чистовике учителя Иванова"},
        {"5 clean, 2 draft, 1 closed hour of 8", 1, 0, false, Expect::Ready, ""},
        {"fictive group opening the day", 0, 1, false, Expect::Ready, ""},
        {"fictive group in the middle of the day", 0, 3, false, Expect::Asked, "Урок №3 в чистовике класса 5А"},
        {"partner teaching at the same time", 0, 0, true, Expect::Asked, "Урок №1 в чистовике учителя Иванова"},
    };
    for (const auto& c : cases) {
        for (const bool yes : {false, true}) {
            EngineSchool school;
            const int room = school.room("101");
            const int a = school.klass("5А");
            const int b = school.klass("5Б");
            const int t = school.teacher("Иванова", room);
            const int partner = school.teacher("Петров", room);
            for (int n = 1; n <= c.closedHours; ++n) school.project.teachers.at(t).busy.set(kDay, 8 - n + 1, 1);
            for (int l = 0; l < 7; ++l) school.lesson(l < 5 ? a : b, {1}, {{school.subject("Математика"), t}});
            school.lesson(a, {2}, {{school.subject("Самоподготовка"), -1}});  // lesson 5 of 5А
            school.lesson(b, {1}, {{school.subject("Физика"), partner}});      // lesson 2 of 5Б
            PlanningSession session(school.project);
            session.state().currentDay = kDay;
            session.state().considerAttachedRooms = true;
            TTableVarItem v = session.NewVariant();
            // 5А: lessons 0..4 of the teacher and, when asked, the fictive block.
            const int shift = c.fictiveStart == 1 ? 2 : 0;
            for (int l = 0; l < 5; ++l) {
                const int n = 1 + l + shift + (c.fictiveStart == 3 && l >= 2 ? 2 : 0);
                Put(v, 0, l, n, 1);
            }
            if (c.fictiveStart) Put(v, 0, 5, c.fictiveStart, 2);
            Put(v, 1, 0, 1, 1, false);
            Put(v, 1, 1, 2, 1, false);
            if (c.partnerAtOne) Put(v, 1, 2, 1, 1);
            VariantPlanning planning(v, session);
            session.teachers().groups.rows = {{t}};
            Answer answer(yes);
            const TTableVarItem before = v;
            const DayCheckOutcome outcome = CheckDayForOptimisation(session, planning, 0, answer);
            EXPECT_TRUE(v.sameGrids(before)) << c.name;
            switch (c.expected) {
                case Expect::Ready:
                    EXPECT_TRUE(outcome.ready()) << c.name << ": " << outcome.message;
                    EXPECT_TRUE(answer.asked.empty()) << c.name << ": " << answer.asked.front();
                    break;
                case Expect::Refused:
                    EXPECT_EQ(outcome.kind, DayCheckOutcome::Kind::Refused) << c.name;
                    EXPECT_EQ(outcome.message.rfind(c.text, 0), 0u) << c.name << ": " << outcome.message;
                    break;
                case Expect::Asked:
                    // "Да" stops at the first question; "Нет" may meet the conflict again from the partner's side.
                    ASSERT_GE(answer.asked.size(), 1u) << c.name;
                    if (yes) {
                        EXPECT_EQ(answer.asked.size(), 1u) << c.name;
                    }
                    EXPECT_EQ(answer.asked[0].rfind(c.text, 0), 0u) << answer.asked[0];
                    EXPECT_TRUE(answer.asked[0].ends_with("Прервать оптимизацию?")) << answer.asked[0];
                    EXPECT_EQ(outcome.kind, yes ? DayCheckOutcome::Kind::Abandoned : DayCheckOutcome::Kind::Ready)
                        << c.name;
                    break;
            }
        }
    }
}

TEST(EngineOptimisationPrepare, EmptyDayAndEmptyGroupAreRefused) {
    EngineSchool school;
    const int k = school.klass("5А");
    const int t = school.teacher("Иванова");
    school.lesson(k, {1}, {{school.subject("Математика"), t}});
    PlanningSession session(school.project);
    session.state().currentDay = kDay;
    TTableVarItem v = session.NewVariant();
    VariantPlanning planning(v, session);
    session.teachers().groups.rows = {{t}, {}};
    Answer answer(false);
    EXPECT_EQ(CheckDayForOptimisation(session, planning, 0, answer).message, LoadResText(RunText::DayEmpty));
    Put(v, 0, 0, 1, 1, false);
    EXPECT_EQ(CheckDayForOptimisation(session, planning, 1, answer).message, LoadResText(RunText::GroupEmpty));
    EXPECT_TRUE(CheckDayForOptimisation(session, planning, 0, answer).ready());
}

TEST(EngineOptimisationPrepare, PreparationAllowsTheTeachersWindows) {
    EngineSchool school;
    const int k = school.klass("5А");
    const int t = school.teacher("Иванова");
    const int u = school.teacher("Петров");
    school.lesson(k, {1}, {{school.subject("Математика"), t}});
    school.lesson(k, {1}, {{school.subject("Физика"), t}});
    school.lesson(k, {1}, {{school.subject("История"), u}});
    PlanningSession session(school.project);
    session.state().currentDay = kDay;
    TTableVarItem v = session.NewVariant();
    Put(v, 0, 0, 1, 1);
    Put(v, 0, 2, 2, 1);
    Put(v, 0, 1, 4, 1);  // two windows of Иванова at 2 and 3
    VariantPlanning planning(v, session);
    session.AcceptPreparation(planning, 1);
    EXPECT_EQ(session.teachers().at(0).maxFree, 2);
    EXPECT_EQ(session.teachers().at(1).maxFree, 1);
}

}  // namespace
}  // namespace lovaris
