#pragma once
// A command of lovaris-cli: its name, usage and the function that runs it.
#include <string>
#include <string_view>
#include <vector>

namespace lovaris::cli {

// 0 success, 1 any other failure (usage, an output that cannot be written),
// 2 the input was refused or could not be read.
enum ExitCode : int { kExitOk = 0, kExitFailure = 1, kExitRefused = 2 };

struct CliCommand {
    std::string_view name;
    std::string_view arguments;  // "IN.tbl [OUT.json]"
    std::string_view summary;    // one line for the tool's usage
    std::string_view details;    // the rest of the command's help
    std::size_t minArgs;
    std::size_t maxArgs;
    int (*run)(const std::vector<std::string>& args);
};

extern const CliCommand kNewCommand;
extern const CliCommand kResaveCommand;
extern const CliCommand kCheckCommand;
extern const CliCommand kExportJsonCommand;
extern const CliCommand kImportJsonCommand;

}  // namespace lovaris::cli
