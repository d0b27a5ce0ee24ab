#include "CliCommand.h"
#include "CliSupport.h"
#include "core/common/FileIO.h"
#include "core/common/MessageFormat.h"
#include "core/data/ProjectJson.h"

namespace lovaris::cli {
namespace {

int runImportJson(const std::vector<std::string>& args) {
    const std::string& inPath = args[0];
    const auto bytes = ReadWholeFile(inPath);
    if (!bytes) return ReportFailure(FormatMessage(TextId::FileOpenError, FileNameWithoutFolder(inPath)), kExitRefused);

    auto result = ProjectFromJsonText(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
    if (!result.project) return ReportFailure("import-json: " + result.error, kExitRefused);

    ProjectDocument out;
    out.project() = std::move(*result.project);
    return SaveProjectAs(out, args[1]);
}

}  // namespace

const CliCommand kImportJsonCommand{
    "import-json", "IN.json OUT.tbl", "make a project file from JSON",
    "Reads a project in the JSON form of docs/project-json.md from IN.json and\n"
    "writes it as the project file OUT.tbl. A document that is not that form is\n"
    "refused with a message naming the field, and nothing is written.\n",
    2, 2, runImportJson};

}  // namespace lovaris::cli
