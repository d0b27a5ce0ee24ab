#include "CliCommand.h"
#include "CliSupport.h"

namespace lovaris::cli {
namespace {

int runResave(const std::vector<std::string>& args) {
    ProjectDocument document;
    if (const int status = OpenProject(args[0], document); status != kExitOk) return status;
    return SaveProjectAs(document, args[1]);
}

}  // namespace

const CliCommand kResaveCommand{
    "resave", "IN.tbl OUT.tbl", "save a project in the current file version",
    "Reads the project file IN.tbl (any version this program reads) and writes it\n"
    "to OUT.tbl in the current version. Nothing is written when IN.tbl is refused.\n",
    2, 2, runResave};

}  // namespace lovaris::cli
