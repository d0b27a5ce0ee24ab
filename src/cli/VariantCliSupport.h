#pragma once
// What the variant commands share: a project opened for planning, and opening and
// saving its variant files with the exit status that goes with each failure.
#include <memory>
#include <string>

#include "core/data/ProjectDocument.h"
#include "core/planning/PlanningSession.h"
#include "core/variant/VariantFile.h"
#include "core/workspace/VariantWorkspace.h"

namespace lovaris::cli {

// The planning copies refer to the project: keep this where it was opened.
struct PlanningProject {
    ProjectDocument document;
    std::unique_ptr<PlanningSession> session;
    VariantCatalog catalog;
};

// kExitRefused with the system's message when the project file is refused.
int OpenPlanningProject(const std::string& path, PlanningProject& project);
// The project opened for planning, then its variant: the first failure's status
// (kExitRefused with the system's message when the variant file is refused or unreadable).
int OpenPlanningVariant(const std::string& projectPath, const std::string& variantPath, PlanningProject& project,
                        LoadedVariant& variant);
// The same, readied for planning `day`: the variant's options applied and the day selected.
int OpenVariantOnDay(const std::string& projectPath, const std::string& variantPath, int day,
                     PlanningProject& project, LoadedVariant& variant);
// Saves with the day the variant was shown on; kExitFailure when it cannot be written.
int SaveVariant(const std::string& path, const LoadedVariant& variant);

// A project and one of its variants opened as the planning window opens them.
struct PlanningWorkspace {
    ProjectDocument document;
    std::unique_ptr<VariantWorkspace> workspace;
};
// The first failure's status, as OpenPlanningVariant.
int OpenPlanningWorkspace(const std::string& projectPath, const std::string& variantPath,
                          PlanningWorkspace& opened);
// Saves the workspace's variant on its current day under `path`, leaving its own
// file name as it is; kExitFailure when it cannot be written.
int SaveWorkspaceVariant(const std::string& path, const VariantWorkspace& workspace);

}  // namespace lovaris::cli
