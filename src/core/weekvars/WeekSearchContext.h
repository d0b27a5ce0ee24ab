#pragma once
// What the week variant search reads and writes: the planning copies of classes and
// teachers, the variant as planning works on it and the planning state whose group
// settings the search follows.
#include "../planning/PlanningState.h"
#include "../planning/TRTIKlassesCollection.h"
#include "../planning/TRTITeachersCollection.h"
#include "../planning/VariantPlanning.h"

namespace lovaris {

inline constexpr int kWeekDays = 6;

struct WeekSearchContext {
    TRTIKlassesCollection& klasses;
    TRTITeachersCollection& teachers;
    VariantPlanning& planning;
    const PlanningState& state;

    int lessonsPerDay() const { return klasses.lessonsPerDay(); }
    const TTableVarItem& grids() const { return planning.variant(); }
};

}  // namespace lovaris
