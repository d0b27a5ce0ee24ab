// The popup menus on the four grids, "Перенести в черновик" with its draft space
// check and "Снять урок".
#include <gtest/gtest.h>

#include "ManualSchool.h"

namespace lovaris::test {
namespace {

struct MenuCase {
    const char* name;
    ManualCell cell;
    ManualMenuState expected;  // opens, set lesson, to draft, take off, set room
};

void PrintTo(const MenuCase& c, std::ostream* out) { *out << c.name; }

class MenuRules : public ::testing::TestWithParam<MenuCase> {};

TEST_P(MenuRules, ItemsAreEnabledByWhatTheCellHolds) {
    ManualSchool school;
    auto workspace = school.open();
    ManualPlacement manual(*workspace);
    EXPECT_EQ(manual.Menu(GetParam().cell), GetParam().expected);
}

const MenuCase kMenuCases[] = {
    {"ClassEmptyHour", KlassCell(k5A, kMonday, 3), {true, true, false, false, false}},
    {"ClassClosedHourHasNoMenu", KlassCell(k5V, kMonday, 2), {false, false, false, false, false}},
    {"ClassLesson", KlassCell(k5A, kMonday, 1), {true, false, true, true, true}},
    {"TeacherFreeHour", TeacherCell(kIvanova, kMonday, 3), {true, true, false, false, false}},
    {"TeacherBusyHourHasNoMenu", TeacherCell(kOrlova, kMonday, 2), {false, false, false, false, false}},
    {"TeacherLesson", TeacherCell(kPetrov, kMonday, 4), {true, false, true, true, true}},
    {"ClassDraftEmpty", KlassCell(k5A, kMonday, 2, true), {true, true, false, false, false}},
    {"ClassDraftLesson", KlassCell(k5A, kMonday, 1, true), {true, false, false, true, false}},
    {"TeacherDraftLesson", TeacherCell(kKuznetsova, kMonday, 1, true), {true, false, false, true, false}},
    {"TeacherDraftEmpty", TeacherCell(kIvanova, kMonday, 1, true), {true, true, false, false, false}},
};

INSTANTIATE_TEST_SUITE_P(Cases, MenuRules, ::testing::ValuesIn(kMenuCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ManualMenu, DayClosedAllThroughHasNoDraftMenuAndNoDraftOrRoomItems) {
    ManualSchool school;
    for (int n = 5; n <= 6; ++n) school.school.project.klasses.items()[k5V].busy.set(kMonday, n, 1);
    auto workspace = school.open();
    ManualPlacement manual(*workspace);
    EXPECT_FALSE(manual.Menu(KlassCell(k5V, kMonday, 1, true)).opens);
    // Its lesson still standing there may only be taken off.
    EXPECT_EQ(manual.Menu(KlassCell(k5V, kMonday, 5)), (ManualMenuState{true, false, false, true, false}));
}

TEST(ManualToDraft, LessonGoesToTheEndOfEveryLinkedDraftWithoutRooms) {
    ManualSchool school;
    auto workspace = school.open();
    ManualPlacement manual(*workspace);
    const ManualOutcome outcome = manual.ToDraft(TeacherCell(kPetrov, kMonday, 4));
    ASSERT_TRUE(outcome.done()) << outcome.message;
    EXPECT_TRUE(outcome.manyKlasses);
    const TTableVarItem& grid = workspace->variant();
    EXPECT_EQ(grid.GetDraftSlot(k5A, kMonday, 2).lessonIndex, kPe5A);  // after art
    EXPECT_EQ(grid.GetDraftSlot(k5B, kMonday, 1).lessonIndex, kPe5B);
    EXPECT_FALSE(grid.GetCleanSlot(k5A, kMonday, 4).occupied());
    EXPECT_FALSE(grid.GetCleanSlot(k5B, kMonday, 4).occupied());
}

TEST(ManualToDraft, DraftWithoutRoomNamesTheTeacherFirstThenTheClass) {
    struct Case {
        const char* name;
        void (*fill)(TTableVarItem&);
        ManualCell cell;
        std::string message;
    };
    const Case cases[] = {
        // 5А's draft holds 5 of 6 lessons: the two hours of maths do not fit.
        {"Class",
         [](TTableVarItem& grid) {
             for (int n = 2; n <= 5; ++n) grid.SetDraftSlot(k5A, kMonday, LessonSlot::BlockHour(kRussian5A, n, n), n);
         },
         KlassCell(k5A, kMonday, 1), "В черновике класса 5А недостаточно места."},
        // Петров's draft is full through 5В's, and 5А's is full too: the teacher is named.
        {"TeacherBeforeClass",
         [](TTableVarItem& grid) {
             for (int n = 1; n <= 6; ++n) grid.SetDraftSlot(k5V, kMonday, LessonSlot::BlockHour(kPe5V, n, n), n);
             for (int n = 2; n <= 6; ++n) grid.SetDraftSlot(k5A, kMonday, LessonSlot::BlockHour(kRussian5A, n, n), n);
         },
         KlassCell(k5A, kMonday, 4), "В черновике учителя Петров недостаточно места."},
    };
    for (const Case& c : cases) {
        ManualSchool school;
        auto workspace = school.open();
        c.fill(workspace->variant());
        const TTableVarItem before = workspace->variant();
        ManualPlacement manual(*workspace);
        const ManualOutcome outcome = manual.ToDraft(c.cell);
        EXPECT_EQ(outcome.message, c.message) << c.name;
        EXPECT_TRUE(before.sameGrids(workspace->variant())) << c.name;
    }
}

TEST(ManualTakeOff, FromTheDraftViewTheDaysCleanHoursGoToo) {
    ManualSchool school;
    auto workspace = school.open();
    TTableVarItem& grid = workspace->variant();
    grid.SetDraftSlot(k5A, kMonday, LessonSlot::BlockHour(kMaths5A, 2, 2), 2);
    ManualPlacement manual(*workspace);
    ASSERT_TRUE(manual.TakeOff(KlassCell(k5A, kMonday, 2, true)).done());
    EXPECT_EQ(grid.CountLessonHoursOnDay(k5A, kMaths5A, kMonday), 0);
    EXPECT_EQ(grid.CountLessonHoursOnDay(k5A, kMaths5A, kTuesday), 2);
    EXPECT_EQ(grid.GetDraftSlot(k5A, kMonday, 1).lessonIndex, kArt5A);
    EXPECT_EQ(manual.TakeOff(KlassCell(k5A, kMonday, 3)).verdict.rule, ManualRule::NoLesson);
}

}  // namespace
}  // namespace lovaris::test
