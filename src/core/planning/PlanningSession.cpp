#include "PlanningSession.h"

namespace lovaris {

PlanningSession::PlanningSession(const Project& project)
    : project_(project), rooms_(project.rooms), subjects_(project.subjects, rooms_) {
    teachers_.Link(project_.params, state_, rooms_, klasses_);
    klasses_.Link(project_.params, state_, rooms_, subjects_, teachers_);
    teachers_.Assign(project_.teachers);
    klasses_.Assign(project_.klasses);
    klasses_.BuildLessonCopies(project_.lessons);
    klasses_.ResolveLinks();
    klasses_.MapAttachedRoomsAndParallels();
    klasses_.MapIndexes(project_.teachers);
    teachers_.BuildTeacherCopies();
    teachers_.BuildPartners();
    klasses_.ComputeBlockedPerDay();
}

void PlanningSession::SetupDay(const VariantDayReader& variant) {
    teachers_.SetupDay();
    teachers_.CountWishHours();
    teachers_.BuildTeacherGroups(variant, false);
    klasses_.ComputeDayTargets(variant, state_.currentDay);
}

}  // namespace lovaris
