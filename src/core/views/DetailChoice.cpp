#include "DetailChoice.h"

#include "ViewCell.h"

namespace lovaris {
namespace {

struct LessonPick {
    int klass = -1;
    int lesson = -1;
    int position = 0;
};

LessonPick KlassPick(const ViewContext& ctx, bool draft, int klass, int number) {
    const LessonSlot slot = draft ? ctx.grids().GetDraftSlot(klass, ctx.day(), number)
                                  : ctx.grids().GetCleanSlot(klass, ctx.day(), number);
    if (slot.occupied() && ctx.lesson(klass, slot.lessonIndex)) return {klass, slot.lessonIndex, number};
    if (ctx.session.klasses().at(klass).lessonCount() > 0) return {klass, 0, number};
    return {};
}

// The teacher's first lesson, in the class it was copied from.
LessonPick TeacherFirstLesson(const ViewContext& ctx, int teacher, int number) {
    const TRTITeacherItem& item = ctx.session.teachers().at(teacher);
    if (item.copyCount() == 0 || item.copy(0).subgroups.empty()) return {};
    const LessonRef& source = item.copy(0).subgroups.front().copyRef;
    if (!ctx.lesson(source.owner, source.lesson)) return {};
    return {source.owner, source.lesson, number};
}

LessonPick TeacherPick(const ViewContext& ctx, bool draft, int teacher, int number) {
    if (draft) {
        const TeacherLessonAt at = ctx.planning.FindTeacherDraftLessonAt(teacher, number);
        const LessonSlot slot = at.found() ? ctx.grids().GetDraftSlot(at.klass, ctx.day(), at.draftNumber)
                                           : LessonSlot::Empty();
        if (slot.occupied() && ctx.lesson(at.klass, slot.lessonIndex)) return {at.klass, slot.lessonIndex, at.draftNumber};
        return TeacherFirstLesson(ctx, teacher, 1);
    }
    const TeacherLessonAt at = ctx.planning.FindTeacherLessonAt(teacher, number);
    const LessonSlot slot = at.found() ? ctx.grids().GetCleanSlot(at.klass, ctx.day(), number) : LessonSlot::Empty();
    if (slot.occupied() && ctx.lesson(at.klass, slot.lessonIndex)) return {at.klass, slot.lessonIndex, number};
    return TeacherFirstLesson(ctx, teacher, number);
}

}  // namespace

std::optional<SelectedDetail> ChooseDetail(const ViewContext& ctx, ViewKind kind, bool vertical, int col, int row) {
    if (ctx.session.state().runInProgress || kind == ViewKind::Rooms) return std::nullopt;
    const ViewGridSize size = ViewGridSizeOf(ctx.session, kind, vertical);
    if (col <= 0 || row <= 0 || col >= size.columns || row >= size.rows) return std::nullopt;
    const int entity = (vertical ? row : col) - 1;
    const int number = vertical ? col : row;
    const bool draft = kind == ViewKind::KlassesDraft || kind == ViewKind::TeachersDraft;
    const bool klassView = kind == ViewKind::Klasses || kind == ViewKind::KlassesDraft;
    const LessonPick pick = klassView ? KlassPick(ctx, draft, entity, number) : TeacherPick(ctx, draft, entity, number);
    if (pick.klass < 0) return std::nullopt;
    return SelectedDetail{ctx.session.klasses().BuildLinkSet(pick.klass, pick.lesson), pick.position, draft};
}

}  // namespace lovaris
