#pragma once
// The optimisation of one day driven from the command line.
#include <optional>
#include <string>

#include "core/workspace/VariantWorkspace.h"

namespace lovaris::cli {

struct OptimiseRequest {
    int day = 1;
    std::optional<int> group;  // none: every group of the day with teachers
    bool findBest = false;
    bool attachedRooms = false;
    bool separatedHours = false;
    int maxVariants = 1;
    // Each complete variant saved beside the output as the planning window names it,
    // until the variant's own maximum per day.
    bool autoSave = false;
};

// Runs the request on the workspace's variant and writes the result to `outPath`;
// the exit status.
int RunOptimise(VariantWorkspace& workspace, const OptimiseRequest& request, const std::string& outPath);

}  // namespace lovaris::cli
