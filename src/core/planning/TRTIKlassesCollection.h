#pragma once
// The classes' planning copies with their lesson copies, the placement checks and
// the per-day operations of the planning engine.
#include <array>
#include <vector>

#include "../data/ProjectParams.h"
#include "../data/RecordCollection.h"
#include "../data/TKlassItem.h"
#include "../data/TLessonItem.h"
#include "../data/TTeacherItem.h"
#include "LinkSet.h"
#include "PlanningRooms.h"
#include "PlanningState.h"
#include "PlanningSubjects.h"
#include "TRTIKlassItem.h"
#include "../variant/VariantDayReader.h"

namespace lovaris {

class TRTITeachersCollection;

class TRTIKlassesCollection : public RecordCollection<TRTIKlassItem> {
public:
    // The collection reads these while it lives; the planning session owns them.
    void Link(const ProjectParams& params, PlanningState& state, const PlanningRooms& rooms,
              const PlanningSubjects& subjects, TRTITeachersCollection& teachers);

    // Building, in this order.
    void Assign(const TKlassesCollection& klasses);
    void BuildLessonCopies(const TLessonsCollection& lessons);
    void ResolveLinks();
    void MapAttachedRoomsAndParallels();
    void MapIndexes(const TTeachersCollection& projectTeachers);
    void ComputeBlockedPerDay();

    // The lesson and every lesson tied to it by subgroup links.
    LinkSet BuildLinkSet(int klass, int lesson) const;

    // Per-day operations.
    void ResetDay(int klass, bool clearEntryDays);
    void FixLesson(int klass, int lesson, int hours);
    void FixLessonWithLinks(int klass, int lesson, int hours);
    void ChooseEntry(int klass, int lesson, int hours);
    void MarkFixedLessonsOfDay(const VariantDayReader& variant, int day, int klass);
    void ComputeDayTargets(const VariantDayReader& variant, int day);

    // Placement predicates on the selected day.
    bool SlotBlocked(int klass, int slot, int lesson) const;
    bool CanPlaceBlock(int klass, int lesson, const LinkSet& links, int start, int hours) const;

    const ProjectParams& params() const { return *params_; }
    PlanningState& state() const { return *state_; }
    TRTITeachersCollection& teachers() const { return *teachers_; }
    const PlanningSubjects& subjects() const { return *subjects_; }
    int lessonsPerDay() const { return params_->lessonsPerDay; }

    // Share of the weekly difficulty load recommended for a day.
    static double DayShare(int day);

private:
    void WalkLinks(int klass, int lesson, LinkSet& set) const;
    bool AttachedRoomsConsidered(const PlanningLesson& lesson) const;

    const ProjectParams* params_ = nullptr;
    PlanningState* state_ = nullptr;
    const PlanningRooms* rooms_ = nullptr;
    const PlanningSubjects* subjects_ = nullptr;
    TRTITeachersCollection* teachers_ = nullptr;
};

}  // namespace lovaris
