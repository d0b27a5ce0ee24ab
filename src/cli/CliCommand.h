#pragma once
// A command of lovaris-cli: its name, usage and the function that runs it.
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace lovaris::cli {

// 0 success, 1 any other failure (usage, an output that cannot be written),
// 2 the input was refused or could not be read, 3 a planning run found no
// complete result.
enum ExitCode : int { kExitOk = 0, kExitFailure = 1, kExitRefused = 2, kExitNoResult = 3 };

// An option a command accepts besides its arguments: a flag ("--json") or one
// followed by its value ("--day 3").
struct CliOption {
    std::string_view name;
    bool takesValue;
};

// A command line split into its plain arguments and the options given.
struct CliArguments {
    std::vector<std::string> plain;
    std::map<std::string, std::string, std::less<>> options;  // a flag's value is empty

    bool has(std::string_view option) const { return options.find(option) != options.end(); }
    // The file given with -o or --output, or none.
    const std::string* output() const {
        auto it = options.find("-o");
        if (it == options.end()) it = options.find("--output");
        return it == options.end() ? nullptr : &it->second;
    }
};

struct CliCommand {
    std::string_view name;
    std::string_view arguments;  // "IN.tbl [OUT.json]"
    std::string_view summary;    // one line for the tool's usage
    std::string_view details;    // the rest of the command's help
    std::size_t minArgs;
    std::size_t maxArgs;
    int (*run)(const std::vector<std::string>& args);
    // Commands with options: the options they accept and the function that runs them.
    std::span<const CliOption> options = {};
    int (*runWithOptions)(const CliArguments& args) = nullptr;
};

extern const CliCommand kNewCommand;
extern const CliCommand kResaveCommand;
extern const CliCommand kCheckCommand;
extern const CliCommand kExportJsonCommand;
extern const CliCommand kImportJsonCommand;
extern const CliCommand kVariantNewCommand;
extern const CliCommand kVariantResaveCommand;
extern const CliCommand kVariantShowCommand;
extern const CliCommand kVariantViewCommand;
extern const CliCommand kVariantOptionsCommand;
extern const CliCommand kRoomsCommand;
extern const CliCommand kVariantDraftCommand;
extern const CliCommand kOptimiseCommand;
extern const CliCommand kWeekSearchCommand;
extern const CliCommand kPlanCommand;
extern const CliCommand kImportFetCommand;
extern const CliCommand kExportFetCommand;
extern const CliCommand kImportFetWeekCommand;
extern const CliCommand kJournalShowCommand;
extern const CliCommand kJournalAddCommand;
extern const CliCommand kJournalCandidatesCommand;
extern const CliCommand kJournalSubstituteCommand;
extern const CliCommand kJournalEditCommand;
extern const CliCommand kJournalDeleteCommand;
extern const CliCommand kJournalSummaryCommand;
extern const CliCommand kMoveCommand;
extern const CliCommand kChoicesCommand;
extern const CliCommand kPlaceCommand;
extern const CliCommand kToDraftCommand;
extern const CliCommand kTakeOffCommand;
extern const CliCommand kRoomChoicesCommand;
extern const CliCommand kSetRoomCommand;
extern const CliCommand kUnplacedCommand;
extern const CliCommand kExportHtmlCommand;
extern const CliCommand kExportCsvCommand;
extern const CliCommand kExportICalCommand;
extern const CliCommand kReportCommand;

}  // namespace lovaris::cli
