#include "TClassTableRpForm.h"

#include "../common/ReportTexts.h"
#include "../common/StringTable.h"
#include "../views/CellTexts.h"
#include "TimetableCells.h"
#include "WeekTimetable.h"

namespace lovaris {

Report TClassTableRpForm::Build(const ViewContext& ctx, int klass, bool shortForm) {
    WeekTimetable week{LoadResText(ReportText::ListClass), KlassName(ctx, klass),
                       ctx.session.params().description, ctx.options.comment, shortForm,
                       [&](int day, int lesson) {
                           const ClassHourTexts t = ClassHour(ctx, klass, day, lesson);
                           return WeekHour{t.subject, {t.subject, t.teacher, t.room}};
                       },
                       ReportLessons(ctx)};
    return BuildWeekTimetable(week);
}

Report TTeacherTableRpForm::Build(const ViewContext& ctx, int teacher, bool shortForm) {
    WeekTimetable week{LoadResText(ReportText::ListTeacher), ctx.session.teachers().at(teacher).displayName(),
                       ctx.session.params().description, ctx.options.comment, shortForm,
                       [&](int day, int lesson) {
                           const TeacherHourTexts t = TeacherHour(ctx, teacher, day, lesson, false);
                           return WeekHour{t.klass, {t.klass, t.subject, t.room}};
                       },
                       ReportLessons(ctx)};
    return BuildWeekTimetable(week);
}

}  // namespace lovaris
