#pragma once
// The optimisation of one day driven from the command line.
#include <optional>
#include <string>

#include "core/planning/PlanningSession.h"
#include "core/variant/VariantFile.h"

namespace lovaris::cli {

struct OptimiseRequest {
    int day = 1;
    std::optional<int> group;  // none: every group of the day with teachers
    bool findBest = false;
    bool attachedRooms = false;
    bool separatedHours = false;
    int maxVariants = 1;
};

// Runs the request on the variant and writes the result to `outPath`; the exit status.
int RunOptimise(PlanningSession& session, LoadedVariant& variant, const OptimiseRequest& request,
                const std::string& outPath);

}  // namespace lovaris::cli
