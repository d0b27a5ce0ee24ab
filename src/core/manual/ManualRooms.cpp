// "Назначить кабинет" with its room popup, and "Расстановка кабинетов" as an undo step.
#include "../rooms/RoomChoice.h"
#include "ManualPlacement.h"

namespace lovaris {

std::optional<RoomBlock> ManualPlacement::RoomBlockAt(const ManualCell& cell) const {
    if (cell.draft || !Menu(cell).setRoom) return std::nullopt;
    const CellLesson lesson = LessonAt(cell);
    if (!lesson.found()) return std::nullopt;
    // Back to the block's first hour, within the same lesson.
    int p = cell.number;
    while (true) {
        const LessonSlot slot = grids().GetCleanSlot(lesson.klass, cell.day, p);
        if (!slot.occupied() || slot.lessonIndex != lesson.lesson) return std::nullopt;
        if (slot.prevPosition == -1) break;
        if (--p == 0) return std::nullopt;
    }
    return RoomBlock{lesson.klass, cell.day, p, grids().CountLessonHoursInClean(lesson.klass, lesson.lesson, cell.day)};
}

RoomPopup ManualPlacement::OpenRoomPopup(const RoomBlock& block) const {
    RoomPopup popup;
    popup.klass = block.klass;
    popup.day = block.day;
    popup.first = block.first;
    popup.hours = block.hours;
    if (running() || block.klass < 0 || block.klass >= session().klasses().count()) return popup;
    const LessonSlot slot = grids().GetCleanSlot(block.klass, block.day, block.first);
    if (!slot.occupied() || slot.lessonIndex >= session().klasses().at(block.klass).lessonCount()) return popup;
    // One tab per teacher of the link set, however many there are.
    const LinkSet links = session().klasses().BuildLinkSet(block.klass, slot.lessonIndex);
    for (const LessonRef& ref : links.teacherCopies) {
        const TRTITeacherItem& teacher = session().teachers().at(ref.owner);
        const PlanningLesson& copy = teacher.copy(ref.lesson);
        for (const PlanningSubgroup& sub : copy.subgroups) {
            if (sub.teacher != ref.owner || !sub.copyRef.valid()) continue;
            RoomPopupTab tab;
            tab.caption = LoadResText(TextId::GroupWord) + " " + std::to_string(popup.tabs.size() + 1);
            tab.teacher = ref.owner;
            tab.klass = sub.copyRef.owner;
            tab.lesson = sub.copyRef.lesson;
            tab.subgroup = sub.copyRef.subgroup;
            tab.teacherText = teacher.name.empty() ? LoadResText(ManualText::RoomNoTeacher) : teacher.displayName();
            popup.tabs.push_back(std::move(tab));
            break;
        }
    }
    return popup;
}

std::vector<RoomPopupRow> ManualPlacement::RoomRows(const RoomPopup& popup, int tab) const {
    std::vector<RoomPopupRow> rows;
    if (tab < 0 || tab >= static_cast<int>(popup.tabs.size())) return rows;
    const RoomPopupTab& t = popup.tabs[static_cast<std::size_t>(tab)];
    for (int h = 1; h <= popup.hours; ++h) {
        RoomPopupRow row;
        row.hour = h;
        row.number = popup.first + h - 1;
        const RoomChoiceList list =
            RoomChoiceCandidatesOnDay(session(), grids(), popup.day, t.klass, row.number, t.subgroup);
        for (std::size_t i = 0; i < list.items.size(); ++i) {
            const int room = list.items[i];
            row.rooms.push_back(room);
            row.texts.push_back(room == kNoRoomChoice ? LoadResText(TextId::NoneEntry)
                                                      : session().rooms().at(room).displayName());
            if (room == list.selected) row.selected = static_cast<int>(i);
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

ManualOutcome ManualPlacement::ChooseRoom(const RoomPopup& popup, int tab, int hour, int room) {
    ManualOutcome outcome;
    const auto refuse = [&](ManualRule rule, int number) {
        outcome.verdict = ManualVerdict::Refused(rule, popup.klass, -1, popup.day, number);
        outcome.message = VerdictText(outcome.verdict, session());
        return outcome;
    };
    if (running()) return refuse(ManualRule::RunInProgress, 0);
    if (tab < 0 || tab >= static_cast<int>(popup.tabs.size()) || hour < 1 || hour > popup.hours)
        return refuse(ManualRule::NoCell, 0);
    const RoomPopupTab& t = popup.tabs[static_cast<std::size_t>(tab)];
    const int number = popup.first + hour - 1;
    const LessonSlot slot = grids().GetCleanSlot(t.klass, popup.day, number);
    if (!slot.occupied() || slot.lessonIndex != t.lesson) return refuse(ManualRule::NoLesson, number);
    const CellLesson lesson{t.klass, t.lesson, number};
    bool offered = true;
    outcome = Apply(ManualText::EditRoom, lesson, [&] {
        offered = ChooseRoomOnDay(workspace_.session(), workspace_.variant(), popup.day, t.klass, number, t.subgroup,
                                  room);
        return offered;
    });
    if (!offered) return refuse(ManualRule::NoRoomOffered, number);
    return outcome;
}

RoomAssignmentOutcome ManualPlacement::AssignRoomsOfDay(RoomQuestionSink& questions) {
    TTableVarItem before = workspace_.variant();
    const bool wasModified = workspace_.modified();
    const RoomAssignmentOutcome outcome = AssignRooms(workspace_.session(), workspace_.variant(), questions);
    // The history decides the mark of an edit it keeps; an assignment that changed no
    // room still counts as done.
    workspace_.SetVariantModified(wasModified);
    workspace_.RecordEdit(LoadResText(ManualText::EditAssignRooms), std::move(before));
    if (outcome.variantChanged) workspace_.SetVariantModified(true);
    return outcome;
}

}  // namespace lovaris
