// Undoing and redoing manual edits: the grids come back exactly, and the modified
// mark follows the position the variant was saved at.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "../workspace/WorkspaceFixture.h"
#include "ManualSchool.h"

namespace lovaris::test {
namespace {

std::string Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Five edits of every kind, each of them carried out.
void EditMixed(ManualPlacement& manual) {
    ASSERT_TRUE(manual.Drop(KlassCell(k5A, kMonday, 1), KlassCell(k5A, kMonday, 2)).done());
    const RoomPopup pe = manual.OpenRoomPopup(*manual.RoomBlockAt(KlassCell(k5A, kMonday, 4)));
    ASSERT_TRUE(manual.ChooseRoom(pe, 0, 1, kGym).done());
    ASSERT_TRUE(manual.ToDraft(KlassCell(k5A, kMonday, 4)).done());
    const LessonChoice choice = manual.OpenChoice(KlassCell(k5B, kMonday, 1));
    ASSERT_EQ(choice.tabs.at(1).caption, "Общие");
    ASSERT_EQ(choice.tabs[1].entries.at(3).subjectText, "------");
    ASSERT_TRUE(manual.PlaceChoice(choice, 1, 3).done());
    ASSERT_TRUE(manual.TakeOff(KlassCell(k5V, kMonday, 5)).done());
    ASSERT_TRUE(manual.Drop(KlassCell(k5A, kMonday, 2), KlassCell(k5A, kWednesday, 1)).done());
}

TEST(ManualUndo, MixedEditsUndoneGiveTheSameFileAndRedoneTheEditedOne) {
    ManualSchool school;
    TempFolder folder;
    auto workspace = school.open();
    workspace->AssignFileName(folder.file("Исходный.rsp"));
    ASSERT_TRUE(workspace->SaveVariant().ok);
    const std::string original = Bytes(workspace->fileName());
    ManualPlacement manual(*workspace);
    EditMixed(manual);
    ASSERT_TRUE(workspace->modified());
    ASSERT_TRUE(workspace->SaveVariantNamed("Правленый").ok);
    const std::string edited = Bytes(workspace->fileName());

    int undone = 0;
    while (workspace->CanUndo()) undone += workspace->Undo() ? 1 : 0;
    EXPECT_EQ(undone, 6);
    EXPECT_TRUE(workspace->modified());  // saved last with the edits
    ASSERT_TRUE(workspace->SaveVariantNamed("Отмененный").ok);
    EXPECT_EQ(Bytes(workspace->fileName()), original);

    while (workspace->CanRedo()) workspace->Redo();
    EXPECT_TRUE(workspace->modified());
    ASSERT_TRUE(workspace->SaveVariantNamed("Повторенный").ok);
    EXPECT_EQ(Bytes(workspace->fileName()), edited);
}

TEST(ManualUndo, ModifiedMarkClearsBackAtTheSavedPosition) {
    ManualSchool school;
    auto workspace = school.open();
    ManualPlacement manual(*workspace);
    EXPECT_FALSE(workspace->CanUndo());
    ASSERT_TRUE(manual.Drop(KlassCell(k5A, kMonday, 1), KlassCell(k5A, kMonday, 2)).done());
    EXPECT_EQ(workspace->UndoName(), "перенос урока");
    ASSERT_TRUE(workspace->Undo());
    EXPECT_FALSE(workspace->modified());
    EXPECT_EQ(workspace->RedoName(), "перенос урока");
    ASSERT_TRUE(workspace->Redo());
    EXPECT_TRUE(workspace->modified());
    // A new edit after an undo drops what was undone.
    ASSERT_TRUE(workspace->Undo());
    ASSERT_TRUE(manual.TakeOff(KlassCell(k5B, kMonday, 3)).done());
    EXPECT_FALSE(workspace->CanRedo());
}

TEST(ManualUndo, RoomAssignmentOfTheDayIsOneStep) {
    struct AnswerYes : RoomQuestionSink {
        bool Ask(const RoomQuestion&) override { return true; }
    } yes;
    ManualSchool school;
    auto workspace = school.open();
    const TTableVarItem before = workspace->variant();
    ManualPlacement manual(*workspace);
    manual.AssignRoomsOfDay(yes);
    ASSERT_EQ(workspace->variant().GetCleanSlot(k5A, kMonday, 4).rooms[0], kGym);
    EXPECT_EQ(workspace->UndoName(), "расстановку кабинетов");
    ASSERT_TRUE(workspace->Undo());
    EXPECT_TRUE(before.sameGrids(workspace->variant()));
    EXPECT_FALSE(workspace->modified());
}

TEST(ManualUndo, ChangeOutsideTheHistoryEndsIt) {
    ManualSchool school;
    auto workspace = school.open();
    ManualPlacement manual(*workspace);
    ASSERT_TRUE(manual.Drop(KlassCell(k5A, kMonday, 1), KlassCell(k5A, kMonday, 2)).done());
    // A run writes the day: undoing the drop now would throw that away.
    workspace->variant().SetCleanSlot(k5B, kMonday, LessonSlot::Empty(), 3);
    EXPECT_FALSE(workspace->CanUndo());
    EXPECT_FALSE(workspace->Undo());
    EXPECT_FALSE(workspace->variant().GetCleanSlot(k5B, kMonday, 3).occupied());
    EXPECT_TRUE(workspace->modified());
}

TEST(ManualUndo, OptionsChangedAfterSavingKeepTheMarkWhenEditsAreUndone) {
    ManualSchool school;
    auto workspace = school.open();
    ManualPlacement manual(*workspace);
    VariantOptions options = workspace->options();
    options.maxTeacherWindows = static_cast<decltype(options.maxTeacherWindows)>(options.maxTeacherWindows + 1);
    workspace->ApplyOptions(options);
    ASSERT_TRUE(manual.Drop(KlassCell(k5A, kMonday, 1), KlassCell(k5A, kMonday, 2)).done());
    ASSERT_TRUE(workspace->Undo());
    EXPECT_TRUE(workspace->modified());
}

}  // namespace
}  // namespace lovaris::test
