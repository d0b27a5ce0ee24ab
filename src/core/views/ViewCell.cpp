#include "ViewCell.h"

#include <algorithm>

#include "KlassViewCells.h"
#include "RoomViewCells.h"
#include "TeacherViewCells.h"

namespace lovaris {
namespace {

int EntityCount(const PlanningSession& session, ViewKind kind) {
    switch (kind) {
        case ViewKind::Klasses:
        case ViewKind::KlassesDraft: return session.klasses().count();
        case ViewKind::Teachers:
        case ViewKind::TeachersDraft: return session.teachers().count();
        case ViewKind::Rooms: return session.rooms().count();
    }
    return 0;
}

THourElementRecord HeaderCell(const ViewContext& ctx, ViewKind kind, int entity) {
    switch (kind) {
        case ViewKind::Klasses:
        case ViewKind::KlassesDraft: return KlassHeaderCell(ctx, entity);
        case ViewKind::Teachers:
        case ViewKind::TeachersDraft: return TeacherHeaderCell(ctx, entity);
        case ViewKind::Rooms: return RoomHeaderCell(ctx, entity);
    }
    return {};
}

THourElementRecord DataCell(const ViewContext& ctx, ViewKind kind, bool vertical, int entity, int lesson) {
    switch (kind) {
        case ViewKind::Klasses: return KlassCleanCell(ctx, vertical, entity, lesson);
        case ViewKind::KlassesDraft: return KlassDraftCell(ctx, entity, lesson);
        case ViewKind::Teachers: return TeacherCleanCell(ctx, vertical, entity, lesson);
        case ViewKind::TeachersDraft: return TeacherDraftCell(ctx, entity, lesson);
        case ViewKind::Rooms: return RoomCell(ctx, entity, lesson);
    }
    return {};
}

}  // namespace

ViewGridSize ViewGridSizeOf(const PlanningSession& session, ViewKind kind, bool vertical) {
    const int lessons = session.params().lessonsPerDay + 1;
    const int entities = EntityCount(session, kind) + 1;
    return vertical ? ViewGridSize{lessons, entities} : ViewGridSize{entities, lessons};
}

int ViewSubRowCount(const Project& project) {
    int most = 2;
    for (const auto& lesson : project.lessons) most = std::max(most, lesson.subgroupCount());
    return most;
}

THourElementRecord ViewCell(const ViewContext& ctx, ViewKind kind, bool vertical, int col, int row) {
    const ViewGridSize size = ViewGridSizeOf(ctx.session, kind, vertical);
    if (col < 0 || row < 0 || col >= size.columns || row >= size.rows) return {};
    const int entity = vertical ? row : col;
    const int lesson = vertical ? col : row;
    THourElementRecord cell;
    if (entity == 0 && lesson > 0) {
        cell.text(1, 1) = std::to_string(lesson);
    } else if (entity > 0 && lesson == 0) {
        cell = HeaderCell(ctx, kind, entity - 1);
    } else if (entity > 0) {
        cell = DataCell(ctx, kind, vertical, entity - 1, lesson);
    }
    return cell;
}

}  // namespace lovaris
