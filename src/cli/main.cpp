// lovaris-cli COMMAND ARGUMENTS...: the project's files without the desktop program.
#include <algorithm>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "CliCommand.h"
#include "CliSupport.h"
#include "CommandTable.h"

namespace lovaris::cli {
namespace {

bool isHelp(std::string_view arg) { return arg == "--help" || arg == "-h"; }

int usageError(std::string_view problem, const std::string& usage) {
    std::fprintf(stderr, "lovaris-cli: %.*s\n\n%s", static_cast<int>(problem.size()), problem.data(), usage.c_str());
    return kExitFailure;
}

int runTool(const std::vector<std::string>& args) {
    if (args.empty()) return usageError("no command given", ToolUsage());
    if (isHelp(args[0])) return WriteStdout(ToolUsage());

    const CliCommand* command = FindCommand(args[0]);
    if (!command) return usageError("unknown command '" + args[0] + "'", ToolUsage());

    const std::vector<std::string> rest(args.begin() + 1, args.end());
    for (const auto& arg : rest)
        if (isHelp(arg)) return WriteStdout(CommandUsage(*command));
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
            return usageError("unknown option '" + arg + "'", CommandUsage(*command));
        if (!option->takesValue) {
            parsed.options[arg] = "";
            continue;
        }
        if (++i == rest.size()) return usageError("option '" + arg + "' needs a value", CommandUsage(*command));
        parsed.options[arg] = rest[i];
    }
    if (parsed.plain.size() < command->minArgs || parsed.plain.size() > command->maxArgs)
        return usageError("wrong number of arguments", CommandUsage(*command));
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
