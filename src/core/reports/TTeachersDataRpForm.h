#pragma once
// The curriculum on paper, from the project alone: each teacher's hours by subject
// and school level, and each class's hours by level ("Тарификация").
#include "../data/Project.h"
#include "Report.h"

namespace lovaris {

inline constexpr int kSchoolLevels = 3;  // a class's stage 0, 1, 2

struct TTeachersDataRpForm {
    static Report Build(const Project& project);
};

struct TClassDataRpForm {
    static Report Build(const Project& project);
};

// The hours a lesson gives a week: the sum of its spread.
int LessonSpreadHours(const TLessonItem& lesson);

}  // namespace lovaris
