// The lesson choice popups of "Поставить урок": their tabs, rows, fit counts, states
// and messages, and placing a row.
#include <gtest/gtest.h>

#include "ManualSchool.h"

namespace lovaris::test {
namespace {

struct Row {
    std::string tab;
    std::string subject;
    std::vector<int> sizes;
    int size;
    int fit;
    ChoiceState state;
    std::string message;
    bool operator==(const Row&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Row& r) {
    out << r.tab << " | " << r.subject << " | sizes";
    for (int s : r.sizes) out << " " << s;
    return out << " | size " << r.size << " | fit " << r.fit << " | state " << static_cast<int>(r.state) << " | "
               << r.message;
}

std::vector<Row> Rows(const LessonChoice& choice) {
    std::vector<Row> rows;
    for (const ChoiceTab& tab : choice.tabs)
        for (const ChoiceEntry& e : tab.entries)
            rows.push_back({tab.caption, e.subjectText, e.sizes, e.size(), e.fit, choice.State(e), choice.StatusText(e)});
    return rows;
}

class LessonChoiceTest : public ::testing::Test {
protected:
    ManualSchool school;
    std::unique_ptr<VariantWorkspace> workspace = school.open();
    ManualPlacement manual{*workspace};
};

TEST_F(LessonChoiceTest, ClassRowsOnTheirTabsWithStatesAndMessages) {
    // 5Б at Monday 1: lessons 1 and 2 are free, history stands at 3.
    const LessonChoice choice = manual.OpenChoice(KlassCell(k5B, kMonday, 1));
    EXPECT_EQ(choice.position, 1);
    EXPECT_EQ(choice.freeRun, 2);
    const std::vector<Row> expected = {
        // PE and history already stand on Monday: their blocks left are shown grey. The
        // fit counts the whole link: 5А has maths at 1, Орлова is busy at 2.
        {"Общие", "Физкультура", {1}, 1, 0, ChoiceState::InClean, "Такой урок уже есть в расписании."},
        {"Общие", "История", {1}, 1, 1, ChoiceState::InClean, "Такой урок уже есть в расписании."},
        // 2+2+1 wholly unplaced: once, with the sizes 2 and 1; closed for it at lesson 2.
        {"Общие", "География", {2, 1}, 2, 1, ChoiceState::Forbidden, "Проведение урока в эти часы запрещено."},
        {"Общие", "------", {1}, 1, 2, ChoiceState::Placeable, ""},
    };
    EXPECT_EQ(Rows(choice), expected);
}

TEST_F(LessonChoiceTest, SizeStepsThroughTheRowsSizesAndIsJudgedAgain) {
    LessonChoice choice = manual.OpenChoice(KlassCell(k5B, kMonday, 2));
    ASSERT_EQ(choice.tabs.size(), 1u);
    const ChoiceEntry& geography = choice.tabs[0].entries[2];
    ASSERT_EQ(geography.sizes, (std::vector<int>{2, 1}));
    EXPECT_EQ(choice.State(geography), ChoiceState::OwnBusy);  // only lesson 2 is free
    EXPECT_EQ(choice.StatusText(geography), "Класс занят.");
    EXPECT_TRUE(choice.StepSize(0, 2, +1));
    EXPECT_EQ(geography.size(), 1);
    EXPECT_EQ(choice.State(geography), ChoiceState::Forbidden);  // closed for it at 2
    EXPECT_FALSE(choice.StepSize(0, 2, +1));
    EXPECT_TRUE(choice.StepSize(0, 2, -1));
    EXPECT_FALSE(choice.StepSize(0, 2, -1));
    EXPECT_EQ(LessonChoice::MinSize(geography), 2);
    EXPECT_EQ(LessonChoice::MaxSize(geography), 1);
}

TEST_F(LessonChoiceTest, DraftTabDayTabsAndABusyLink) {
    // 5А at Monday 6: maths is on Tuesday too, art waits in today's draft; Петров, who
    // would teach chess, teaches 5В then.
    const LessonChoice choice = manual.OpenChoice(KlassCell(k5A, kMonday, 6));
    const std::vector<Row> expected = {
        {"Черновик", "Рисование", {1}, 1, 1, ChoiceState::Placeable, ""},
        {"Общие", "Математика", {1}, 1, 1, ChoiceState::InClean, "Такой урок уже есть в расписании."},
        {"Общие", "Физкультура", {1}, 1, 0, ChoiceState::InClean, "Такой урок уже есть в расписании."},
        {"Общие", "Русский язык", {1}, 1, 0, ChoiceState::InClean, "Такой урок уже есть в расписании."},
        {"Общие", "Шахматы", {1}, 1, 0, ChoiceState::LinkBusy, "Один из учителей или классов связки занят."},
        {"Вторник", "Математика", {2}, 2, 1, ChoiceState::InClean, "Такой урок уже есть в расписании."},
    };
    EXPECT_EQ(Rows(choice), expected);
}

TEST_F(LessonChoiceTest, TeacherRowsNameTheClassesOfTheLink) {
    const LessonChoice choice = manual.OpenChoice(TeacherCell(kPetrov, kMonday, 3));
    EXPECT_EQ(choice.freeRun, 1);
    const std::vector<Row> expected = {
        {"Общие", "5А/5Б: Физкультура", {1}, 1, 0, ChoiceState::InClean, "Такой урок уже есть в расписании."},
        {"Общие", "5А: Шахматы", {1}, 1, 1, ChoiceState::Placeable, ""},
    };
    EXPECT_EQ(Rows(choice), expected);
}

TEST_F(LessonChoiceTest, ClassWithEveryLessonPlacedTodayOpensNoPopup) {
    EXPECT_FALSE(manual.OpenChoice(KlassCell(k5G, kMonday, 2)).shown());
}

TEST_F(LessonChoiceTest, PlacingFromTheDraftTabMovesTheLessonIntoTheCleanCopy) {
    const LessonChoice choice = manual.OpenChoice(KlassCell(k5A, kMonday, 6));
    ASSERT_EQ(choice.tabs[0].caption, "Черновик");
    const ManualOutcome outcome = manual.PlaceChoice(choice, 0, 0);
    ASSERT_TRUE(outcome.done()) << outcome.message;
    EXPECT_EQ(workspace->variant().GetCleanSlot(k5A, kMonday, 6).lessonIndex, kArt5A);
    EXPECT_FALSE(workspace->variant().GetDraftSlot(k5A, kMonday, 1).occupied());
    EXPECT_TRUE(workspace->modified());
}

TEST_F(LessonChoiceTest, PlacingANewBlockOfTheChosenSize) {
    // Geography's lesson 2 ban lifted: 2 hours from lesson 1.
    LessonChoice choice = manual.OpenChoice(KlassCell(k5B, kMonday, 1));
    choice.StepSize(0, 2, +1);  // one hour at lesson 1 is allowed
    ASSERT_TRUE(manual.PlaceChoice(choice, 0, 2).done());
    const TTableVarItem& grid = workspace->variant();
    EXPECT_EQ(grid.GetCleanSlot(k5B, kMonday, 1).lessonIndex, kGeography5B);
    EXPECT_FALSE(grid.GetCleanSlot(k5B, kMonday, 2).occupied());
}

TEST_F(LessonChoiceTest, GreyRowsAndStaleRowsAreNotPlaced) {
    const LessonChoice choice = manual.OpenChoice(KlassCell(k5B, kMonday, 1));
    const TTableVarItem before = workspace->variant();
    EXPECT_EQ(manual.PlaceChoice(choice, 0, 0).verdict.rule, ManualRule::RowState);  // already in the clean copy
    EXPECT_EQ(manual.PlaceChoice(choice, 0, 9).verdict.rule, ManualRule::NoCell);
    // The place was taken after the popup opened: its placeable row is refused.
    ManualSchool::place(workspace->variant(), k5B, kMonday, kClub5B, 1, 1);
    const TTableVarItem taken = workspace->variant();
    EXPECT_EQ(manual.PlaceChoice(choice, 0, 3).verdict.rule, ManualRule::RowState);
    EXPECT_TRUE(taken.sameGrids(workspace->variant()));
}

// A class closed at lessons 1 to 4 still drafts a lesson: a draft place is not a
// lesson number.
TEST_F(LessonChoiceTest, DraftOfAClassClosedForMostOfTheDayTakesALesson) {
    const ManualCell cell = KlassCell(k5V, kMonday, 1, true);
    ASSERT_TRUE(manual.Menu(cell).setLesson);
    const LessonChoice choice = manual.OpenChoice(cell);
    const std::vector<Row> expected = {
        {"Общие", "Русский язык", {2}, 2, 6, ChoiceState::Placeable, ""},
        {"Среда", "Математика", {1}, 1, 6, ChoiceState::InClean, "Такой урок уже есть в расписании."},
    };
    ASSERT_EQ(Rows(choice), expected);
    ASSERT_TRUE(manual.PlaceChoice(choice, 0, 0).done());
    EXPECT_EQ(workspace->variant().GetDraftSlot(k5V, kMonday, 1).lessonIndex, kRussian5V);
    EXPECT_EQ(workspace->variant().GetDraftSlot(k5V, kMonday, 2).lessonIndex, kRussian5V);
}

TEST_F(LessonChoiceTest, DraftPlaceIsTheFirstFreePositionUpToTheClickedOne) {
    EXPECT_EQ(manual.ChoicePosition(KlassCell(k5A, kMonday, 4, true)), 2);
    EXPECT_EQ(manual.ChoicePosition(KlassCell(k5A, kMonday, 1, true)), 2);  // all taken: the next one
    EXPECT_EQ(manual.ChoicePosition(TeacherCell(kKuznetsova, kMonday, 1, true)), 2);
    EXPECT_EQ(manual.ChoicePosition(KlassCell(k5A, kMonday, 3)), 3);
}

}  // namespace
}  // namespace lovaris::test
