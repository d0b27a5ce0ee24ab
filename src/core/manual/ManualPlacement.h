#pragma once
// Manual planning on the open variant: every drag, popup menu command, choice and
// room choice is judged here before it happens and carried out here, always on a
// lesson's whole link set, so that linked subgroups of different classes move
// together. The windows only ask and draw the answer. Each change that is carried
// out becomes one step of the workspace's undo history and marks the variant
// modified. While a planning run is going every action is refused.
#include <functional>
#include <optional>
#include <string>

#include "../common/ManualTexts.h"
#include "../rooms/RoomAssignment.h"
#include "../workspace/VariantWorkspace.h"
#include "LessonChoice.h"
#include "ManualCell.h"
#include "ManualVerdict.h"
#include "RoomPopup.h"

namespace lovaris {

// What a carried-out action did.
struct ManualOutcome {
    ManualVerdict verdict;     // refused: nothing changed
    bool changed = false;      // the variant's grids changed
    bool manyKlasses = false;  // the link set spans several classes: repaint the whole grid
    std::string message;       // the refusal in the system's words, empty when allowed

    bool done() const { return verdict.allowed(); }
};

// "Назначить кабинет": the block the room popup opens for.
struct RoomBlock {
    int klass = -1;
    int day = 0;
    int first = 0;  // the block's first lesson number
    int hours = 0;  // the lesson's clean hours on the day
};

class ManualPlacement {
public:
    explicit ManualPlacement(VariantWorkspace& workspace) : workspace_(workspace) {}

    // The lesson a cell names: class grids the class's slot (draft: its draft
    // position); teacher grids the lesson the teacher gives there, in its class
    // (draft: the teacher's n-th draft lesson of the day).
    CellLesson LessonAt(const ManualCell& cell) const;

    // Dragging in the clean grids. A drag starts only on the first hour of a block.
    ManualVerdict JudgeDragStart(const ManualCell& from) const;
    // The drop of the block dragged from `from` on (entity, day, number) of the same
    // grid. Within one day these are the lesson views' rules; across days the
    // details window's: the lesson must have no hours on the target day yet and its
    // teachers must teach nothing there. The first refusing rule is told.
    ManualVerdict JudgeDrop(const ManualCell& from, const ManualCell& to) const;
    // Judges, then moves the block and its linked lessons' blocks: only the slots that
    // hold those lessons move, their rooms cleared.
    ManualOutcome Drop(const ManualCell& from, const ManualCell& to);

    // The popup menu on a cell: whether it opens and which items are enabled.
    ManualMenuState Menu(const ManualCell& cell) const;

    // "Перенести в черновик" on a clean cell: the lesson's clean hours of the day go to
    // the end of the drafts of its classes, after the teachers' drafts (first) and the
    // classes' drafts are checked for room; the message names the first without.
    ManualVerdict JudgeToDraft(const ManualCell& cell) const;
    ManualOutcome ToDraft(const ManualCell& cell);
    // "Снять урок" on any grid: the lesson's hours of that day, clean copy and draft,
    // leave the day with its linked lessons'; the drafts close up.
    ManualVerdict JudgeTakeOff(const ManualCell& cell) const;
    ManualOutcome TakeOff(const ManualCell& cell);

    // "Поставить урок": the place the choice popup opens for (draft grids: the first
    // free draft position among 1 .. the clicked one, else the clicked one + 1),
    // and the popup's tabs and rows for it.
    int ChoicePosition(const ManualCell& cell) const;
    LessonChoice OpenChoice(const ManualCell& cell) const;
    // The double click on a row: the row's block is written at the popup's place; on
    // "Общие" a new block of the selected size, on a day tab the lesson's hours of
    // that day move here. Refused rows, and a choice the variant no longer matches,
    // change nothing.
    ManualOutcome PlaceChoice(const LessonChoice& choice, int tab, int row);

    // "Назначить кабинет" on a clean cell: the block under it (stepping back to its
    // first hour), none when the cell holds no lesson.
    std::optional<RoomBlock> RoomBlockAt(const ManualCell& cell) const;
    RoomPopup OpenRoomPopup(const RoomBlock& block) const;
    // The "Кабинет" lists of one tab, one row per hour of the block, as they stand now.
    std::vector<RoomPopupRow> RoomRows(const RoomPopup& popup, int tab) const;
    // A list item chosen: the subgroup and its linked subgroups lose their room at
    // that hour and get `room` (kNoRoomChoice: none). A room not offered is refused.
    ManualOutcome ChooseRoom(const RoomPopup& popup, int tab, int hour, int room);

    // "Расстановка кабинетов" for the selected day with its questions, as one step of
    // the undo history.
    RoomAssignmentOutcome AssignRoomsOfDay(RoomQuestionSink& questions);

private:
    const PlanningSession& session() const { return workspace_.session(); }
    const TTableVarItem& grids() const { return workspace_.variant(); }
    const VariantPlanning& planning() const { return workspace_.planning(); }
    int lessonsPerDay() const { return grids().lessonsPerDay(); }
    bool running() const { return workspace_.state().runInProgress; }
    bool validCell(const ManualCell& cell) const;
    // The cell's lesson, with the rule that refuses an action on it.
    ManualVerdict JudgeLessonCell(const ManualCell& cell, CellLesson& lesson) const;
    int KlassClosedHours(int klass, int day) const;
    int TeacherClosedHours(int teacher, int day) const;
    // Carries out a change of the grids as one undo step; a change that reports
    // failure is taken back whole.
    ManualOutcome Apply(ManualText name, const CellLesson& lesson, const std::function<bool()>& change);

    VariantWorkspace& workspace_;
};

}  // namespace lovaris
