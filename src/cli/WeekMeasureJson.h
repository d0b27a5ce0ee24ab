#pragma once
// A week's figures and quality measure as JSON: what plan --json reports of the week it
// planned and variant-show --json of any variant.
#include <nlohmann/json.hpp>

#include "core/planning/WeekQuality.h"
#include "core/weekplan/WeekPlanSummary.h"

namespace lovaris::cli {

nlohmann::json WeekMeasureJson(const WeekPlanSummary& summary, const WeekQuality& quality);

}  // namespace lovaris::cli
