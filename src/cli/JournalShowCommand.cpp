#include <array>

#include "CliCommand.h"
#include "JournalCliSupport.h"

namespace lovaris::cli {
namespace {

constexpr std::array<CliOption, 2> kOptions = {CliOption{"--date", true}, CliOption{"--json", false}};

int runJournalShow(const CliArguments& args) {
    JournalCli journal;
    if (const int status = OpenJournal(args, "", "", journal); status != kExitOk) return status;
    if (const int status = PrintDay(*journal.day, args.has("--json")); status != kExitOk) return status;
    return CloseJournal(journal);
}

}  // namespace

const CliCommand kJournalShowCommand{
    "journal-show", "ARCHIVE --date YYYY-MM-DD [--json]", "print a day of the substitution journal",
    "Prints the rows the substitution archive ARCHIVE (zarch.sys) holds for the day:\n"
    "lesson, absent teacher, subject, class, room, reason, substitute, substitution\n"
    "subject and note. A missing archive is created empty.\n"
    "  --date D  the day, YYYY-MM-DD or DD.MM.YYYY\n"
    "  --json    the rows as JSON\n",
    1, 1, nullptr, kOptions, runJournalShow};

}  // namespace lovaris::cli
