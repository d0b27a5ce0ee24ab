// Day variants of a class and the optimisation of a day.
#include <gtest/gtest.h>

#include "../support/EngineTestSchool.h"
#include "core/optimisation/DayVariants.h"
#include "core/optimisation/Optimisation.h"
#include "core/planning/PlanningSession.h"

namespace lovaris {
namespace {

using test::EngineSchool;
using test::FakeVariant;

// Stops the run at the n-th poll (0: never).
class StopAtPoll : public RunControl {
public:
    explicit StopAtPoll(int n = 0) : n_(n) {}
    bool poll() override { return n_ > 0 && ++polls_ >= n_; }
    void stopNow() { n_ = 1; }

private:
    int n_ = 0;
    int polls_ = 0;
};

// A session whose classes' draft lessons of Monday are read in, open for the group of
// every teacher, ready to be listed.
struct DayFixture {
    EngineSchool school;
    std::unique_ptr<PlanningSession> session;
    std::unique_ptr<FakeVariant> variant;
    UninterruptedRun run;

    void start() {
        session = std::make_unique<PlanningSession>(school.project);
        variant = std::make_unique<FakeVariant>(session->klasses());
    }
    void readDay() {
        test::GroupEveryTeacher(session->teachers(), school.project.params.lessonsPerDay);
        for (int k = 0; k < session->klasses().count(); ++k) session->klasses().ResetDay(k, true);
        session->klasses().MarkFixedLessonsOfDay(*variant, 1, -1);
    }
};

TEST(EngineDayVariants, WindowsFollowTheStartingLessons) {
    struct Case {
        std::vector<int> starts;
        int hours;
        int blockedLesson;  // 0 none
        int expected;       // variants, -1 none
    };
    const Case cases[] = {
        {{1, 2}, 5, 0, 2},   // windows 1..5 and 2..6
        {{2}, 7, 0, -1},     // 2..8 passes the seventh lesson
        {{1}, 4, 3, 1},      // 1..5 around the blocked third lesson
        {{1}, 4, 1, -1},     // the first lesson itself is blocked
    };
    for (const auto& c : cases) {
        DayFixture f;
        f.school.project.params.lessonsPerDay = 7;
        const int k = f.school.klass("5А", c.starts);
        if (c.blockedLesson) f.school.project.klasses.at(0).busy.set(1, c.blockedLesson, 1);
        const int t = f.school.teacher("Иванова");
        for (int h = 0; h < c.hours; ++h) f.school.lesson(k, {1}, {{f.school.subject("Математика"), t}});
        f.start();
        for (int h = 0; h < c.hours; ++h) f.variant->place(0, 1, h + 1, 1, h, false);
        f.readDay();
        DayVariants variants(f.session->klasses(), f.run);
        EXPECT_EQ(variants.EnumerateDayVariants(0), c.expected) << c.hours << " hours, blocked " << c.blockedLesson;
        if (c.blockedLesson == 3 && c.expected == 1) {
            const auto& positions = f.session->klasses().at(0).dayVariants.positions[0];
            EXPECT_EQ(positions[2].key, DayCell::kBlocked);
            EXPECT_GT(positions[4].key, 0);
        }
    }
}

TEST(EngineDayVariants, FictiveGroupsStandAtTheEdgesOfTheDay) {
    DayFixture f;
    const int k = f.school.klass("5А");
    const int t = f.school.teacher("Иванова");
    f.school.lesson(k, {1}, {{f.school.subject("Математика"), t}});
    f.school.lesson(k, {1}, {{f.school.subject("Самоподготовка"), -1}});
    f.school.lesson(k, {1}, {{f.school.subject("Физика"), t}});
    f.start();
    for (int l = 0; l < 3; ++l) f.variant->place(0, 1, l + 1, 1, l, false);
    f.readDay();
    DayVariants variants(f.session->klasses(), f.run);
    ASSERT_GT(variants.EnumerateDayVariants(0), 0);
    for (const auto& positions : f.session->klasses().at(0).dayVariants.positions)
        EXPECT_NE(positions[1].lesson, 1) << "a fictive group in the middle of the day";
}

TEST(EngineDayVariants, OrdersOfLessonsOutsideTheGroupAreRecordedOnce) {
    DayFixture f;
    const int k = f.school.klass("5А");
    const int inside = f.school.teacher("Иванова");
    const int outside = f.school.teacher("Петров");
    f.school.lesson(k, {1}, {{f.school.subject("Математика"), inside}});
    f.school.lesson(k, {1}, {{f.school.subject("Музыка"), outside}});
    f.school.lesson(k, {1}, {{f.school.subject("Труд"), outside}});
    f.start();
    for (int l = 0; l < 3; ++l) f.variant->place(0, 1, l + 1, 1, l, false);
    f.readDay();
    f.session->teachers().groups.rows = {{0}};
    f.session->klasses().ResetDay(0, true);
    f.session->klasses().MarkFixedLessonsOfDay(*f.variant, 1, 0);
    DayVariants variants(f.session->klasses(), f.run);
    // Three places for the group's lesson; the two others fill the rest either way.
    EXPECT_EQ(variants.EnumerateDayVariants(0), 3);
}

TEST(EngineDayVariants, SeparatedLessonNextToItsParentIsRejected) {
    for (const bool consider : {false, true}) {
        DayFixture f;
        const int k = f.school.klass("5А");
        const int t = f.school.teacher("Иванова");
        const int other = f.school.teacher("Петров");
        auto& lesson = f.school.lesson(k, {1, 1}, {{f.school.subject("Математика"), t}});
        ASSERT_TRUE(lesson.setSeparatedHours({1}));
        f.school.lesson(k, {1}, {{f.school.subject("Физика"), other}});
        f.start();
        f.variant->place(0, 1, 1, 1, 0, false);
        f.variant->place(0, 1, 2, 1, 1, false);
        f.variant->place(0, 1, 3, 1, 2, false);
        f.readDay();
        f.session->state().considerSeparatedHours = consider;
        DayVariants variants(f.session->klasses(), f.run);
        // The two parts of one lesson set the same bits: three places for the other
        // lesson, and only the middle one keeps the parts apart.
        EXPECT_EQ(variants.EnumerateDayVariants(0), consider ? 1 : 3);
    }
}

TEST(EngineOptimisation, ADayStandingInTheCleanCopyIsHandedOverOnce) {
    DayFixture f;
    const int a = f.school.klass("5А", {1});
    const int b = f.school.klass("5Б", {2});
    const int t = f.school.teacher("Иванова");
    const int u = f.school.teacher("Петров");
    f.school.lesson(a, {2}, {{f.school.subject("Математика"), t}});
    f.school.lesson(b, {1}, {{f.school.subject("Физика"), u}});
    f.start();
    f.variant->place(0, 1, 1, 2, 0);
    f.variant->place(1, 1, 2, 1, 0);
    f.readDay();
    Optimisation run(f.session->klasses(), *f.variant, f.run);
    int complete = 0;
    for (auto event = run.next(); event != OptimisationEvent::End; event = run.next()) {
        if (event != OptimisationEvent::CompleteVariant) continue;
        ++complete;
        EXPECT_EQ(f.variant->cleanLesson(0, 1, 2), 0);
        EXPECT_EQ(f.variant->cleanLesson(1, 1, 2), 0);
    }
    EXPECT_EQ(complete, 1);
    EXPECT_EQ(f.session->state().foundCount, 1);
    EXPECT_FALSE(run.outcome().message);
}

// The progress window's stages: the listing of every class, then the pairing, then none.
TEST(EngineOptimisation, PreparationReportsItsStages) {
    DayFixture f;
    const int a = f.school.klass("5А", {1});
    const int b = f.school.klass("5Б", {1});
    f.school.lesson(a, {1}, {{f.school.subject("Математика"), f.school.teacher("Иванова")}});
    f.school.lesson(b, {1}, {{f.school.subject("Физика"), f.school.teacher("Петров")}});
    f.start();
    f.variant->place(0, 1, 1, 1, 0, false);
    f.variant->place(1, 1, 1, 1, 0, false);
    f.readDay();
    Optimisation run(f.session->klasses(), *f.variant, f.run);
    EXPECT_EQ(run.preparation(), (Optimisation::PreparationStep{1, 0, 2}));
    run.next();
    EXPECT_FALSE(run.preparation());
}

TEST(EngineOptimisation, AClassWhoseDayStartsElsewhereHasNoVariants) {
    DayFixture f;
    const int a = f.school.klass("5А", {1});
    f.school.klass("5Б", {1});
    f.school.lesson(a, {1}, {{f.school.subject("Математика"), f.school.teacher("Иванова")}});
    f.start();
    f.variant->place(0, 1, 3, 1, 0);
    f.readDay();
    Optimisation run(f.session->klasses(), *f.variant, f.run);
    EXPECT_EQ(run.next(), OptimisationEvent::End);
    EXPECT_EQ(run.outcome().message, TextId::NoVariantsForClass);
    EXPECT_EQ(run.outcome().klassName, "5А");
    EXPECT_EQ(f.variant->cleanLesson(0, 1, 3), 0);  // the day keeps its content
}

TEST(EngineOptimisation, DraftLessonsArePlacedWithoutClashes) {
    DayFixture f;
    const int a = f.school.klass("5А", {1});
    const int b = f.school.klass("5Б", {1});
    const int t = f.school.teacher("Иванова");
    const int u = f.school.teacher("Петров");
    f.school.lesson(a, {1}, {{f.school.subject("Математика"), t}});
    f.school.lesson(a, {1}, {{f.school.subject("Физика"), u}});
    f.school.lesson(b, {1}, {{f.school.subject("Математика"), t}});
    f.school.lesson(b, {1}, {{f.school.subject("Физика"), u}});
    f.start();
    for (int k = 0; k < 2; ++k) {
        f.variant->place(k, 1, 1, 1, 0, false);
        f.variant->place(k, 1, 2, 1, 1, false);
    }
    f.readDay();
    Optimisation run(f.session->klasses(), *f.variant, f.run);
    int complete = 0;
    while (true) {
        const auto event = run.next();
        if (event == OptimisationEvent::End) break;
        if (event != OptimisationEvent::CompleteVariant) continue;
        ++complete;
        for (int n = 1; n <= 2; ++n) {
            ASSERT_NE(f.variant->cleanLesson(0, 1, n), -1);
            EXPECT_NE(f.variant->cleanLesson(0, 1, n), f.variant->cleanLesson(1, 1, n)) << "one teacher twice at " << n;
        }
    }
    EXPECT_EQ(complete, 2);
    EXPECT_FALSE(run.outcome().message);
}

// One teacher: 5А at the first lesson, 5Б at the second, 5В at either.
struct ThreeClassesOneTeacher : DayFixture {
    ThreeClassesOneTeacher() {
        const int t = school.teacher("Иванова");
        const int subject = school.subject("Математика");
        school.lesson(school.klass("5А", {1}), {1}, {{subject, t}});
        school.lesson(school.klass("5Б", {2}), {1}, {{subject, t}});
        school.lesson(school.klass("5В", {1, 2}), {1}, {{subject, t}});
        start();
        for (int k = 0; k < 3; ++k) variant->place(k, 1, 1, 1, 0, false);
        readDay();
    }
};

TEST(EngineOptimisation, ImpossibleDayShowsTheDeepestArrangement) {
    ThreeClassesOneTeacher f;
    Optimisation run(f.session->klasses(), *f.variant, f.run);
    EXPECT_EQ(run.next(), OptimisationEvent::BetterIncomplete);
    EXPECT_EQ(run.bestDepth(), 1);
    EXPECT_EQ(run.next(), OptimisationEvent::End);
    EXPECT_EQ(run.outcome().message, TextId::PlacementImpossibleShowBest);
    EXPECT_EQ(f.variant->cleanLesson(0, 1, 1), 0);
}

TEST(EngineOptimisation, StoppingAfterAnIncompleteArrangementSaysSo) {
    ThreeClassesOneTeacher f;
    StopAtPoll control;
    Optimisation run(f.session->klasses(), *f.variant, control);
    EXPECT_EQ(run.next(), OptimisationEvent::BetterIncomplete);
    control.stopNow();
    EXPECT_EQ(run.next(), OptimisationEvent::End);
    EXPECT_EQ(run.outcome().message, TextId::PlacementAbortedShowBest);
}

TEST(EngineOptimisation, TwoClassesWantingOneTeacherAtOnceCannotBePlaced) {
    DayFixture f;
    const int t = f.school.teacher("Иванова");
    const int subject = f.school.subject("Математика");
    f.school.lesson(f.school.klass("5А", {1}), {1}, {{subject, t}});
    f.school.lesson(f.school.klass("5Б", {1}), {1}, {{subject, t}});
    f.start();
    for (int k = 0; k < 2; ++k) f.variant->place(k, 1, 1, 1, 0, false);
    f.readDay();
    Optimisation run(f.session->klasses(), *f.variant, f.run);
    EXPECT_EQ(run.next(), OptimisationEvent::End);
    EXPECT_EQ(run.outcome().message, TextId::PlacementImpossible);
}

TEST(EngineOptimisation, BestVariantSearchEndsAtTheFirstVariantWithoutWindows) {
    DayFixture f;
    const int t = f.school.teacher("Иванова");
    const int k = f.school.klass("5А", {1, 2, 3});
    f.school.lesson(k, {1}, {{f.school.subject("Математика"), t}});
    f.start();
    f.variant->place(0, 1, 1, 1, 0, false);
    f.readDay();
    f.session->state().findBestVariant = true;
    Optimisation run(f.session->klasses(), *f.variant, f.run);
    EXPECT_EQ(run.next(), OptimisationEvent::CompleteVariant);
    EXPECT_TRUE(f.session->state().abortRequested);
    EXPECT_EQ(run.next(), OptimisationEvent::End);
    EXPECT_EQ(f.session->state().foundCount, 1);
    EXPECT_FALSE(run.outcome().message);
}

}  // namespace
}  // namespace lovaris
