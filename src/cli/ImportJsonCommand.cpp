#include <string_view>

#include "CliCommand.h"
#include "CliSupport.h"
#include "core/common/FileIO.h"
#include "core/common/MessageFormat.h"
#include "core/data/ProjectJson.h"

namespace lovaris::cli {
namespace {

constexpr std::string_view kPrefix = "import-json: ";

// nlohmann's messages open with "[json.exception.parse_error.101] "; the reader needs the rest.
std::string withoutExceptionTag(std::string_view message) {
    if (message.starts_with("[")) {
        const auto end = message.find("] ");
        if (end != std::string_view::npos) message.remove_prefix(end + 2);
    }
    return std::string(message);
}

int runImportJson(const std::vector<std::string>& args) {
    const std::string& inPath = args[0];
    const auto bytes = ReadWholeFile(inPath);
    if (!bytes) return ReportFailure(FormatMessage(TextId::FileOpenError, FileNameWithoutFolder(inPath)), kExitRefused);

    nlohmann::ordered_json document;
    try {
        document = nlohmann::ordered_json::parse(bytes->begin(), bytes->end());
    } catch (const nlohmann::json::parse_error& e) {
        return ReportFailure(std::string(kPrefix) + FileNameWithoutFolder(inPath) + ": " + withoutExceptionTag(e.what()),
                             kExitRefused);
    }
    auto result = ProjectFromJson(document);
    if (!result.project) return ReportFailure(std::string(kPrefix) + result.error, kExitRefused);

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
