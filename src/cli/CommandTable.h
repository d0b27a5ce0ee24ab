#pragma once
// Every command of lovaris-cli in the order its usage lists them, and the usage texts
// that --help prints, the manual pages and the command reference are made from.
#include <span>
#include <string>
#include <string_view>

#include "CliCommand.h"

namespace lovaris::cli {

std::span<const CliCommand* const> AllCommands();
const CliCommand* FindCommand(std::string_view name);

// The tool's usage: a line per command and the exit statuses.
std::string ToolUsage();
// "Usage: lovaris-cli NAME ARGUMENTS" and the command's details.
std::string CommandUsage(const CliCommand& command);
// The closing lines of the tool's usage, on the exit statuses.
std::string_view ExitStatusText();

}  // namespace lovaris::cli
