// lovaris-cli variant-view run as a process on a planned sample school: the grid of
// each view as the planning window gets it, agreeing with variant-show.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <regex>
#include <string>

#include "CliProcess.h"

namespace {

namespace fs = std::filesystem;
using json = nlohmann::json;
using lovaris::test::RunCli;

const std::string kSchool = LOVARIS_EXAMPLES_BUILD_DIR "/school.tbl";

TEST(VariantViewCli, ShowsEveryCellOfAViewOfAPlannedDay) {
    ASSERT_TRUE(fs::exists(kSchool)) << kSchool << " is missing: build the target sample_school";
    const lovaris::test::ScratchDir dir("lovaris-view-cli-");
    const std::string week = dir.file("week.rsp");
    const auto plan = RunCli({"plan", kSchool, "-o", week, "--steps", "20000", "--improve-steps", "20000"}, dir.path());
    ASSERT_TRUE(plan.exitCode == 0 || plan.exitCode == 3) << plan.err;

    const auto show = RunCli({"variant-show", kSchool, week, "--day", "2", "--json"}, dir.path());
    ASSERT_EQ(show.exitCode, 0) << show.err;
    const json shown = json::parse(show.out);
    const json& firstClass = shown["classes"][0];
    const int lessons = shown["lessonsPerDay"];
    const int classes = static_cast<int>(shown["classes"].size());

    const auto view = RunCli({"variant-view", kSchool, week, "--day", "2", "--view", "classes", "--json"}, dir.path());
    ASSERT_EQ(view.exitCode, 0) << view.err;
    const json grid = json::parse(view.out);
    ASSERT_EQ(grid["rows"], classes + 1);
    ASSERT_EQ(grid["columns"], lessons + 1);
    ASSERT_EQ(grid["cells"].size(), static_cast<std::size_t>(classes + 1));
    EXPECT_EQ(grid["cells"][0][3]["texts"], json::parse(R"([["3"]])"));
    const json& header = grid["cells"][1][0];
    EXPECT_EQ(header["heights"], json::parse("[50, 50]"));
    EXPECT_EQ(header["texts"][0][0], firstClass["name"]);
    EXPECT_TRUE(std::regex_match(header["texts"][0][1].get<std::string>(),
                                 std::regex("[0-9]+ \\([0-9]+\\+[0-9]+\\+-?[0-9]+\\)    [0-9]+,[0-9]")))
        << header["texts"][0][1];
    // Each hour of the first class: its subjects and rooms, as variant-show has them.
    for (const json& hour : firstClass["days"][0]["clean"]) {
        const json& cell = grid["cells"][1][hour["number"].get<int>()];
        EXPECT_EQ(cell["widths"], json::parse("[60, 40]"));
        for (std::size_t s = 0; s < hour["subgroups"].size(); ++s) {
            const json& subgroup = hour["subgroups"][s];
            const std::string subject = (hour["separated"].get<bool>() ? "*" : "") + subgroup["subject"].get<std::string>();
            EXPECT_EQ(cell["texts"][0][s], subject);
            EXPECT_EQ(cell["texts"][1][s], subgroup["room"].is_null() ? "" : subgroup["room"].get<std::string>());
        }
    }

    // Horizontal, as plain text: a line per cell, the teachers across.
    const auto teachers = RunCli({"variant-view", kSchool, week, "--day", "2", "--view", "teachers", "--horizontal"},
                                 dir.path());
    ASSERT_EQ(teachers.exitCode, 0) << teachers.err;
    std::smatch size;
    ASSERT_TRUE(std::regex_search(teachers.out, size, std::regex("^teachers, day 2, horizontal: ([0-9]+) columns, ([0-9]+) rows")))
        << teachers.out.substr(0, 200);
    EXPECT_EQ(std::stoi(size[2]), lessons + 1);
    const auto lines = std::count(teachers.out.begin(), teachers.out.end(), '\n');
    EXPECT_EQ(lines, 1 + std::stoi(size[1]) * std::stoi(size[2]));
    EXPECT_NE(teachers.out.find("\n0,1 state 0 widths 100 heights 100: \"1\"\n"), std::string::npos);
    EXPECT_TRUE(std::regex_search(teachers.out, std::regex("\n1,0 state [034] widths 100 heights 50/50: \"[^\"]+\" / \"[0-9]+ \\(")));
}

TEST(VariantViewCli, RefusesWhatItCannotShow) {
    const lovaris::test::ScratchDir dir("lovaris-view-cli-");
    const std::string variant = dir.file("new.rsp");
    ASSERT_EQ(RunCli({"variant-new", kSchool, variant}, dir.path()).exitCode, 0);
    const struct {
        std::vector<std::string> args;
        int exitCode;
    } cases[] = {
        {{"variant-view", kSchool, variant, "--view", "rooms"}, 1},                   // no day
        {{"variant-view", kSchool, variant, "--day", "7", "--view", "rooms"}, 1},
        {{"variant-view", kSchool, variant, "--day", "1", "--view", "pupils"}, 1},
        {{"variant-view", kSchool, kSchool, "--day", "1", "--view", "rooms"}, 2},     // not a variant
        {{"variant-view", kSchool, variant, "--day", "1", "--view", "rooms"}, 0},
    };
    for (const auto& c : cases) {
        const auto outcome = RunCli(c.args, dir.path());
        EXPECT_EQ(outcome.exitCode, c.exitCode) << c.args[3] << " " << c.args.back() << outcome.err;
    }
    const auto help = RunCli({"variant-view", "--help"}, dir.path());
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("--view V"), std::string::npos);
}

}  // namespace
