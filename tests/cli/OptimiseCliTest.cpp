// lovaris-cli optimise and variant-draft run as a process on the sample school: a
// day's draft filled from the curriculum and optimised group by group, the exit
// statuses, the messages, and what the written variant holds.
#include <gtest/gtest.h>

#include <algorithm>
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
#include "core/planning/VariantPlanning.h"
#include "core/planning/VariantSessionCatalog.h"

namespace {

namespace fs = std::filesystem;

const std::string kSchool = LOVARIS_EXAMPLES_BUILD_DIR "/school.tbl";
constexpr int kDay = 1;

using Outcome = lovaris::test::CliOutcome;
using lovaris::test::ReadText;

// The sample school and, made once for all cases, a variant whose Monday draft holds
// the curriculum's lessons.
class OptimiseCli : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        std::random_device seed;
        dir_ = fs::temp_directory_path() / ("lovaris-optimise-cli-" + std::to_string(seed()) + std::to_string(seed()));
        fs::create_directories(dir_);
    }
    static void TearDownTestSuite() { fs::remove_all(dir_); }
    void SetUp() override { ASSERT_TRUE(fs::exists(kSchool)) << kSchool << " is missing: build the target sample_school"; }

    static std::string path(const std::string& name) { return (dir_ / name).string(); }

    static Outcome run(const std::vector<std::string>& args) { return lovaris::test::RunCli(args, dir_); }

    // Empty and drafted variants of the sample school, written once.
    static std::string drafted() {
        if (!fs::exists(path("drafted.rsp"))) {
            EXPECT_EQ(run({"variant-new", kSchool, path("empty.rsp")}).exitCode, 0);
            const Outcome filled = run({"variant-draft", kSchool, path("empty.rsp"), "--day", "1", "-o", path("drafted.rsp")});
            EXPECT_EQ(filled.exitCode, 0) << filled.err;
        }
        return path("drafted.rsp");
    }

    struct Opened {
        lovaris::Project project;
        std::unique_ptr<lovaris::PlanningSession> session;
        lovaris::LoadedVariant variant;
    };
    static std::unique_ptr<Opened> open(const std::string& variantPath) {
        auto o = std::make_unique<Opened>();
        o->project = *lovaris::ParseProject(*lovaris::ReadWholeFile(kSchool));
        o->session = std::make_unique<lovaris::PlanningSession>(o->project);
        EXPECT_TRUE(lovaris::OpenVariantFile(variantPath, lovaris::MakeVariantCatalog(*o->session), o->variant).ok);
        return o;
    }

    // Hours per (class, lesson) on the day, clean and draft together.
    static std::vector<std::vector<int>> hoursOfDay(const lovaris::TTableVarItem& v) {
        std::vector<std::vector<int>> hours;
        for (int k = 0; k < v.classCount(); ++k) {
            hours.emplace_back(v.catalog().classes[static_cast<std::size_t>(k)].lessons.size(), 0);
            for (std::size_t l = 0; l < hours.back().size(); ++l)
                hours.back()[l] = v.CountLessonHoursOnDay(k, static_cast<int>(l), kDay);
        }
        return hours;
    }

    static fs::path dir_;
};

fs::path OptimiseCli::dir_;

TEST_F(OptimiseCli, HelpDescribesBothCommands) {
    const auto tool = run({"--help"});
    EXPECT_NE(tool.out.find("3 a planning run found no complete result"), std::string::npos) << tool.out;
    for (const std::string c : {"optimise", "variant-draft"}) {
        EXPECT_NE(tool.out.find("  " + c + " "), std::string::npos) << c;
        const auto help = run({c, "--help"});
        EXPECT_EQ(help.exitCode, 0) << c;
        EXPECT_TRUE(help.out.starts_with("Usage: lovaris-cli " + c + " ")) << help.out;
    }
}

TEST_F(OptimiseCli, DraftHoldsTheCurriculumOfTheDayOnly) {
    const auto o = open(drafted());
    const auto& v = o->variant.variant;
    int draftHours = 0;
    for (int k = 0; k < v.classCount(); ++k) {
        const auto counts = v.CountClassLessons(k, kDay);
        EXPECT_EQ(counts.clean, 0);
        EXPECT_GT(counts.draft, 0) << "class " << k;
        // Never more than the class's open hours of the day.
        EXPECT_LE(counts.draft + o->session->klasses().at(k).blockedPerDay[kDay], v.lessonsPerDay());
        draftHours += counts.draft;
        EXPECT_EQ(v.CountClassLessons(k, 0).draft, counts.draft) << "another day got hours";
    }
    EXPECT_GT(draftHours, 100);
}

TEST_F(OptimiseCli, OneGroupIsPlacedAndNothingElseMoves) {
    const auto result = run({"optimise", kSchool, drafted(), "--day", "1", "--group", "0", "--max-variants", "3", "-o",
                             path("group0.rsp")});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    for (const char* figure : {"Group 0: ", "day variants per class: ", "complete variants found: 3",
                               "windows of the group's teachers: ", "enumeration ", "compatibility ", "search "})
        EXPECT_NE(result.out.find(figure), std::string::npos) << figure << " missing from\n" << result.out;

    const auto before = open(drafted());
    const auto after = open(path("group0.rsp"));
    EXPECT_EQ(hoursOfDay(after->variant.variant), hoursOfDay(before->variant.variant));
    EXPECT_EQ(after->variant.options.selectedDay, kDay);

    // The group's teachers have nothing left in the draft; some lesson went to the clean copy.
    auto& session = *after->session;
    session.state().currentDay = kDay;
    lovaris::VariantPlanning planning(after->variant.variant, session);
    session.SetupDay(planning);
    int clean = 0;
    for (int t : session.teachers().groups.row(0)) {
        EXPECT_EQ(planning.CountTeacherDraftLessons(t, kDay), 0) << session.teachers().at(t).displayName();
        clean += planning.CountTeacherCleanLessons(t, kDay);
    }
    EXPECT_GT(clean, 0);
}

TEST_F(OptimiseCli, OutcomesAndExitStatuses) {
    struct Case {
        const char* name;
        std::vector<std::string> args;  // after PROJECT VARIANT
        bool emptyVariant;
        int exitCode;
        std::string message;  // on stderr
        bool written;
    };
    const Case cases[] = {
        {"empty day", {"--day", "1"}, true, 3, "На текущий день не выставлено ни одного урока.", false},
        {"empty group", {"--day", "1", "--group", "30"}, false, 3, "Выбранная группа пуста.", false},
        {"group beyond the teachers", {"--day", "1", "--group", "5000"}, false, 1, "--group takes a group", false},
        {"no day", {}, false, 1, "--day takes a day", false},
        {"day 7", {"--day", "7"}, false, 1, "--day takes a day", false},
        {"no complete variant", {"--day", "1", "--group", "11"}, false, 3,
         "Расстановка указанных уроков невозможна. Будет показан лучший промежуточный вариант расстановки.", true},
    };
    const std::string draftedVariant = drafted();  // also writes empty.rsp
    for (const auto& c : cases) {
        const std::string out = path(std::string("case-") + std::to_string(&c - cases) + ".rsp");
        std::vector<std::string> args = {"optimise", kSchool, c.emptyVariant ? path("empty.rsp") : draftedVariant};
        args.insert(args.end(), c.args.begin(), c.args.end());
        args.insert(args.end(), {"-o", out});
        const auto result = run(args);
        EXPECT_EQ(result.exitCode, c.exitCode) << c.name << "\n" << result.out << result.err;
        EXPECT_NE(result.err.find(c.message), std::string::npos) << c.name << ": " << result.err;
        EXPECT_EQ(fs::exists(out), c.written) << c.name;
        if (c.written) {
            // The best incomplete arrangement loses no hour either.
            EXPECT_EQ(hoursOfDay(open(out)->variant.variant), hoursOfDay(open(drafted())->variant.variant)) << c.name;
        }
    }
}

TEST_F(OptimiseCli, RefusedInputsWriteNothing) {
    std::ofstream(path("not-a-variant.rsp")) << "nothing here";
    for (const std::string command : {"optimise", "variant-draft"}) {
        const auto result = run({command, kSchool, path("not-a-variant.rsp"), "--day", "1", "-o", path("refused.rsp")});
        EXPECT_EQ(result.exitCode, 2) << command;
        EXPECT_NE(result.err.find("не известен или не поддерживается"), std::string::npos) << result.err;
        EXPECT_FALSE(fs::exists(path("refused.rsp"))) << command;
    }
}

TEST_F(OptimiseCli, AutosaveNamesTheVariantsAndStopsAtTheOptionsMaximum) {
    struct Case {
        const char* maxVariants;  // the variant's option
        std::vector<std::string> saved;
    };
    const Case cases[] = {
        {"0", {"Понедельник_Опт_1.rsp"}},
        {"2", {"Понедельник_Опт_1.rsp", "Понедельник_Опт_2.rsp"}},
    };
    for (const auto& c : cases) {
        const fs::path folder = fs::path(path(std::string("autosave-") + c.maxVariants));
        fs::create_directories(folder);
        const std::string variant = (folder / "in.rsp").string();
        ASSERT_EQ(run({"variant-options", drafted(), kSchool, "--max-variants", c.maxVariants, "-o", variant}).exitCode,
                  0);
        const std::string out = (folder / "out.rsp").string();
        const auto result = run({"optimise", kSchool, variant, "--day", "1", "--group", "0", "--autosave", "-o", out});
        ASSERT_EQ(result.exitCode, 0) << result.err;
        std::vector<std::string> files;
        for (const auto& entry : fs::directory_iterator(folder)) files.push_back(entry.path().filename().string());
        std::sort(files.begin(), files.end());
        std::vector<std::string> expected = c.saved;
        expected.insert(expected.end(), {"in.rsp", "out.rsp"});
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(files, expected) << c.maxVariants;
        EXPECT_NE(result.out.find("complete variants found: " + std::to_string(c.saved.size())), std::string::npos)
            << result.out;
        for (const auto& name : c.saved) EXPECT_NE(result.out.find("saved: " + name), std::string::npos) << result.out;
        // The output holds the last variant saved.
        EXPECT_EQ(ReadText(out), ReadText(folder / c.saved.back())) << c.maxVariants;
    }

    const std::string variant = drafted();
    struct Refused {
        std::vector<std::string> options;
        std::string err;
    };
    const Refused refused[] = {
        {{"--autosave"}, "lovaris-cli: --autosave takes one group: give --group N\n"},
        {{"--group", "0", "--autosave", "--max-variants", "2"},
         "lovaris-cli: --autosave stops at the variant's own maximum; leave out --max-variants\n"},
    };
    for (const auto& r : refused) {
        std::vector<std::string> args = {"optimise", kSchool, variant, "--day", "1"};
        args.insert(args.end(), r.options.begin(), r.options.end());
        args.insert(args.end(), {"-o", path("refused.rsp")});
        const auto result = run(args);
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(result.err, r.err);
        EXPECT_FALSE(fs::exists(path("refused.rsp")));
    }
    const auto unwritable = run({"optimise", kSchool, variant, "--day", "1", "--group", "0", "--autosave", "-o",
                                 path("no-folder/out.rsp")});
    EXPECT_EQ(unwritable.exitCode, 1);
    EXPECT_EQ(unwritable.err, "Ошибка при записи файла Понедельник_Опт_1.rsp.\n");
}

}  // namespace
