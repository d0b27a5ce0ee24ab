#pragma once
// What the journal commands share: the archive opened for one change, the day of
// --date shown on it, the open variant for the commands that need lessons, and the
// day and the summary printed as text or JSON.
#include <memory>
#include <optional>
#include <string>

#include "CliCommand.h"
#include "VariantCliSupport.h"
#include "core/journal/JournalDayModel.h"
#include "core/journal/PeriodSummary.h"

namespace lovaris::cli {

struct JournalCli {
    PlanningProject project;  // empty for the commands without a project
    LoadedVariant variant;
    std::unique_ptr<JournalTimetable> timetable;
    std::unique_ptr<SubstitutionArchive> archive;
    std::unique_ptr<JournalDayModel> day;
};

// The date option's serial date; none (with the usage message, exit 1) when absent or bad.
std::optional<SerialDate> DateOption(const CliArguments& args, std::string_view name, int& status);
// The 0-based row of --row among the day's rows; none with the usage message otherwise.
std::optional<int> RowOption(const CliArguments& args, const JournalDayModel& day, int& status);

// Opens the project and variant when given (variant "" for none, project "" for
// neither), then the archive, and shows the day of --date. The first failure's status.
int OpenJournal(const CliArguments& args, const std::string& projectPath, const std::string& variantPath,
                JournalCli& journal);
// Saves the changed day and closes the archive; a failure's message and status.
int CloseJournal(JournalCli& journal);
// After a change: prints the day and saves it (see CloseJournal).
int FinishChange(JournalCli& journal);
// The journal opened on the day with the variant, --row read and the candidates for
// its lesson found; the first failure's status.
int OpenCandidates(const CliArguments& args, JournalCli& journal, int& row,
                   std::vector<SubstituteCandidate>& candidates);
// The refusal of an operation of the day, with its message.
int Refused(const JournalOutcome& outcome);

std::string DayText(const JournalDayModel& day);
int PrintDay(const JournalDayModel& day, bool asJson);
int PrintSummary(const PeriodSummary& summary, bool asJson);

}  // namespace lovaris::cli
