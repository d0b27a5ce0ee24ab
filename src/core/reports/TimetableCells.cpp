#include "TimetableCells.h"

#include <algorithm>

#include "../common/Cp1251.h"
#include "../common/ReportTexts.h"
#include "../common/StringTable.h"
#include "../views/CellTexts.h"

namespace lovaris {
namespace {

std::string SubjectName(const ViewContext& ctx, int subject, TextId none) {
    return subject >= 0 && subject < ctx.session.subjects().count()
               ? ctx.session.subjects().at(subject).record.displayName()
               : LoadResText(none);
}

std::string Joined(std::string text, const std::string& part, std::size_t k) {
    return k == 0 ? part : text + "/" + part;
}

}  // namespace

int ReportLessons(const ViewContext& ctx) { return std::max(kReportLessons, ctx.lessonsPerDay()); }

ClassHourTexts ClassHour(const ViewContext& ctx, int klass, int day, int lesson) {
    ClassHourTexts texts;
    if (lesson > ctx.lessonsPerDay()) return texts;
    const LessonSlot slot = ctx.grids().GetCleanSlot(klass, day, lesson);
    const PlanningLesson* planned = slot.occupied() ? ctx.lesson(klass, slot.lessonIndex) : nullptr;
    if (!planned) return texts;
    const bool several = planned->subgroupCount() > 1;
    for (std::size_t k = 0; k < planned->subgroups.size(); ++k) {
        const auto& sub = planned->subgroups[k];
        std::string subject = SubjectName(ctx, sub.subject, TextId::NotSetLong);
        if (several) subject = utf8Left(subject, 3);
        const std::string teacher = sub.teacher >= 0 && sub.teacher < ctx.session.teachers().count()
                                        ? ctx.session.teachers().at(sub.teacher).displayName()
                                        : LoadResText(TextId::NotSetLong);
        const std::uint16_t room = k < slot.rooms.size() ? slot.rooms[k] : kNoRoom;
        texts.subject = Joined(texts.subject, subject, k);
        texts.teacher = Joined(texts.teacher, teacher, k);
        texts.room = Joined(texts.room, RoomText(ctx, sub, room), k);
    }
    if (std::all_of(texts.room.begin(), texts.room.end(), [](char c) { return c == '/'; })) texts.room.clear();
    return texts;
}

TeacherHourTexts TeacherHour(const ViewContext& ctx, int teacher, int day, int lesson, bool shortSubject) {
    TeacherHourTexts texts;
    if (lesson > ctx.lessonsPerDay()) return texts;
    const TeacherLessonAt at = ctx.planning.FindTeacherLessonOnDay(teacher, day, lesson);
    if (!at.found()) return texts;
    const LessonSlot slot = ctx.grids().GetCleanSlot(at.klass, day, lesson);
    const PlanningLesson* planned = ctx.lesson(at.klass, slot.lessonIndex);
    if (!planned) return texts;
    const auto& sub = planned->subgroups[static_cast<std::size_t>(at.subgroup)];
    texts.taught = true;
    texts.klass = KlassName(ctx, at.klass);
    for (const LessonRef& link : sub.links)
        if (link.owner >= 0 && link.owner < ctx.session.klasses().count()) texts.klass += "/" + KlassName(ctx, link.owner);
    if (shortSubject)
        texts.subject = sub.subject >= 0 ? utf8Left(SubjectName(ctx, sub.subject, TextId::NotSetShort), 3)
                                         : LoadResText(ReportText::ShortDashes);
    else
        texts.subject = SubjectName(ctx, sub.subject, TextId::NotSetShort);
    const auto s = static_cast<std::size_t>(at.subgroup);
    texts.room = RoomText(ctx, sub, s < slot.rooms.size() ? slot.rooms[s] : kNoRoom);
    return texts;
}

}  // namespace lovaris
