#pragma once
// A teacher's lessons as the choice popup and the unplaced list show them: each
// lesson copy in which the teacher teaches a subgroup, in the teacher's order, a
// subgroup linked with one of the teacher's earlier copies left to that copy.
#include <string>
#include <vector>

#include "../views/ViewContext.h"

namespace lovaris {

struct TeacherListedLesson {
    int klass = -1;    // the class lesson
    int lesson = -1;
    int copy = -1;     // the teacher's copy
    int subgroup = -1; // the teacher's subgroup of it, from 0
};

std::vector<TeacherListedLesson> TeacherLessonList(const PlanningSession& session, int teacher);
// The lesson's class and the classes of the teacher lessons linked with the
// teacher's subgroup, joined by "/".
std::string TeacherLessonKlasses(const ViewContext& ctx, int teacher, const TeacherListedLesson& listed);

}  // namespace lovaris
