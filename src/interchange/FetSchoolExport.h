#pragma once
// A project written as a FET school that holds FET to the rules our planner keeps, so
// that both solve the same problem: one FET year per class; one activity per block of
// a link set's hour spread (the set's classes, its teachers each once), a spread as a
// split whose activities fall on different days; gapless class days from the first
// starting lesson; closed hours of classes, teachers and lessons. The activity IDs are
// made the same way every time, so that a week FET writes maps back onto the lessons.
#include <cstdint>
#include <string>
#include <vector>

#include "core/planning/PlanningSession.h"

namespace lovaris::interchange {

// One FET activity: one block of a link set's lessons, taught at once.
struct FetExportBlock {
    int id = 0;
    int hours = 1;
    std::vector<LessonRef> lessons;  // (class, lesson) of the set, the key lesson first
    std::string comment;             // the lesson IDs and the block's place in the spread
};

struct FetSchoolExport {
    std::string text;  // the .fet file, UTF-8
    std::vector<FetExportBlock> blocks;
    std::vector<std::string> days, hours;  // FET's names of the days and lesson numbers
    int classesStartingFreely = 0;  // classes whose starting lessons FET cannot bind closer
};

// The session's teachers are closed at the hours its wishes mode closes: apply the
// options the planner is to plan with first.
FetSchoolExport ExportSchoolToFet(const PlanningSession& session);

// Readies the session as plan and a new variant plan with it: the default options applied.
void ApplyNewVariantOptions(PlanningSession& session);

}  // namespace lovaris::interchange
