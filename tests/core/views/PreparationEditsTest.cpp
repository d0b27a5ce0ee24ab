// The preparation before an optimisation: the grids it lays out, the planner's edits,
// the two switches, "Вернуть", and what "Да" hands to the planning copies.
#include <gtest/gtest.h>

#include "ViewsSchool.h"
#include "core/views/PreparationEdits.h"

namespace lovaris {
namespace {

using namespace test;

std::vector<std::string> Titles(const DialogGrid& grid) {
    std::vector<std::string> titles;
    for (int r = 0; r < static_cast<int>(grid.rows.size()); ++r) titles.push_back(IsSeparatorRow(grid, r) ? "-" : grid.text(r, 0));
    return titles;
}

TEST(CountersLayout, RowTitlesAndSeparatorsOfBothDialogs) {
    using Rows = std::vector<std::string>;
    const Rows klassesTop{"", "Уроков", "Осталось", "-", "Занято", "Выставлено", "-"};
    const Rows teachersTop{"", "Своб. дней", "Осталось", "-", "Уроков", "Осталось", "-", "Занято", "Выставлено", "-"};
    struct Case {
        DialogGrid grid;
        Rows top;
        Rows last;
    };
    const Case cases[] = {
        {LaidKlassGrid(CountersDialog::Preparation, 3), klassesTop, {"Будет"}},
        {LaidKlassGrid(CountersDialog::Control, 3), klassesTop, {"Минимум", "Максимум"}},
        {LaidTeacherGrid(CountersDialog::Preparation, 3), teachersTop, {"\"Окон\""}},
        {LaidTeacherGrid(CountersDialog::Control, 3), teachersTop, {"Минимум", "Максимум"}},
    };
    for (const Case& c : cases) {
        Rows expected = c.top;
        expected.insert(expected.end(), c.last.begin(), c.last.end());
        EXPECT_EQ(Titles(c.grid), expected);
        for (const auto& row : c.grid.rows) EXPECT_EQ(row.size(), 4u);  // titles and three columns
    }
    EXPECT_EQ(CountersCaption(CountersDialog::Preparation, 1), "Подготовка данных: понедельник");
    EXPECT_EQ(CountersCaption(CountersDialog::Control, 6), "Общий контроль: суббота");
}

// Two classes (the first marked, 5 and 1 lessons placed, at most 7 and 6) and three
// teachers (the first and third marked; own windows 1, 0 and -1), two windows allowed.
class PreparationEditsTest : public ::testing::Test {
protected:
    PreparationEditsTest() : edits(DaySetup(), [this](DialogGrid& k, DialogGrid& t) { Fill(k, t); }) {}

    static PreparationSetup DaySetup() {
        PreparationSetup setup;
        setup.day = 3;
        setup.markedKlasses = {true, false};
        setup.klassMaxFree = {7, 6};
        setup.markedTeachers = {true, false, true};
        setup.maxTeacherWindows = 2;
        return setup;
    }
    void Fill(DialogGrid& klasses, DialogGrid& teachers) {
        ++fills;
        for (int c : {1, 2}) {
            klasses.at(0, c).text = c == 1 ? "5А" : "5Б";
            klasses.at(kKlassPlacedRow, c).text = c == 1 ? "5" : "1";
            klasses.at(kKlassWillRow, c).text = klasses.text(kKlassPlacedRow, c);
        }
        const int own[] = {1, 0, -1};
        for (int c : {1, 2, 3}) {
            DialogCell& cell = teachers.at(kTeacherWindowsRow, c);
            cell.number = own[c - 1];
            cell.text = std::to_string(std::max(own[c - 1], 2));
        }
    }
    std::string Will(int column) const { return edits.grid(CountersPage::Klasses).text(kKlassWillRow, column); }
    std::string Windows(int column) const {
        return edits.grid(CountersPage::Teachers).text(kTeacherWindowsRow, column);
    }

    int fills = 0;
    PreparationEdits edits;
};

TEST_F(PreparationEditsTest, MarksOnlyTheDaysColumnsAndFillsOnce) {
    EXPECT_EQ(fills, 1);
    EXPECT_FALSE(edits.changed());
    const DialogGrid& klasses = edits.grid(CountersPage::Klasses);
    const DialogGrid& teachers = edits.grid(CountersPage::Teachers);
    EXPECT_EQ(klasses.rows[0][1].number, 1);
    EXPECT_EQ(klasses.rows[0][2].number, 0);
    EXPECT_EQ(teachers.rows[0][3].number, 1);
    EXPECT_EQ(klasses.text(0, 1), "5А");  // the fill keeps the marks and writes the names
    EXPECT_EQ(edits.firstMarkedColumn(CountersPage::Klasses), 1);
    EXPECT_EQ(edits.firstMarkedColumn(CountersPage::Teachers), 1);
    EXPECT_TRUE(edits.editable(CountersPage::Klasses, kKlassWillRow, 1));
    EXPECT_FALSE(edits.editable(CountersPage::Klasses, kKlassWillRow, 2));
    EXPECT_FALSE(edits.editable(CountersPage::Klasses, kKlassPlacedRow, 1));
    EXPECT_FALSE(edits.editable(CountersPage::Klasses, 0, 1));
    EXPECT_TRUE(edits.editable(CountersPage::Teachers, kTeacherWindowsRow, 3));
    EXPECT_FALSE(edits.editable(CountersPage::Teachers, kTeacherWindowsRow, 2));
    EXPECT_FALSE(edits.editable(CountersPage::Teachers, kTeacherWindowsRow, 4));
    EXPECT_FALSE(edits.editable(CountersPage::Teachers, kKlassWillRow, 1));
}

TEST_F(PreparationEditsTest, EditsTakeOneDigitAndNeverFewerLessonsThanPlaced) {
    struct Case {
        CountersPage page;
        int row;
        int column;
        const char* typed;
        const char* shown;  // the cell afterwards
        bool taken;
    };
    const CountersPage K = CountersPage::Klasses, T = CountersPage::Teachers;
    const Case cases[] = {
        {K, kKlassWillRow, 1, "3", "5", true},   // 5 stand today: 3 becomes 5
        {K, kKlassWillRow, 1, "8", "8", true},
        {K, kKlassWillRow, 1, "", "5", false},   // an emptied cell gets its text back
        {K, kKlassWillRow, 1, "12", "5", false},
        {K, kKlassWillRow, 1, "x", "5", false},
        {K, kKlassWillRow, 2, "4", "1", false},  // not a class of the day
        {T, kTeacherWindowsRow, 1, "0", "0", true},  // fewer windows than it has: allowed
        {T, kTeacherWindowsRow, 3, "9", "9", true},
        {T, kTeacherWindowsRow, 2, "5", "2", false},  // outside the group
    };
    for (const Case& c : cases) {
        PreparationEdits fresh(DaySetup(), [this](DialogGrid& k, DialogGrid& t) { Fill(k, t); });
        EXPECT_EQ(fresh.EndEdit(c.page, c.row, c.column, c.typed), c.taken) << c.column << " " << c.typed;
        EXPECT_EQ(fresh.grid(c.page).text(c.row, c.column), c.shown) << c.column << " " << c.typed;
        EXPECT_EQ(fresh.changed(), c.taken);
    }
}

TEST_F(PreparationEditsTest, RevertRefillsAndClearsTheChange) {
    ASSERT_TRUE(edits.EndEdit(CountersPage::Klasses, kKlassWillRow, 1, "9"));
    ASSERT_TRUE(edits.EndEdit(CountersPage::Teachers, kTeacherWindowsRow, 1, "0"));
    edits.Revert();
    EXPECT_EQ(fills, 2);
    EXPECT_FALSE(edits.changed());
    EXPECT_EQ(Will(1), "5");
    EXPECT_EQ(Windows(1), "2");
}

TEST_F(PreparationEditsTest, SwitchesSetEveryMarkedColumn) {
    EXPECT_FALSE(edits.mostLessons());
    EXPECT_TRUE(edits.mostWindows());
    edits.SetMostLessons(true);
    EXPECT_EQ(Will(1), "7");
    EXPECT_EQ(Will(2), "1");  // unmarked: untouched
    edits.SetMostLessons(false);
    EXPECT_EQ(Will(1), "5");

    edits.SetMostWindows(false);
    EXPECT_EQ(Windows(1), "1");
    EXPECT_EQ(Windows(2), "2");  // outside the group
    EXPECT_EQ(Windows(3), "0");  // a count below 0 shows 0
    edits.SetMostWindows(true);
    EXPECT_EQ(Windows(1), "2");
    EXPECT_EQ(Windows(3), "2");
    EXPECT_FALSE(edits.changed());
}

// The small school on Tuesday: 5А's maths at 1, 5Б's maths at 4, nothing for 5В;
// Иванова and Петров form the selected group.
class PreparationOfSchoolTest : public ::testing::Test {
protected:
    PreparationOfSchoolTest() {
        school.options.maxTeacherWindows = 1;
        school.MathsOnTuesday();  // builds the day's own groups
        school.session.teachers().groups.rows = {{kSidorova}, {kIvanova, kPetrov}};
        school.session.state().selectedGroup = 1;
        school.session.PrepareDayData(school.planning, true);
    }
    CountersFill Fill() {
        return [this](DialogGrid& k, DialogGrid& t) { FillPreparationGrids(school.context(), k, t); };
    }
    ViewsSchool school;
};

TEST_F(PreparationOfSchoolTest, SetupMarksTheGroupAndTheClassesOfTheDay) {
    const PreparationSetup setup = PreparationSetupOf(school.context());
    EXPECT_EQ(setup.day, 2);
    EXPECT_EQ(setup.markedKlasses, (std::vector<bool>{true, true, false}));
    EXPECT_EQ(setup.markedTeachers, (std::vector<bool>{true, true, false, false, false, false}));
    EXPECT_EQ(setup.maxTeacherWindows, 1);
    for (int k = 0; k < 3; ++k) EXPECT_EQ(setup.klassMaxFree[static_cast<std::size_t>(k)], school.session.klasses().at(k).maxFree);
}

TEST_F(PreparationOfSchoolTest, YesHandsEveryColumnToThePlanningCopies) {
    PreparationEdits edits(PreparationSetupOf(school.context()), Fill());
    EXPECT_EQ(edits.grid(CountersPage::Teachers).text(kTeacherWindowsRow, kIvanova + 1), "2");
    ASSERT_TRUE(edits.EndEdit(CountersPage::Klasses, kKlassWillRow, k5A + 1, "4"));
    ASSERT_TRUE(edits.EndEdit(CountersPage::Teachers, kTeacherWindowsRow, kIvanova + 1, "0"));
    ApplyPreparation(school.session, edits.grid(CountersPage::Klasses), edits.grid(CountersPage::Teachers));
    auto& klasses = school.session.klasses();
    auto& teachers = school.session.teachers();
    EXPECT_EQ(klasses.at(k5A).todayHours, 4);
    EXPECT_EQ(klasses.at(k5B).todayHours, 1);
    EXPECT_EQ(klasses.at(k5V).todayHours, 0);
    EXPECT_EQ(teachers.at(kIvanova).maxFree, 0);
    // Outside the group the offered value still goes over: its windows, at least one.
    EXPECT_EQ(teachers.at(kSidorova).maxFree, 1);
    EXPECT_EQ(teachers.at(kOrlova).maxFree, 1);

    // A grid without a column leaves its class or teacher alone.
    teachers.at(kOrlova).maxFree = 7;
    DialogGrid narrow = LaidTeacherGrid(CountersDialog::Preparation, 2);
    ApplyPreparation(school.session, edits.grid(CountersPage::Klasses), narrow);
    EXPECT_EQ(teachers.at(kOrlova).maxFree, 7);
}

}  // namespace
}  // namespace lovaris
