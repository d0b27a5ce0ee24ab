// The improvement of a planned week: on the sample school and two real ones, under
// the variant options that change its weights, it breaks no rule the week kept,
// loses no hour, seats no fewer subgroups, and never leaves the week costing more;
// the cost it reports is the measure's.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "WeekPlanChecks.h"
#include "core/common/FileIO.h"
#include "core/data/ProjectFile.h"
#include "core/planning/PlanningSession.h"
#include "core/weekplan/WeekImprovement.h"
#include "core/weekplan/WeekPlan.h"

namespace lovaris {
namespace {

Project School(const std::string& file) {
    if (file.empty()) return test::SampleSchool();
    const auto bytes = ReadWholeFile(std::string(LOVARIS_TEST_DATA_DIR) + "/" + file);
    EXPECT_TRUE(bytes);
    auto project = ParseProject(bytes ? *bytes : std::vector<std::uint8_t>{});
    EXPECT_TRUE(project);
    return project ? *project : Project{};
}

// The lines of `after` that `before` does not hold. Under some options the sample
// school's planned week seats linked classes in a room too small for them; a block
// the improvement moves gets its rooms afresh, one it leaves keeps them.
std::string NewFaults(const std::string& before, const std::string& after) {
    std::string found;
    std::istringstream lines(after);
    for (std::string line; std::getline(lines, line);)
        if (before.find(line + "\n") == std::string::npos) found += line + "\n";
    return found;
}

struct ImprovementCase {
    const char* name;
    const char* file;  // empty: the sample school
    long long searchSteps;  // few leave the week incomplete
    int maxWindows;
    int wishesMode;
    int teacherBusyWeight;
};

class WeekImprovementProperty : public ::testing::TestWithParam<ImprovementCase> {};

TEST_P(WeekImprovementProperty, BreaksNoRuleAndNeverCostsMore) {
    const ImprovementCase& c = GetParam();
    const Project project = School(c.file);
    PlanningSession session(project);
    TTableVarItem variant = session.NewVariant();
    VariantOptions options = VariantOptions::Defaults(variant.classCount(), variant.lessonsPerDay());
    options.maxTeacherWindows = static_cast<std::uint16_t>(c.maxWindows);
    options.wishesMode = static_cast<std::uint16_t>(c.wishesMode);
    options.teacherBusyWeight = static_cast<std::uint16_t>(c.teacherBusyWeight);
    test::PollBudget budget(300);
    WeekPlanSearch search;
    search.stages = false;
    search.settings = {1, c.searchSteps, 1};
    PlanWholeWeek(session, variant, options, budget, search);
    const WeekPlanSummary before = SummariseWeek(session, variant);
    // The week may come with faults of its own (see NewFaults): the improvement adds none.
    const std::string brokenBefore = test::BrokenRules(session, variant);
    const WeekQuality measured = MeasureWeek(session, variant, options);

    const ImprovementResult result = ImproveWeek(session, variant, options, {3, 20000, 2});

    EXPECT_EQ(test::Collisions(session, variant), "");
    EXPECT_EQ(test::ClosedRoomUses(session, variant), "");
    EXPECT_EQ(NewFaults(brokenBefore, test::BrokenRules(session, variant)), "");
    const WeekPlanSummary after = SummariseWeek(session, variant);
    EXPECT_EQ(after.cleanHours, before.cleanHours);
    EXPECT_EQ(after.notPlacedHours, before.notPlacedHours);
    EXPECT_EQ(after.classGaps, 0);
    EXPECT_LE(after.subgroupsWithoutRoom, before.subgroupsWithoutRoom);
    EXPECT_NEAR(result.costBefore, measured.cost, 1e-6);
    EXPECT_NEAR(result.costAfter, MeasureWeek(session, variant, options).cost, 1e-6);
    EXPECT_LE(result.costAfter, result.costBefore);
    EXPECT_LT(result.costAfter, result.costBefore) << "no move ever stood";
}

INSTANTIATE_TEST_SUITE_P(
    Schools, WeekImprovementProperty,
    ::testing::Values(ImprovementCase{"Sample", "", 100000, 1, 2, 40},
                      ImprovementCase{"SampleNoWindowsAllWishes", "", 100000, 0, 1, 100},
                      ImprovementCase{"SampleWishesIgnored", "", 100000, 1, 4, 10},
                      ImprovementCase{"SampleIncomplete", "", 40, 1, 2, 40},
                      ImprovementCase{"Argentina", "argentina-horario-isj.tbl", 100000, 1, 2, 40},
                      ImprovementCase{"Namibia", "namibia-moses-vd-byl-y2016-t1b.tbl", 100000, 2, 3, 40}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lovaris
