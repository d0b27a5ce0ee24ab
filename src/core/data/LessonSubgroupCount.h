#pragma once
// The subgroup count field applied to a lesson of the project: the subgroups are
// replaced as the field rules say, and the partners of the discarded subgroups'
// links let go of them too, so that no subgroup keeps a link that is not returned.
#include <string_view>

#include "LessonFields.h"

namespace lovaris {

LessonFieldChange ApplySubgroupCountToLesson(Project& project, int lessonPosition, std::string_view text);

}  // namespace lovaris
