#include "LessonSubgroupCount.h"

namespace lovaris {

LessonFieldChange ApplySubgroupCountToLesson(Project& project, int lessonPosition, std::string_view text) {
    if (lessonPosition < 0 || lessonPosition >= project.lessons.count()) return {};
    auto& lesson = project.lessons.at(lessonPosition);
    const std::int32_t lessonId = lesson.id;
    std::vector<std::vector<LessonLink>> oldLinks;
    for (const auto& sub : lesson.subgroups) oldLinks.push_back(sub.links);

    const auto change = ApplySubgroupCountText(lesson, project.klasses, text);
    if (change.kind != LessonFieldChange::Kind::Changed) return change;

    for (std::size_t k = 0; k < oldLinks.size(); ++k) {
        for (const auto& link : oldLinks[k]) {
            if (link.lessonId == lessonId) continue;  // the new subgroups hold no links
            auto* partner = project.lessons.findById(link.lessonId);
            if (!partner || link.subgroup < 0 || link.subgroup >= partner->subgroupCount()) continue;
            partner->subgroups[static_cast<std::size_t>(link.subgroup)].removeLink(
                {lessonId, static_cast<std::int32_t>(k)});
        }
    }
    return change;
}

}  // namespace lovaris
