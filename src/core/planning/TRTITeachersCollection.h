#pragma once
// The teachers' planning copies with their lesson copies, day targets and groups.
#include <vector>

#include "../data/ProjectParams.h"
#include "../data/RecordCollection.h"
#include "../data/TTeacherItem.h"
#include "PlanningRooms.h"
#include "PlanningState.h"
#include "TRTITeacherItem.h"
#include "TeacherGroups.h"

namespace lovaris {

class TRTIKlassesCollection;
class VariantDayReader;

class TRTITeachersCollection : public RecordCollection<TRTITeacherItem> {
public:
    // The collection reads these while it lives; the planning session owns them.
    void Link(const ProjectParams& params, PlanningState& state, const PlanningRooms& rooms,
              TRTIKlassesCollection& klasses);

    WishesMode wishesMode = WishesMode::MediumAndHigh;
    TeacherGroups groups;  // the current matrix; the group dialogs may change it

    // Copies the project's teachers; attached rooms become room indexes.
    void Assign(const TTeachersCollection& teachers);
    // Gives every teacher a copy of each class lesson it teaches and sets the cross
    // references between class and teacher copies.
    void BuildTeacherCopies();
    void BuildPartners();
    // Closed hours of the selected day into dayCells, blocked hours of teachers and classes.
    void SetupDay();
    void CountWishHours();

    void ResetDay(int teacher);
    void FixTeacherCopy(int teacher, int copy, int hours);
    int MaxSpreadBlock(int teacher) const;
    bool PartnersFree(int teacher, int lesson) const;
    // The teachers' day targets for `day`; run by the classes' ComputeDayTargets after
    // the classes, with the days the last class marked as having lessons.
    void ComputeDayTargets(int day, const std::array<bool, kDays + 1>& daysWithLessons, int plannedDays);
    // Day mode drops teachers without a lesson on the selected day and is rebuilt on
    // every call; week mode is built once and cached.
    void BuildTeacherGroups(const VariantDayReader& variant, bool weekMode);
    // The next week-mode call builds the week grouping afresh.
    void DiscardWeekGroups() { weekGroupsBuilt_ = false; }

    // The hours of `day` closed for the teacher, within the lessons per day.
    int ClosedHoursOnDay(int teacher, int day) const;
    bool IsClosed(int teacher, int day, int lesson) const;
    const ProjectParams& params() const { return *params_; }

private:
    // Teachers sharing an attached room get enough lessons between them today.
    void SpreadPartnersLoad(int day, int plannedDays);
    std::vector<std::vector<int>> GroupComponents() const;
    void WalkGroup(int teacher, std::vector<int>& row, std::vector<bool>& taken) const;

    const ProjectParams* params_ = nullptr;
    PlanningState* state_ = nullptr;
    const PlanningRooms* rooms_ = nullptr;
    TRTIKlassesCollection* klasses_ = nullptr;
    TeacherGroups dayGroups_;
    TeacherGroups weekGroups_;
    bool weekGroupsBuilt_ = false;
};

}  // namespace lovaris
