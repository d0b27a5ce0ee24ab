#include "UnplacedLessons.h"

#include "../planning/BlockDays.h"
#include "../views/CellTexts.h"
#include "TeacherLessonList.h"

namespace lovaris {
namespace {

// The sizes of the lesson's blocks that stand on no day, joined by ", ".
std::string UnplacedSizes(const ViewContext& ctx, int klass, int lesson) {
    const auto& spread = ctx.session.klasses().at(klass).lesson(lesson).spread;
    const std::vector<int> days = AssignBlockDays(spread, LessonHoursPerDay(ctx.planning, klass, lesson));
    std::string sizes;
    for (std::size_t e = 0; e < spread.size(); ++e)
        if (days[e] == 0) sizes += (sizes.empty() ? "" : ", ") + std::to_string(spread[e]);
    return sizes;
}

}  // namespace

std::vector<UnplacedRow> UnplacedKlassRows(const ViewContext& ctx, int klass) {
    std::vector<UnplacedRow> rows;
    const auto& item = ctx.session.klasses().at(klass);
    for (int l = 0; l < item.lessonCount(); ++l) {
        std::string sizes = UnplacedSizes(ctx, klass, l);
        if (sizes.empty()) continue;
        const PlanningLesson& lesson = item.lesson(l);
        std::string title;
        for (int s = 0; s < lesson.subgroupCount(); ++s) title += (s > 0 ? "/" : "") + SubjectText(ctx, lesson, s);
        rows.push_back({std::move(title), std::move(sizes), klass, l});
    }
    return rows;
}

std::vector<UnplacedRow> UnplacedTeacherRows(const ViewContext& ctx, int teacher) {
    std::vector<UnplacedRow> rows;
    for (const TeacherListedLesson& listed : TeacherLessonList(ctx.session, teacher)) {
        std::string sizes = UnplacedSizes(ctx, listed.klass, listed.lesson);
        if (sizes.empty()) continue;
        const PlanningLesson& lesson = ctx.session.klasses().at(listed.klass).lesson(listed.lesson);
        const int subgroup =
            ctx.session.teachers().at(teacher).copy(listed.copy).subgroups[static_cast<std::size_t>(listed.subgroup)]
                .copyRef.subgroup;
        std::string title =
            SubjectText(ctx, lesson, subgroup) + " (" + TeacherLessonKlasses(ctx, teacher, listed) + ")";
        rows.push_back({std::move(title), std::move(sizes), listed.klass, listed.lesson});
    }
    return rows;
}

}  // namespace lovaris
