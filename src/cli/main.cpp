// lovaris-cli COMMAND ARGUMENTS...: the project's files without the desktop program.
#include <algorithm>
#include <array>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "CliCommand.h"
#include "CliSupport.h"

namespace lovaris::cli {
namespace {

// Grouped by area, one area per line, in the order the tool's usage lists them.
constexpr auto kCommands = std::to_array<const CliCommand*>({
    &kNewCommand, &kResaveCommand, &kCheckCommand, &kExportJsonCommand, &kImportJsonCommand,
    &kVariantNewCommand, &kVariantResaveCommand, &kVariantShowCommand, &kVariantViewCommand,
    &kVariantDraftCommand, &kVariantOptionsCommand,
    &kOptimiseCommand, &kRoomsCommand, &kWeekSearchCommand, &kPlanCommand,
    &kImportFetCommand, &kExportFetCommand,
    &kJournalShowCommand, &kJournalAddCommand, &kJournalCandidatesCommand, &kJournalSubstituteCommand,
    &kJournalEditCommand, &kJournalDeleteCommand, &kJournalSummaryCommand,
    &kMoveCommand, &kChoicesCommand, &kPlaceCommand, &kToDraftCommand, &kTakeOffCommand, &kRoomChoicesCommand,
    &kSetRoomCommand, &kUnplacedCommand,
    &kExportHtmlCommand, &kExportCsvCommand, &kExportICalCommand,
    &kReportCommand,
});

bool isHelp(std::string_view arg) { return arg == "--help" || arg == "-h"; }

std::string toolUsage() {
    std::string text = "Usage: lovaris-cli COMMAND ARGUMENTS...\n\nCommands:\n";
    for (const CliCommand* c : kCommands) {
        std::string line = "  " + std::string(c->name) + " " + std::string(c->arguments);
        // A long synopsis gets its summary on the next line.
        if (line.size() + 2 > 38) line += "\n";
        line.resize(line.back() == '\n' ? line.size() + 38 : 38, ' ');
        text += line + std::string(c->summary) + "\n";
    }
    text +=
        "\n'lovaris-cli COMMAND --help' describes a command.\n"
        "Exit status: 0 success, 1 failure, 2 input refused or unreadable,\n"
        "3 a planning run found no complete result.\n";
    return text;
}

std::string commandUsage(const CliCommand& c) {
    return "Usage: lovaris-cli " + std::string(c.name) + " " + std::string(c.arguments) + "\n\n" +
           std::string(c.details);
}

int usageError(std::string_view problem, const std::string& usage) {
    std::fprintf(stderr, "lovaris-cli: %.*s\n\n%s", static_cast<int>(problem.size()), problem.data(), usage.c_str());
    return kExitFailure;
}

int runTool(const std::vector<std::string>& args) {
    if (args.empty()) return usageError("no command given", toolUsage());
    if (isHelp(args[0])) return WriteStdout(toolUsage());

    const CliCommand* command = nullptr;
    for (const CliCommand* c : kCommands)
        if (c->name == args[0]) command = c;
    if (!command) return usageError("unknown command '" + args[0] + "'", toolUsage());

    const std::vector<std::string> rest(args.begin() + 1, args.end());
    for (const auto& arg : rest)
        if (isHelp(arg)) return WriteStdout(commandUsage(*command));
    CliArguments parsed;
    for (std::size_t i = 0; i < rest.size(); ++i) {
        const std::string& arg = rest[i];
        if (arg.size() <= 1 || arg[0] != '-') {
            parsed.plain.push_back(arg);
            continue;
        }
        const auto option = std::find_if(command->options.begin(), command->options.end(),
                                         [&](const CliOption& o) { return o.name == arg; });
        if (option == command->options.end())
            return usageError("unknown option '" + arg + "'", commandUsage(*command));
        if (!option->takesValue) {
            parsed.options[arg] = "";
            continue;
        }
        if (++i == rest.size()) return usageError("option '" + arg + "' needs a value", commandUsage(*command));
        parsed.options[arg] = rest[i];
    }
    if (parsed.plain.size() < command->minArgs || parsed.plain.size() > command->maxArgs)
        return usageError("wrong number of arguments", commandUsage(*command));
    return command->runWithOptions ? command->runWithOptions(parsed) : command->run(parsed.plain);
}

}  // namespace
}  // namespace lovaris::cli

int main(int argc, char** argv) {
    try {
        return lovaris::cli::runTool(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::exception& e) {
        return lovaris::cli::ReportFailure(std::string("lovaris-cli: ") + e.what(), lovaris::cli::kExitFailure);
    }
}
