#pragma once
// The week variant search for one teacher of the group: its lessons' variants are
// counted one lesson at a time, the lessons ordered fewest variants first, and then
// every distribution of the blocks over the week is enumerated depth-first. The
// distribution with the most placed hours wins; then the most parallel lessons on
// one day (when parallels count); then the evenest week. Step() does one step and
// leaves the rest to the caller, who may stop between any two steps.
#include <vector>

#include "BlockDayPlacer.h"
#include "CleanPositionChoice.h"
#include "PlacementSnapshot.h"
#include "TLessonObject.h"
#include "WeekCounters.h"

namespace lovaris {

class TeacherWeekSearch {
public:
    // With `attachedRooms` the teachers' shared attached rooms limit the days and hours.
    TeacherWeekSearch(const WeekSearchContext& context, WeekCounters& counters, const SearchTeacher& searched,
                      bool attachedRooms);
    TeacherWeekSearch(const TeacherWeekSearch&) = delete;
    TeacherWeekSearch& operator=(const TeacherWeekSearch&) = delete;

    // One lesson variant counted, or one step of the search; false once the search
    // has gone through every distribution.
    bool Step();
    // Ends the search where it stands: every tentative block comes off the counters.
    void Stop();
    bool counting() const { return phase_ == Phase::Counting; }

    bool hasBest() const { return hasBest_; }
    const PlacementSnapshot& best() const { return best_; }
    // Writes the best distribution into the counters and the variant; after Stop().
    void ApplyBest();

    long long viewed() const { return viewed_; }
    long long improvements() const { return improvements_; }
    int bestParallels() const { return bestParallels_; }
    // Placed hours of the best distribution up to the depth it was scored at; -1 none yet.
    int bestPlaced() const { return bestPlaced_; }
    // In search order once counting is done.
    const std::vector<TLessonObject>& lessons() const { return lessons_; }

private:
    enum class Phase { Counting, Searching, Ended };

    bool countStep();
    bool searchStep();
    void orderByVariantCount();
    void advance();
    void buildSnapshot(PlacementSnapshot& snapshot) const;
    bool freeDaysKept() const;
    int countParallels(const PlacementSnapshot& snapshot) const;
    int weekSpread() const;

    const WeekSearchContext& context_;
    WeekCounters& counters_;
    SearchTeacher searched_;
    BlockDayPlacer placer_;
    std::vector<TLessonObject> lessons_;
    std::vector<int> involved_;  // every teacher of the lessons' link sets
    CleanPositionChoice positions_;

    Phase phase_ = Phase::Counting;
    std::size_t counted_ = 0;  // the lesson being counted
    int q_ = 0;
    bool forward_ = true;
    long long viewed_ = 0;
    long long improvements_ = 0;
    int bestPlaced_ = -1;
    int bestParallels_ = 0;
    int bestSpread_ = 25;
    int bestDepth_ = -1;
    bool hasBest_ = false;
    PlacementSnapshot best_;
    PlacementSnapshot scratch_;
};

}  // namespace lovaris
