#pragma once
// Lesson numbers in the clean copy for a distribution: each day's new blocks are
// arranged within nine consecutive lesson numbers around the blocks already there,
// on hours free for every class and teacher of their lessons, and the arrangement
// with the fewest windows in the teacher's day is taken.
#include <vector>

#include "PlacementSnapshot.h"
#include "TLessonObject.h"
#include "WeekCounters.h"

namespace lovaris {

class CleanPositionChoice {
public:
    // The lesson objects in search order, as the snapshot's records name them.
    CleanPositionChoice(const WeekSearchContext& context, const WeekCounters& counters,
                        const std::vector<TLessonObject>& lessons, int teacher);

    // Gives every placed block without a lesson number one; false, with the snapshot
    // partly filled, when some day has no acceptable arrangement. With
    // `anyArrangement` the first acceptable arrangement of a day is taken.
    bool Choose(PlacementSnapshot& snapshot, bool anyArrangement) const;

    // No day of the arrangement may be longer than this.
    static constexpr int kWindow = 9;

private:
    bool chooseDay(PlacementSnapshot& snapshot, int day, bool anyArrangement) const;

    const WeekSearchContext& context_;
    const WeekCounters& counters_;
    const std::vector<TLessonObject>& lessons_;
    int teacher_;
};

}  // namespace lovaris
