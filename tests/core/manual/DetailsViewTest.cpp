// The details window: where a click lands in a cell, what a cell and a day header
// show, the focus a double click chooses, and the unplaced lessons.
#include <gtest/gtest.h>

#include "ManualSchool.h"
#include "core/manual/DetailsView.h"
#include "core/manual/UnplacedLessons.h"

namespace lovaris::test {
namespace {

TEST(DetailsHitTest, ClickFallsOnItsSubColumnOrOnNone) {
    struct Case {
        int width, shown, x, expected;
    };
    const Case cases[] = {
        {90, 3, 0, 0}, {90, 3, 29, 0}, {90, 3, 30, 1}, {90, 3, 89, 2},
        {100, 3, 99, -1},  // the strip past the last whole sub-column
        {90, 3, -1, -1},   {90, 0, 10, -1},  // no one shown on that side
        {4, 5, 0, -1},     // sub-columns narrower than a pixel
    };
    for (const Case& c : cases)
        EXPECT_EQ(DetailsSubColumnAt(c.width, c.shown, c.x), c.expected) << c.width << "/" << c.shown << "@" << c.x;
}

class DetailsViewTest : public ::testing::Test {
protected:
    ManualSchool school;
    std::unique_ptr<VariantWorkspace> workspace = school.open();
    ViewContext ctx{workspace->session(), workspace->planning(), workspace->options()};
    DetailsFocus pe{workspace->session().klasses().BuildLinkSet(k5A, kPe5A)};
};

TEST_F(DetailsViewTest, CellsShowEveryShownClassAndTeacherSideBySide) {
    EXPECT_EQ(pe.Shown(ManualSide::Klass), 2);
    EXPECT_EQ(pe.Names(workspace->session(), ManualSide::Klass), "5А/5Б");
    const THourElementRecord klasses = DetailsDataCell(ctx, pe, ManualSide::Klass, false, kMonday, 4);
    EXPECT_EQ(klasses.subColumnCount(), 2);
    EXPECT_EQ(klasses.text(1, 1), "Физ");
    EXPECT_EQ(klasses.text(2, 1), "Физ");
    const THourElementRecord history = DetailsDataCell(ctx, pe, ManualSide::Klass, false, kMonday, 3);
    EXPECT_EQ(history.text(2, 1), "Ист");
    const THourElementRecord teacher = DetailsDataCell(ctx, pe, ManualSide::Teacher, false, kMonday, 4);
    EXPECT_EQ(teacher.text(1, 1), "5А/5Б");
    EXPECT_EQ(DetailsDataCell(ctx, pe, ManualSide::Teacher, false, kMonday, 6).text(1, 1), "5В");

    const DetailsFocus maths5V{workspace->session().klasses().BuildLinkSet(k5V, kMaths5V)};
    EXPECT_EQ(DetailsDataCell(ctx, maths5V, ManualSide::Klass, false, kMonday, 2).text(1, 1), "HCS");
    const std::string header = DetailsDayHeader(ctx, pe, ManualSide::Klass, true, kMonday).text(1, 1);
    EXPECT_TRUE(header.starts_with("Пн  4+1/2+0  ")) << header;  // then the two classes' loads
    EXPECT_EQ(DetailsLessonHeader(true, 3).text(1, 1), "");
}

// A lesson of fictive groups only has no teacher: the teacher grids draw one empty
// sub-cell instead of dividing by nobody.
TEST_F(DetailsViewTest, FocusWithoutTeachersDrawsOneEmptySubCell) {
    const DetailsFocus club{workspace->session().klasses().BuildLinkSet(k5B, kClub5B)};
    EXPECT_EQ(club.Shown(ManualSide::Teacher), 0);
    const THourElementRecord cell = DetailsDataCell(ctx, club, ManualSide::Teacher, false, kMonday, 1);
    EXPECT_EQ(cell.subColumnCount(), 1);
    EXPECT_EQ(cell.subColumnWidths[0], 100);
    EXPECT_EQ(cell.text(1, 1), "");
    EXPECT_EQ(DetailsSubColumnAt(80, club.Shown(ManualSide::Teacher), 10), -1);
    EXPECT_FALSE(DetailsFocusAt(ctx, club, ManualSide::Teacher, false, 0, kMonday, 1));
}

TEST_F(DetailsViewTest, DoubleClickChoosesTheLessonThereOrTheFirstOfItsOwner) {
    const auto history = DetailsFocusAt(ctx, pe, ManualSide::Klass, false, 1, kMonday, 3);
    ASSERT_TRUE(history);
    EXPECT_EQ(history->links.klassLessons.front(), (LessonRef{k5B, kHistory5B, -1}));
    EXPECT_EQ(DetailsFocusChange(pe, *history), 3);
    const auto empty = DetailsFocusAt(ctx, pe, ManualSide::Klass, false, 1, kMonday, 2);
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->links.klassLessons.front(), (LessonRef{k5B, kPe5B, -1}));
    EXPECT_EQ(DetailsFocusChange(pe, *empty), 1);  // the same teacher, the classes in another order
    const auto viaTeacher = DetailsFocusAt(ctx, pe, ManualSide::Teacher, false, 0, kMonday, 6);
    ASSERT_TRUE(viaTeacher);
    EXPECT_EQ(viaTeacher->links.klassLessons.front(), (LessonRef{k5V, kPe5V, -1}));
}

TEST_F(DetailsViewTest, UnplacedRowsListTheBlocksOnNoDay) {
    const std::vector<UnplacedRow> klass = UnplacedKlassRows(ctx, k5B);
    const std::vector<UnplacedRow> expected = {
        {"Физкультура", "1", k5B, kPe5B},
        {"История", "1", k5B, kHistory5B},
        {"География", "2, 2, 1", k5B, kGeography5B},
        {"------", "1", k5B, kClub5B},
    };
    EXPECT_EQ(klass, expected);
    const std::vector<UnplacedRow> teacher = UnplacedTeacherRows(ctx, kPetrov);
    const std::vector<UnplacedRow> expectedTeacher = {
        {"Физкультура (5А/5Б)", "1", k5A, kPe5A},
        {"Шахматы (5А)", "1", k5A, kChess5A},
    };
    EXPECT_EQ(teacher, expectedTeacher);
}

}  // namespace
}  // namespace lovaris::test
