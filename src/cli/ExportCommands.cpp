// lovaris-cli export-html, export-csv and export-ical: a variant's clean copy for the
// school's web site, its spreadsheets and its calendars.
#include <array>
#include <chrono>
#include <cstdio>
#include <ctime>

#include "CliCommand.h"
#include "CliSupport.h"
#include "VariantCliSupport.h"
#include "core/common/FileIO.h"
#include "core/export/ExportFiles.h"

namespace lovaris::cli {
namespace {

// The week of the variant; kExitOk or the status of the first failure to open.
int OpenWeek(const std::string& projectPath, const std::string& variantPath, TimetableWeek& week,
             std::string& comment) {
    PlanningProject project;
    LoadedVariant loaded;
    if (const int status = OpenPlanningVariant(projectPath, variantPath, project, loaded); status != kExitOk)
        return status;
    week = CollectTimetableWeek(*project.session, loaded.variant);
    comment = loaded.options.comment;
    return kExitOk;
}

int runExportHtml(const std::vector<std::string>& args) {
    TimetableWeek week;
    std::string comment;
    if (const int status = OpenWeek(args[0], args[1], week, comment); status != kExitOk) return status;
    const FileOutcome written = WriteHtmlExport(week, comment, args[2]);
    if (!written.ok) return ReportFailure(written.message, kExitFailure);
    return WriteStdout(written.message + "\n");
}

int runExportCsv(const std::vector<std::string>& args) {
    TimetableWeek week;
    std::string comment;
    if (const int status = OpenWeek(args[0], args[1], week, comment); status != kExitOk) return status;
    const FileOutcome written = WriteCsvExport(week, args[2]);
    return written.ok ? kExitOk : ReportFailure(written.message, kExitFailure);
}

constexpr std::array<CliOption, 7> kICalOptions = {CliOption{"--class", true}, CliOption{"--teacher", true},
                                                   CliOption{"--from", true},  CliOption{"--to", true},
                                                   CliOption{"--bells", true}, CliOption{"-o", true},
                                                   CliOption{"--output", true}};

std::string UtcStamp() {
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm utc{};
    gmtime_r(&now, &utc);
    char text[20];
    std::strftime(text, sizeof text, "%Y%m%dT%H%M%SZ", &utc);
    return text;
}

int IndexOfName(const std::vector<std::string>& names, const std::string& name) {
    for (std::size_t i = 0; i < names.size(); ++i)
        if (names[i] == name) return static_cast<int>(i);
    return -1;
}

int runExportICal(const CliArguments& args) {
    const bool forClass = args.has("--class"), forTeacher = args.has("--teacher");
    if (forClass == forTeacher) return ReportFailure("lovaris-cli: give either --class NAME or --teacher NAME", kExitFailure);
    const std::string* out = args.output();
    if (!out || !args.has("--from") || !args.has("--to") || !args.has("--bells"))
        return ReportFailure("lovaris-cli: --from, --to, --bells and -o OUT.ics are needed", kExitFailure);
    ICalRequest request;
    const auto from = ParseCalendarDate(args.options.find("--from")->second);
    const auto to = ParseCalendarDate(args.options.find("--to")->second);
    if (!from || !to) return ReportFailure("lovaris-cli: --from and --to take a date YYYY-MM-DD", kExitFailure);
    request.from = *from;
    request.to = *to;

    const std::string& bellsPath = args.options.find("--bells")->second;
    const auto bellsBytes = ReadWholeFile(bellsPath);
    if (!bellsBytes) return ReportFailure("export-ical: cannot read the bells file " + bellsPath, kExitRefused);
    const auto bells = ParseBells(std::string_view(reinterpret_cast<const char*>(bellsBytes->data()), bellsBytes->size()));
    if (!bells.error.empty()) return ReportFailure("export-ical: " + bellsPath + ": " + bells.error, kExitRefused);
    request.bells = bells.bells;

    TimetableWeek week;
    std::string comment;
    if (const int status = OpenWeek(args.plain[0], args.plain[1], week, comment); status != kExitOk) return status;
    const std::string& name = args.options.find(forClass ? "--class" : "--teacher")->second;
    const int index = IndexOfName(forClass ? week.classNames : week.teacherNames, name);
    if (index < 0)
        return ReportFailure("export-ical: the project has no " + std::string(forClass ? "class" : "teacher") + " \"" +
                                 name + "\"",
                             kExitRefused);
    (forClass ? request.klass : request.teacher) = index;
    request.stamp = UtcStamp();
    const ICalResult calendar = TimetableICal(week, request);
    if (!calendar.error.empty()) return ReportFailure("export-ical: " + calendar.error, kExitRefused);
    return WriteTextFile(*out, calendar.text);
}

}  // namespace

const CliCommand kExportHtmlCommand{
    "export-html", "PROJECT.tbl VARIANT.rsp OUT_DIR", "write a variant as web pages",
    "Writes the variant's clean copy into OUT_DIR (made when missing) as web pages:\n"
    "one per class, teacher and room (class-N.html, teacher-N.html, room-N.html, in\n"
    "the project's order), index.html linking them, and the stylesheet style.css.\n"
    "The pages are UTF-8 and print as they show.\n",
    3, 3, runExportHtml};

const CliCommand kExportCsvCommand{
    "export-csv", "PROJECT.tbl VARIANT.rsp OUT.csv", "write a variant as a CSV table",
    "Writes the variant's clean copy as a table (RFC 4180, UTF-8 with a byte order\n"
    "mark, CRLF): a header, then one row per placed hour and subgroup with the day,\n"
    "lesson, class, subgroup, subject, teacher, room and link group (lessons taught\n"
    "together share its number; empty for a lesson of one class).\n",
    3, 3, runExportCsv};

const CliCommand kExportICalCommand{
    "export-ical",
    "PROJECT.tbl VARIANT.rsp (--class NAME | --teacher NAME) --from YYYY-MM-DD --to YYYY-MM-DD --bells FILE -o OUT.ics",
    "write a week as a calendar",
    "Writes the week of one class or teacher as an iCalendar file (RFC 5545): one\n"
    "event per lesson block, recurring weekly from --from to --to. The bells file\n"
    "gives each lesson's times, a line per lesson: \"1 08:30 09:15\" (blank lines and\n"
    "lines beginning with # are skipped).\n",
    2, 2, nullptr, kICalOptions, runExportICal};

}  // namespace lovaris::cli
