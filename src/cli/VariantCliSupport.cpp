#include "VariantCliSupport.h"

#include "CliCommand.h"
#include "CliSupport.h"
#include "core/planning/VariantSessionCatalog.h"

namespace lovaris::cli {

int OpenPlanningProject(const std::string& path, PlanningProject& project) {
    if (const int status = OpenProject(path, project.document); status != kExitOk) return status;
    project.session = std::make_unique<PlanningSession>(project.document.project());
    project.catalog = MakeVariantCatalog(*project.session);
    return kExitOk;
}

int OpenPlanningVariant(const std::string& projectPath, const std::string& variantPath, PlanningProject& project,
                        LoadedVariant& variant) {
    if (const int status = OpenPlanningProject(projectPath, project); status != kExitOk) return status;
    const FileOutcome outcome = OpenVariantFile(variantPath, project.catalog, variant);
    return outcome.ok ? kExitOk : ReportFailure(outcome.message, kExitRefused);
}

int OpenVariantOnDay(const std::string& projectPath, const std::string& variantPath, int day,
                     PlanningProject& project, LoadedVariant& variant) {
    if (const int status = OpenPlanningVariant(projectPath, variantPath, project, variant); status != kExitOk)
        return status;
    project.session->ApplyOptions(variant.options);
    project.session->state().currentDay = day;
    return kExitOk;
}

namespace {

int SavedOrFailed(const std::string& path, const TTableVarItem& variant, const VariantOptions& options, int day) {
    const FileOutcome outcome = SaveVariantFile(path, variant, options, day);
    return outcome.ok ? kExitOk : ReportFailure(outcome.message, kExitFailure);
}

}  // namespace

int SaveVariant(const std::string& path, const LoadedVariant& variant) {
    return SavedOrFailed(path, variant.variant, variant.options, variant.options.startingDay());
}

int OpenPlanningWorkspace(const std::string& projectPath, const std::string& variantPath,
                          PlanningWorkspace& opened) {
    if (const int status = OpenProject(projectPath, opened.document); status != kExitOk) return status;
    const FileOutcome outcome =
        VariantWorkspace::Open(opened.document.project(), variantPath, WorkspaceSetup{}, opened.workspace);
    return outcome.ok ? kExitOk : ReportFailure(outcome.message, kExitRefused);
}

int SaveWorkspaceVariant(const std::string& path, const VariantWorkspace& workspace) {
    return SavedOrFailed(path, workspace.variant(), workspace.options(), workspace.currentDay());
}

}  // namespace lovaris::cli
