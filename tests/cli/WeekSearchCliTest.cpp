// lovaris-cli weeksearch runs as a process on the sample school, from a variant made
// by variant-new: the exit statuses, what it prints and what the written variant holds.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "CliProcess.h"
#include "core/common/FileIO.h"
#include "core/data/ProjectFile.h"
#include "core/planning/PlanningSession.h"
#include "core/variant/VariantFile.h"
#include "core/planning/VariantSessionCatalog.h"

namespace {

namespace fs = std::filesystem;

const std::string kSchool = LOVARIS_EXAMPLES_BUILD_DIR "/school.tbl";

using Outcome = lovaris::test::CliOutcome;
using lovaris::test::ReadText;

// Hours of a variant file in the clean copy and in the draft.
struct LayerHours {
    int clean = 0;
    int draft = 0;
};

class WeekSearchCli : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        std::random_device seed;
        dir_ = fs::temp_directory_path() / ("lovaris-weeksearch-cli-" + std::to_string(seed()) + std::to_string(seed()));
        fs::create_directories(dir_);
    }
    static void TearDownTestSuite() { fs::remove_all(dir_); }
    void SetUp() override {
        ASSERT_TRUE(fs::exists(kSchool)) << kSchool << " is missing: build the target sample_school";
        if (!fs::exists(path("empty.rsp"))) {
            ASSERT_EQ(run({"variant-new", kSchool, path("empty.rsp")}).exitCode, 0);
        }
    }

    static std::string path(const std::string& name) { return (dir_ / name).string(); }

    static Outcome run(const std::vector<std::string>& args) { return lovaris::test::RunCli(args, dir_); }

    static LayerHours hoursOf(const std::string& file) {
        const lovaris::Project project = *lovaris::ParseProject(*lovaris::ReadWholeFile(kSchool));
        lovaris::PlanningSession session(project);
        lovaris::LoadedVariant loaded;
        EXPECT_TRUE(lovaris::OpenVariantFile(file, lovaris::MakeVariantCatalog(session), loaded).ok) << file;
        LayerHours hours;
        for (int k = 0; k < loaded.variant.classCount(); ++k) {
            const auto counts = loaded.variant.CountClassLessons(k, 0);
            hours.clean += counts.clean;
            hours.draft += counts.draft;
        }
        return hours;
    }

    static inline fs::path dir_;
};

TEST_F(WeekSearchCli, BadUsageAndRefusedInputWriteNothing) {
    const std::string empty = path("empty.rsp");
    const std::string out = path("refused.rsp");
    struct Case {
        std::vector<std::string> args;
        int exitCode;
    };
    const std::vector<Case> cases = {
        {{"weeksearch", kSchool, empty}, 1},                                   // no output named
        {{"weeksearch", kSchool, empty, "--group", "x", "-o", out}, 1},        // not a number
        {{"weeksearch", kSchool, empty, "--max-variants", "-3", "-o", out}, 1},
        {{"weeksearch", kSchool, empty, "--seconds", "-0.5", "-o", out}, 1},
        {{"weeksearch", kSchool, empty, "--group", "100000", "-o", out}, 2},   // no such group
        {{"weeksearch", empty, empty, "-o", out}, 2},                          // not a project
        {{"weeksearch", kSchool, kSchool, "-o", out}, 2},                      // not a variant
    };
    for (const auto& c : cases) {
        const Outcome outcome = run(c.args);
        EXPECT_EQ(outcome.exitCode, c.exitCode) << c.args[3];
        EXPECT_NE(outcome.err, "");
        EXPECT_FALSE(fs::exists(out));
    }
    const Outcome help = run({"weeksearch", "--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.starts_with("Usage: lovaris-cli weeksearch ")) << help.out;
}

TEST_F(WeekSearchCli, AGroupGoesIntoTheDraftAndASecondRunFindsNothingToPlace) {
    const std::string once = path("once.rsp");
    const Outcome first = run({"weeksearch", kSchool, path("empty.rsp"), "--group", "0", "--max-variants", "3000", "-o", once});
    ASSERT_EQ(first.exitCode, 0) << first.err;
    EXPECT_NE(first.out.find("Group 0\n"), std::string::npos) << first.out;
    EXPECT_NE(first.out.find(" hours placed, "), std::string::npos) << first.out;
    EXPECT_NE(first.out.find(" variants viewed"), std::string::npos) << first.out;
    const LayerHours placed = hoursOf(once);
    EXPECT_EQ(placed.clean, 0);
    EXPECT_GT(placed.draft, 0);
    EXPECT_EQ(hoursOf(path("empty.rsp")).draft, 0);  // the input stays as it was

    const std::string twice = path("twice.rsp");
    const Outcome second = run({"weeksearch", kSchool, once, "--group", "0", "--max-variants", "3000", "-o", twice});
    EXPECT_EQ(second.exitCode, 3) << second.err;
    EXPECT_EQ(ReadText(twice), ReadText(once));
}

TEST_F(WeekSearchCli, EveryGroupIntoTheCleanCopy) {
    const std::string out = path("clean.rsp");
    const Outcome outcome = run({"weeksearch", kSchool, path("empty.rsp"), "--clean", "--parallels", "--attached-rooms",
                                 "--separated-hours", "--max-variants", "500", "--seconds", "0.5", "-o", out});
    ASSERT_EQ(outcome.exitCode, 0) << outcome.err;
    EXPECT_NE(outcome.out.find("Group 1\n"), std::string::npos) << outcome.out;
    const LayerHours placed = hoursOf(out);
    EXPECT_GT(placed.clean, 0);
    EXPECT_EQ(placed.draft, 0);
}

}  // namespace
