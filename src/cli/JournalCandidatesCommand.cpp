#include <array>

#include "CliCommand.h"
#include "CliSupport.h"
#include "JournalCliSupport.h"

namespace lovaris::cli {
namespace {

constexpr std::array<CliOption, 2> kOptions = {CliOption{"--date", true}, CliOption{"--row", true}};

int runJournalCandidates(const CliArguments& args) {
    JournalCli journal;
    int row = 0;
    std::vector<SubstituteCandidate> candidates;
    if (const int status = OpenCandidates(args, journal, row, candidates); status != kExitOk) return status;
    std::string text;
    for (const auto& c : candidates) text += c.text + "\n";
    if (const int status = WriteStdout(text); status != kExitOk) return status;
    return CloseJournal(journal);
}

}  // namespace

const CliCommand kJournalCandidatesCommand{
    "journal-candidates", "ARCHIVE PROJECT.tbl VARIANT.rsp --date D --row R",
    "list who may substitute a row's lesson",
    "Prints the teachers who may take the lesson of row R (from 1) of the day, one a\n"
    "line after their mark: \"гр. \" another subgroup of the same lesson, \"ок. \" a gap\n"
    "at that hour, \"св. \" no lesson that day, \"зн. \" a busy mark at that hour.\n"
    "Refused (exit 2) when the variant has no such lesson of the absent teacher.\n",
    3, 3, nullptr, kOptions, runJournalCandidates};

}  // namespace lovaris::cli
