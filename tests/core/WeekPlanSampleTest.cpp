// The sample school planned in one run, with a fixed search budget so that every run
// gives the same week: every curriculum hour stands in the clean copy with its room,
// nothing is left in the draft, and no teacher, class or room is used twice at once.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "WeekPlanChecks.h"
#include "core/data/ProjectJson.h"
#include "core/engine/PlanningSession.h"
#include "core/engine/WeekPlan.h"

namespace lovaris {
namespace {

Project SampleSchool() {
    std::ifstream in(LOVARIS_EXAMPLES_DIR "/school.json");
    std::stringstream text;
    text << in.rdbuf();
    ProjectFromJsonResult read = ProjectFromJson(nlohmann::json::parse(text.str()));
    EXPECT_TRUE(read.project) << read.error;
    return read.project.value_or(Project{});
}

TEST(WeekPlanSample, EveryHourOfTheSampleSchoolIsPlacedWithARoom) {
    const Project project = SampleSchool();
    PlanningSession session(project);
    TTableVarItem variant = session.NewVariant();
    test::PollBudget budget(20000);
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

}  // namespace
}  // namespace lovaris
