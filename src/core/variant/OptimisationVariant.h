#pragma once
// What the optimisation writes into the timetable variant: it empties the selected
// day, writes the planning states' day back into it, and asks for the windows of the
// selected group's teachers.
#include "VariantDayReader.h"

namespace lovaris {

class OptimisationVariant : public VariantDayReader {
public:
    virtual void ClearDay(int day) = 0;
    // Lessons with a start go into the clean copy, the others into the draft.
    virtual void PlaceDayFromPositions(int day) = 0;
    // Windows of the selected group's teachers on the selected day, clean copy.
    virtual int GroupWindowsTotal() const = 0;
};

}  // namespace lovaris
