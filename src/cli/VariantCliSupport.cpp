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

int SaveVariant(const std::string& path, const LoadedVariant& variant) {
    const FileOutcome outcome = SaveVariantFile(path, variant.variant, variant.options, variant.options.startingDay());
    return outcome.ok ? kExitOk : ReportFailure(outcome.message, kExitFailure);
}

}  // namespace lovaris::cli
