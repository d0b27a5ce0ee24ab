// lovaris-cli plan run as a process on the sample school: it ends, prints a summary
// whose hours add up, and writes a variant the other commands read; refused input
// writes nothing.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <regex>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "CliProcess.h"

namespace {

namespace fs = std::filesystem;

const std::string kSchool = LOVARIS_EXAMPLES_BUILD_DIR "/school.tbl";

using Outcome = lovaris::test::CliOutcome;
using lovaris::test::ReadText;

class PlanCli : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(fs::exists(kSchool)) << kSchool << " is missing: build the target sample_school";
        std::random_device seed;
        dir_ = fs::temp_directory_path() / ("lovaris-plan-cli-" + std::to_string(seed()) + std::to_string(seed()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string path(const std::string& name) const { return (dir_ / name).string(); }

    Outcome run(const std::vector<std::string>& args) const { return lovaris::test::RunCli(args, dir_); }

    fs::path dir_;
};

int Figure(const std::string& text, const std::string& label) {
    std::smatch match;
    if (!std::regex_search(text, match, std::regex(label + ": *([0-9]+)"))) return -1;
    return std::stoi(match[1]);
}

TEST_F(PlanCli, PlansTheSampleSchoolAndWritesAVariantTheOtherCommandsRead) {
    const std::string out = path("week.rsp");
    const auto plan = run({"plan", kSchool, "-o", out, "--seconds", "0.05"});
    ASSERT_TRUE(plan.exitCode == 0 || plan.exitCode == 3) << plan.exitCode << plan.err;
    EXPECT_EQ(plan.err, "");
    const int required = Figure(plan.out, "Hours required");
    const int clean = Figure(plan.out, "in the clean copy");
    const int draft = Figure(plan.out, "left in the draft");
    const int missing = Figure(plan.out, "not placed");
    EXPECT_GT(required, 0) << plan.out;
    EXPECT_GT(clean, 0) << plan.out;
    EXPECT_EQ(required, clean + draft + missing) << plan.out;
    EXPECT_EQ(plan.exitCode, clean == required ? 0 : 3);
    for (const char* line : {"Class gaps:", "Teacher windows:", "Subgroups without a room:", "Time: ejection search"})
        EXPECT_NE(plan.out.find(line), std::string::npos) << line;

    const auto show = run({"variant-show", kSchool, out});
    EXPECT_EQ(show.exitCode, 0) << show.err;
}

TEST_F(PlanCli, WithTheStagesTheSearchFinishesWhatTheyLeave) {
    const auto plan = run({"plan", kSchool, "-o", path("week.rsp"), "--stages", "--search-seconds", "0.05"});
    ASSERT_TRUE(plan.exitCode == 0 || plan.exitCode == 3) << plan.exitCode << plan.err;
    EXPECT_NE(plan.out.find("Time: week search"), std::string::npos) << plan.out;
    EXPECT_NE(plan.out.find("ejection search"), std::string::npos) << plan.out;
}

// The same seed and steps write the same file; the steps are few enough that the week
// still depends on every draw, the improvement's as well as the search's.
TEST_F(PlanCli, TheSameSeedAndStepsWriteTheSameFile) {
    std::vector<std::string> files;
    for (const char* seed : {"5", "5", "6"}) {
        const std::string out = path(std::string("week-") + std::to_string(files.size()) + ".rsp");
        const auto plan = run({"plan", kSchool, "-o", out, "--seed", seed, "--steps", "300", "--improve-steps", "3000"});
        EXPECT_EQ(plan.exitCode, 3) << plan.err;
        std::ifstream in(out, std::ios::binary);
        files.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    EXPECT_FALSE(files[0].empty());
    EXPECT_EQ(files[0], files[1]);
    EXPECT_NE(files[0], files[2]);
}

// The summary as JSON: the hours add up, the windows by day make their total, and
// the improvement never leaves the week costing more.
TEST_F(PlanCli, PrintsTheSummaryAsJson) {
    const auto plan = run({"plan", kSchool, "-o", path("week.rsp"), "--seconds", "2", "--improve-steps", "20000", "--json"});
    ASSERT_TRUE(plan.exitCode == 0 || plan.exitCode == 3) << plan.exitCode << plan.err;
    const auto week = nlohmann::json::parse(plan.out, nullptr, false);
    ASSERT_FALSE(week.is_discarded()) << plan.out;
    const auto& hours = week["hours"];
    EXPECT_EQ(hours["required"].get<int>(), hours["clean"].get<int>() + hours["draft"].get<int>() +
                                                 hours["notPlaced"].get<int>());
    int windows = 0;
    for (const auto& day : week["teacherWindows"]["byDay"]) windows += day.get<int>();
    EXPECT_EQ(windows, week["teacherWindows"]["total"].get<int>());
    EXPECT_EQ(week["teacherWindows"]["limit"].get<int>(), 1);
    EXPECT_EQ(week["classes"]["count"].get<int>(), 22);
    EXPECT_LE(week["improvement"]["costAfter"].get<double>(), week["improvement"]["costBefore"].get<double>());
    for (const char* key : {"freeDays", "wishesUsed", "subgroupsWithoutRoom", "cost", "stages", "output"})
        EXPECT_TRUE(week.contains(key)) << key;
}

TEST_F(PlanCli, WritesBesideTheProjectByDefault) {
    fs::copy_file(kSchool, path("Гимназия.tbl"));
    const auto plan = run({"plan", path("Гимназия.tbl"), "--seconds", "0.02"});
    ASSERT_TRUE(plan.exitCode == 0 || plan.exitCode == 3) << plan.err;
    EXPECT_TRUE(fs::exists(path("Гимназия-plan.rsp")));
}

TEST_F(PlanCli, RefusedInputWritesNothing) {
    std::ofstream(path("not-a-project.tbl")) << "nothing of a project";
    const struct {
        std::vector<std::string> args;
        int exitCode;
    } cases[] = {
        {{"plan", path("not-a-project.tbl"), "-o", path("out.rsp")}, 2},
        {{"plan", path("missing.tbl"), "-o", path("out.rsp")}, 2},
        {{"plan", kSchool, "-o", path("out.rsp"), "--seconds", "0"}, 1},
        {{"plan", kSchool, "-o", path("out.rsp"), "--seconds", "soon"}, 1},
        {{"plan", kSchool, "-o", path("out.rsp"), "--steps", "-5"}, 1},
        {{"plan", kSchool, "-o", path("out.rsp"), "--seed", "x1"}, 1},
        {{"plan", kSchool, "-o", path("out.rsp"), "--improve-steps", "-1"}, 1},
        {{"plan", kSchool, "-o", path("out.rsp"), "--stages", "--search-seconds", "0"}, 1},
    };
    for (const auto& c : cases) {
        const auto result = run(c.args);
        EXPECT_EQ(result.exitCode, c.exitCode) << c.args[1];
        EXPECT_NE(result.err, "");
        EXPECT_FALSE(fs::exists(path("out.rsp")));
    }
}

}  // namespace
