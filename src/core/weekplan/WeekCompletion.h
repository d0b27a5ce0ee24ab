#pragma once
// What the optimisation of the days left over, finished as a planner would by hand:
//   1. the blocks left in each day's draft go into that day's clean copy, class by
//      class, into the gaps of the class's day or right before or after it;
//   2. what is still left, and the curriculum blocks that stand on no day, the
//      hardest first: onto their own day or another day on which their classes do
//      not have that lesson yet, stay within their day limit and whose teachers
//      already work there or may still give up a free day; as the day stands, with
//      the class's day arranged afresh around the block, in place of a block of the
//      class that moves to another day, or where blocks of the class and lessons of
//      its teachers stand, which make way (to another place or another day);
//   3. class days arranged afresh, gaps filled with the last lesson of another day,
//      and first or last lessons moved to other days, wherever that closes gaps or
//      leaves the teachers fewer windows.
// The whole is tried walking the classes and days in several orders; the attempt
// leaving the fewest hours out, then gaps, then teacher windows stays.
// A block goes only where its teachers are free and open, each of its subgroups gets
// a free room that suits it (unless no room of the school could serve it), and its
// classes' days gain no gap; lessons taught together go in together.
#include <functional>

#include "../planning/PlanningSession.h"
#include "../variant/TTableVarItem.h"

namespace lovaris {

struct WeekCompletion {
    int draftHoursPlaced = 0;     // draft hours now in the clean copy, on their day or another
    int unplacedHoursPlaced = 0;  // hours that stood on no day, now in the clean copy
    int displacedHours = 0;       // clean hours that made way for them, to another place or day
};

// `timeUp`, asked before each arrangement searched, ends the completion early: what is
// left stays where it is.
WeekCompletion CompleteWeek(const PlanningSession& session, TTableVarItem& variant,
                            const std::function<bool()>& timeUp = {});

}  // namespace lovaris
