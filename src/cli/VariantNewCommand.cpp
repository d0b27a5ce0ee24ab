#include "CliCommand.h"
#include "VariantCliSupport.h"

namespace lovaris::cli {
namespace {

int runVariantNew(const std::vector<std::string>& args) {
    PlanningProject project;
    if (const int status = OpenPlanningProject(args[0], project); status != kExitOk) return status;
    LoadedVariant fresh;
    fresh.variant.Create(project.catalog);
    fresh.options = VariantOptions::Defaults(fresh.variant.classCount(), fresh.variant.lessonsPerDay());
    return SaveVariant(args[1], fresh);
}

}  // namespace

const CliCommand kVariantNewCommand{
    "variant-new", "PROJECT.tbl OUT.rsp", "write an empty timetable variant for a project",
    "Writes OUT.rsp, a timetable variant of the project PROJECT.tbl with no lesson\n"
    "placed and the options of a new variant. Nothing is written when PROJECT.tbl\n"
    "is refused.\n",
    2, 2, runVariantNew};

}  // namespace lovaris::cli
