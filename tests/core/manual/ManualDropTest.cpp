// Dragging a block: which drops are accepted and why the others are not, and what an
// accepted drop moves.
#include <gtest/gtest.h>

#include "ManualSchool.h"

namespace lovaris::test {
namespace {

struct DropCase {
    const char* name;
    ManualCell from;
    ManualCell to;
    ManualVerdict expected;
};

ManualVerdict Refused(ManualRule rule, int klass, int teacher, int day, int hour) {
    return ManualVerdict::Refused(rule, klass, teacher, day, hour);
}

void PrintTo(const DropCase& c, std::ostream* out) { *out << c.name; }

class DropRules : public ::testing::TestWithParam<DropCase> {};

TEST_P(DropRules, JudgeTellsTheFirstRuleThatRefuses) {
    ManualSchool school;
    auto workspace = school.open();
    ManualPlacement manual(*workspace);
    const DropCase& c = GetParam();
    EXPECT_EQ(manual.JudgeDrop(c.from, c.to), c.expected);
    // A refused drop changes nothing.
    const TTableVarItem before = workspace->variant();
    const ManualOutcome outcome = manual.Drop(c.from, c.to);
    EXPECT_EQ(outcome.verdict, c.expected);
    if (!c.expected.allowed()) {
        EXPECT_TRUE(before.sameGrids(workspace->variant()));
        EXPECT_FALSE(outcome.message.empty());
        EXPECT_FALSE(workspace->modified());
    }
}

const DropCase kDropCases[] = {
    {"OverlappingOwnLaterHour", KlassCell(k5A, kMonday, 1), KlassCell(k5A, kMonday, 2), {}},
    {"TeacherViewOwnLesson", TeacherCell(kIvanova, kMonday, 1), TeacherCell(kIvanova, kMonday, 2), {}},
    {"SecondHourOfABlock", KlassCell(k5A, kMonday, 2), KlassCell(k5A, kMonday, 3),
     Refused(ManualRule::NotFirstHour, k5A, -1, kMonday, 2)},
    {"EmptySource", KlassCell(k5A, kMonday, 3), KlassCell(k5A, kMonday, 6),
     Refused(ManualRule::NoLesson, -1, -1, kMonday, 3)},
    {"SameCell", KlassCell(k5A, kMonday, 1), KlassCell(k5A, kMonday, 1), Refused(ManualRule::SameCell, -1, -1, 0, 0)},
    {"AnotherRow", KlassCell(k5A, kMonday, 1), KlassCell(k5B, kMonday, 1), Refused(ManualRule::NoCell, -1, -1, 0, 0)},
    {"PastTheDaysEnd", KlassCell(k5A, kMonday, 1), KlassCell(k5A, kMonday, 6),
     Refused(ManualRule::PastDayEnd, k5A, -1, kMonday, 7)},
    {"TargetHoldsAnotherLesson", KlassCell(k5A, kMonday, 1), KlassCell(k5A, kMonday, 4),
     Refused(ManualRule::TargetTaken, k5A, -1, kMonday, 4)},
    {"LessonClosedAtTarget", KlassCell(k5A, kMonday, 5), KlassCell(k5A, kMonday, 6),
     Refused(ManualRule::KlassClosed, k5A, -1, kMonday, 6)},
    {"ClassClosedAtTarget", TeacherCell(kIvanova, kMonday, 5), TeacherCell(kIvanova, kMonday, 3),
     Refused(ManualRule::KlassClosed, k5V, -1, kMonday, 3)},
    {"LinkedClassTaken", KlassCell(k5A, kMonday, 4), KlassCell(k5A, kMonday, 3),
     Refused(ManualRule::KlassTaken, k5B, -1, kMonday, 3)},
    {"TeacherBusy", KlassCell(k5B, kMonday, 3), KlassCell(k5B, kMonday, 2),
     Refused(ManualRule::TeacherClosed, -1, kOrlova, kMonday, 2)},
    {"LinkedTeacherTeachesElsewhere", KlassCell(k5A, kMonday, 4), KlassCell(k5A, kMonday, 6),
     Refused(ManualRule::TeacherTeaching, -1, kPetrov, kMonday, 6)},
    {"OtherDayFree", KlassCell(k5A, kMonday, 1), KlassCell(k5A, kWednesday, 1), {}},
    {"OtherDayAlreadyHoldsTheLesson", KlassCell(k5A, kMonday, 1), KlassCell(k5A, kTuesday, 3),
     Refused(ManualRule::AlreadyOnDay, k5A, -1, kTuesday, 0)},
    {"OtherDayTeacherTeaches", KlassCell(k5A, kMonday, 1), KlassCell(k5A, kWednesday, 3),
     Refused(ManualRule::TeacherTeaching, -1, kIvanova, kWednesday, 4)},
};

INSTANTIATE_TEST_SUITE_P(Cases, DropRules, ::testing::ValuesIn(kDropCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ManualDrop, OverlappingMoveKeepsBothHoursOfTheBlock) {
    ManualSchool school;
    auto workspace = school.open();
    ManualPlacement manual(*workspace);
    ASSERT_TRUE(manual.Drop(KlassCell(k5A, kMonday, 1), KlassCell(k5A, kMonday, 2)).done());
    const TTableVarItem& grid = workspace->variant();
    EXPECT_FALSE(grid.GetCleanSlot(k5A, kMonday, 1).occupied());
    EXPECT_EQ(grid.GetCleanSlot(k5A, kMonday, 2).lessonIndex, kMaths5A);
    EXPECT_EQ(grid.GetCleanSlot(k5A, kMonday, 2).prevPosition, -1);
    EXPECT_EQ(grid.GetCleanSlot(k5A, kMonday, 3).lessonIndex, kMaths5A);
    EXPECT_NE(grid.GetCleanSlot(k5A, kMonday, 3).prevPosition, -1);
    EXPECT_EQ(grid.CountLessonHoursOnDay(k5A, kMaths5A, kMonday), 2);
    EXPECT_TRUE(workspace->modified());
}

TEST(ManualDrop, LinkedLessonMovesInEveryClassWithoutItsRooms) {
    ManualSchool school;
    auto workspace = school.open();
    TTableVarItem& grid = workspace->variant();
    LessonSlot pe = grid.GetCleanSlot(k5B, kMonday, 4);
    pe.rooms[0] = kGym;
    grid.SetCleanSlot(k5B, kMonday, pe, 4);
    grid.SetCleanSlot(k5B, kMonday, LessonSlot::Empty(), 3);  // history off: 5Б is free at 3
    ManualPlacement manual(*workspace);

    const ManualOutcome outcome = manual.Drop(KlassCell(k5A, kMonday, 4), KlassCell(k5A, kMonday, 3));
    ASSERT_TRUE(outcome.done()) << outcome.message;
    EXPECT_TRUE(outcome.manyKlasses);
    for (int klass : {k5A, k5B}) {
        EXPECT_TRUE(grid.GetCleanSlot(klass, kMonday, 3).occupied()) << klass;
        EXPECT_FALSE(grid.GetCleanSlot(klass, kMonday, 4).occupied()) << klass;
    }
    EXPECT_EQ(grid.GetCleanSlot(k5B, kMonday, 3).rooms[0], kNoRoom);
    EXPECT_TRUE(grid.GetRoomSlot(kGym, kMonday, 4).isFree());
}

// A link need not be returned: a class of the link set may hold another lesson where
// the dragged block starts. That lesson is not part of the move and stays.
TEST(ManualDrop, UnlinkedLessonInALinkedClassStaysWhereItIs) {
    ManualSchool school;
    auto workspace = school.open();
    TTableVarItem& grid = workspace->variant();
    grid.SetCleanSlot(k5B, kMonday, LessonSlot::Empty(), 3);
    ManualSchool::place(grid, k5B, kMonday, kHistory5B, 4, 1);  // history where 5Б's PE was
    ManualPlacement manual(*workspace);

    ASSERT_TRUE(manual.Drop(KlassCell(k5A, kMonday, 4), KlassCell(k5A, kMonday, 3)).done());
    EXPECT_EQ(grid.GetCleanSlot(k5A, kMonday, 3).lessonIndex, kPe5A);
    EXPECT_EQ(grid.GetCleanSlot(k5B, kMonday, 4).lessonIndex, kHistory5B);
    EXPECT_FALSE(grid.GetCleanSlot(k5B, kMonday, 3).occupied());
}

TEST(ManualDrop, BlockMovesToAnotherDayAsTheDetailsWindowDragsIt) {
    ManualSchool school;
    auto workspace = school.open();
    ManualPlacement manual(*workspace);
    ASSERT_TRUE(manual.Drop(KlassCell(k5A, kMonday, 1), KlassCell(k5A, kWednesday, 1)).done());
    const TTableVarItem& grid = workspace->variant();
    EXPECT_EQ(grid.CountLessonHoursOnDay(k5A, kMaths5A, kMonday), 0);
    EXPECT_EQ(grid.GetCleanSlot(k5A, kWednesday, 1).lessonIndex, kMaths5A);
    EXPECT_EQ(grid.GetCleanSlot(k5A, kWednesday, 2).lessonIndex, kMaths5A);
}

TEST(ManualDrop, NothingHappensWhileARunIsGoing) {
    ManualSchool school;
    auto workspace = school.open();
    ManualPlacement manual(*workspace);
    workspace->state().runInProgress = true;
    EXPECT_EQ(manual.JudgeDragStart(KlassCell(k5A, kMonday, 1)).rule, ManualRule::RunInProgress);
    EXPECT_EQ(manual.Drop(KlassCell(k5A, kMonday, 1), KlassCell(k5A, kMonday, 2)).verdict.rule,
              ManualRule::RunInProgress);
    EXPECT_FALSE(manual.Menu(KlassCell(k5A, kMonday, 1)).opens);
}

TEST(ManualDrop, RefusalNamesTheClassOrTeacherAndTheHour) {
    ManualSchool school;
    auto workspace = school.open();
    ManualPlacement manual(*workspace);
    EXPECT_EQ(manual.Drop(KlassCell(k5A, kMonday, 4), KlassCell(k5A, kMonday, 6)).message,
              "Учитель Петров занят (урок 6, понедельник).");
    EXPECT_EQ(manual.Drop(KlassCell(k5A, kMonday, 4), KlassCell(k5A, kMonday, 3)).message,
              "Класс 5Б занят (урок 3, понедельник).");
}

}  // namespace
}  // namespace lovaris::test
