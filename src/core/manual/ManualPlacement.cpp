// Dragging blocks, the popup menus and the commands "Перенести в черновик" and
// "Снять урок".
#include "ManualPlacement.h"

#include "../common/BusySlots.h"

namespace lovaris {

bool ManualPlacement::validCell(const ManualCell& cell) const {
    const int entities = cell.side == ManualSide::Klass ? session().klasses().count() : session().teachers().count();
    return cell.entity >= 0 && cell.entity < entities && cell.day >= 1 && cell.day <= kVariantDays &&
           cell.number >= 1 && cell.number <= lessonsPerDay();
}

CellLesson ManualPlacement::LessonAt(const ManualCell& cell) const {
    if (!validCell(cell)) return {};
    int klass = cell.entity;
    int number = cell.number;
    if (cell.side == ManualSide::Teacher) {
        const TeacherLessonAt at = cell.draft ? planning().FindTeacherDraftLessonOnDay(cell.entity, cell.day, cell.number)
                                              : planning().FindTeacherLessonOnDay(cell.entity, cell.day, cell.number);
        if (!at.found()) return {};
        klass = at.klass;
        if (cell.draft) number = at.draftNumber;
    }
    const LessonSlot slot =
        cell.draft ? grids().GetDraftSlot(klass, cell.day, number) : grids().GetCleanSlot(klass, cell.day, number);
    if (!slot.occupied() || slot.lessonIndex >= session().klasses().at(klass).lessonCount()) return {};
    return CellLesson{klass, slot.lessonIndex, number};
}

ManualVerdict ManualPlacement::JudgeLessonCell(const ManualCell& cell, CellLesson& lesson) const {
    if (running()) return ManualVerdict::Refused(ManualRule::RunInProgress);
    if (!validCell(cell)) return ManualVerdict::Refused(ManualRule::NoCell);
    lesson = LessonAt(cell);
    if (!lesson.found()) return ManualVerdict::Refused(ManualRule::NoLesson, -1, -1, cell.day, cell.number);
    return {};
}

int ManualPlacement::KlassClosedHours(int klass, int day) const {
    int closed = 0;
    for (int n = 1; n <= lessonsPerDay(); ++n) closed += session().klasses().at(klass).busyAt(day, n) ? 1 : 0;
    return closed;
}

int ManualPlacement::TeacherClosedHours(int teacher, int day) const {
    return session().teachers().ClosedHoursOnDay(teacher, day);
}

ManualVerdict ManualPlacement::JudgeDragStart(const ManualCell& from) const {
    if (from.draft) return ManualVerdict::Refused(ManualRule::NoCell);
    CellLesson lesson;
    if (const ManualVerdict v = JudgeLessonCell(from, lesson); !v.allowed()) return v;
    if (grids().GetCleanSlot(lesson.klass, from.day, lesson.number).prevPosition != -1)
        return ManualVerdict::Refused(ManualRule::NotFirstHour, lesson.klass, -1, from.day, from.number);
    return {};
}

ManualVerdict ManualPlacement::JudgeDrop(const ManualCell& from, const ManualCell& to) const {
    if (running()) return ManualVerdict::Refused(ManualRule::RunInProgress);
    if (to.side != from.side || to.draft || to.entity != from.entity || !validCell(to))
        return ManualVerdict::Refused(ManualRule::NoCell);
    if (to.day == from.day && to.number == from.number) return ManualVerdict::Refused(ManualRule::SameCell);
    if (const ManualVerdict v = JudgeDragStart(from); !v.allowed()) return v;

    const CellLesson dragged = LessonAt(from);
    const int c = dragged.klass;
    const int ds = from.day;
    const int dt = to.day;
    const int t = to.number;
    const bool sameDay = ds == dt;
    const auto& klasses = session().klasses();
    const auto& teachers = session().teachers();

    if (!sameDay && grids().CountLessonHoursOnDay(c, dragged.lesson, dt) > 0)
        return ManualVerdict::Refused(ManualRule::AlreadyOnDay, c, -1, dt, 0);
    const LessonSlot target = grids().GetCleanSlot(c, dt, t);
    if (target.occupied() && !(sameDay && target.lessonIndex == dragged.lesson))
        return ManualVerdict::Refused(ManualRule::TargetTaken, c, -1, dt, t);

    const LinkSet links = klasses.BuildLinkSet(c, dragged.lesson);
    const int hours = grids().CountLessonHoursOnDay(c, dragged.lesson, ds);
    for (int h = t; h < t + hours; ++h) {
        if (h > lessonsPerDay()) return ManualVerdict::Refused(ManualRule::PastDayEnd, c, -1, dt, h);
        for (const LessonRef& ref : links.klassLessons) {
            if (klasses.SlotBlocked(ref.owner, busySlot(dt, h), ref.lesson))
                return ManualVerdict::Refused(ManualRule::KlassClosed, ref.owner, -1, dt, h);
            const LessonSlot slot = grids().GetCleanSlot(ref.owner, dt, h);
            if (slot.occupied() && !(sameDay && slot.lessonIndex == ref.lesson))
                return ManualVerdict::Refused(ManualRule::KlassTaken, ref.owner, -1, dt, h);
        }
    }
    for (int h = t; h < t + hours; ++h)
        for (const LessonRef& ref : links.teacherCopies) {
            const TeacherLessonAt at = planning().FindTeacherLessonOnDay(ref.owner, dt, h);
            if (at.found() && (!sameDay || at.klass != c)) {
                // On the same day the teacher may stand in the block's own hours with a
                // lesson of the link set: it moves along.
                const LessonSlot slot = grids().GetCleanSlot(at.klass, dt, h);
                bool moving = false;
                for (const LessonRef& a : links.klassLessons)
                    moving = moving || (a.owner == at.klass && a.lesson == slot.lessonIndex);
                if (!sameDay || !moving) return ManualVerdict::Refused(ManualRule::TeacherTeaching, -1, ref.owner, dt, h);
            }
            if (teachers.IsClosed(ref.owner, dt, h))
                return ManualVerdict::Refused(ManualRule::TeacherClosed, -1, ref.owner, dt, h);
        }
    return {};
}

ManualOutcome ManualPlacement::Apply(ManualText name, const CellLesson& lesson, const std::function<bool()>& change) {
    ManualOutcome outcome;
    TTableVarItem before = workspace_.variant();
    const bool wasModified = workspace_.modified();
    const bool changed = change();
    workspace_.SetVariantModified(wasModified);  // the history sets the mark of what it keeps
    if (!changed) {
        workspace_.variant().Assign(before);
        outcome.verdict = ManualVerdict::Refused(ManualRule::NoCell);
        outcome.message = VerdictText(outcome.verdict, session());
        return outcome;
    }
    outcome.changed = !before.sameGrids(workspace_.variant());
    outcome.manyKlasses = session().klasses().BuildLinkSet(lesson.klass, lesson.lesson).klassLessons.size() > 1;
    workspace_.RecordEdit(LoadResText(name), std::move(before));
    return outcome;
}

namespace {

ManualOutcome RefusedOutcome(const ManualVerdict& verdict, const PlanningSession& session) {
    ManualOutcome outcome;
    outcome.verdict = verdict;
    outcome.message = VerdictText(verdict, session);
    return outcome;
}

}  // namespace

ManualOutcome ManualPlacement::Drop(const ManualCell& from, const ManualCell& to) {
    if (const ManualVerdict v = JudgeDrop(from, to); !v.allowed()) return RefusedOutcome(v, session());
    const CellLesson dragged = LessonAt(from);
    return Apply(ManualText::EditMove, dragged, [&] {
        TTableVarItem& grid = workspace_.variant();
        const TTableVarItem source = grid;  // every hour is read as it stood before the move
        const int hours = grid.CountLessonHoursOnDay(dragged.klass, dragged.lesson, from.day);
        const LinkSet links = session().klasses().BuildLinkSet(dragged.klass, dragged.lesson);
        for (const LessonRef& ref : links.klassLessons) {
            // Only the hours of the linked lesson move: another lesson that happens to
            // stand in a linked class at those hours stays where it is.
            std::vector<int> moving;
            for (int k = 0; k < hours; ++k) {
                const LessonSlot slot = source.GetCleanSlot(ref.owner, from.day, from.number + k);
                if (slot.occupied() && slot.lessonIndex == ref.lesson) moving.push_back(k);
            }
            for (int k : moving) grid.SetCleanSlot(ref.owner, from.day, LessonSlot::Empty(), from.number + k);
            for (int k : moving) {
                LessonSlot slot = source.GetCleanSlot(ref.owner, from.day, from.number + k);
                slot.clearRooms();
                grid.SetCleanSlot(ref.owner, to.day, slot, to.number + k);
            }
        }
        return true;
    });
}

ManualMenuState ManualPlacement::Menu(const ManualCell& cell) const {
    ManualMenuState menu;
    if (running() || !validCell(cell)) return menu;
    const int perDay = lessonsPerDay();
    const bool klass = cell.side == ManualSide::Klass;
    const int closedHours = klass ? KlassClosedHours(cell.entity, cell.day) : TeacherClosedHours(cell.entity, cell.day);
    const bool lesson = LessonAt(cell).found();
    if (cell.draft) {
        if (lesson) {
            menu.opens = menu.takeOff = true;
        } else if (closedHours < perDay) {
            menu.opens = menu.setLesson = true;
        }
        return menu;
    }
    if (lesson) {
        menu.opens = menu.takeOff = true;
        menu.toDraft = menu.setRoom = closedHours < perDay;
        return menu;
    }
    const bool closed = klass ? session().klasses().at(cell.entity).busyAt(cell.day, cell.number)
                              : session().teachers().IsClosed(cell.entity, cell.day, cell.number);
    if (!closed) menu.opens = menu.setLesson = true;
    return menu;
}

ManualVerdict ManualPlacement::JudgeToDraft(const ManualCell& cell) const {
    if (cell.draft) return ManualVerdict::Refused(ManualRule::NoCell);
    CellLesson lesson;
    if (const ManualVerdict v = JudgeLessonCell(cell, lesson); !v.allowed()) return v;
    if (!Menu(cell).toDraft) return ManualVerdict::Refused(ManualRule::ItemDisabled, lesson.klass, -1, cell.day, 0);
    const int perDay = lessonsPerDay();
    const int hours = grids().CountLessonHoursInClean(lesson.klass, lesson.lesson, cell.day);
    const LinkSet links = session().klasses().BuildLinkSet(lesson.klass, lesson.lesson);
    // Teachers first, then classes; the first without room names the message.
    for (const LessonRef& ref : links.teacherCopies) {
        int first = 1;
        while (first <= perDay && planning().FindTeacherDraftLessonOnDay(ref.owner, cell.day, first).found()) ++first;
        if (perDay - first + 1 < hours) return ManualVerdict::Refused(ManualRule::TeacherDraftFull, -1, ref.owner, cell.day);
    }
    for (const LessonRef& ref : links.klassLessons) {
        int first = grids().FirstEmptyDraftNumber(ref.owner, cell.day);
        if (first == 0) first = perDay + 1;
        if (perDay - first + 1 < hours) return ManualVerdict::Refused(ManualRule::KlassDraftFull, ref.owner, -1, cell.day);
    }
    return {};
}

ManualOutcome ManualPlacement::ToDraft(const ManualCell& cell) {
    if (const ManualVerdict v = JudgeToDraft(cell); !v.allowed()) return RefusedOutcome(v, session());
    const CellLesson lesson = LessonAt(cell);
    return Apply(ManualText::EditToDraft, lesson, [&] {
        return workspace_.planning().MoveLessonBlock(lesson.klass, lesson.lesson, true, cell.day, cell.day, 0);
    });
}

ManualVerdict ManualPlacement::JudgeTakeOff(const ManualCell& cell) const {
    CellLesson lesson;
    if (const ManualVerdict v = JudgeLessonCell(cell, lesson); !v.allowed()) return v;
    return {};
}

ManualOutcome ManualPlacement::TakeOff(const ManualCell& cell) {
    if (const ManualVerdict v = JudgeTakeOff(cell); !v.allowed()) return RefusedOutcome(v, session());
    const CellLesson lesson = LessonAt(cell);
    return Apply(ManualText::EditTakeOff, lesson, [&] {
        return workspace_.planning().MoveLessonBlock(lesson.klass, lesson.lesson, true, 0, cell.day, 0);
    });
}

}  // namespace lovaris
