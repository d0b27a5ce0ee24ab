// lovaris-cli export-fet without a variant and import-fet-week: a project written as a
// FET school held to the planner's rules, and a week FET wrote for it read back.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <nlohmann/json.hpp>
#include <set>

#include "CliProcess.h"
#include "core/common/FileIO.h"
#include "interchange/XmlTree.h"

namespace {

namespace fs = std::filesystem;
using lovaris::interchange::XmlElement;
using Slot = std::pair<std::string, std::string>;  // (day, hour) by FET's names

// Two fifth forms sharing their PE lessons (linked): 5А begins at its second lesson,
// both are closed on Saturday, Иванова on Friday's fifth, 5А's maths on Tuesday's third.
const std::string kFixture = std::string(LOVARIS_TEST_DATA_DIR) + "/projects/two-fifth-forms.json";

class FetSameProblem : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(run({"import-json", kFixture, project_}).exitCode, 0);
        const auto exported = run({"export-fet", project_, "-o", school_});
        ASSERT_EQ(exported.exitCode, 0) << exported.err;
        EXPECT_EQ(exported.out, "Wrote 8 activities\n");
        text_ = lovaris::test::ReadText(school_);
        const auto bytes = lovaris::ReadWholeFile(school_);
        auto tree = lovaris::interchange::ReadXmlTree(*bytes);
        ASSERT_TRUE(tree.root) << tree.error;
        root_ = std::move(*tree.root);
    }

    lovaris::test::CliOutcome run(const std::vector<std::string>& args) const {
        return lovaris::test::RunCli(args, scratch_.path());
    }

    std::vector<const XmlElement*> constraints(std::string_view kind) const {
        std::vector<const XmlElement*> found;
        for (const XmlElement& c : root_.child("Time_Constraints_List")->children)
            if (c.name == kind) found.push_back(&c);
        return found;
    }

    static std::vector<std::string> texts(const XmlElement& e, std::string_view name) {
        std::vector<std::string> values;
        for (const XmlElement& c : e.children)
            if (c.name == name) values.push_back(c.text);
        return values;
    }

    static std::set<Slot> slots(const XmlElement& e, std::string_view item, std::string_view day, std::string_view hour) {
        std::set<Slot> found;
        for (const XmlElement& c : e.children)
            if (c.name == item) found.insert({c.childText(day), c.childText(hour)});
        return found;
    }

    // The export with a starting time at 100 % for each activity, as FET writes its week.
    std::string weekFile(const std::map<int, Slot>& starts) const {
        std::string locks;
        for (const auto& [id, at] : starts)
            locks += "<ConstraintActivityPreferredStartingTime>\n<Weight_Percentage>100</Weight_Percentage>\n"
                     "<Activity_Id>" + std::to_string(id) + "</Activity_Id>\n<Preferred_Day>" + at.first +
                     "</Preferred_Day>\n<Preferred_Hour>" + at.second +
                     "</Preferred_Hour>\n<Permanently_Locked>false</Permanently_Locked>\n<Active>true</Active>\n"
                     "<Comments></Comments>\n</ConstraintActivityPreferredStartingTime>\n";
        std::string week = text_;
        week.insert(week.find("</Time_Constraints_List>"), locks);
        return week;
    }

    std::string write(const std::string& name, const std::string& text) const {
        const std::string path = scratch_.file(name);
        EXPECT_TRUE(lovaris::WriteFileAtomically(path, std::vector<std::uint8_t>(text.begin(), text.end())));
        return path;
    }

    lovaris::test::ScratchDir scratch_{"lovaris-fet-same-"};
    const std::string project_ = scratch_.file("two.tbl"), school_ = scratch_.file("two.fet");
    std::string text_;
    XmlElement root_;
};

TEST_F(FetSameProblem, ExportHoldsFetToTheClassTeacherAndLessonRules) {
    // One activity per block; the linked PE lessons are one activity of both classes,
    // their teacher named once.
    std::map<int, const XmlElement*> activities;
    for (const XmlElement& a : root_.child("Activities_List")->children) activities[std::stoi(a.childText("Id"))] = &a;
    ASSERT_EQ(activities.size(), 8u);
    EXPECT_EQ(texts(*activities[4], "Students"), (std::vector<std::string>{"5А", "5Б"}));
    EXPECT_EQ(texts(*activities[4], "Teacher"), (std::vector<std::string>{"Петров"}));
    EXPECT_EQ(activities[3]->childText("Duration"), "2");
    EXPECT_EQ(activities[3]->childText("Total_Duration"), "4");

    // Each spread's blocks on different days.
    std::set<std::vector<std::string>> apart;
    for (const XmlElement* c : constraints("ConstraintMinDaysBetweenActivities")) {
        EXPECT_EQ(c->childText("MinDays"), "1");
        EXPECT_EQ(c->childText("Weight_Percentage"), "100");
        apart.insert(texts(*c, "Activity_Id"));
    }
    EXPECT_EQ(apart, (std::set<std::vector<std::string>>{{"1", "2", "3"}, {"4", "5"}, {"6", "7", "8"}}));

    // Both classes gapless; 5А closed before its starting lesson and on Saturday, and its
    // day begins at its first open hour; 5Б closed on Saturday only.
    std::map<std::string, std::string> gaps, beginnings;
    for (const XmlElement* c : constraints("ConstraintStudentsSetMaxGapsPerWeek")) gaps[c->childText("Students")] = c->childText("Max_Gaps");
    for (const XmlElement* c : constraints("ConstraintStudentsSetEarlyMaxBeginningsAtSecondHour"))
        beginnings[c->childText("Students")] = c->childText("Max_Beginnings_At_Second_Hour");
    EXPECT_EQ(gaps, (std::map<std::string, std::string>{{"5А", "0"}, {"5Б", "0"}}));
    EXPECT_EQ(beginnings, (std::map<std::string, std::string>{{"5А", "0"}, {"5Б", "0"}}));
    std::map<std::string, std::set<Slot>> closed;
    for (const XmlElement* c : constraints("ConstraintStudentsSetNotAvailableTimes"))
        closed[c->childText("Students")] = slots(*c, "Not_Available_Time", "Day", "Hour");
    std::set<Slot> saturday, late;
    for (const char* n : {"1", "2", "3", "4", "5"}) saturday.insert({"Суббота", n});
    late = saturday;
    for (const char* d : {"Понедельник", "Вторник", "Среда", "Четверг", "Пятница"}) late.insert({d, "1"});
    EXPECT_EQ(closed["5А"], late);
    EXPECT_EQ(closed["5Б"], saturday);

    const auto teachers = constraints("ConstraintTeacherNotAvailableTimes");
    ASSERT_EQ(teachers.size(), 1u);
    EXPECT_EQ(teachers[0]->childText("Teacher"), "Иванова");
    EXPECT_EQ(slots(*teachers[0], "Not_Available_Time", "Day", "Hour"), (std::set<Slot>{{"Пятница", "5"}}));

    // 5А's maths may stand anywhere but Tuesday's third hour, each of its blocks.
    std::map<std::string, std::size_t> open;
    for (const XmlElement* c : constraints("ConstraintActivityPreferredTimeSlots")) {
        const auto allowed = slots(*c, "Preferred_Time_Slot", "Preferred_Day", "Preferred_Hour");
        EXPECT_FALSE(allowed.contains({"Вторник", "3"}));
        open[c->childText("Activity_Id")] = allowed.size();
    }
    EXPECT_EQ(open, (std::map<std::string, std::size_t>{{"1", 29}, {"2", 29}, {"3", 29}}));
}

TEST_F(FetSameProblem, WeekFetWroteForTheExportIsReadBackAsAVariant) {
    // 5А: Mon PE 2, maths 3-4; Tue maths 2; Wed PE 2, maths 3. 5Б: maths at 1 each day,
    // PE beside it. Activity 8 has no starting time: FET left it out.
    const std::string week = write("two_data_and_timetable.fet",
                                   weekFile({{4, {"Понедельник", "2"}}, {3, {"Понедельник", "3"}},
                                             {1, {"Вторник", "2"}}, {5, {"Среда", "2"}}, {2, {"Среда", "3"}},
                                             {6, {"Понедельник", "1"}}, {7, {"Вторник", "1"}}}));
    const std::string variant = scratch_.file("fet.rsp");
    const auto read = run({"import-fet-week", project_, week, "-o", variant});
    ASSERT_EQ(read.exitCode, 0) << read.err;
    EXPECT_EQ(read.out, "Placed 7 activities, 1 not placed\n");

    const auto shown = run({"variant-show", project_, variant, "--json"});
    ASSERT_EQ(shown.exitCode, 0) << shown.err;
    const auto json = nlohmann::json::parse(shown.out);
    const auto& measure = json["measure"];
    EXPECT_EQ(measure["hours"]["required"], 11);
    EXPECT_EQ(measure["hours"]["clean"], 10);
    EXPECT_EQ(measure["hours"]["notPlaced"], 1);
    EXPECT_EQ(measure["classGaps"], 0);
    // Иванова teaches 1, 3 and 4 on Monday: one window.
    EXPECT_EQ(measure["teacherWindows"]["byDay"][0], 1);
    std::vector<int> monday5a;
    for (const auto& hour : json["classes"][0]["days"][0]["clean"]) monday5a.push_back(hour["lessonId"]);
    EXPECT_EQ(monday5a, (std::vector<int>{1, 0, 0}));
}

TEST_F(FetSameProblem, FileThatIsNotThisProjectsExportIsRefusedAndNothingWritten) {
    std::string otherDays = text_, otherBlock = text_, lessActivities = text_;
    otherDays.replace(otherDays.find("Суббота"), std::string("Суббота").size(), "Воскресенье");
    otherBlock.replace(otherBlock.find("<Duration>2</Duration>"), 22, "<Duration>1</Duration>");
    lessActivities.erase(lessActivities.rfind("<Activity>"),
                         lessActivities.find("</Activities_List>") - lessActivities.rfind("<Activity>"));
    const struct {
        const char* name;
        std::string text;
        std::string reason;
    } cases[] = {
        {"days.fet", otherDays, "дни или уроки не совпадают с проектом"},
        {"block.fet", otherBlock, "занятия не совпадают с экспортом проекта (занятие 3)"},
        {"fewer.fet", lessActivities, "занятия не совпадают с экспортом проекта (занятие 8)"},
        {"not-fet.fet", "<school/>", "корневой элемент"},
    };
    const std::string variant = scratch_.file("fet.rsp");
    for (const auto& c : cases) {
        const auto refused = run({"import-fet-week", project_, write(c.name, c.text), "-o", variant});
        EXPECT_EQ(refused.exitCode, 2) << c.name;
        EXPECT_EQ(refused.err.rfind(std::string("import-fet-week: ") + c.name +
                                        ": Файл не является неделей FET для этого проекта: ", 0),
                  0u)
            << refused.err;
        EXPECT_NE(refused.err.find(c.reason), std::string::npos) << refused.err;
        EXPECT_FALSE(fs::exists(variant)) << c.name;
    }
}

}  // namespace
