#pragma once
// The manual pages, the command reference and the shell completion of the two
// programs, made from the same texts their --help prints, so they never differ.
#include <string>
#include <string_view>

namespace lovaris::cli {

std::string CliManPage(std::string_view version);
std::string ProgramManPage(std::string_view version);
std::string CliReferenceMarkdown();
std::string CliBashCompletion();

}  // namespace lovaris::cli
