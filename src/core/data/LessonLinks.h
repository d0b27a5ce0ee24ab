#pragma once
// Linking a lesson subgroup with subgroups of other classes' lessons taught by the
// same teacher: the candidate list of the link dialog and applying the user's choice.
#include <cstdint>
#include <string>
#include <vector>

#include "Project.h"

namespace lovaris {

struct LinkCandidate {
    std::int32_t lessonId = -1;
    std::int32_t subgroup = 0;  // from 0
    bool linked = false;
    // Column texts: "Класс", "№ записи", "Предмет", "Учитель", "Связать".
    std::string klass;
    std::string number;
    std::string subject;
    std::string teacher;
    std::string link;
};

struct LinkCandidates {
    std::vector<LinkCandidate> rows;
    int firstLinkedRow = -1;
};

// At most one candidate per lesson of another class: the subgroup already linked to
// the given subgroup, otherwise the first one with its teacher. None without a teacher.
LinkCandidates BuildLinkCandidates(const Project& project, int lessonPosition, int subgroup);

// A double-click on a row: switches "Связать" between "Да" and "Нет".
void ToggleLinkCandidate(LinkCandidate& candidate);

struct LinkApplyResult {
    // Checked candidates left unlinked because one side already has five links
    // (or the partner subgroup is gone): a link is made on both sides or not at all.
    std::vector<LessonLink> refused;
};

// Replaces the subgroup's links, on both sides, by the checked candidates.
LinkApplyResult ApplyLinkCandidates(Project& project, int lessonPosition, int subgroup,
                                    const std::vector<LinkCandidate>& candidates);

}  // namespace lovaris
