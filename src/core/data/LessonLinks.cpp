#include "LessonLinks.h"

#include "LessonOrder.h"
#include "LessonRowTexts.h"

namespace lovaris {
namespace {

// Works for a const and a mutable lesson alike.
template <typename Lesson>
auto* subgroupAt(Lesson& lesson, int index) {
    return index >= 0 && index < lesson.subgroupCount() ? &lesson.subgroups[static_cast<std::size_t>(index)] : nullptr;
}

TLessonSubItem* partnerOf(Project& project, const LessonLink& link) {
    auto* lesson = project.lessons.findById(link.lessonId);
    return lesson ? subgroupAt(*lesson, link.subgroup) : nullptr;
}

bool canTake(const TLessonSubItem& sub, const LessonLink& link) {
    return sub.links.size() < TLessonSubItem::kMaxLinks || sub.hasLinkTo(link.lessonId, link.subgroup);
}

// The subgroup of `other` that `sub` is linked with when it has `sub`'s teacher,
// otherwise the first one with that teacher; -1 when none has it.
int candidateSubgroup(const TLessonSubItem& sub, const TLessonItem& other) {
    int first = -1;
    for (int j = 0; j < other.subgroupCount(); ++j) {
        if (other.subgroups[static_cast<std::size_t>(j)].teacher != sub.teacher) continue;
        if (sub.hasLinkTo(other.id, j)) return j;
        if (first < 0) first = j;
    }
    return first;
}

}  // namespace

LinkCandidates BuildLinkCandidates(const Project& project, int lessonPosition, int subgroup) {
    LinkCandidates result;
    if (lessonPosition < 0 || lessonPosition >= project.lessons.count()) return result;
    const auto& lesson = project.lessons.at(lessonPosition);
    const auto* sub = subgroupAt(lesson, subgroup);
    if (!sub || sub->teacher == -1) return result;

    for (const auto& group : LessonsByClass(project)) {
        if (group.klass == lesson.klass) continue;
        const std::string klass = ClassRowText(project.klasses, group.klass);
        for (std::size_t i = 0; i < group.positions.size(); ++i) {
            const auto& other = project.lessons.at(group.positions[i]);
            const int j = candidateSubgroup(*sub, other);
            if (j < 0) continue;
            LinkCandidate row;
            row.lessonId = other.id;
            row.subgroup = j;
            row.linked = sub->hasLinkTo(other.id, j);
            row.klass = klass;
            row.number = RecordNumberText(static_cast<int>(i) + 1, j, other.subgroupCount());
            row.subject = SubjectRowText(project.subjects, other.subgroups[static_cast<std::size_t>(j)].subject);
            row.teacher = TeacherRowText(project.teachers, sub->teacher);
            row.link = YesNoText(row.linked);
            if (row.linked && result.firstLinkedRow < 0) result.firstLinkedRow = static_cast<int>(result.rows.size());
            result.rows.push_back(std::move(row));
        }
    }
    return result;
}

void ToggleLinkCandidate(LinkCandidate& candidate) {
    candidate.linked = !candidate.linked;
    candidate.link = YesNoText(candidate.linked);
}

LinkApplyResult ApplyLinkCandidates(Project& project, int lessonPosition, int subgroup,
                                    const std::vector<LinkCandidate>& candidates) {
    LinkApplyResult result;
    if (lessonPosition < 0 || lessonPosition >= project.lessons.count()) return result;
    auto& lesson = project.lessons.at(lessonPosition);
    auto* ownPtr = subgroupAt(lesson, subgroup);
    if (!ownPtr) return result;
    auto& own = *ownPtr;
    const std::int32_t lessonId = lesson.id;
    const LessonLink self{lessonId, subgroup};

    const auto oldLinks = own.links;  // a stale link may point back at this very subgroup
    for (const auto& link : oldLinks) {
        own.removeLink(link);
        if (auto* partner = partnerOf(project, link)) partner->removeLink(self);
    }

    for (const auto& candidate : candidates) {
        if (!candidate.linked || candidate.lessonId == lessonId) continue;
        const LessonLink link{candidate.lessonId, candidate.subgroup};
        auto* partner = partnerOf(project, link);
        if (!partner || !canTake(own, link) || !canTake(*partner, self)) {
            result.refused.push_back(link);
            continue;
        }
        own.addLink(link);
        partner->addLink(self);
    }
    return result;
}

}  // namespace lovaris
