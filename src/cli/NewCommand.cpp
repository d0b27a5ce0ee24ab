#include "CliCommand.h"
#include "CliSupport.h"

namespace lovaris::cli {
namespace {

int runNew(const std::vector<std::string>& args) {
    ProjectDocument document;
    const FileOutcome created = document.CreateNew(args[0]);
    if (!created.ok) return ReportWriteFailure(created);
    const FileOutcome saved = document.Save();
    return saved.ok ? kExitOk : ReportWriteFailure(saved);
}

}  // namespace

const CliCommand kNewCommand{
    "new", "OUT.tbl", "create a new project with the default parameters",
    "Creates the project file OUT.tbl with the default parameters and no records.\n"
    "An existing file of that name is replaced.\n",
    1, 1, runNew};

}  // namespace lovaris::cli
