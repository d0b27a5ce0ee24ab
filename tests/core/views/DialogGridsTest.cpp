// The counters written into the grids of the preparation, control and statistics
// dialogs, and the rows those dialogs keep for themselves.
#include <gtest/gtest.h>

#include "ViewsSchool.h"
#include "core/views/DialogGrids.h"

namespace lovaris {
namespace {

using namespace test;

// Tuesday: 5А's single maths hour at 1, and 5Б's maths moved from Monday's draft to
// lesson 4: Иванова has two windows.
class DialogGridsTest : public ::testing::Test {
protected:
    DialogGridsTest() {
        school.MathsOnTuesday();
        school.session.PrepareDayData(school.planning, false);
    }
    // A grid as a dialog lays it out: row titles, separators and a marked column.
    static DialogGrid Laid(int rows, int columns) {
        DialogGrid grid;
        for (int r = 0; r < rows; ++r) grid.at(r, 0).text = "title " + std::to_string(r);
        for (int c = 1; c < columns; ++c)
            for (int r : {3, 6, 9}) grid.at(r, c).text = "-";
        grid.at(0, 1).number = 1;
        return grid;
    }
    static std::string Number(int value) { return std::to_string(value); }

    ViewsSchool school;
};

TEST_F(DialogGridsTest, ControlShowsEveryCounter) {
    // A limit below what stands today leaves nothing, never less.
    school.session.klasses().at(k5A).minFree = 0;
    school.session.teachers().at(kIvanova).maxFree = 1;
    DialogGrid klasses = Laid(9, 4);
    DialogGrid teachers = Laid(12, 7);
    FillControlGrids(school.context(), klasses, teachers);
    EXPECT_EQ(klasses.text(7, k5A + 1), "0");
    EXPECT_EQ(teachers.text(11, kIvanova + 1), "0");

    for (int k = 0; k < school.session.klasses().count(); ++k) {
        const auto& klass = school.session.klasses().at(k);
        const int c = k + 1;
        EXPECT_EQ(klasses.text(0, c), klass.name);
        EXPECT_EQ(klasses.text(1, c), Number(klass.weekHours));
        EXPECT_EQ(klasses.text(2, c), Number(klass.unassignedHours));
        EXPECT_EQ(klasses.text(4, c), Number(klass.blockedToday));
        EXPECT_EQ(klasses.text(5, c), Number(klass.todayHours));
        EXPECT_EQ(klasses.text(7, c), Number(std::max(0, klass.minFree - klass.todayHours)));
        EXPECT_EQ(klasses.text(8, c), Number(std::max(0, klass.maxFree - klass.todayHours)));
    }
    // 5А: ten hours a week, one of them today; 3 entries of its spreads on no day.
    EXPECT_EQ(klasses.text(1, 1), "10");
    EXPECT_EQ(klasses.text(2, 1), "3");
    EXPECT_EQ(klasses.text(5, 1), "1");
    EXPECT_EQ(klasses.text(5, 3), "0");

    for (int t = 0; t < school.session.teachers().count(); ++t) {
        const auto& teacher = school.session.teachers().at(t);
        const int c = t + 1;
        EXPECT_EQ(teachers.text(0, c), teacher.name);
        EXPECT_EQ(teachers.text(1, c), Number(teacher.freeDays));
        EXPECT_EQ(teachers.text(2, c), Number(std::max(0, teacher.freeDays - teacher.freeDaysTaken)));
        EXPECT_EQ(teachers.text(4, c), Number(teacher.weekHours));
        EXPECT_EQ(teachers.text(5, c), Number(teacher.unassignedHours));
        EXPECT_EQ(teachers.text(7, c), Number(teacher.blockedToday));
        EXPECT_EQ(teachers.text(8, c), Number(teacher.todayHours));
        EXPECT_EQ(teachers.text(10, c), Number(std::max(0, teacher.minFree - teacher.todayHours)));
        EXPECT_EQ(teachers.text(11, c), Number(std::max(0, teacher.maxFree - teacher.todayHours)));
    }
    EXPECT_EQ(teachers.text(8, kIvanova + 1), "2");

    // The dialog's own cells stay.
    for (const DialogGrid* grid : {&klasses, &teachers}) {
        EXPECT_EQ(grid->text(0, 0), "title 0");
        EXPECT_EQ(grid->text(3, 1), "-");
        EXPECT_EQ(grid->text(6, 2), "-");
        EXPECT_EQ(grid->rows[0][1].number, 1);
    }
    EXPECT_EQ(teachers.text(9, 3), "-");
}

TEST_F(DialogGridsTest, PreparationOffersTodaysHoursAndWindows) {
    DialogGrid klasses = Laid(8, 4);
    DialogGrid teachers = Laid(11, 7);
    FillPreparationGrids(school.context(), klasses, teachers);
    EXPECT_EQ(klasses.text(0, 1), "5А");
    EXPECT_EQ(klasses.text(5, 1), "1");
    EXPECT_EQ(klasses.text(7, 1), "1");  // starts at what is placed
    EXPECT_EQ(klasses.text(7, 3), "0");
    EXPECT_EQ(teachers.text(8, kIvanova + 1), "2");
    EXPECT_EQ(teachers.text(9, 1), "-");

    struct Case {
        int maxWindows;
        int teacher;
        const char* shown;
        int own;
    };
    for (const Case& c : {Case{1, kIvanova, "2", 2}, Case{3, kIvanova, "3", 2}, Case{1, kPetrov, "1", 0},
                          Case{0, kPetrov, "0", 0}}) {
        school.options.maxTeacherWindows = static_cast<std::uint16_t>(c.maxWindows);
        FillPreparationGrids(school.context(), klasses, teachers);
        EXPECT_EQ(teachers.text(10, c.teacher + 1), c.shown) << c.maxWindows << " " << c.teacher;
        EXPECT_EQ(teachers.rows[10][static_cast<std::size_t>(c.teacher + 1)].number, c.own);
    }
}

TEST_F(DialogGridsTest, StatisticsShowEveryDaysLoad) {
    DialogGrid loads;
    for (int d = 1; d <= 6; ++d) loads.at(0, d).text = "day " + std::to_string(d);
    FillLoadGrid(school.context(), loads);
    ASSERT_EQ(loads.rows.size(), 4u);
    EXPECT_EQ(loads.rows[1].size(), 7u);
    EXPECT_EQ(loads.text(0, 1), "day 1");
    const std::vector<std::vector<std::string>> expected{
        {"5А", "33,5", "8,0", "0,0", "0,0", "0,0", "0,0"},
        {"5Б", "3,0", "8,0", "0,0", "0,0", "0,0", "0,0"},
        {"5В", "0,0", "0,0", "0,0", "0,0", "0,0", "0,0"}};
    for (int r = 1; r <= 3; ++r)
        for (int c = 0; c <= 6; ++c)
            EXPECT_EQ(loads.text(r, c), expected[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(c)]);
}

}  // namespace
}  // namespace lovaris
