#include <array>

#include "CliCommand.h"
#include "JournalCliSupport.h"

namespace lovaris::cli {
namespace {

constexpr std::array<CliOption, 2> kOptions = {CliOption{"--date", true}, CliOption{"--row", true}};

int runJournalDelete(const CliArguments& args) {
    JournalCli journal;
    if (const int status = OpenJournal(args, "", "", journal); status != kExitOk) return status;
    int status = kExitOk;
    const auto row = RowOption(args, *journal.day, status);
    if (!row) return status;
    journal.day->DeleteRow(*row);
    return FinishChange(journal);
}

}  // namespace

const CliCommand kJournalDeleteCommand{
    "journal-delete", "ARCHIVE --date D --row R", "delete a row of the journal",
    "Deletes row R (from 1) of the day; a day left without rows is taken out of the\n"
    "archive's directory. Prints the day.\n",
    1, 1, nullptr, kOptions, runJournalDelete};

}  // namespace lovaris::cli
