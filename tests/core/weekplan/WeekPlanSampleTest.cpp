// The sample school planned in one run, with fixed search budgets so that every run
// gives the same weeks: every curriculum hour stands in the clean copy with its room,
// nothing is left in the draft, and no teacher, class or room is used twice at once.
#include <gtest/gtest.h>

#include "WeekPlanChecks.h"
#include "core/planning/PlanningSession.h"
#include "core/weekplan/WeekPlan.h"

namespace lovaris {
namespace {

// Searches cut after so many polls end in different weeks before the completion.
class WeekPlanSample : public ::testing::TestWithParam<int> {};

TEST_P(WeekPlanSample, EveryHourOfTheSampleSchoolIsPlacedWithARoom) {
    const Project project = test::SampleSchool();
    PlanningSession session(project);
    TTableVarItem variant = session.NewVariant();
    test::PollBudget budget(GetParam());
    const WeekPlanResult result =
        PlanWholeWeek(session, variant, VariantOptions::Defaults(variant.classCount(), variant.lessonsPerDay()), budget);

    const WeekPlanSummary& s = result.summary;
    EXPECT_EQ(s.requiredHours, 612);
    EXPECT_EQ(s.cleanHours, s.requiredHours);
    EXPECT_EQ(s.draftHours, 0);
    EXPECT_EQ(s.notPlacedHours, 0);
    EXPECT_EQ(s.subgroupsWithoutRoom, 0);
    EXPECT_EQ(test::Collisions(session, variant), "");
}

INSTANTIATE_TEST_SUITE_P(Polls, WeekPlanSample, ::testing::Values(300, 3000, 20000),
                         [](const auto& info) { return "Polls" + std::to_string(info.param); });

}  // namespace
}  // namespace lovaris
