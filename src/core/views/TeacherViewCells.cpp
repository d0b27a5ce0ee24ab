#include "TeacherViewCells.h"

#include "CellTexts.h"

namespace lovaris {
namespace {

// A free hour: red when the teacher is busy then, yellow for a wish the variant's
// wishes mode honours.
CellState FreeHourState(const ViewContext& ctx, int teacher, int lesson) {
    const std::int16_t value = ctx.session.teachers().at(teacher).busy.at(ctx.day(), lesson);
    if (value == kTeacherBusy) return CellState::RedBackground;
    return TRTITeacherItem::isHonouredWish(value, ctx.wishesMode()) ? CellState::YellowBackground : CellState::Plain;
}

int ClosedHours(const ViewContext& ctx, int teacher) {
    const TRTITeacherItem& item = ctx.session.teachers().at(teacher);
    int closed = 0;
    for (int n = 1; n <= ctx.lessonsPerDay(); ++n) closed += item.closedAt(ctx.day(), n, ctx.wishesMode()) ? 1 : 0;
    return closed;
}

}  // namespace

THourElementRecord TeacherHeaderCell(const ViewContext& ctx, int teacher) {
    const TRTITeacherItem& item = ctx.session.teachers().at(teacher);
    const int week = item.plannedHours;
    const TeacherLessonCounts placed = ctx.planning.CountTeacherLessons(teacher, 0);

    THourElementRecord cell;
    cell.SetEvenSubRows(2);
    cell.text(1, 1) = item.displayName();
    cell.text(1, 2) = WeekCountsText(week, placed.clean, placed.draft);
    cell.state = WeekCountsState(week, placed.clean, placed.draft);
    return cell;
}

THourElementRecord TeacherCleanCell(const ViewContext& ctx, bool vertical, int teacher, int lesson) {
    THourElementRecord cell;
    const TeacherLessonAt at = ctx.planning.FindTeacherLessonAt(teacher, lesson);
    const LessonSlot slot = at.found() ? ctx.grids().GetCleanSlot(at.klass, ctx.day(), lesson) : LessonSlot::Empty();
    const PlanningLesson* taught = slot.occupied() ? ctx.lesson(at.klass, slot.lessonIndex) : nullptr;
    if (!taught) {
        cell.state = FreeHourState(ctx, teacher, lesson);
        return cell;
    }
    cell.SetSubColumns(vertical ? std::initializer_list<std::int16_t>{33, 40, 27}
                                : std::initializer_list<std::int16_t>{20, 50, 30});
    WriteLinkedRows(ctx, cell, at.klass, *taught, at.subgroup, 2);
    // Every line stands in the same room: the subgroups are taught together.
    const std::string room = RoomText(ctx, taught->subgroups[static_cast<std::size_t>(at.subgroup)],
                                      slot.rooms[static_cast<std::size_t>(at.subgroup)]);
    for (int k = 1; k <= cell.subRowCount(); ++k)
        if (k == 1 || !cell.text(1, k).empty()) cell.text(3, k) = room;
    cell.state = CriticalState(slot.subgroupMask, at.subgroup);
    return cell;
}

THourElementRecord TeacherDraftCell(const ViewContext& ctx, int teacher, int ordinal) {
    THourElementRecord cell;
    const TeacherLessonAt at = ctx.planning.FindTeacherDraftLessonAt(teacher, ordinal);
    const LessonSlot slot = at.found() ? ctx.grids().GetDraftSlot(at.klass, ctx.day(), at.draftNumber)
                                       : LessonSlot::Empty();
    const PlanningLesson* taught = slot.occupied() ? ctx.lesson(at.klass, slot.lessonIndex) : nullptr;
    if (!taught) {
        if (ClosedHours(ctx, teacher) >= ctx.lessonsPerDay()) cell.text(1, 1) = kFillGrey;
        return cell;
    }
    cell.SetSubColumns({40, 60});
    WriteLinkedRows(ctx, cell, at.klass, *taught, at.subgroup, 2);
    cell.state = CriticalState(slot.subgroupMask, at.subgroup);
    return cell;
}

}  // namespace lovaris
