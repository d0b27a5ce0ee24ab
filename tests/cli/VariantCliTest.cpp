// The variant commands of lovaris-cli run as a process on the sample school:
// exit status, messages, the files they write and what variant-show prints.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
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
using lovaris::LessonSlot;
using Bytes = std::vector<std::uint8_t>;

const std::string kSchool = LOVARIS_EXAMPLES_BUILD_DIR "/school.tbl";

using Outcome = lovaris::test::CliOutcome;
using lovaris::test::ReadText;

class VariantCli : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(fs::exists(kSchool)) << kSchool << " is missing: build the target sample_school";
        std::random_device seed;
        dir_ = fs::temp_directory_path() / ("lovaris-variant-cli-" + std::to_string(seed()) + std::to_string(seed()));
        fs::create_directories(dir_);
        project_ = *lovaris::ParseProject(*lovaris::ReadWholeFile(kSchool));
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string path(const std::string& name) const { return (dir_ / name).string(); }

    // Arguments are paths of the temporary folder and plain words: no quoting needed
    // beyond single quotes.
    Outcome run(const std::vector<std::string>& args) const { return lovaris::test::RunCli(args, dir_); }

    // A variant of the sample school with hours in both layers: the first three
    // lessons of class 0 in Monday's clean copy, each as a block of its first spread
    // entry with a room, and a separated lesson in Wednesday's draft.
    struct Placed {
        lovaris::LoadedVariant variant;
        std::vector<int> mondayLessons;  // lesson index at each number of class 0's Monday
        int separatedClass = -1;
        std::int32_t separatedId = -1;
        int separatedHours = 0;
    };
    Placed placeSomeLessons() const {
        lovaris::PlanningSession session(project_);
        Placed placed;
        auto& v = placed.variant.variant;
        v.Create(lovaris::MakeVariantCatalog(session));
        placed.variant.options = lovaris::VariantOptions::Defaults(v.classCount(), v.lessonsPerDay());
        placed.variant.options.setComment("Проба");
        const auto& lessons0 = v.catalog().classes[0].lessons;
        for (int i = 0; i < 3; ++i) {
            const int start = static_cast<int>(placed.mondayLessons.size()) + 1;
            for (int h = 0; h < lessons0[static_cast<std::size_t>(i)].spread.front(); ++h) {
                LessonSlot slot = LessonSlot::BlockHour(i, start, start + h);
                slot.rooms[0] = static_cast<std::uint16_t>(i + 1);
                v.SetCleanSlot(0, 1, slot, start + h);
                placed.mondayLessons.push_back(i);
            }
        }
        for (int c = 0; c < v.classCount() && placed.separatedClass < 0; ++c) {
            const auto& lessons = v.catalog().classes[static_cast<std::size_t>(c)].lessons;
            for (std::size_t i = 0; i < lessons.size() && placed.separatedClass < 0; ++i)
                if (lovaris::IsSeparatedLessonId(lessons[i].id)) {
                    placed.separatedHours = lessons[i].spread.front();
                    for (int n = 1; n <= placed.separatedHours; ++n)
                        v.SetDraftSlot(c, 3, LessonSlot::BlockHour(static_cast<int>(i), 1, n), n);
                    placed.separatedClass = c;
                    placed.separatedId = lessons[i].id;
                }
        }
        return placed;
    }

    std::string writeVariant(const std::string& name, const lovaris::LoadedVariant& variant, int day) const {
        EXPECT_TRUE(lovaris::SaveVariantFile(path(name), variant.variant, variant.options, day).ok);
        return path(name);
    }

    lovaris::Project project_;
    fs::path dir_;
};

const std::vector<std::string> kVariantCommands = {"variant-new", "variant-resave", "variant-show", "variant-options"};

TEST_F(VariantCli, HelpOnEveryVariantCommand) {
    const auto tool = run({"--help"});
    for (const auto& c : kVariantCommands) {
        EXPECT_NE(tool.out.find("  " + c + " "), std::string::npos) << c;
        const auto help = run({c, path("a"), "--help"});
        EXPECT_EQ(help.exitCode, 0) << c;
        EXPECT_TRUE(help.out.starts_with("Usage: lovaris-cli " + c + " ")) << help.out;
        EXPECT_EQ(help.err, "");
    }
    EXPECT_FALSE(fs::exists(path("a")));
}

TEST_F(VariantCli, BadUsageFailsWithUsageAndWritesNothing) {
    const std::string variant = path("v.rsp");
    ASSERT_EQ(run({"variant-new", kSchool, variant}).exitCode, 0);
    const std::vector<std::vector<std::string>> calls = {
        {"variant-new", kSchool},
        {"variant-new", kSchool, path("out.rsp"), "--json"},
        {"variant-resave", kSchool, variant},
        {"variant-show", kSchool},
        {"variant-show", kSchool, variant, "--day"},
        {"variant-show", kSchool, variant, "--week", "1"},
    };
    for (const auto& call : calls) {
        const auto result = run(call);
        EXPECT_EQ(result.exitCode, 1) << call.back();
        EXPECT_NE(result.err.find("Usage: lovaris-cli " + call[0]), std::string::npos) << result.err;
        EXPECT_EQ(result.out, "");
    }
    for (const char* day : {"0", "7", "x", "12"}) {
        const auto result = run({"variant-show", kSchool, variant, "--day", day});
        EXPECT_EQ(result.exitCode, 1) << day;
        EXPECT_EQ(result.out, "") << day;
    }
    EXPECT_FALSE(fs::exists(path("out.rsp")));
}

TEST_F(VariantCli, RefusedFilesGiveTheMessageAndNoOutput) {
    const Bytes good = *lovaris::ReadWholeFile(writeVariant("good.rsp", placeSomeLessons().variant, 1));
    struct Bad {
        const char* name;
        Bytes bytes;
    };
    std::vector<Bad> bad = {{"short.rsp", Bytes(good.begin(), good.begin() + 131)},
                            {"magic.rsp", good},
                            {"newer.rsp", good},
                            {"cut.rsp", Bytes(good.begin(), good.end() - 1)}};
    bad[1].bytes[1] = 'W';
    bad[2].bytes[16] = 1;  // minor version 1
    for (const auto& b : bad) {
        ASSERT_TRUE(lovaris::WriteFileAtomically(path(b.name), b.bytes));
        const std::string message = std::string("Формат файла ") + b.name + " не известен или не поддерживается.\n";
        for (const auto& call : std::vector<std::vector<std::string>>{
                 {"variant-resave", kSchool, path(b.name), path("out.rsp")},
                 {"variant-show", kSchool, path(b.name)},
                 {"variant-show", kSchool, path(b.name), "--json"}}) {
            const auto result = run(call);
            EXPECT_EQ(result.exitCode, 2) << b.name << " " << call[0];
            EXPECT_EQ(result.err, message) << call[0];
            EXPECT_EQ(result.out, "") << call[0];
        }
        EXPECT_FALSE(fs::exists(path("out.rsp"))) << b.name;
    }
    // A project that is no project is refused before any variant is written.
    const auto notAProject = run({"variant-new", path("good.rsp"), path("out.rsp")});
    EXPECT_EQ(notAProject.exitCode, 2);
    EXPECT_EQ(notAProject.err, "Формат файла good.rsp не известен или не поддерживается.\n");
    EXPECT_FALSE(fs::exists(path("out.rsp")));
    const auto missing = run({"variant-show", kSchool, path("none.rsp")});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_EQ(missing.err, "Ошибка при открытии файла none.rsp.\n");
    const auto unwritable = run({"variant-new", kSchool, path("no-folder/out.rsp")});
    EXPECT_EQ(unwritable.exitCode, 1);
    EXPECT_EQ(unwritable.err, "Ошибка при записи файла out.rsp.\n");
}

TEST_F(VariantCli, NewVariantIsEmptyWithTheDefaultOptions) {
    ASSERT_EQ(run({"variant-new", kSchool, path("new.rsp")}).exitCode, 0);
    lovaris::PlanningSession session(project_);
    const auto catalog = lovaris::MakeVariantCatalog(session);
    const Bytes file = *lovaris::ReadWholeFile(path("new.rsp"));
    EXPECT_EQ(file.size(), lovaris::kVariantHeaderSize + 2 * 22 * 6 * 8 * LessonSlot::kRecordSize);
    const auto loaded = lovaris::ParseVariant(file, catalog);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->options, lovaris::VariantOptions::Defaults(22, 8));
    for (int d = 1; d <= 6; ++d) EXPECT_TRUE(loaded->variant.IsDayEmpty(d)) << d;
}

TEST_F(VariantCli, ResaveKeepsAVariantOfTheSameProjectByteForByte) {
    const std::string original = writeVariant("placed.rsp", placeSomeLessons().variant, 3);
    ASSERT_EQ(run({"variant-resave", kSchool, original, path("resaved.rsp")}).exitCode, 0);
    EXPECT_TRUE(ReadText(path("resaved.rsp")) == ReadText(original));
}

TEST_F(VariantCli, ResaveFollowsTheEditedProject) {
    const Placed placed = placeSomeLessons();
    ASSERT_GT(placed.separatedClass, 0);
    const std::string original = writeVariant("placed.rsp", placed.variant, 1);
    // Class 0 loses its first lesson, the room of its third lesson goes, and the
    // class of the separated lesson is removed.
    lovaris::Project edited = project_;
    const std::int32_t firstLesson = placed.variant.variant.catalog().classes[0].lessons[0].id;
    edited.lessons.remove(edited.lessons.indexOfId(firstLesson));
    edited.rooms.remove(3);
    edited.klasses.remove(placed.separatedClass);
    ASSERT_TRUE(lovaris::WriteFileAtomically(path("edited.tbl"), lovaris::SerializeProject(edited)));
    ASSERT_EQ(run({"variant-resave", path("edited.tbl"), original, path("resaved.rsp")}).exitCode, 0);

    lovaris::PlanningSession session(edited);
    const auto loaded = lovaris::ParseVariant(*lovaris::ReadWholeFile(path("resaved.rsp")),
                                              lovaris::MakeVariantCatalog(session));
    ASSERT_TRUE(loaded);
    const auto& v = loaded->variant;
    EXPECT_EQ(v.classCount(), 21);
    for (std::size_t n = 1; n <= placed.mondayLessons.size(); ++n) {
        const LessonSlot slot = v.GetCleanSlot(0, 1, static_cast<int>(n));
        const int was = placed.mondayLessons[n - 1];
        EXPECT_EQ(slot.lessonIndex, was - 1) << n;  // the lessons after the removed one moved up
        EXPECT_EQ(slot.rooms[0], was == 1 ? 2 : lovaris::kNoRoom) << n;
    }
    for (int c = 0; c < v.classCount(); ++c) EXPECT_FALSE(v.GetDraftSlot(c, 3, 1).occupied()) << c;
}

TEST_F(VariantCli, ShowPrintsEveryHourWithItsNames) {
    const Placed placed = placeSomeLessons();
    const std::string variant = writeVariant("placed.rsp", placed.variant, 1);
    const auto result = run({"variant-show", kSchool, variant, "--json"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const auto shown = nlohmann::json::parse(result.out);
    EXPECT_EQ(shown["options"]["comment"], "Проба");
    ASSERT_EQ(shown["classes"].size(), 22u);
    const auto& monday = shown["classes"][0]["days"][0];
    ASSERT_EQ(monday["clean"].size(), placed.mondayLessons.size());
    EXPECT_TRUE(monday["draft"].empty());
    lovaris::PlanningSession session(project_);
    const auto& klass = session.klasses().at(0);
    for (std::size_t n = 1; n <= placed.mondayLessons.size(); ++n) {
        const auto& hour = monday["clean"][n - 1];
        const int index = placed.mondayLessons[n - 1];
        const auto& lesson = klass.lesson(index);
        EXPECT_EQ(hour["number"], n);
        EXPECT_EQ(hour["lessonId"], lesson.id);
        const bool firstOfBlock = n == 1 || placed.mondayLessons[n - 2] != index;
        EXPECT_EQ(hour["prevPosition"], firstOfBlock ? -1 : static_cast<int>(n) - 1);
        const auto& sub = hour["subgroups"][0];
        EXPECT_EQ(sub["subject"], session.subjects().at(lesson.subgroups[0].subject).record.displayName());
        EXPECT_EQ(sub["teacher"], session.teachers().at(lesson.subgroups[0].teacher).displayName());
        EXPECT_EQ(sub["roomId"], project_.rooms.at(index + 1).id);
        EXPECT_EQ(sub["room"], project_.rooms.at(index + 1).displayName());
    }
    const auto& separated = shown["classes"][static_cast<std::size_t>(placed.separatedClass)]["days"][2]["draft"];
    ASSERT_EQ(separated.size(), static_cast<std::size_t>(placed.separatedHours));
    EXPECT_EQ(separated[0]["lessonId"], placed.separatedId);
    EXPECT_EQ(separated[0]["separated"], true);

    // Text: one line per hour, the separated lesson marked; --day narrows to one day.
    const auto text = run({"variant-show", kSchool, variant});
    ASSERT_EQ(text.exitCode, 0);
    EXPECT_NE(text.out.find("\n    clean  1  #" + std::to_string(klass.lesson(0).id) + " "), std::string::npos);
    EXPECT_NE(text.out.find("\n           2  #"), std::string::npos);
    EXPECT_NE(text.out.find("\n    draft  1  #" + std::to_string(placed.separatedId) + " *"), std::string::npos);
    const auto tuesday = run({"variant-show", kSchool, variant, "--day", "2", "--json"});
    ASSERT_EQ(tuesday.exitCode, 0);
    const auto oneDay = nlohmann::json::parse(tuesday.out);
    for (const auto& k : oneDay["classes"]) {
        ASSERT_EQ(k["days"].size(), 1u);
        EXPECT_EQ(k["days"][0]["day"], 2);
    }
}

TEST_F(VariantCli, OptionsFollowTheDialogsRules) {
    const Placed placed = placeSomeLessons();
    const std::string in = writeVariant("in.rsp", placed.variant, 2);
    lovaris::PlanningSession session(project_);
    const auto catalog = lovaris::MakeVariantCatalog(session);
    struct Case {
        const char* name;
        std::vector<std::string> options;
        int exitCode;
        std::string err;
        lovaris::VariantOptions expected;  // when written
    };
    lovaris::VariantOptions changed = placed.variant.options;
    changed.setComment("Первое полугодие, 5-11 классы");
    changed.maxVariantsPerDay = 0;
    changed.maxTeacherWindows = 65535;
    changed.wishesMode = 4;
    changed.parallelWeight = 10;
    changed.sanitaryWeight = 0;
    changed.teacherBusyWeight = 100;
    lovaris::VariantOptions windowsOnly = placed.variant.options;
    windowsOnly.maxTeacherWindows = 3;
    const Case cases[] = {
        {"every field",
         {"--comment", "Первое полугодие,\n5-11 классы", "--max-variants", "-3", "--max-windows", "70000",
          "--wishes", "4", "--weights", "10,-5,150"},
         0, "", changed},
        {"one field", {"--max-windows", "3"}, 0, "", windowsOnly},
        {"variants not a number", {"--max-variants", "abc", "--max-windows", "3"}, 2,
         "Ошибка при вводе максимального числа вариантов на день в режиме \"Автомат\".\n", {}},
        {"windows not a number", {"--max-variants", "5", "--max-windows", "3.5"}, 2,
         "Ошибка при вводе максимального числа \"окон\" на учителя при оптимизации.\n", {}},
        {"wishes beyond the list", {"--wishes", "5"}, 1, "lovaris-cli: --wishes takes a mode 1..4\n", {}},
        {"two weights", {"--weights", "1,2"}, 1, "lovaris-cli: --weights takes three whole numbers A,B,C\n", {}},
    };
    for (const auto& c : cases) {
        fs::remove(path("out.rsp"));
        std::vector<std::string> args = {"variant-options", in, kSchool};
        args.insert(args.end(), c.options.begin(), c.options.end());
        args.insert(args.end(), {"-o", path("out.rsp")});
        const auto result = run(args);
        EXPECT_EQ(result.exitCode, c.exitCode) << c.name << ": " << result.err;
        EXPECT_EQ(result.err, c.err) << c.name;
        ASSERT_EQ(fs::exists(path("out.rsp")), c.exitCode == 0) << c.name;
        if (c.exitCode != 0) continue;
        const auto written = lovaris::ParseVariant(*lovaris::ReadWholeFile(path("out.rsp")), catalog);
        ASSERT_TRUE(written) << c.name;
        lovaris::VariantOptions expected = c.expected;
        expected.selectedDay = 2;
        EXPECT_EQ(written->options, expected) << c.name << "\n" << result.out;
        EXPECT_TRUE(written->variant.sameGrids(placed.variant.variant)) << c.name;
    }
}

}  // namespace
