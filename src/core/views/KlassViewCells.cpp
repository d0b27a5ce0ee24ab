#include "KlassViewCells.h"

#include "../common/NumberText.h"
#include "CellTexts.h"

namespace lovaris {

THourElementRecord KlassHeaderCell(const ViewContext& ctx, int klass) {
    const TRTIKlassItem& item = ctx.session.klasses().at(klass);
    int week = 0;
    for (const auto& lesson : item.lessonCopies) week += lesson.weeklyHours();
    const ClassLessonCounts placed = ctx.grids().CountClassLessons(klass, 0);

    THourElementRecord cell;
    cell.SetEvenSubRows(2);
    cell.text(1, 1) = item.displayName();
    cell.text(1, 2) = WeekCountsText(week, placed.clean, placed.draft) + "    " +
                      OneDecimalText(ctx.planning.DayLoadOfClass(klass, ctx.day()));
    cell.state = WeekCountsState(week, placed.clean, placed.draft);
    return cell;
}

THourElementRecord KlassCleanCell(const ViewContext& ctx, bool vertical, int klass, int lesson) {
    THourElementRecord cell;
    const LessonSlot slot = ctx.grids().GetCleanSlot(klass, ctx.day(), lesson);
    const PlanningLesson* placed = slot.occupied() ? ctx.lesson(klass, slot.lessonIndex) : nullptr;
    if (!placed) {
        if (ctx.session.klasses().at(klass).busyAt(ctx.day(), lesson)) cell.state = CellState::RedBackground;
        return cell;
    }
    cell.SetSubColumns(vertical ? std::initializer_list<std::int16_t>{60, 40} : std::initializer_list<std::int16_t>{70, 30});
    const int rows = ShownRows(placed->subgroupCount());
    cell.SetEvenSubRows(rows);
    for (int k = 1; k <= rows && k <= placed->subgroupCount(); ++k) {
        cell.text(1, k) = SubjectText(ctx, *placed, k - 1);
        cell.text(2, k) = RoomText(ctx, placed->subgroups[static_cast<std::size_t>(k - 1)],
                                   slot.rooms[static_cast<std::size_t>(k - 1)]);
    }
    cell.state = CriticalState(slot.subgroupMask);
    return cell;
}

THourElementRecord KlassDraftCell(const ViewContext& ctx, int klass, int lesson) {
    THourElementRecord cell;
    const LessonSlot slot = ctx.grids().GetDraftSlot(klass, ctx.day(), lesson);
    const PlanningLesson* placed = slot.occupied() ? ctx.lesson(klass, slot.lessonIndex) : nullptr;
    if (!placed) {
        // A day closed all through has no room for a draft either.
        const auto closed = ctx.session.klasses().at(klass).blockedPerDay[static_cast<std::size_t>(ctx.day())];
        if (closed >= ctx.lessonsPerDay()) cell.text(1, 1) = kFillGrey;
        return cell;
    }
    const int rows = ShownRows(placed->subgroupCount());
    cell.SetEvenSubRows(rows);
    for (int k = 1; k <= rows && k <= placed->subgroupCount(); ++k) cell.text(1, k) = SubjectText(ctx, *placed, k - 1);
    cell.state = CriticalState(slot.subgroupMask);
    return cell;
}

}  // namespace lovaris
