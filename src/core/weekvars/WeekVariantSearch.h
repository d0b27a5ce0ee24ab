#pragma once
// The week variant search over the selected teacher group: each member's lessons are
// distributed over the week in turn, the most constrained member next when the
// order is optimised, and what one member gets is seen by the next. A member whose
// attached room held it back gets a second pass without attached rooms. The search
// is resumable: next() runs until a member is done, the run ends or the caller
// aborts, and polls the run control before every step; when the control asks for
// the caller's turn it comes back with SliceOver and goes on at the next call.
#include <memory>
#include <vector>

#include "../planning/PlanningSession.h"
#include "../planning/RunControl.h"
#include "TeacherWeekSearch.h"
#include "WeekCounters.h"

namespace lovaris {

enum class WeekSearchEvent {
    TeacherDone,  // a member's passes are over and its best distribution is in the variant
    Ended,        // every member is done
    Aborted,      // the run control asked to stop: the member in hand is left as it was
    SliceOver,    // the caller's turn; the search goes on at the next call
};

// What the progress table shows of a member that has started.
struct WeekSearchRow {
    int teacher = -1;
    int pass = 1;  // 2 for the pass without attached rooms
    long long viewed = 0;
    long long improvements = 0;
    int bestParallels = 0;
    int weeklyHours = 0;
    // Hours in the target layer: at first those already there, then the best
    // distribution's placed hours.
    int placedHours = 0;
};

class WeekVariantSearch {
public:
    // The group is the state's selectedGroup row; the settings are the state's.
    WeekVariantSearch(TRTIKlassesCollection& klasses, TRTITeachersCollection& teachers, VariantPlanning& planning,
                      const PlanningState& state);
    WeekVariantSearch(PlanningSession& session, VariantPlanning& planning);
    WeekVariantSearch(const WeekVariantSearch&) = delete;
    WeekVariantSearch& operator=(const WeekVariantSearch&) = delete;

    WeekSearchEvent next(RunControl& control);
    // "Дальше": the member's pass ends at its next step and keeps its best distribution.
    void requestNextTeacher() { stopRequested_ = true; }

    bool ended() const { return ended_; }
    int memberCount() const { return static_cast<int>(members_.size()); }
    // The members in the order searched so far (the rest in group order).
    const std::vector<SearchTeacher>& members() const { return members_; }
    // One row per member started, by position.
    const std::vector<WeekSearchRow>& rows() const { return rows_; }
    // The position being searched and its pass; the pass is 0 between members.
    int position() const { return position_; }
    int pass() const { return search_ ? rows_.back().pass : 0; }
    bool counting() const { return search_ && search_->counting(); }
    const WeekCounters& counters() const { return counters_; }

private:
    void startMember();
    void chooseMostConstrained();
    void startPass(int pass);
    // True when a second pass has started.
    bool finishPass();
    void updateRow();
    int hoursInTarget(int teacher) const;

    WeekSearchContext context_;
    WeekCounters counters_;
    std::vector<SearchTeacher> members_;
    std::vector<WeekSearchRow> rows_;
    std::unique_ptr<TeacherWeekSearch> search_;
    int position_ = 0;
    long long viewedBefore_ = 0;  // counts of the member's first pass, continued by the second
    long long improvementsBefore_ = 0;
    bool stopRequested_ = false;
    bool ended_ = false;
};

}  // namespace lovaris
