#pragma once
// What the commands share: opening and saving projects, writing outputs, and
// reporting failures on stderr with the exit status that goes with them.
#include <optional>
#include <string>
#include <string_view>

#include "CliCommand.h"
#include "core/data/ProjectDocument.h"

namespace lovaris::cli {

// Reports the system's message and returns kExitRefused when the file is not a
// project of a version this program reads.
int OpenProject(const std::string& path, ProjectDocument& document);
// Saves under `path`; kExitFailure when it cannot be written.
// A project write that failed: refused (2) when another program holds the file.
int ReportWriteFailure(const FileOutcome& outcome);
int SaveProjectAs(ProjectDocument& document, const std::string& path);
// Writes the text to the file safely; kExitFailure when it cannot be written.
int WriteTextFile(const std::string& path, std::string_view text);
// kExitFailure when stdout does not take the text (a closed pipe, a full disk).
int WriteStdout(std::string_view text);
int ReportFailure(std::string_view message, int exitCode);
// The option's whole-number value within least..most: none when the option is absent,
// least - 1 when its value is no such number.
std::optional<long long> NumberOption(const CliArguments& args, std::string_view name, long long least,
                                      long long most);
// The value of an option giving seconds, a decimal fraction allowed: none when the
// option is absent, -1 when its value is no number from 0 to 86400.
std::optional<double> SecondsOption(const CliArguments& args, std::string_view name);

}  // namespace lovaris::cli
