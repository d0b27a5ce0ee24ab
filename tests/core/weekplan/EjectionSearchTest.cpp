// The ejection search that finishes a week: on generated tight schools (every class's
// week full or nearly, class days closed after their last lesson, teachers shared and
// closed at some hours, lessons taught together, rooms now plenty and now scarce) the
// week it writes keeps every rule, alone or after the stages; it finishes a real
// school the stages leave incomplete; and the same seed and steps write the same week.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "../support/EngineTestSchool.h"
#include "WeekPlanChecks.h"
#include "core/common/FileIO.h"
#include "core/data/ProjectFile.h"
#include "core/planning/PlanningSession.h"
#include "core/weekplan/WeekPlan.h"

namespace lovaris {
namespace {

using test::EngineSchool;

using test::Draws;

struct TightKind {
    const char* name;
    bool scarceRooms;
    int slack;  // hours each class's week may fall short of full, at most
};

void PrintTo(const TightKind& kind, std::ostream* out) { *out << kind.name; }

// Six days of up to six lessons; each class is closed after its `length`-th lesson and
// learns (nearly) every open hour, in lessons of one- and two-hour blocks.
EngineSchool TightSchool(unsigned seed, const TightKind& kind) {
    Draws draw(seed);
    EngineSchool school(6);
    std::vector<int> rooms;
    for (int r = 0; r < (kind.scarceRooms ? 2 : 6); ++r) rooms.push_back(school.room("R" + std::to_string(r)));
    const int math = school.subject("Математика");
    const int pe = school.subject("Физкультура");
    const int classCount = draw.pick(3, 5);
    std::vector<int> teachers;
    const int teacherCount = 2 * classCount + draw.pick(0, 2);
    for (int t = 0; t < teacherCount; ++t) teachers.push_back(school.teacher("Учитель " + std::to_string(t)));
    for (int t : teachers)
        for (int closed = draw.pick(0, 3); closed > 0; --closed)
            school.project.teachers.findById(t)->busy.set(draw.pick(1, 6), draw.pick(1, 6), kTeacherBusy);
    std::vector<int> peLessons;
    for (int k = 0; k < classCount; ++k) {
        const int klass = school.klass(std::to_string(5 + k) + "А");
        const int length = draw.pick(4, 5);
        for (int d = 1; d <= 6; ++d)
            for (int n = length + 1; n <= 6; ++n) school.project.klasses.findById(klass)->busy.set(d, n, 1);
        int left = 6 * length - draw.pick(0, kind.slack) - 2;
        peLessons.push_back(school.lesson(klass, {1, 1}, {{pe, teachers.back()}}).id);
        while (left > 0) {
            std::vector<int> spread;
            for (int blocks = draw.pick(2, 5); blocks > 0 && left > 0; --blocks) {
                const int hours = left >= 2 && draw.pick(0, 3) == 0 ? 2 : 1;
                spread.push_back(hours);
                left -= hours;
            }
            school.lesson(klass, spread, {{math, teachers[static_cast<std::size_t>(draw.pick(0, teacherCount - 2))]}});
        }
    }
    school.linkBoth(peLessons[0], 0, peLessons[1], 0);
    if (kind.scarceRooms)
        for (int closed = draw.pick(1, 4); closed > 0; --closed)
            school.project.rooms.findById(rooms[0])->busy.set(draw.pick(1, 6), draw.pick(1, 6), 1);
    return school;
}

WeekPlanResult Plan(PlanningSession& session, TTableVarItem& variant, bool stages, std::uint64_t seed,
                    long long steps, int threads = 1, long long improveSteps = 0) {
    test::PollBudget budget(300);
    WeekPlanSearch search;
    search.stages = stages;
    search.settings = {seed, steps, threads};
    search.improvement = {seed, improveSteps, threads};
    return PlanWholeWeek(session, variant, VariantOptions::Defaults(variant.classCount(), variant.lessonsPerDay()),
                         budget, search);
}

class EjectionSearchProperty : public ::testing::TestWithParam<TightKind> {};

TEST_P(EjectionSearchProperty, KeepsEveryRuleAloneAndAfterTheStages) {
    int complete = 0;
    for (unsigned seed = 1; seed <= 12; ++seed) {
        for (const bool stages : {false, true}) {
            SCOPED_TRACE("seed " + std::to_string(seed) + (stages ? " after the stages" : " alone"));
            EngineSchool school = TightSchool(seed, GetParam());
            PlanningSession session(school.project);
            TTableVarItem variant = session.NewVariant();
            const WeekPlanResult result = Plan(session, variant, stages, seed, 20000);

            EXPECT_EQ(test::Collisions(session, variant), "");
            EXPECT_EQ(test::ClosedRoomUses(session, variant), "");
            EXPECT_EQ(test::BrokenRules(session, variant), "");
            const WeekPlanSummary& s = result.summary;
            EXPECT_EQ(s.requiredHours, s.cleanHours + s.draftHours + s.notPlacedHours);
            EXPECT_EQ(s.cleanHours + result.ejection.hoursWaitingAfter, s.requiredHours);
            complete += s.cleanHours == s.requiredHours ? 1 : 0;
        }
    }
    // Most of these schools can be finished; a search that finishes none is broken.
    EXPECT_GT(complete, 12);
}

INSTANTIATE_TEST_SUITE_P(Schools, EjectionSearchProperty,
                         ::testing::Values(TightKind{"FullWeeks", false, 0}, TightKind{"NearlyFull", false, 3},
                                           TightKind{"ScarceRooms", true, 2}),
                         [](const auto& info) { return std::string(info.param.name); });

Project SchoolFile(const std::string& file) {
    const auto bytes = ReadWholeFile(std::string(LOVARIS_TEST_DATA_DIR) + "/" + file);
    EXPECT_TRUE(bytes);
    auto project = ParseProject(bytes ? *bytes : std::vector<std::uint8_t>{});
    EXPECT_TRUE(project);
    return project ? *project : Project{};
}

Project Argentina() { return SchoolFile("argentina-horario-isj.tbl"); }

// Real schools whose every class's week is full: 6 classes in double hours, and 25
// classes with break hours closed inside their days and rooms shared between them.
TEST(EjectionSearch, FinishesRealSchoolsKeepingEveryRule) {
    for (const char* file : {"argentina-horario-isj.tbl", "namibia-moses-vd-byl-y2016-t1b.tbl"}) {
        SCOPED_TRACE(file);
        const Project project = SchoolFile(file);
        PlanningSession session(project);
        TTableVarItem variant = session.NewVariant();
        const WeekPlanResult result = Plan(session, variant, false, 1, 400000);
        EXPECT_EQ(result.summary.cleanHours, result.summary.requiredHours);
        // The break hour inside the days of the 25 classes is no gap.
        EXPECT_EQ(result.summary.classGaps, 0);
        EXPECT_EQ(test::Collisions(session, variant), "");
        EXPECT_EQ(test::ClosedRoomUses(session, variant), "");
        EXPECT_EQ(test::BrokenRules(session, variant), "");
    }
}

// The stages leave six of Argentina's 204 hours out; the search puts them in.
TEST(EjectionSearch, FinishesAWeekTheStagesLeaveIncomplete) {
    const Project project = Argentina();
    PlanningSession stagesOnly(project);
    TTableVarItem left = stagesOnly.NewVariant();
    const WeekPlanResult before = Plan(stagesOnly, left, true, 1, 0);
    ASSERT_LT(before.summary.cleanHours, before.summary.requiredHours);

    PlanningSession session(project);
    TTableVarItem variant = session.NewVariant();
    const WeekPlanResult after = Plan(session, variant, true, 1, 100000);
    EXPECT_EQ(after.ejection.hoursWaitingBefore, before.summary.requiredHours - before.summary.cleanHours);
    EXPECT_EQ(after.summary.cleanHours, after.summary.requiredHours);
    EXPECT_EQ(test::Collisions(session, variant), "");
    EXPECT_EQ(test::BrokenRules(session, variant), "");
}

// A lesson open only at Monday's fourth hour goes in only once Monday holds the three
// hours before it; the class's other lessons stand wherever they first went, so the
// search must bring them to Monday to carry the day up to it.
TEST(EjectionSearch, CarriesAClassDayUpToALessonFixedLateInIt) {
    EngineSchool school(6);
    const int klass = school.klass("5А");
    for (int d = 1; d <= kVariantDays; ++d)
        for (int n = 5; n <= 6; ++n) school.project.klasses.findById(klass)->busy.set(d, n, 1);
    const int math = school.subject("Математика");
    for (const char* name : {"Учитель 1", "Учитель 2", "Учитель 3"})
        school.lesson(klass, {1, 1}, {{math, school.teacher(name)}});
    TLessonItem& late = school.lesson(klass, {1}, {{math, school.teacher("Учитель 4")}});
    for (int d = 1; d <= kVariantDays; ++d)
        for (int n = 1; n <= 6; ++n)
            if (d != 1 || n != 4) late.busy.set(d, n, 1);

    PlanningSession session(school.project);
    TTableVarItem variant = session.NewVariant();
    const WeekPlanResult result = Plan(session, variant, false, 1, 20000);
    EXPECT_EQ(result.summary.cleanHours, 7);
    EXPECT_EQ(result.ejection.hoursWaitingAfter, 0);
    EXPECT_EQ(test::Collisions(session, variant), "");
    EXPECT_EQ(test::BrokenRules(session, variant), "");
}

// Stops at once: the week it was given stays as it was.
class StopAtOnce : public EjectionControl {
public:
    bool stop(const EjectionProgress&) override { return true; }
};

std::vector<LessonSlot> CleanCopy(const TTableVarItem& variant) {
    std::vector<LessonSlot> slots;
    for (int k = 0; k < variant.classCount(); ++k)
        for (int d = 1; d <= kVariantDays; ++d)
            for (int n = 1; n <= variant.lessonsPerDay(); ++n) slots.push_back(variant.GetCleanSlot(k, d, n));
    return slots;
}

TEST(EjectionSearch, SameSeedAndStepsWriteTheSameWeek) {
    const Project project = Argentina();
    std::vector<std::vector<LessonSlot>> weeks;
    for (int run = 0; run < 2; ++run) {
        PlanningSession session(project);
        TTableVarItem variant = session.NewVariant();
        // Too few steps to finish: the week depends on every draw, and the
        // improvement's on its own.
        Plan(session, variant, false, 7, 150, 1, 3000);
        weeks.push_back(CleanCopy(variant));
    }
    EXPECT_TRUE(weeks[0] == weeks[1]);
    PlanningSession session(project);
    TTableVarItem variant = session.NewVariant();
    Plan(session, variant, false, 8, 150, 1, 3000);
    EXPECT_FALSE(CleanCopy(variant) == weeks[0]) << "the seed changes nothing";
}

// Runs going at once finish out of order; the week is still the one runs one at a time
// give: Namibia's 25 classes finish in the first long run, after sixteen short ones
// (40,000 steps), and with 20,000 steps none finishes and the best of ten stays. The
// improvement's runs after it, complete week or not, likewise.
TEST(EjectionSearch, RunsAtOnceWriteTheWeekOfRunsOneAtATime) {
    const Project project = SchoolFile("namibia-moses-vd-byl-y2016-t1b.tbl");
    for (const long long steps : {20000LL, 40000LL}) {
        SCOPED_TRACE(steps);
        std::vector<std::vector<LessonSlot>> weeks;
        std::vector<WeekPlanResult> results;
        for (const int threads : {1, 3}) {
            PlanningSession session(project);
            TTableVarItem variant = session.NewVariant();
            results.push_back(Plan(session, variant, false, 1, steps, threads, 5000));
            weeks.push_back(CleanCopy(variant));
        }
        EXPECT_TRUE(weeks[0] == weeks[1]);
        EXPECT_EQ(results[0].ejection.steps, results[1].ejection.steps);
        EXPECT_EQ(results[0].ejection.movesEvaluated, results[1].ejection.movesEvaluated);
        EXPECT_EQ(results[0].ejection.hoursWaitingAfter, results[1].ejection.hoursWaitingAfter);
        EXPECT_EQ(results[1].ejection.hoursWaitingAfter == 0, steps == 40000);
        EXPECT_EQ(results[0].improvement.steps, results[1].improvement.steps);
        EXPECT_EQ(results[0].improvement.costAfter, results[1].improvement.costAfter);
        EXPECT_LT(results[1].improvement.costAfter, results[1].improvement.costBefore);
    }
}

TEST(EjectionSearch, AControlThatStopsAtOnceLeavesTheWeekAsItWas) {
    const Project project = Argentina();
    for (const int threads : {1, 2}) {
        PlanningSession session(project);
        TTableVarItem variant = session.NewVariant();
        StopAtOnce stop;
        const EjectionResult result = SearchByEjection(session, variant, {1, 100000, threads}, stop);
        EXPECT_EQ(result.steps, 0);
        EXPECT_EQ(result.hoursWaitingAfter, result.hoursWaitingBefore);
        EXPECT_EQ(SummariseWeek(session, variant).cleanHours, 0);
    }
}

}  // namespace
}  // namespace lovaris
