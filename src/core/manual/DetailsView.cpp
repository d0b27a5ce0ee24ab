#include "DetailsView.h"

#include <cmath>

#include "../common/Cp1251.h"
#include "../common/ManualTexts.h"
#include "../common/NumberText.h"
#include "../views/CellTexts.h"

namespace lovaris {
namespace {

const std::vector<LessonRef>& Entries(const LinkSet& links, ManualSide side) {
    return side == ManualSide::Klass ? links.klassLessons : links.teacherCopies;
}

// A subject cut to its first three letters; "---" for none, "*" in front of a
// separated lesson's.
std::string ShortSubject(const ViewContext& ctx, const PlanningLesson& lesson, int subgroup) {
    const int subject = lesson.subgroups[static_cast<std::size_t>(subgroup)].subject;
    std::string text = lesson.isSeparated() ? "*" : "";
    if (subject >= 0 && subject < ctx.session.subjects().count())
        text += utf8Left(ctx.session.subjects().at(subject).record.displayName(), 3);
    else
        text += LoadResText(ManualText::NoSubjectShort);
    return text;
}

std::string KlassLessonText(const ViewContext& ctx, const PlanningLesson& lesson) {
    std::string text;
    for (int s = 0; s < lesson.subgroupCount(); ++s) text += (s > 0 ? "/" : "") + ShortSubject(ctx, lesson, s);
    return text;
}

std::string KlassSubCell(const ViewContext& ctx, int klass, bool draft, int day, int number) {
    const TTableVarItem& grid = ctx.grids();
    const LessonSlot slot = draft ? grid.GetDraftSlot(klass, day, number) : grid.GetCleanSlot(klass, day, number);
    if (const PlanningLesson* lesson = slot.occupied() ? ctx.lesson(klass, slot.lessonIndex) : nullptr)
        return KlassLessonText(ctx, *lesson);
    const auto& item = ctx.session.klasses().at(klass);
    if (!draft) return item.busyAt(day, number) ? std::string(kFillRed) : std::string();
    int closed = 0;
    for (int n = 1; n <= ctx.lessonsPerDay(); ++n) closed += item.busyAt(day, n) ? 1 : 0;
    return closed >= ctx.lessonsPerDay() ? std::string(kFillGrey) : std::string();
}

std::string TeacherSubCell(const ViewContext& ctx, int teacher, bool draft, int day, int number) {
    const TeacherLessonAt at = draft ? ctx.planning.FindTeacherDraftLessonOnDay(teacher, day, number)
                                     : ctx.planning.FindTeacherLessonOnDay(teacher, day, number);
    if (at.found()) {
        const TTableVarItem& grid = ctx.grids();
        const LessonSlot slot = draft ? grid.GetDraftSlot(at.klass, day, at.draftNumber)
                                      : grid.GetCleanSlot(at.klass, day, number);
        std::string text = KlassName(ctx, at.klass);
        const PlanningLesson* lesson = ctx.lesson(at.klass, slot.lessonIndex);
        if (!lesson || at.subgroup < 0 || at.subgroup >= lesson->subgroupCount()) return text;
        for (const LessonRef& link : lesson->subgroups[static_cast<std::size_t>(at.subgroup)].links) {
            const bool known = link.owner >= 0 && link.owner < ctx.session.klasses().count();
            text += "/" + (known ? KlassName(ctx, link.owner) : LoadResText(ManualText::NoSubjectShort));
        }
        return text;
    }
    const TRTITeacherItem& item = ctx.session.teachers().at(teacher);
    if (draft)
        return ctx.session.teachers().ClosedHoursOnDay(teacher, day) >= ctx.lessonsPerDay() ? std::string(kFillGrey)
                                                                                           : std::string();
    const std::int16_t value = item.busy.at(day, number);
    if (value == kTeacherBusy) return std::string(kFillRed);
    return TRTITeacherItem::isHonouredWish(value, ctx.wishesMode()) ? std::string(kFillYellow) : std::string();
}

void SetEvenSubColumns(THourElementRecord& cell, int count) {
    cell.subColumnWidths.fill(0);
    const auto width = static_cast<std::int16_t>(std::lround(100.0 / count));
    for (int i = 0; i < count; ++i) cell.subColumnWidths[static_cast<std::size_t>(i)] = width;
}

}  // namespace

int DetailsFocus::Shown(ManualSide side) const {
    return std::min(static_cast<int>(Entries(links, side).size()), kDetailsShownMax);
}

int DetailsFocus::ShownEntity(ManualSide side, int index) const {
    if (index < 0 || index >= Shown(side)) return -1;
    return Entries(links, side)[static_cast<std::size_t>(index)].owner;
}

std::string DetailsFocus::Names(const PlanningSession& session, ManualSide side) const {
    std::string text;
    for (const LessonRef& ref : Entries(links, side)) {
        if (!text.empty()) text += "/";
        text += side == ManualSide::Klass ? session.klasses().at(ref.owner).displayName()
                                          : session.teachers().at(ref.owner).displayName();
    }
    return text;
}

bool DetailsFocus::operator==(const DetailsFocus& other) const {
    return links.klassLessons == other.links.klassLessons && links.teacherCopies == other.links.teacherCopies;
}

int DetailsSubCellCount(int shown) { return std::clamp(shown, 1, kDetailsShownMax); }

int DetailsSubColumnAt(int cellWidth, int shown, int x) {
    if (shown <= 0 || x < 0) return -1;
    const int width = cellWidth / shown;
    if (width <= 0) return -1;
    const int index = x / width;
    return index < shown ? index : -1;
}

DetailsGridSize DetailsGridSizeOf(int lessonsPerDay, bool vertical) {
    return vertical ? DetailsGridSize{kVariantDays + 1, lessonsPerDay + 1} : DetailsGridSize{lessonsPerDay + 1, kVariantDays + 1};
}

std::optional<DetailsPlace> DetailsPlaceAt(int lessonsPerDay, bool vertical, int col, int row) {
    const DetailsPlace place = vertical ? DetailsPlace{row, col} : DetailsPlace{col, row};
    if (place.day < 1 || place.day > kVariantDays || place.number < 1 || place.number > lessonsPerDay) return std::nullopt;
    return place;
}

THourElementRecord DetailsDataCell(const ViewContext& ctx, const DetailsFocus& focus, ManualSide side, bool draft,
                                   int day, int number) {
    THourElementRecord cell;
    const int shown = focus.Shown(side);
    // A focus without anyone on this side still gets its one (empty) sub-cell.
    SetEvenSubColumns(cell, DetailsSubCellCount(shown));
    for (int i = 0; i < shown; ++i) {
        const int entity = focus.ShownEntity(side, i);
        cell.text(i + 1, 1) = side == ManualSide::Klass ? KlassSubCell(ctx, entity, draft, day, number)
                                                        : TeacherSubCell(ctx, entity, draft, day, number);
    }
    return cell;
}

THourElementRecord DetailsDayHeader(const ViewContext& ctx, const DetailsFocus& focus, ManualSide side, bool vertical,
                                    int day) {
    const int shown = focus.Shown(side);
    const std::string gap = shown == 1 ? "    " : "  ";
    std::string counts;
    std::string loads;
    for (int i = 0; i < shown; ++i) {
        const int entity = focus.ShownEntity(side, i);
        int clean = 0;
        int draft = 0;
        if (side == ManualSide::Klass) {
            clean = ctx.grids().CountClassCleanLessons(entity, day);
            draft = ctx.grids().CountClassDraftLessons(entity, day);
            loads += (i > 0 ? "/" : "") + OneDecimalText(ctx.planning.DayLoadOfClass(entity, day));
        } else {
            clean = ctx.planning.CountTeacherCleanLessons(entity, day);
            draft = ctx.planning.CountTeacherDraftLessons(entity, day);
        }
        counts += (i > 0 ? "/" : "") + std::to_string(clean) + "+" + std::to_string(draft);
    }
    std::string rest = counts;
    if (side == ManualSide::Klass) rest += gap + loads;
    THourElementRecord cell;
    if (vertical) {
        cell.text(1, 1) = WeekdayShortName(day) + gap + rest;
    } else {
        cell.SetEvenSubRows(2);
        cell.text(1, 1) = WeekdayShortName(day);
        cell.text(1, 2) = rest;
    }
    return cell;
}

THourElementRecord DetailsLessonHeader(bool draft, int number) {
    THourElementRecord cell;
    if (!draft) cell.text(1, 1) = std::to_string(number);
    return cell;
}

std::optional<DetailsFocus> DetailsFocusAt(const ViewContext& ctx, const DetailsFocus& focus, ManualSide side,
                                           bool draft, int index, int day, int number) {
    const int entity = focus.ShownEntity(side, index);
    if (entity < 0 || day < 1 || day > kVariantDays || number < 1 || number > ctx.lessonsPerDay()) return std::nullopt;
    int klass = -1;
    int lesson = -1;
    if (side == ManualSide::Klass) {
        const LessonSlot slot =
            draft ? ctx.grids().GetDraftSlot(entity, day, number) : ctx.grids().GetCleanSlot(entity, day, number);
        klass = entity;
        if (slot.occupied() && ctx.lesson(entity, slot.lessonIndex))
            lesson = slot.lessonIndex;
        else if (ctx.session.klasses().at(entity).lessonCount() > 0)
            lesson = 0;
    } else {
        const TeacherLessonAt at = draft ? ctx.planning.FindTeacherDraftLessonOnDay(entity, day, number)
                                         : ctx.planning.FindTeacherLessonOnDay(entity, day, number);
        if (at.found()) {
            const LessonSlot slot = draft ? ctx.grids().GetDraftSlot(at.klass, day, at.draftNumber)
                                          : ctx.grids().GetCleanSlot(at.klass, day, number);
            klass = at.klass;
            lesson = slot.lessonIndex;
        } else {
            // The teacher's first lesson, in the class of the subgroup it teaches.
            const TRTITeacherItem& teacher = ctx.session.teachers().at(entity);
            if (teacher.copyCount() > 0)
                for (const PlanningSubgroup& sub : teacher.copy(0).subgroups)
                    if (sub.teacher == entity && sub.copyRef.valid()) {
                        klass = sub.copyRef.owner;
                        lesson = sub.copyRef.lesson;
                        break;
                    }
        }
    }
    if (klass < 0 || !ctx.lesson(klass, lesson)) return std::nullopt;
    return DetailsFocus{ctx.session.klasses().BuildLinkSet(klass, lesson)};
}

int DetailsFocusChange(const DetailsFocus& before, const DetailsFocus& after) {
    int flags = 0;
    if (before.links.klassLessons != after.links.klassLessons) flags |= 1;
    if (before.links.teacherCopies != after.links.teacherCopies) flags |= 2;
    return flags;
}

}  // namespace lovaris
