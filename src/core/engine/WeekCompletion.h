#pragma once
// What the optimisation of the days left over, finished as a planner would by hand:
//   1. the blocks left in a day's draft go into that day's clean copy, into the gaps
//      of their classes' days or right before or after them;
//   2. a block that fits nowhere on its day goes to another day on which its classes
//      do not have that lesson yet, are below their heaviest day of the week, and its
//      teachers already work or may still give up a free day;
//   3. the curriculum blocks that stand on no day at all are tried the same way.
// A block goes only where its teachers are free and open and its classes' days gain no
// gap; lessons taught together go in together.
#include "PlanningSession.h"
#include "TTableVarItem.h"

namespace lovaris {

struct WeekCompletion {
    int draftHoursPlaced = 0;     // draft hours now in the clean copy, on their day or another
    int unplacedHoursPlaced = 0;  // hours that stood on no day, now in the clean copy
    int displacedHours = 0;       // clean hours moved to another day to make way for them
};

WeekCompletion CompleteWeek(const PlanningSession& session, TTableVarItem& variant);

}  // namespace lovaris
