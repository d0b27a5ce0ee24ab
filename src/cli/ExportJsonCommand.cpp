#include "CliCommand.h"
#include "CliSupport.h"
#include "core/data/ProjectJson.h"

namespace lovaris::cli {
namespace {

int runExportJson(const std::vector<std::string>& args) {
    ProjectDocument document;
    if (const int status = OpenProject(args[0], document); status != kExitOk) return status;
    const std::string text = ProjectToJson(document.project()).dump(2) + "\n";
    return args.size() > 1 ? WriteTextFile(args[1], text) : WriteStdout(text);
}

}  // namespace

const CliCommand kExportJsonCommand{
    "export-json", "IN.tbl [OUT.json]", "write a project as JSON",
    "Writes the whole project file IN.tbl as JSON (UTF-8, indented) to OUT.json,\n"
    "or to the standard output when OUT.json is left out. The form is described\n"
    "in docs/project-json.md.\n",
    1, 2, runExportJson};

}  // namespace lovaris::cli
