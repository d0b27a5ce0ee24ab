// Schools of real size, stored as project files, planned in one run with fixed search
// budgets so that every run gives the same week: whatever the week leaves out, no
// teacher or room is used twice at one lesson number, no room at an hour it is closed,
// no class day has a gap, and every curriculum hour is counted once.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "WeekPlanChecks.h"
#include "core/common/FileIO.h"
#include "core/data/ProjectFile.h"
#include "core/planning/PlanningSession.h"
#include "core/weekplan/WeekPlan.h"

namespace lovaris {
namespace {

struct SchoolFileCase {
    const char* name;
    const char* file;  // in the test data folder
    int polls;         // per search
    int requiredHours;
};

void PrintTo(const SchoolFileCase& c, std::ostream* out) { *out << c.name; }

class WeekPlanSchoolFile : public ::testing::TestWithParam<SchoolFileCase> {};

TEST_P(WeekPlanSchoolFile, IsPlannedWithoutCollisionsGapsOrLostHours) {
    const SchoolFileCase& c = GetParam();
    const auto bytes = ReadWholeFile(std::string(LOVARIS_TEST_DATA_DIR) + "/" + c.file);
    ASSERT_TRUE(bytes);
    const auto project = ParseProject(*bytes);
    ASSERT_TRUE(project);
    PlanningSession session(*project);
    TTableVarItem variant = session.NewVariant();
    test::PollBudget budget(c.polls);
    const WeekPlanResult result =
        PlanWholeWeek(session, variant, VariantOptions::Defaults(variant.classCount(), variant.lessonsPerDay()), budget);

    EXPECT_EQ(test::Collisions(session, variant), "");
    EXPECT_EQ(test::ClosedRoomUses(session, variant), "");
    const WeekPlanSummary& s = result.summary;
    EXPECT_EQ(s.classGaps, 0);
    EXPECT_EQ(s.requiredHours, c.requiredHours);
    EXPECT_EQ(s.requiredHours, s.cleanHours + s.draftHours + s.notPlacedHours);
    EXPECT_GT(s.cleanHours, 0);
}

// Six classes, each with a room of its own, most lessons in double hours: the
// completion arranges days afresh around blocks that stand in two rooms, one each hour.
INSTANTIATE_TEST_SUITE_P(Schools, WeekPlanSchoolFile,
                         ::testing::Values(SchoolFileCase{"ArgentinaPolls300", "argentina-horario-isj.tbl", 300, 204},
                                           SchoolFileCase{"ArgentinaPolls3000", "argentina-horario-isj.tbl", 3000, 204},
                                           SchoolFileCase{"ArgentinaPolls20000", "argentina-horario-isj.tbl", 20000, 204}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lovaris
