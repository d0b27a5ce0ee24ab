// "Назначить кабинет": the block it opens on, the room popup's tabs and lists, and a
// room chosen in them.
#include <gtest/gtest.h>

#include "ManualSchool.h"

namespace lovaris::test {
namespace {

std::vector<std::string> Offered(const RoomPopupRow& row) { return row.texts; }

TEST(RoomPopup, BlockStartsAtItsFirstHour) {
    ManualSchool school;
    auto workspace = school.open();
    ManualPlacement manual(*workspace);
    const auto block = manual.RoomBlockAt(KlassCell(k5A, kMonday, 2));
    ASSERT_TRUE(block);
    EXPECT_EQ(block->first, 1);
    EXPECT_EQ(block->hours, 2);
    EXPECT_FALSE(manual.RoomBlockAt(KlassCell(k5A, kMonday, 3)));
    const auto viaTeacher = manual.RoomBlockAt(TeacherCell(kIvanova, kMonday, 5));
    ASSERT_TRUE(viaTeacher);
    EXPECT_EQ(viaTeacher->klass, k5V);
}

TEST(RoomPopup, ListsOfferFreeRoomsBigEnoughAndTheSubgroupsOwn) {
    ManualSchool school;
    auto workspace = school.open();
    ManualPlacement manual(*workspace);
    // 5А's Russian at 5: 101 is 5В's then, 102 too small for 25 pupils.
    const RoomPopup russian = manual.OpenRoomPopup(*manual.RoomBlockAt(KlassCell(k5A, kMonday, 5)));
    ASSERT_EQ(russian.tabs.size(), 1u);
    EXPECT_EQ(russian.tabs[0].caption, "Группа 1");
    EXPECT_EQ(russian.tabs[0].teacherText, "Сидорова");
    auto rows = manual.RoomRows(russian, 0);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(Offered(rows[0]), (std::vector<std::string>{"Отсутствует", "Спортзал"}));
    EXPECT_EQ(rows[0].selected, 0);
    // 5В's maths keeps its own room on offer.
    const RoomPopup maths = manual.OpenRoomPopup(*manual.RoomBlockAt(KlassCell(k5V, kMonday, 5)));
    rows = manual.RoomRows(maths, 0);
    EXPECT_EQ(Offered(rows[0]), (std::vector<std::string>{"Отсутствует", "101", "Спортзал"}));
    EXPECT_EQ(rows[0].selected, 1);
    // Linked PE: the pupils of both classes, 50, fit the gym only.
    const RoomPopup pe = manual.OpenRoomPopup(*manual.RoomBlockAt(KlassCell(k5A, kMonday, 4)));
    EXPECT_EQ(Offered(manual.RoomRows(pe, 0)[0]), (std::vector<std::string>{"Отсутствует", "Спортзал"}));
}

TEST(RoomPopup, ChosenRoomIsWrittenForTheLinkAndTakenFromOthersLists) {
    ManualSchool school;
    auto workspace = school.open();
    ManualPlacement manual(*workspace);
    const RoomPopup pe = manual.OpenRoomPopup(*manual.RoomBlockAt(KlassCell(k5A, kMonday, 4)));
    ASSERT_TRUE(manual.ChooseRoom(pe, 0, 1, kGym).done());
    const TTableVarItem& grid = workspace->variant();
    EXPECT_EQ(grid.GetCleanSlot(k5A, kMonday, 4).rooms[0], kGym);
    EXPECT_EQ(grid.GetCleanSlot(k5B, kMonday, 4).rooms[0], kGym);
    EXPECT_EQ(manual.RoomRows(pe, 0)[0].selected, 1);
    // A room the list does not offer changes nothing.
    const RoomPopup russian = manual.OpenRoomPopup(*manual.RoomBlockAt(KlassCell(k5A, kMonday, 5)));
    const ManualOutcome refused = manual.ChooseRoom(russian, 0, 1, kRoom101);
    EXPECT_EQ(refused.verdict.rule, ManualRule::NoRoomOffered);
    EXPECT_EQ(grid.GetCleanSlot(k5A, kMonday, 5).rooms[0], kNoRoom);
    // "Отсутствует" takes the room away again.
    ASSERT_TRUE(manual.ChooseRoom(pe, 0, 1, kNoRoomChoice).done());
    EXPECT_EQ(grid.GetCleanSlot(k5B, kMonday, 4).rooms[0], kNoRoom);
}

// Twelve classes whose lessons are linked in a chain, each with its own teacher: the
// popup has a tab for every one of them.
TEST(RoomPopup, EveryTeacherOfALongLinkGetsATab) {
    EngineSchool school(4);
    const int subject = school.subject("Хор");
    std::vector<int> lessons;
    for (int i = 0; i < 12; ++i) {
        const int klass = school.klass("К" + std::to_string(i + 1));
        const int teacher = school.teacher("Учитель " + std::to_string(i + 1));
        lessons.push_back(school.lesson(klass, {1}, {{subject, teacher}}).id);
    }
    for (int i = 0; i + 1 < 12; ++i) school.linkBoth(lessons[i], 0, lessons[i + 1], 0);
    auto workspace = VariantWorkspace::CreateNew(school.project, WorkspaceSetup{});
    for (int k = 0; k < 12; ++k) ManualSchool::place(workspace->variant(), k, kMonday, 0, 2, 1);
    ManualPlacement manual(*workspace);
    const RoomPopup popup = manual.OpenRoomPopup(*manual.RoomBlockAt(KlassCell(0, kMonday, 2)));
    ASSERT_EQ(popup.tabs.size(), 12u);
    EXPECT_EQ(popup.tabs[11].caption, "Группа 12");
    EXPECT_EQ(popup.tabs[11].teacherText, "Учитель 12");
    EXPECT_EQ(popup.tabs[11].klass, 11);
}

}  // namespace
}  // namespace lovaris::test
