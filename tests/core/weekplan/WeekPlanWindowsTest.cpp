// The whole week planned when a teacher's day needs more windows than the planner
// allows: the group's day is tried again with more windows rather than left in the
// draft.
#include <gtest/gtest.h>

#include "../support/EngineTestSchool.h"
#include "core/planning/PlanningSession.h"
#include "core/weekplan/WeekPlan.h"

namespace lovaris {
namespace {

using test::EngineSchool;

// Two classes that both begin at lesson 1, each with a triple hour of its own teacher
// and a single hour of a teacher shared by both; everybody learns and teaches on
// Monday only.
// The shared teacher then stands at 1 in one class and at 4 in the other: two windows.
EngineSchool TwoWindowsOnMonday() {
    EngineSchool school;
    const int maths = school.subject("Математика");
    const int physics = school.subject("Физика");
    const int a = school.klass("5А");
    const int b = school.klass("5Б");
    const int shared = school.teacher("Иванова");
    const int first = school.teacher("Петров");
    const int second = school.teacher("Сидоров");
    school.lesson(a, {3}, {{maths, first}});
    school.lesson(a, {1}, {{physics, shared}});
    school.lesson(b, {3}, {{maths, second}});
    school.lesson(b, {1}, {{physics, shared}});
    for (int d = 2; d <= 6; ++d)
        for (int n = 1; n <= school.project.params.lessonsPerDay; ++n) {
            for (auto& teacher : school.project.teachers) teacher.busy.set(d, n, kTeacherBusy);
            for (auto& klass : school.project.klasses) klass.busy.set(d, n, 1);
        }
    return school;
}

struct WindowsCase {
    int allowedWindows;
    int retriesKept;
};

class WeekPlanWindows : public ::testing::TestWithParam<WindowsCase> {};

TEST_P(WeekPlanWindows, AGroupDayThatNeedsMoreWindowsIsCompletedWithThem) {
    const WindowsCase& c = GetParam();
    EngineSchool school = TwoWindowsOnMonday();
    PlanningSession session(school.project);
    TTableVarItem variant = session.NewVariant();
    VariantOptions options = VariantOptions::Defaults(variant.classCount(), variant.lessonsPerDay());
    options.maxTeacherWindows = static_cast<std::uint16_t>(c.allowedWindows);
    UnlimitedSearch budget;
    const WeekPlanResult result = PlanWholeWeek(session, variant, options, budget);

    EXPECT_EQ(result.summary.requiredHours, 8);
    EXPECT_EQ(result.summary.cleanHours, 8);
    EXPECT_EQ(result.summary.classGaps, 0);
    EXPECT_TRUE(result.dayComplete[1]);
    EXPECT_EQ(result.dayRunsIncomplete, 0);
    EXPECT_EQ(result.dayRunsWithMoreWindows, c.retriesKept);
}

INSTANTIATE_TEST_SUITE_P(Cases, WeekPlanWindows,
                         ::testing::Values(WindowsCase{0, 1}, WindowsCase{1, 1}, WindowsCase{2, 0}),
                         [](const auto& info) { return "Allowed" + std::to_string(info.param.allowedWindows); });

}  // namespace
}  // namespace lovaris
