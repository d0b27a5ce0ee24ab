#include "RoomViewCells.h"

#include "CellTexts.h"

namespace lovaris {

THourElementRecord RoomHeaderCell(const ViewContext& ctx, int room) {
    THourElementRecord cell;
    cell.text(1, 1) = ctx.session.rooms().at(room).displayName();
    return cell;
}

THourElementRecord RoomCell(const ViewContext& ctx, int room, int lesson) {
    THourElementRecord cell;
    const RoomSlot used = ctx.grids().GetRoomSlot(room, ctx.day(), lesson);
    const PlanningLesson* taught = used.isFree() ? nullptr : ctx.lesson(used.classIndex, used.lessonIndex);
    const int subgroup = used.subgroupIndex;
    const int teacher = taught && subgroup < taught->subgroupCount()
                            ? taught->subgroups[static_cast<std::size_t>(subgroup)].teacher
                            : -1;
    if (teacher < 0 || teacher >= ctx.session.teachers().count()) {
        if (ctx.session.rooms().at(room).busy.at(ctx.day(), lesson) != 0) cell.state = CellState::RedBackground;
        return cell;
    }
    cell.SetSubColumns({40, 60});
    WriteLinkedRows(ctx, cell, used.classIndex, *taught, subgroup, 0);
    const std::string name = ctx.session.teachers().at(teacher).displayName();
    for (int k = 1; k <= cell.subRowCount(); ++k) cell.text(2, k) = name;
    return cell;
}

}  // namespace lovaris
