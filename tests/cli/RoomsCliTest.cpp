// lovaris-cli rooms run as a process on the sample school: the questions it prints
// with their answers, its summary, the variant it saves and its exit status.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <filesystem>
#include <fstream>
#include <random>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "CliProcess.h"
#include "core/common/FileIO.h"
#include "core/data/ProjectFile.h"
#include "core/planning/PlanningSession.h"
#include "core/rooms/RoomAssignment.h"
#include "core/rooms/RoomAssignmentSubgroups.h"
#include "core/variant/VariantFile.h"
#include "core/planning/VariantPlanning.h"
#include "core/planning/VariantSessionCatalog.h"

namespace {

namespace fs = std::filesystem;
using namespace lovaris;

const std::string kSchool = LOVARIS_EXAMPLES_BUILD_DIR "/school.tbl";
constexpr int kFilledDay = 1;        // every class, lessons 1..5, teachers never twice at an hour
constexpr int kSharedRoomDay = 2;    // two teachers with one attached room, both at lesson 1
constexpr int kFilledLessons = 5;

using Outcome = lovaris::test::CliOutcome;
using lovaris::test::ReadText;

class RecordedQuestions : public RoomQuestionSink {
public:
    bool Ask(const RoomQuestion& question) override {
        kinds.push_back(question.kind);
        return true;
    }
    std::vector<RoomQuestionKind> kinds;
};

// The first day summary of the output; (-1, -1) when there is none.
std::pair<int, int> FirstSummary(const std::string& out) {
    std::smatch m;
    if (!std::regex_search(out, m, std::regex("\n  ([0-9]+) subgroups got a room, ([0-9]+) left without one\n")))
        return {-1, -1};
    return {std::stoi(m[1]), std::stoi(m[2])};
}

class RoomsCli : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(fs::exists(kSchool)) << kSchool << " is missing: build the target sample_school";
        std::random_device seed;
        dir_ = fs::temp_directory_path() / ("lovaris-rooms-cli-" + std::to_string(seed()) + std::to_string(seed()));
        fs::create_directories(dir_);
        project_ = *ParseProject(*ReadWholeFile(kSchool));
        session_ = std::make_unique<PlanningSession>(project_);
        catalog_ = MakeVariantCatalog(*session_);
        variant_.variant.Create(catalog_);
        variant_.options = VariantOptions::Defaults(variant_.variant.classCount(), variant_.variant.lessonsPerDay());
        fillDay();
        placeSharedAttachedRoom();
        ASSERT_TRUE(SaveVariantFile(path("in.rsp"), variant_.variant, variant_.options, kFilledDay).ok);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string path(const std::string& name) const { return (dir_ / name).string(); }

    Outcome run(const std::vector<std::string>& args) const { return lovaris::test::RunCli(args, dir_); }
    TTableVarItem saved(const std::string& name) const {
        LoadedVariant loaded;
        EXPECT_TRUE(OpenVariantFile(path(name), catalog_, loaded).ok);
        return loaded.variant;
    }

    // Lessons without links, each teacher at most once at an hour.
    void fillDay() {
        const auto& klasses = session_->klasses();
        std::set<std::pair<int, int>> placed;
        for (int n = 1; n <= kFilledLessons; ++n) {
            std::set<int> teaching;
            for (int c = 0; c < klasses.count(); ++c)
                for (int l = 0; l < klasses.at(c).lessonCount(); ++l) {
                    const auto& lesson = klasses.at(c).lesson(l);
                    if (placed.count({c, l}) || lesson.hasLinks()) continue;
                    bool free = true;
                    for (const auto& sub : lesson.subgroups) free = free && !teaching.count(sub.teacher);
                    if (!free) continue;
                    for (const auto& sub : lesson.subgroups) teaching.insert(sub.teacher);
                    variant_.variant.SetCleanSlot(c, kFilledDay, LessonSlot::BlockHour(l, n, n), n);
                    placed.insert({c, l});
                    break;
                }
        }
    }

    // A one-subgroup lesson of each of two teachers sharing an attached room, in two
    // classes at lesson 1: the second asks about the taken room.
    void placeSharedAttachedRoom() {
        const auto& klasses = session_->klasses();
        const auto lessonOf = [&](int teacher, int otherThan) -> std::pair<int, int> {
            for (int c = 0; c < klasses.count(); ++c)
                for (int l = 0; c != otherThan && l < klasses.at(c).lessonCount(); ++l) {
                    const auto& lesson = klasses.at(c).lesson(l);
                    if (lesson.subgroupCount() == 1 && !lesson.hasLinks() && lesson.subgroups[0].teacher == teacher)
                        return {c, l};
                }
            return {-1, -1};
        };
        for (int t = 0; t < session_->teachers().count() && sharedRoom_ < 0; ++t)
            for (int p : session_->teachers().at(t).partners) {
                const auto first = lessonOf(t, -1);
                const auto second = lessonOf(p, first.first);
                if (first.first < 0 || second.first < 0) continue;
                TTableVarItem trial = variant_.variant;
                trial.SetCleanSlot(first.first, kSharedRoomDay, LessonSlot::BlockHour(first.second, 1, 1), 1);
                trial.SetCleanSlot(second.first, kSharedRoomDay, LessonSlot::BlockHour(second.second, 1, 1), 1);
                session_->state().currentDay = kSharedRoomDay;
                VariantPlanning planning(trial, *session_);
                session_->SetupDay(planning);
                TTableVarItem assigned = trial;
                RecordedQuestions questions;
                AssignRooms(*session_, assigned, questions);
                if (questions.kinds != std::vector<RoomQuestionKind>{RoomQuestionKind::AttachedRoomTaken}) continue;
                variant_.variant = trial;
                sharedRoom_ = session_->teachers().at(t).attachedRoom;
                sharedClasses_ = {first.first, second.first};
                break;
            }
        ASSERT_GE(sharedRoom_, 0) << "the sample school has no two teachers to share an attached room";
    }

    Project project_;
    std::unique_ptr<PlanningSession> session_;
    VariantCatalog catalog_;
    LoadedVariant variant_;
    int sharedRoom_ = -1;
    std::pair<int, int> sharedClasses_;
    fs::path dir_;
};

TEST_F(RoomsCli, Help) {
    EXPECT_NE(run({"--help"}).out.find("  rooms "), std::string::npos);
    const auto help = run({"rooms", "--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.starts_with("Usage: lovaris-cli rooms PROJECT.tbl VARIANT.rsp")) << help.out;
}

// Every subgroup of the filled day needs a room; rooms are never given twice at an
// hour; the summary tells what the saved variant holds; the exit status follows it.
TEST_F(RoomsCli, AssignsOneDayAndReportsWhatItGave) {
    const auto result = run({"rooms", kSchool, path("in.rsp"), "--day", "1", "-o", path("out.rsp")});
    ASSERT_TRUE(result.exitCode == 0 || result.exitCode == 3) << result.err;
    EXPECT_TRUE(result.err.empty()) << result.err;
    const TTableVarItem out = saved("out.rsp");

    const RoomCoverage coverage = CountRoomCoverage(out, session_->klasses(), kFilledDay);
    EXPECT_GT(coverage.withRoom, 20);
    EXPECT_EQ(FirstSummary(result.out), std::make_pair(coverage.withRoom, coverage.withoutRoom)) << result.out;
    EXPECT_EQ(result.exitCode, coverage.withoutRoom == 0 ? 0 : 3);
    EXPECT_EQ(result.out.find("day 2:"), std::string::npos);

    for (int n = 1; n <= kFilledLessons; ++n) {
        std::set<int> given;
        for (int c = 0; c < out.classCount(); ++c)
            for (auto room : out.GetCleanSlot(c, kFilledDay, n).rooms) {
                if (room == kNoRoom) continue;
                EXPECT_TRUE(given.insert(room).second) << "room " << room << " at lesson " << n;
            }
    }
    // Each question is followed by its answer.
    const std::string yes = "  answer: Да\n";
    for (auto at = result.out.find("question: "); at != std::string::npos; at = result.out.find("question: ", at + 1))
        EXPECT_EQ(result.out.compare(result.out.find('\n', at) + 1, yes.size(), yes), 0);
    // Other days are left alone.
    EXPECT_TRUE(out.GetCleanSlot(sharedClasses_.first, kSharedRoomDay, 1).occupied());
    EXPECT_EQ(out.GetCleanSlot(sharedClasses_.first, kSharedRoomDay, 1).rooms[0], kNoRoom);
}

// "Нет" to the taken attached room: that day stops with the room given until then.
TEST_F(RoomsCli, AnswerNoStopsTheDayKeepingWhatWasGiven) {
    const auto result = run({"rooms", kSchool, path("in.rsp"), "--all", "--answer", "no", "-o", path("out.rsp")});
    EXPECT_EQ(result.exitCode, 3) << result.err;
    const std::string teacher = "На 1 уроке занят прикрепленный к учителю ";
    const auto day2 = result.out.find("day 2:\n");
    ASSERT_NE(day2, std::string::npos) << result.out;
    EXPECT_EQ(result.out.compare(day2 + 7, 12 + teacher.size(), "  question: " + teacher), 0) << result.out;
    EXPECT_NE(result.out.find("  answer: Нет\n  stopped: rooms given until then are kept\n", day2), std::string::npos);
    EXPECT_NE(result.out.find("day 6:\n  0 subgroups got a room, 0 left without one\nall days: "), std::string::npos);

    const TTableVarItem out = saved("out.rsp");
    const auto [low, high] = std::minmax(sharedClasses_.first, sharedClasses_.second);
    EXPECT_EQ(out.GetCleanSlot(low, kSharedRoomDay, 1).rooms[0], sharedRoom_);
    EXPECT_EQ(out.GetCleanSlot(high, kSharedRoomDay, 1).rooms[0], kNoRoom);
}

TEST_F(RoomsCli, RefusedOrWrongInputWritesNothing) {
    fs::copy_file(kSchool, path("broken.tbl"));
    fs::resize_file(path("broken.tbl"), 100);
    struct Case {
        std::vector<std::string> args;
        int exitCode;
    };
    const Case cases[] = {
        {{kSchool, path("in.rsp"), "-o", path("out.rsp")}, 1},
        {{kSchool, path("in.rsp"), "--day", "2", "--all", "-o", path("out.rsp")}, 1},
        {{kSchool, path("in.rsp"), "--day", "7", "-o", path("out.rsp")}, 1},
        {{kSchool, path("in.rsp"), "--all", "--answer", "maybe", "-o", path("out.rsp")}, 1},
        {{kSchool, path("in.rsp"), "--all"}, 1},
        {{path("broken.tbl"), path("in.rsp"), "--all", "-o", path("out.rsp")}, 2},
        {{kSchool, kSchool, "--all", "-o", path("out.rsp")}, 2},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args{"rooms"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const auto result = run(args);
        EXPECT_EQ(result.exitCode, c.exitCode) << result.err;
        EXPECT_FALSE(result.err.empty());
        EXPECT_FALSE(fs::exists(path("out.rsp")));
    }
}

}  // namespace
