// The teacher group dialogs' working copy: filling, drops in both dialogs,
// attaching, adding, reloading the default grouping and what reaches the teachers.
#include <gtest/gtest.h>

#include "../support/EngineTestSchool.h"
#include "core/planning/PlanningSession.h"
#include "core/planning/TeacherGroupTable.h"

namespace lovaris {
namespace {

using Rows = std::vector<std::vector<int>>;

// Six teachers without lessons; the tests set the groups they start from.
class TeacherGroupTableTest : public ::testing::Test {
protected:
    TeacherGroupTableTest() {
        for (const char* name : {"Аникина", "Борисов", "Волкова", "Гусев", "Дёмина", "Ершов"}) school.teacher(name);
        session = std::make_unique<PlanningSession>(school.project);
    }
    TeacherGroupTable open(GroupDialogKind kind, Rows rows) {
        session->teachers().groups.rows = std::move(rows);
        return TeacherGroupTable(kind, session->teachers());
    }
    // The non-empty prefix of the table the teachers hold.
    Rows stored() const {
        Rows rows = session->teachers().groups.rows;
        while (!rows.empty() && rows.back().empty()) rows.pop_back();
        return rows;
    }
    static Rows shown(const TeacherGroupTable& table) {
        Rows rows;
        for (int g = 0; g < table.shownGroupCount(); ++g) rows.emplace_back(table.group(g).begin(), table.group(g).end());
        return rows;
    }

    test::EngineSchool school;
    std::unique_ptr<PlanningSession> session;
};

TEST_F(TeacherGroupTableTest, FillingShowsGroupsUpToTheLastNonEmptyOneAndSelectsTheFirstWithTeachers) {
    auto table = open(GroupDialogKind::Day, {{}, {0, 1}, {}, {2}});
    EXPECT_EQ(table.teacherCount(), 6);
    EXPECT_EQ(table.shownGroupCount(), 4);  // empty columns before the last group are shown
    EXPECT_EQ(table.selectedGroup(), 1);
    EXPECT_EQ(table.rowCount(), kMinGroupRows);
    EXPECT_TRUE(table.canAddGroup());
    EXPECT_EQ(table.teacherAt({1, 1}), 1);
    EXPECT_EQ(table.teacherAt({1, 2}), -1);
    EXPECT_EQ(table.cellOf(2), (GroupCell{3, 0}));
}

TEST_F(TeacherGroupTableTest, EveryGroupEmptyShowsNothingAndIgnoresAttaching) {
    auto table = open(GroupDialogKind::Week, {});
    EXPECT_EQ(table.shownGroupCount(), 0);
    EXPECT_EQ(table.selectedGroup(), 0);
    EXPECT_TRUE(table.group(table.selectedGroup()).empty());
    EXPECT_FALSE(table.selectGroup(0));
    EXPECT_FALSE(table.Attach(0));
    EXPECT_EQ(table.rowCount(), kMinGroupRows);
}

TEST_F(TeacherGroupTableTest, GroupsLongerThanTenTeachersLengthenTheGrid) {
    for (int i = 0; i < 6; ++i) school.teacher("Т" + std::to_string(i));
    session = std::make_unique<PlanningSession>(school.project);
    auto table = open(GroupDialogKind::Day, {{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}});
    EXPECT_EQ(table.rowCount(), 12);
}

struct DropCase {
    const char* name;
    GroupDialogKind kind;
    GroupCell from;
    GroupCell to;
    std::optional<GroupCell> landed;
    Rows after;
};

TEST_F(TeacherGroupTableTest, DropsFollowTheDialogsRules) {
    using enum GroupDialogKind;
    const Rows start = {{0, 1, 2, 3}, {4}, {5}};
    const DropCase cases[] = {
        {"own cell", Week, {0, 1}, {0, 1}, std::nullopt, start},
        {"day: own group", Day, {0, 1}, {0, 3}, std::nullopt, start},
        {"day: blank cell of own group", Day, {0, 0}, {0, 7}, std::nullopt, start},
        {"day: other group appends", Day, {0, 1}, {1, 0}, GroupCell{1, 1}, {{0, 2, 3}, {4, 1}, {5}}},
        {"week: up in own group", Week, {0, 3}, {0, 1}, GroupCell{0, 1}, {{0, 3, 1, 2}, {4}, {5}}},
        {"week: down in own group", Week, {0, 0}, {0, 2}, GroupCell{0, 2}, {{1, 2, 0, 3}, {4}, {5}}},
        {"week: below own group's end", Week, {0, 1}, {0, 8}, GroupCell{0, 3}, {{0, 2, 3, 1}, {4}, {5}}},
        {"week: onto a teacher of another group", Week, {0, 2}, {1, 0}, GroupCell{1, 0}, {{0, 1, 3}, {2, 4}, {5}}},
        {"week: blank cell of another group", Week, {0, 2}, {2, 5}, GroupCell{2, 1}, {{0, 1, 3}, {4}, {5, 2}}},
        {"blank source", Week, {1, 3}, {0, 0}, std::nullopt, start},
        {"column not shown", Week, {0, 0}, {3, 0}, std::nullopt, start},
        {"row below the grid", Week, {0, 0}, {1, kMinGroupRows}, std::nullopt, start},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto table = open(c.kind, start);
        EXPECT_EQ(table.Drop(c.from, c.to), c.landed);
        EXPECT_EQ(shown(table), c.after);
        // A move selects its target group and reaches the teachers at once; a refused drop changes nothing.
        EXPECT_EQ(stored(), c.after);
        EXPECT_EQ(table.selectedGroup(), c.landed ? c.landed->group : 0);
    }
}

TEST_F(TeacherGroupTableTest, EmptiedColumnsStayShown) {
    auto table = open(GroupDialogKind::Day, {{0}, {1}});
    ASSERT_TRUE(table.Drop({1, 0}, {0, 0}));
    EXPECT_EQ(table.shownGroupCount(), 2);
    EXPECT_TRUE(table.group(1).empty());
    EXPECT_EQ(table.selectedGroup(), 0);
}

TEST_F(TeacherGroupTableTest, AttachingChangesTheCopyOnlyUntilTheNextWriteBack) {
    auto table = open(GroupDialogKind::Week, {{0, 1}, {2, 3}, {4}});
    ASSERT_TRUE(table.selectGroup(2));
    EXPECT_FALSE(table.Attach(2));  // onto itself
    EXPECT_FALSE(table.Attach(3));  // not shown
    ASSERT_TRUE(table.Attach(0));
    EXPECT_EQ(shown(table), (Rows{{}, {2, 3}, {4, 0, 1}}));
    EXPECT_EQ(table.cellOf(1), (GroupCell{2, 2}));
    // Closed now, the teachers keep what they had.
    EXPECT_EQ(stored(), (Rows{{0, 1}, {2, 3}, {4}}));

    ASSERT_TRUE(table.AddGroup());
    EXPECT_EQ(stored(), (Rows{{}, {2, 3}, {4, 0, 1}}));
}

TEST_F(TeacherGroupTableTest, AddingStopsWhenEveryTeacherCouldHaveAGroup) {
    auto table = open(GroupDialogKind::Day, {{0}, {1}, {2}, {3}, {4}});
    EXPECT_TRUE(table.AddGroup());
    EXPECT_EQ(table.shownGroupCount(), 6);
    EXPECT_TRUE(table.group(5).empty());
    EXPECT_EQ(session->teachers().groups.rowCount(), 6);
    EXPECT_FALSE(table.canAddGroup());
    EXPECT_FALSE(table.AddGroup());
    EXPECT_EQ(table.shownGroupCount(), 6);
    // The new column takes a teacher like any other.
    EXPECT_EQ(table.Drop({0, 0}, {5, 0}), (GroupCell{5, 0}));
}

// Two teachers share a two-subgroup lesson on Monday; a third teaches a double hour
// on Tuesday; a fourth a single hour on Monday.
class TeacherGroupReloadTest : public ::testing::Test {
protected:
    TeacherGroupReloadTest() {
        const int k = school.klass("5А");
        const int a = school.teacher("Аникина");
        const int b = school.teacher("Борисов");
        const int c = school.teacher("Волкова");
        const int d = school.teacher("Гусев");
        const int maths = school.subject("Математика");
        school.lesson(k, {1}, {{maths, a}, {maths, b}});
        school.lesson(k, {2}, {{maths, c}});
        school.lesson(k, {1}, {{maths, d}});
        session = std::make_unique<PlanningSession>(school.project);
        variant = std::make_unique<test::FakeVariant>(session->klasses());
        variant->place(0, 1, 1, 1, 0);
        variant->place(0, 2, 1, 2, 1);
        variant->place(0, 1, 2, 1, 2);
    }
    test::EngineSchool school;
    std::unique_ptr<PlanningSession> session;
    std::unique_ptr<test::FakeVariant> variant;
};

TEST_F(TeacherGroupReloadTest, ReloadGivesTheDefaultGroupingOfTheDialogsMode) {
    session->state().currentDay = 1;
    TeacherGroupTable week(GroupDialogKind::Week, session->teachers());
    week.Reload(*variant);
    EXPECT_EQ(week.workingCopy().rows[0], (std::vector<int>{0, 1}));
    EXPECT_EQ(week.workingCopy().rows[1], (std::vector<int>{2}));
    EXPECT_EQ(week.workingCopy().rows[2], (std::vector<int>{3}));
    ASSERT_TRUE(week.Drop({2, 0}, {0, 0}));
    week.Reload(*variant);
    EXPECT_EQ(week.shownGroupCount(), 3);
    EXPECT_EQ(week.group(0).size(), 2u);

    // The day dialog leaves out the teacher without a lesson on Monday.
    TeacherGroupTable day(GroupDialogKind::Day, session->teachers());
    day.Reload(*variant);
    EXPECT_EQ(day.shownGroupCount(), 2);
    EXPECT_EQ(day.group(0).size(), 2u);
    EXPECT_EQ(day.group(1)[0], 3);
}

TEST_F(TeacherGroupReloadTest, ReloadOfAnEmptyDayKeepsTheEarlierChoice) {
    session->state().currentDay = 5;
    session->teachers().groups.rows = {{0, 1}, {2}, {3}};
    TeacherGroupTable day(GroupDialogKind::Day, session->teachers());
    ASSERT_TRUE(day.selectGroup(2));
    day.Reload(*variant);
    EXPECT_EQ(day.shownGroupCount(), 0);
    EXPECT_EQ(day.selectedGroup(), 2);
    EXPECT_TRUE(day.group(day.selectedGroup()).empty());
}

TEST(TeacherGroupSettings, ProgramStartValues) {
    PlanningState state;
    state.autoSaveVariants = state.findBestVariant = true;
    SetStartingGroupSettings(state);
    EXPECT_FALSE(state.autoSaveVariants);
    EXPECT_FALSE(state.findBestVariant);
    EXPECT_TRUE(state.considerAttachedRooms && state.considerSeparatedHours && state.considerParallels &&
                state.optimizeQueue && state.placeToCleanCopy);
}

}  // namespace
}  // namespace lovaris
