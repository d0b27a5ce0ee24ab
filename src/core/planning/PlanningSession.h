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

class TTableVarItem;
class VariantPlanning;
struct VariantOptions;

// What the details view opens on: a lesson's link set at a lesson number, clean or draft.
struct SelectedDetail {
    LinkSet links;
    int position = 1;
    bool draft = false;
};

// The options' wishes mode. A file may carry any number there: the nearest mode is taken.
WishesMode WishesModeOf(const VariantOptions& options);

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

    // What a new planning window starts from: lesson 0 of class 0 (empty lists
    // without classes), and an empty variant sized for the classes, lessons per day
    // and rooms of the copies.
    SelectedDetail FirstDetail() const;
    TTableVarItem NewVariant() const;
    // The variant's lesson lists name the class copies' lessons in the same order, so
    // that its lesson indexes mean the same lessons here.
    bool PlansVariant(const TTableVarItem& variant) const;
    // The variant's wishes mode and its weights as fractions.
    void ApplyOptions(const VariantOptions& options);

    // Readies the selected day: the teachers' closed hours and wish counts, the
    // day-mode teacher groups and the day targets.
    void SetupDay(const VariantDayReader& variant);
    // Before an optimisation, a week search or the control: every teacher's free days
    // taken (judged by the teacher groups with `byGroup`), then the day targets.
    void PrepareDayData(VariantPlanning& variant, bool byGroup);
    // The optimisation's preparation taken as offered: the classes keep their hours
    // and every teacher may get as many windows as it has today, at least
    // `maxTeacherWindows`.
    void AcceptPreparation(const VariantPlanning& variant, int maxTeacherWindows);

private:
    const Project& project_;
    PlanningState state_;
    PlanningRooms rooms_;
    PlanningSubjects subjects_;
    TRTITeachersCollection teachers_;
    TRTIKlassesCollection klasses_;
};

}  // namespace lovaris
