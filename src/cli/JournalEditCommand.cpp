#include <algorithm>
#include <array>
#include <utility>

#include "CliCommand.h"
#include "CliSupport.h"
#include "JournalCliSupport.h"
#include "core/common/TextCompare.h"

namespace lovaris::cli {
namespace {

constexpr std::array<CliOption, 5> kOptions = {CliOption{"--date", true}, CliOption{"--row", true},
                                               CliOption{"--reason", true}, CliOption{"--subject", true},
                                               CliOption{"--note", true}};

int runJournalEdit(const CliArguments& args) {
    JournalCli journal;
    if (const int status = OpenJournal(args, args.plain[1], "", journal); status != kExitOk) return status;
    int status = kExitOk;
    const auto row = RowOption(args, *journal.day, status);
    if (!row) return status;
    if (const auto subject = args.options.find("--subject"); subject != args.options.end()) {
        // The subject is picked from the project's subjects, spelt as the project has it.
        const auto& subjects = journal.project.session->subjects();
        int found = -1;
        for (int s = 0; s < subjects.count() && found < 0; ++s)
            if (ListTextEqual(subjects.at(s).record.displayName(), subject->second)) found = s;
        if (found < 0)
            return ReportFailure("lovaris-cli: the project has no subject '" + subject->second + "'", kExitRefused);
        journal.day->EditCell(*row, kColSubstituteSubject, subjects.at(found).record.displayName());
    }
    // A text the archive cannot keep is refused, and the day is written with none of the changes.
    for (const auto& [option, column] : {std::pair{"--reason", kColReason}, std::pair{"--note", kColNote}}) {
        const auto given = args.options.find(option);
        if (given == args.options.end()) continue;
        if (const auto edited = journal.day->EditCell(*row, column, given->second); !edited.done)
            return ReportFailure("lovaris-cli: " + edited.message, kExitRefused);
    }
    return FinishChange(journal);
}

}  // namespace

const CliCommand kJournalEditCommand{
    "journal-edit", "ARCHIVE PROJECT.tbl --date D --row R [--reason T] [--subject NAME] [--note T]",
    "edit a row of the journal",
    "Changes row R (from 1) of the day: the reason of the absence, the subject taught\n"
    "in the substitution (one of the project's subjects) and the note. Prints the day.\n",
    2, 2, nullptr, kOptions, runJournalEdit};

}  // namespace lovaris::cli
