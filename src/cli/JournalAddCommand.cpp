#include <algorithm>
#include <array>

#include "CliCommand.h"
#include "CliSupport.h"
#include "JournalCliSupport.h"
#include "core/common/JournalTexts.h"
#include "core/common/NumberText.h"

namespace lovaris::cli {
namespace {

constexpr std::array<CliOption, 4> kOptions = {CliOption{"--date", true}, CliOption{"--teacher", true},
                                               CliOption{"--lessons", true}, CliOption{"--reason", true}};

int runJournalAdd(const CliArguments& args) {
    if (!args.has("--teacher") || !args.has("--lessons"))
        return ReportFailure("lovaris-cli: --teacher and --lessons are required", kExitFailure);
    const std::vector<int> numbers = ExtractNumbers(args.options.at("--lessons"));
    if (numbers.empty()) return ReportFailure("lovaris-cli: --lessons takes lesson numbers such as 1,3", kExitFailure);
    JournalCli journal;
    if (const int status = OpenJournal(args, args.plain[1], args.plain[2], journal); status != kExitOk) return status;
    const int teacher = journal.timetable->IndexOfTeacher(args.options.at("--teacher"));
    if (teacher < 0)
        return ReportFailure("lovaris-cli: the project has no teacher '" + args.options.at("--teacher") + "'", kExitRefused);
    if (std::any_of(numbers.begin(), numbers.end(), [&](int n) { return n > journal.timetable->lessonsPerDay(); }))
        return ReportFailure("lovaris-cli: --lessons takes numbers 1.." + std::to_string(journal.timetable->lessonsPerDay()),
                             kExitFailure);

    std::vector<LessonLine> ticked;
    for (const auto& line : journal.timetable->LessonLines(teacher, journal.day->weekday()))
        if (std::find(numbers.begin(), numbers.end(), line.number) != numbers.end()) ticked.push_back(line);
    if (std::none_of(ticked.begin(), ticked.end(), [](const LessonLine& l) { return l.hasLesson(); }))
        return Refused(JournalOutcome::Refused(LoadResText(JournalText::LessonNotFound)));

    const bool startsDay = journal.day->rowCount() == 1 && !journal.day->rows()[0].hasLesson();
    const int before = startsDay ? 0 : journal.day->rowCount();
    if (const auto added = journal.day->AddAbsence(teacher, ticked); !added.done) return Refused(added);
    if (const auto reason = args.options.find("--reason"); reason != args.options.end())
        for (int r = before; r < journal.day->rowCount(); ++r) journal.day->EditCell(r, kColReason, reason->second);
    return FinishChange(journal);
}

}  // namespace

const CliCommand kJournalAddCommand{
    "journal-add",
    "ARCHIVE PROJECT.tbl VARIANT.rsp --date D --teacher NAME --lessons 1,3 [--reason T]",
    "enter an absent teacher's lessons into the journal",
    "Adds a row for each of the teacher's lessons given that the variant's clean copy\n"
    "holds on the day's weekday, as the absent-teacher dialog does: reason\n"
    "\"Больничный\" unless --reason gives another, no substitute yet. A lesson already\n"
    "in the journal is not added twice. Prints the day.\n"
    "Refused (exit 2): an archive that cannot be opened, no lesson of the teacher among\n"
    "those given, a full directory of days, a day of 100 rows.\n",
    3, 3, nullptr, kOptions, runJournalAdd};

}  // namespace lovaris::cli
