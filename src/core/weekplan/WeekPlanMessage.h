#pragma once
// What the planner reads when "Планирование недели" ends: the hours in place and
// left, the teachers' windows, the classes' uneven days and the free days not given.
#include <string>

#include "../planning/WeekQuality.h"
#include "WeekPlanSummary.h"

namespace lovaris {

std::string WeekPlanMessage(const WeekPlanSummary& summary, const WeekQuality& quality, bool stopped);

}  // namespace lovaris
