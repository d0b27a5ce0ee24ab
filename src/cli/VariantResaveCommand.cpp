#include "CliCommand.h"
#include "VariantCliSupport.h"

namespace lovaris::cli {
namespace {

int runVariantResave(const std::vector<std::string>& args) {
    PlanningProject project;
    LoadedVariant variant;
    if (const int status = OpenPlanningVariant(args[0], args[1], project, variant); status != kExitOk)
        return status;
    return SaveVariant(args[2], variant);
}

}  // namespace

const CliCommand kVariantResaveCommand{
    "variant-resave", "PROJECT.tbl IN.rsp OUT.rsp", "bring a timetable variant up to date with its project",
    "Opens the variant IN.rsp with the project PROJECT.tbl and saves it as OUT.rsp.\n"
    "Classes, lessons and rooms are found by their IDs: those the project no longer\n"
    "has are dropped, new classes start empty, and a lesson's hours on a day that no\n"
    "longer match its hour spread are removed. Nothing is written when either file\n"
    "is refused.\n",
    3, 3, runVariantResave};

}  // namespace lovaris::cli
