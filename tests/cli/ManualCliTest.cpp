// The manual planning commands run as a process on the sample school, on a Monday
// set up here: what each prints, the variant it saves, and that a refusal says why,
// exits 3 and writes nothing.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <random>

#include <nlohmann/json.hpp>

#include "CliProcess.h"
#include "core/common/FileIO.h"
#include "core/data/ProjectFile.h"
#include "core/planning/PlanningSession.h"
#include "core/planning/VariantSessionCatalog.h"
#include "core/variant/VariantFile.h"

namespace {

namespace fs = std::filesystem;
using namespace lovaris;

const std::string kSchool = LOVARIS_EXAMPLES_BUILD_DIR "/school.tbl";
const std::string kSmirnova = "Смирнова Елена Викторовна";  // teaches 1А
const std::string kMedvedev = "Медведев Алексей Сергеевич";  // PE of 1А and 1Б

// Monday:      1А                 1Б
//   1          Русский язык       Русский язык
//   2          Математика         -
//   3          Физическая культура -
//   4          -                  Физическая культура
class ManualCli : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(fs::exists(kSchool)) << kSchool << " is missing: build the target sample_school";
        std::random_device seed;
        dir_ = fs::temp_directory_path() / ("lovaris-manual-cli-" + std::to_string(seed()) + std::to_string(seed()));
        fs::create_directories(dir_);
        project_ = *ParseProject(*ReadWholeFile(kSchool));
        session_ = std::make_unique<PlanningSession>(project_);
        catalog_ = MakeVariantCatalog(*session_);
        variant_.Create(catalog_);
        k1A_ = klass("1А");
        k1B_ = klass("1Б");
        place(k1A_, "Русский язык", 1);
        place(k1A_, "Математика", 2);
        place(k1A_, "Физическая культура", 3);
        place(k1B_, "Русский язык", 1);
        place(k1B_, "Физическая культура", 4);
        ASSERT_TRUE(save("in.rsp").ok);
    }
    void TearDown() override { fs::remove_all(dir_); }

    int klass(const std::string& name) const {
        for (int k = 0; k < session_->klasses().count(); ++k)
            if (session_->klasses().at(k).name == name) return k;
        ADD_FAILURE() << "no class " << name;
        return 0;
    }
    int lesson(int k, const std::string& subject) const {
        const auto& item = session_->klasses().at(k);
        for (int l = 0; l < item.lessonCount(); ++l) {
            const int s = item.lesson(l).subgroups.front().subject;
            if (s >= 0 && session_->subjects().at(s).record.name == subject) return l;
        }
        ADD_FAILURE() << "no lesson " << subject;
        return 0;
    }
    int lessonId(int k, const std::string& subject) const { return session_->klasses().at(k).lesson(lesson(k, subject)).id; }
    void place(int k, const std::string& subject, int number) {
        variant_.SetCleanSlot(k, 1, LessonSlot::BlockHour(lesson(k, subject), number, number), number);
    }
    FileOutcome save(const std::string& name) {
        return SaveVariantFile(path(name), variant_,
                               VariantOptions::Defaults(variant_.classCount(), variant_.lessonsPerDay()), 1);
    }
    std::string path(const std::string& name) const { return (dir_ / name).string(); }
    // The command on the project and in.rsp; the output named after -o goes to the scratch folder.
    test::CliOutcome run(std::vector<std::string> args) const {
        for (std::size_t i = 1; i < args.size(); ++i)
            if (args[i - 1] == "-o") args[i] = path(args[i]);
        args.insert(args.begin() + 1, {kSchool, path("in.rsp")});
        return test::RunCli(args, dir_);
    }
    TTableVarItem saved(const std::string& name) const {
        LoadedVariant loaded;
        EXPECT_TRUE(OpenVariantFile(path(name), catalog_, loaded).ok);
        return loaded.variant;
    }

    fs::path dir_;
    Project project_;
    std::unique_ptr<PlanningSession> session_;
    VariantCatalog catalog_;
    TTableVarItem variant_;
    int k1A_ = 0;
    int k1B_ = 0;
};

// Every refusal: the reason on stderr, exit 3, no output file.
TEST_F(ManualCli, RefusalsSayWhyAndWriteNothing) {
    struct Case {
        std::vector<std::string> args;
        std::string reason;
    };
    const Case cases[] = {
        {{"move", "--day", "1", "--class", "1А", "--from", "3", "--to", "4", "-o", "out.rsp"},
         "Учитель " + kMedvedev + " занят (урок 4, понедельник)."},
        {{"move", "--day", "1", "--class", "1А", "--from", "1", "--to", "2", "-o", "out.rsp"},
         "Это место занято другим уроком (урок 2, понедельник)."},
        {{"place", "--day", "1", "--class", "1А", "--at", "4", "--lesson", "0", "-o", "out.rsp"},
         "Такой урок уже есть в расписании."},
        {{"take-off", "--day", "1", "--class", "1А", "--at", "5", "-o", "out.rsp"}, "Здесь нет урока (урок 5, понедельник)."},
        {{"set-room", "--day", "1", "--class", "1А", "--at", "1", "--group", "1", "--room", "Малый спортзал", "-o",
          "out.rsp"},
         ""},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = c.args;
        if (c.args[0] == "place") args[8] = std::to_string(lessonId(k1A_, "Русский язык"));
        if (c.args[0] == "set-room") {
            // A room 1Б holds at that hour is not offered to 1А.
            LessonSlot slot = variant_.GetCleanSlot(k1B_, 1, 1);
            for (int r = 0; r < session_->rooms().count(); ++r)
                if (session_->rooms().at(r).name == "Малый спортзал") slot.rooms[0] = static_cast<std::uint16_t>(r);
            variant_.SetCleanSlot(k1B_, 1, slot, 1);
            ASSERT_TRUE(save("in.rsp").ok);
        }
        const test::CliOutcome outcome = run(args);
        EXPECT_EQ(outcome.exitCode, 3) << args[0] << ": " << outcome.err;
        if (!c.reason.empty()) EXPECT_EQ(outcome.err, c.reason + "\n") << args[0];
        EXPECT_FALSE(outcome.err.empty()) << args[0];
        EXPECT_FALSE(fs::exists(path("out.rsp"))) << args[0];
    }
}

TEST_F(ManualCli, MoveWithinTheDayAndToAnotherDay) {
    ASSERT_EQ(run({"move", "--day", "1", "--teacher", kSmirnova, "--from", "1", "--to", "4", "-o", "out.rsp"}).exitCode,
              0);
    TTableVarItem out = saved("out.rsp");
    EXPECT_EQ(out.GetCleanSlot(k1A_, 1, 4).lessonIndex, lesson(k1A_, "Русский язык"));
    EXPECT_FALSE(out.GetCleanSlot(k1A_, 1, 1).occupied());

    const test::CliOutcome across =
        run({"move", "--day", "1", "--class", "1А", "--from", "2", "--to", "1", "--to-day", "2", "-o", "tue.rsp"});
    ASSERT_EQ(across.exitCode, 0) << across.err;
    out = saved("tue.rsp");
    EXPECT_EQ(out.GetCleanSlot(k1A_, 2, 1).lessonIndex, lesson(k1A_, "Математика"));
    EXPECT_FALSE(out.GetCleanSlot(k1A_, 1, 2).occupied());
}

TEST_F(ManualCli, ChoicesListTabsAndPlaceCarriesOutTheDoubleClick) {
    const test::CliOutcome listed = run({"choices", "--day", "1", "--class", "1А", "--at", "4", "--json"});
    ASSERT_EQ(listed.exitCode, 0) << listed.err;
    const auto json = nlohmann::json::parse(listed.out);
    EXPECT_EQ(json["position"], 4);
    const auto& common = json["tabs"][0];
    EXPECT_EQ(common["caption"], "Общие");
    bool russian = false;
    for (const auto& entry : common["entries"])
        if (entry["lesson"] == lessonId(k1A_, "Русский язык")) {
            russian = true;
            EXPECT_EQ(entry["state"], 1);
            EXPECT_EQ(entry["message"], "Такой урок уже есть в расписании.");
        }
    EXPECT_TRUE(russian);

    const int reading = lessonId(k1A_, "Литературное чтение");
    const test::CliOutcome placed =
        run({"place", "--day", "1", "--class", "1А", "--at", "4", "--lesson", std::to_string(reading), "-o", "out.rsp"});
    ASSERT_EQ(placed.exitCode, 0) << placed.err;
    EXPECT_EQ(saved("out.rsp").GetCleanSlot(k1A_, 1, 4).lessonIndex, lesson(k1A_, "Литературное чтение"));
    const test::CliOutcome drafted = run({"place", "--day", "1", "--class", "1А", "--at", "3", "--draft", "--lesson",
                                          std::to_string(reading), "-o", "draft.rsp"});
    ASSERT_EQ(drafted.exitCode, 0) << drafted.err;
    EXPECT_EQ(saved("draft.rsp").GetDraftSlot(k1A_, 1, 1).lessonIndex, lesson(k1A_, "Литературное чтение"));
}

TEST_F(ManualCli, ToDraftAndTakeOffOnAClassAndATeacherRow) {
    ASSERT_EQ(run({"to-draft", "--day", "1", "--class", "1А", "--at", "2", "-o", "draft.rsp"}).exitCode, 0);
    TTableVarItem out = saved("draft.rsp");
    EXPECT_EQ(out.GetDraftSlot(k1A_, 1, 1).lessonIndex, lesson(k1A_, "Математика"));
    EXPECT_FALSE(out.GetCleanSlot(k1A_, 1, 2).occupied());
    ASSERT_EQ(run({"take-off", "--day", "1", "--teacher", kSmirnova, "--at", "1", "-o", "off.rsp"}).exitCode, 0);
    EXPECT_FALSE(saved("off.rsp").GetCleanSlot(k1A_, 1, 1).occupied());
}

TEST_F(ManualCli, RoomChoicesAndSetRoom) {
    const test::CliOutcome listed = run({"room-choices", "--day", "1", "--class", "1А", "--at", "1", "--json"});
    ASSERT_EQ(listed.exitCode, 0) << listed.err;
    const auto json = nlohmann::json::parse(listed.out);
    EXPECT_EQ(json["tabs"][0]["caption"], "Группа 1");
    EXPECT_EQ(json["tabs"][0]["teacher"], kSmirnova);
    EXPECT_EQ(json["tabs"][0]["rows"][0]["rooms"][0], "Отсутствует");
    EXPECT_EQ(json["tabs"][0]["rows"][0]["selected"], "Отсутствует");

    const test::CliOutcome set = run({"set-room", "--day", "1", "--class", "1А", "--at", "1", "--group", "1", "--room",
                                      "Малый спортзал", "-o", "out.rsp"});
    ASSERT_EQ(set.exitCode, 0) << set.err;
    const TTableVarItem out = saved("out.rsp");
    const int room = out.GetCleanSlot(k1A_, 1, 1).rooms[0];
    ASSERT_NE(room, kNoRoom);
    EXPECT_EQ(session_->rooms().at(room).name, "Малый спортзал");
}

TEST_F(ManualCli, UnplacedListsEveryClassAndTeacherWithBlocksOnNoDay) {
    const test::CliOutcome listed = run({"unplaced", "--json"});
    ASSERT_EQ(listed.exitCode, 0) << listed.err;
    const auto json = nlohmann::json::parse(listed.out);
    ASSERT_FALSE(json["classes"].empty());
    EXPECT_EQ(json["classes"][0]["name"], "1А");
    EXPECT_FALSE(json["teachers"].empty());
}

TEST_F(ManualCli, BadUsageIsNoRefusal) {
    EXPECT_EQ(run({"move", "--class", "1А", "--from", "1", "--to", "4", "-o", "out.rsp"}).exitCode, 1);  // no --day
    EXPECT_EQ(run({"move", "--day", "1", "--class", "9Я", "--from", "1", "--to", "4", "-o", "out.rsp"}).exitCode, 1);
    EXPECT_EQ(run({"choices", "--day", "1", "--class", "1А", "--teacher", kSmirnova, "--at", "1"}).exitCode, 1);
    EXPECT_FALSE(fs::exists(path("out.rsp")));
}

}  // namespace
