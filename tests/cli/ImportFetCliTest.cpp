// lovaris-cli import-fet: the project it writes, its report, and no file when it refuses.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>

#include "CliProcess.h"

namespace {

namespace fs = std::filesystem;

std::string Fixture(const std::string& name) { return std::string(LOVARIS_TEST_DATA_DIR) + "/fet/" + name; }

TEST(ImportFetCli, WritesAProjectTheCheckReadsAndReportsWhatItLeftOut) {
    lovaris::test::ScratchDir scratch("lovaris-import-fet-");
    const std::string out = scratch.file("school.tbl");
    const auto imported = lovaris::test::RunCli({"import-fet", Fixture("busy-hours.fet"), out, "--report"}, scratch.path());
    ASSERT_EQ(imported.exitCode, 0) << imported.err;
    EXPECT_NE(imported.out.find("классов: 2, учителей: 2, уроков: 1 из занятий: 1"), std::string::npos) << imported.out;
    EXPECT_NE(imported.out.find("1  ограничения ConstraintTeacherMaxGapsPerWeek: не перенесены"), std::string::npos);

    const auto checked = lovaris::test::RunCli({"check", out}, scratch.path());
    EXPECT_EQ(checked.exitCode, 0) << checked.err;
    EXPECT_NE(checked.out.find("[Уроки]"), std::string::npos);

    // Without --report the tool says nothing.
    const auto quiet = lovaris::test::RunCli({"import-fet", Fixture("busy-hours.fet"), scratch.file("q.tbl")}, scratch.path());
    EXPECT_EQ(quiet.exitCode, 0);
    EXPECT_EQ(quiet.out, "");
}

// The class's home room is nearest, but FET holds Sport and Dance to the gyms and
// Chemistry to the laboratory: the planned week seats them nowhere else.
TEST(ImportFetCli, PlannedWeekSeatsSubjectsOnlyInTheRoomsFetHoldsThemTo) {
    lovaris::test::ScratchDir scratch("lovaris-import-fet-");
    const std::string project = scratch.file("school.tbl"), week = scratch.file("week.rsp"),
                      csv = scratch.file("week.csv");
    ASSERT_EQ(lovaris::test::RunCli({"import-fet", Fixture("forbidden-rooms.fet"), project}, scratch.path()).exitCode, 0);
    ASSERT_EQ(lovaris::test::RunCli({"plan", project, "-o", week, "--seconds", "1"}, scratch.path()).exitCode, 0);
    ASSERT_EQ(lovaris::test::RunCli({"export-csv", project, week, csv}, scratch.path()).exitCode, 0);
    const std::map<std::string, std::set<std::string>> allowed = {
        {"Sport", {"Gym1", "Gym2"}}, {"Dance", {"Gym1", "Gym2"}}, {"Chemistry", {"Lab"}}};
    int seen = 0;
    for (const auto& cells : lovaris::test::CsvRows(lovaris::test::ReadText(csv))) {
        if (cells.size() < 7 || !allowed.contains(cells[4])) continue;
        ++seen;
        EXPECT_TRUE(allowed.at(cells[4]).contains(cells[6])) << cells[0] << " " << cells[1] << " " << cells[4];
    }
    EXPECT_EQ(seen, 7) << "two hours of Sport in each class, one of Dance, two of Chemistry";
}

TEST(ImportFetCli, RefusedFileLeavesNoOutput) {
    lovaris::test::ScratchDir scratch("lovaris-import-fet-");
    const std::string in = scratch.file("broken.fet");
    std::ofstream(in) << "<fet><Days_List><Day><Name>Mo</Name></Day>";
    const std::string out = scratch.file("broken.tbl");
    const auto refused = lovaris::test::RunCli({"import-fet", in, out}, scratch.path());
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_EQ(refused.err.rfind("import-fet: broken.fet: строка 1: файл кончается раньше, чем завершен его XML", 0), 0u)
        << refused.err;
    EXPECT_FALSE(fs::exists(out));
}

}  // namespace
