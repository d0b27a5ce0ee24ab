#pragma once
// What planning works on: copies of a project's rooms, subjects, teachers and
// classes made for planning, and the planning state. The project is never changed.
#include "../data/Project.h"
#include "PlanningRooms.h"
#include "PlanningState.h"
#include "PlanningSubjects.h"
#include "TRTIKlassesCollection.h"
#include "TRTITeachersCollection.h"

namespace lovaris {

class PlanningSession {
public:
    explicit PlanningSession(const Project& project);
    // The collections refer to one another and to the state: a session stays where it is.
    PlanningSession(const PlanningSession&) = delete;
    PlanningSession& operator=(const PlanningSession&) = delete;

    const Project& project() const { return project_; }
    const ProjectParams& params() const { return project_.params; }
    PlanningState& state() { return state_; }
    const PlanningState& state() const { return state_; }
    const PlanningRooms& rooms() const { return rooms_; }
    const PlanningSubjects& subjects() const { return subjects_; }
    TRTIKlassesCollection& klasses() { return klasses_; }
    const TRTIKlassesCollection& klasses() const { return klasses_; }
    TRTITeachersCollection& teachers() { return teachers_; }
    const TRTITeachersCollection& teachers() const { return teachers_; }

    // Readies the selected day: the teachers' closed hours and wish counts, the
    // day-mode teacher groups and the day targets.
    void SetupDay(const VariantDayReader& variant);
    // The day targets of the selected day (classes, then teachers).
    void PrepareDayData(const VariantDayReader& variant);

private:
    const Project& project_;
    PlanningState state_;
    PlanningRooms rooms_;
    PlanningSubjects subjects_;
    TRTITeachersCollection teachers_;
    TRTIKlassesCollection klasses_;
};

}  // namespace lovaris
