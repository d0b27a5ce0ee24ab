#include "TeacherLessonList.h"

#include "../views/CellTexts.h"

namespace lovaris {

std::vector<TeacherListedLesson> TeacherLessonList(const PlanningSession& session, int teacher) {
    std::vector<TeacherListedLesson> listed;
    const TRTITeacherItem& item = session.teachers().at(teacher);
    for (int i = 0; i < item.copyCount(); ++i) {
        const PlanningLesson& copy = item.copy(i);
        for (int s = 0; s < copy.subgroupCount(); ++s) {
            const PlanningSubgroup& sub = copy.subgroups[static_cast<std::size_t>(s)];
            if (sub.teacher != teacher || !sub.copyRef.valid()) continue;
            bool earlier = false;
            for (const LessonRef& link : sub.links) earlier = earlier || (link.owner == teacher && link.lesson < i);
            if (!earlier) listed.push_back({sub.copyRef.owner, sub.copyRef.lesson, i, s});
            break;
        }
    }
    return listed;
}

std::string TeacherLessonKlasses(const ViewContext& ctx, int teacher, const TeacherListedLesson& listed) {
    const PlanningSubgroup& sub =
        ctx.session.teachers().at(teacher).copy(listed.copy).subgroups[static_cast<std::size_t>(listed.subgroup)];
    std::string text = KlassName(ctx, listed.klass);
    for (const LessonRef& link : sub.links) {
        if (!link.valid() || link.owner >= ctx.session.teachers().count()) continue;
        const TRTITeacherItem& other = ctx.session.teachers().at(link.owner);
        if (link.lesson < other.copyCount() && other.copy(link.lesson).klass >= 0)
            text += "/" + KlassName(ctx, other.copy(link.lesson).klass);
    }
    return text;
}

}  // namespace lovaris
