#include "JournalCliSupport.h"

#include <nlohmann/json.hpp>

#include "CliSupport.h"
#include "core/common/JournalTexts.h"

namespace lovaris::cli {
namespace {

using json = nlohmann::ordered_json;

int usage(std::string_view problem, int& status) {
    status = ReportFailure("lovaris-cli: " + std::string(problem), kExitFailure);
    return status;
}

std::vector<int> lessonsOfTag(std::int32_t tag) {
    std::vector<int> lessons;
    for (int j = 0; j < 32; ++j)
        if (static_cast<std::uint32_t>(tag) & (1u << j)) lessons.push_back(j + 1);
    return lessons;
}

json rowJson(const JournalRow& r) {
    const auto& t = r.texts;
    return {{"lesson", t[kColLesson]},           {"absent", t[kColAbsent]},
            {"absentLessons", lessonsOfTag(r.tags[kColAbsent])},
            {"subject", t[kColSubject]},         {"class", t[kColClass]},
            {"stage", r.tags[kColClass]},        {"room", t[kColRoom]},
            {"reason", t[kColReason]},           {"substitute", t[kColSubstitute]},
            {"sameLesson", r.tags[kColSubstitute] == 1},
            {"substituteSubject", t[kColSubstituteSubject]},
            {"note", t[kColNote]}};
}

}  // namespace

std::optional<SerialDate> DateOption(const CliArguments& args, std::string_view name, int& status) {
    const auto it = args.options.find(name);
    if (it == args.options.end()) {
        usage(std::string(name) + " is required", status);
        return std::nullopt;
    }
    const auto date = ParseDate(it->second);
    if (!date) usage(std::string(name) + " takes a date YYYY-MM-DD (or DD.MM.YYYY) from 1900 to 9999", status);
    return date;
}

std::optional<int> RowOption(const CliArguments& args, const JournalDayModel& day, int& status) {
    const auto row = NumberOption(args, "--row", 1, day.rowCount());
    if (!row || *row < 1 || !day.CanDelete(static_cast<int>(*row) - 1)) {
        usage("--row takes the number of a row of the day's journal", status);
        return std::nullopt;
    }
    return static_cast<int>(*row) - 1;
}

int OpenJournal(const CliArguments& args, const std::string& projectPath, const std::string& variantPath,
                JournalCli& journal) {
    int status = kExitOk;
    const auto date = DateOption(args, "--date", status);
    if (!date) return status;
    if (!variantPath.empty()) {
        if ((status = OpenPlanningVariant(projectPath, variantPath, journal.project, journal.variant)) != kExitOk)
            return status;
        journal.project.session->ApplyOptions(journal.variant.options);
        journal.timetable = std::make_unique<JournalTimetable>(*journal.project.session, journal.variant.variant);
    } else if (!projectPath.empty()) {
        if ((status = OpenPlanningProject(projectPath, journal.project)) != kExitOk) return status;
    }
    journal.archive = SubstitutionArchive::Open(args.plain[0]);
    if (!journal.archive) return ReportFailure(LoadResText(JournalText::ArchiveOpenError), kExitRefused);
    journal.day = std::make_unique<JournalDayModel>(*journal.archive, journal.timetable.get());
    if (const auto shown = journal.day->Show(*date); !shown.done) return Refused(shown);
    return kExitOk;
}

int CloseJournal(JournalCli& journal) {
    if (const auto saved = journal.day->SaveIfChanged(); !saved.done) return ReportFailure(saved.message, kExitFailure);
    if (!journal.archive->Close())
        return ReportFailure(LoadResText(JournalText::ArchiveWriteError), kExitFailure);
    return kExitOk;
}

int FinishChange(JournalCli& journal) {
    if (const int status = PrintDay(*journal.day, false); status != kExitOk) return status;
    return CloseJournal(journal);
}

int OpenCandidates(const CliArguments& args, JournalCli& journal, int& row,
                   std::vector<SubstituteCandidate>& candidates) {
    if (const int status = OpenJournal(args, args.plain[1], args.plain[2], journal); status != kExitOk) return status;
    int status = kExitOk;
    const auto chosen = RowOption(args, *journal.day, status);
    if (!chosen) return status;
    row = *chosen;
    std::string message;
    candidates = journal.day->CandidatesForRow(row, &message);
    return message.empty() ? kExitOk : Refused(JournalOutcome::Refused(message));
}

int Refused(const JournalOutcome& outcome) { return ReportFailure(outcome.message, kExitRefused); }

std::string DayText(const JournalDayModel& day) {
    std::string text = DateText(day.date()) + ", " + WeekdayTitle(day.date()) + "\n";
    if (day.rowCount() == 1 && !day.rows()[0].hasLesson()) return text + "no records\n";
    for (int r = 0; r < day.rowCount(); ++r) {
        const auto& row = day.rows()[static_cast<std::size_t>(r)];
        text += std::to_string(r + 1) + ".";
        for (int c = 0; c < kJournalColumns; ++c) text += (c == 0 ? " " : " | ") + row.texts[static_cast<std::size_t>(c)];
        text += "\n";
    }
    return text;
}

int PrintDay(const JournalDayModel& day, bool asJson) {
    if (!asJson) return WriteStdout(DayText(day));
    json rows = json::array();
    for (const auto& r : day.rows())
        if (r.hasLesson()) rows.push_back(rowJson(r));
    const json all = {{"date", DateText(day.date())}, {"weekday", day.weekday()}, {"rows", rows}};
    return WriteStdout(all.dump(2) + "\n");
}

int PrintSummary(const PeriodSummary& summary, bool asJson) {
    if (asJson) {
        json absences = json::array();
        for (const auto& a : summary.absences)
            absences.push_back({{"teacher", a.name}, {"junior", a.junior}, {"senior", a.senior}});
        json substitutions = json::array();
        for (const auto& s : summary.substitutions)
            substitutions.push_back({{"teacher", s.name},
                                     {"junior", s.junior},
                                     {"juniorGroup", s.juniorGroup},
                                     {"senior", s.senior},
                                     {"seniorGroup", s.seniorGroup}});
        const json all = {{"from", DateText(summary.from)},
                          {"to", DateText(summary.to)},
                          {"absences", absences},
                          {"substitutions", substitutions}};
        return WriteStdout(all.dump(2) + "\n");
    }
    const std::string junior = LoadResText(JournalText::ColumnJunior);
    const std::string senior = LoadResText(JournalText::ColumnSenior);
    const std::string group = LoadResText(JournalText::GroupMark);
    const std::string none = LoadResText(JournalText::NoneCell);
    std::string text = SummaryCaption(summary) + "\n\n[" + LoadResText(JournalText::AbsencesPage) + "]\n" +
                       LoadResText(JournalText::ColumnTeacher) + " | " + junior + " | " + senior + "\n";
    if (summary.absences.empty()) text += none + "\n";
    for (const auto& a : summary.absences)
        text += a.name + " | " + std::to_string(a.junior) + " | " + std::to_string(a.senior) + "\n";
    text += "\n[" + LoadResText(JournalText::SubstitutionsPage) + "]\n" + LoadResText(JournalText::ColumnTeacher) +
            " | " + junior + " | " + junior + group + " | " + senior + " | " + senior + group + "\n";
    if (summary.substitutions.empty()) text += none + "\n";
    for (const auto& s : summary.substitutions)
        text += s.name + " | " + std::to_string(s.junior) + " | " + std::to_string(s.juniorGroup) + " | " +
                std::to_string(s.senior) + " | " + std::to_string(s.seniorGroup) + "\n";
    return WriteStdout(text);
}

}  // namespace lovaris::cli
