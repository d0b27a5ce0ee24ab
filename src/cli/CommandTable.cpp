#include "CommandTable.h"

#include <algorithm>
#include <array>

namespace lovaris::cli {
namespace {

// Grouped by area, one area per line, in the order the tool's usage lists them.
constexpr auto kCommands = std::to_array<const CliCommand*>({
    &kNewCommand, &kResaveCommand, &kCheckCommand, &kExportJsonCommand, &kImportJsonCommand,
    &kVariantNewCommand, &kVariantResaveCommand, &kVariantShowCommand, &kVariantViewCommand,
    &kVariantDraftCommand, &kVariantOptionsCommand,
    &kOptimiseCommand, &kRoomsCommand, &kWeekSearchCommand, &kPlanCommand,
    &kImportFetCommand, &kExportFetCommand, &kImportFetWeekCommand,
    &kJournalShowCommand, &kJournalAddCommand, &kJournalCandidatesCommand, &kJournalSubstituteCommand,
    &kJournalEditCommand, &kJournalDeleteCommand, &kJournalSummaryCommand,
    &kMoveCommand, &kChoicesCommand, &kPlaceCommand, &kToDraftCommand, &kTakeOffCommand, &kRoomChoicesCommand,
    &kSetRoomCommand, &kUnplacedCommand,
    &kExportHtmlCommand, &kExportCsvCommand, &kExportICalCommand,
    &kReportCommand,
});

constexpr std::string_view kExitStatus =
    "Exit status: 0 success, 1 failure, 2 input refused or unreadable,\n"
    "3 a planning run found no complete result.\n";

}  // namespace

std::span<const CliCommand* const> AllCommands() { return kCommands; }

const CliCommand* FindCommand(std::string_view name) {
    const auto it = std::find_if(kCommands.begin(), kCommands.end(), [&](const CliCommand* c) { return c->name == name; });
    return it == kCommands.end() ? nullptr : *it;
}

std::string_view ExitStatusText() { return kExitStatus; }

std::string ToolUsage() {
    std::string text = "Usage: lovaris-cli COMMAND ARGUMENTS...\n\nCommands:\n";
    for (const CliCommand* c : kCommands) {
        std::string line = "  " + std::string(c->name) + " " + std::string(c->arguments);
        // A long synopsis gets its summary on the next line.
        if (line.size() + 2 > 38) line += "\n";
        line.resize(line.back() == '\n' ? line.size() + 38 : 38, ' ');
        text += line + std::string(c->summary) + "\n";
    }
    text += "\n'lovaris-cli COMMAND --help' describes a command.\n";
    text += kExitStatus;
    return text;
}

std::string CommandUsage(const CliCommand& c) {
    return "Usage: lovaris-cli " + std::string(c.name) + " " + std::string(c.arguments) + "\n\n" +
           std::string(c.details);
}

}  // namespace lovaris::cli
