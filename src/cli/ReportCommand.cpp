// lovaris-cli report KIND ...: a printed report as text or as a PDF file.
#include <algorithm>
#include <array>
#include <filesystem>
#include <functional>

#include "CliCommand.h"
#include "CliSupport.h"
#include "ReportPdfOutput.h"
#include "JournalCliSupport.h"
#include "VariantCliSupport.h"
#include "core/common/JournalTexts.h"
#include "core/planning/VariantPlanning.h"
#include "core/reports/ReportPlainText.h"
#include "core/reports/TAllClsRpForm.h"
#include "core/reports/TClassTableRpForm.h"
#include "core/reports/TMedTableRpForm.h"
#include "core/reports/TTeachersDataRpForm.h"
#include "core/reports/TZamDayRpForm.h"

namespace lovaris::cli {
namespace {

constexpr std::array<CliOption, 10> kOptions = {
    CliOption{"--archive", true}, CliOption{"--date", true},   CliOption{"--from", true},
    CliOption{"--to", true},      CliOption{"--class", true},  CliOption{"--teacher", true},
    CliOption{"--short", false},  CliOption{"--text", false},  CliOption{"-o", true},
    CliOption{"--output", true}};

enum class Needs { Project, Variant, Archive };

struct ReportKind {
    std::string_view name;
    Needs needs;
};

constexpr std::array<ReportKind, 10> kKinds = {
    ReportKind{"class", Needs::Variant},         ReportKind{"teacher", Needs::Variant},
    ReportKind{"all-classes", Needs::Variant},   ReportKind{"all-teachers", Needs::Variant},
    ReportKind{"teachers-data", Needs::Project}, ReportKind{"classes-data", Needs::Project},
    ReportKind{"load-table", Needs::Variant},    ReportKind{"load-chart", Needs::Variant},
    ReportKind{"subst-day", Needs::Archive},     ReportKind{"subst-period", Needs::Archive}};

int Usage(std::string_view problem) { return ReportFailure("lovaris-cli: " + std::string(problem), kExitFailure); }

// The index of the record whose name is `name`, -1 when none is.
template <typename Collection>
int IndexByName(const Collection& records, const std::string& name) {
    for (int i = 0; i < records.count(); ++i)
        if (records.at(i).displayName() == name) return i;
    return -1;
}

int Output(const CliArguments& args, const Report& report) {
    if (args.has("--text")) return WriteStdout(ReportPlainText(report));
    const std::string error = WriteReportPdfFile(report, *args.output());
    if (error.empty()) return kExitOk;
    return ReportFailure("lovaris-cli: " + error, kExitFailure);
}

int VariantReport(const CliArguments& args, std::string_view kind) {
    if (args.plain.size() < 3) return Usage("report " + std::string(kind) + " needs VARIANT.rsp");
    PlanningProject project;
    LoadedVariant loaded;
    if (const int status = OpenPlanningVariant(args.plain[1], args.plain[2], project, loaded); status != kExitOk)
        return status;
    PlanningSession& session = *project.session;
    VariantPlanning planning(loaded.variant, session);
    const ViewContext ctx{session, planning, loaded.options};
    const bool shortForm = args.has("--short");

    if (kind == "class" || kind == "teacher") {
        const std::string option = kind == "class" ? "--class" : "--teacher";
        const auto named = args.options.find(option);
        if (named == args.options.end()) return Usage("report " + std::string(kind) + " needs " + option + " NAME");
        const int index = kind == "class" ? IndexByName(session.klasses(), named->second)
                                          : IndexByName(session.teachers(), named->second);
        if (index < 0)
            return ReportFailure("lovaris-cli: the project has no " + std::string(kind) + " named '" + named->second + "'",
                                 kExitRefused);
        return Output(args, kind == "class" ? TClassTableRpForm::Build(ctx, index, shortForm)
                                            : TTeacherTableRpForm::Build(ctx, index, shortForm));
    }
    if (kind == "all-classes") return Output(args, TAllClsRpForm::Build(ctx));
    if (kind == "all-teachers") return Output(args, TAllTchRpForm::Build(ctx));
    if (kind == "load-table") return Output(args, TMedTableRpForm::Build(ctx, AllClassesMarked(ctx)));
    return Output(args, TMedChartRpForm::Build(ctx, AllClassesMarked(ctx)));
}

int ProjectReport(const CliArguments& args, std::string_view kind) {
    ProjectDocument document;
    if (const int status = OpenProject(args.plain[1], document); status != kExitOk) return status;
    return Output(args, kind == "teachers-data" ? TTeachersDataRpForm::Build(document.project())
                                                : TClassDataRpForm::Build(document.project()));
}

// The archive of --archive, else "zarch.sys" beside the tool (in its "Archieve" folder
// when there is one). A report reads it and never creates it.
std::string ArchivePath(const CliArguments& args) {
    if (const auto given = args.options.find("--archive"); given != args.options.end()) return given->second;
    std::error_code error;
    const auto tool = std::filesystem::read_symlink("/proc/self/exe", error);
    return SubstitutionArchive::PathFor(error ? std::string(".") : tool.parent_path().string());
}

int SubstitutionReport(const CliArguments& args, std::string_view kind) {
    int status = kExitOk;
    std::optional<SerialDate> first;
    std::optional<SerialDate> last;
    if (kind == "subst-day") {
        first = last = DateOption(args, "--date", status);
    } else {
        first = DateOption(args, "--from", status);
        if (first) last = DateOption(args, "--to", status);
    }
    if (!first || !last) return status;

    SubstitutionTitles titles;
    PlanningProject project;
    LoadedVariant loaded;
    if (args.plain.size() == 3) {
        if (const int opened = OpenPlanningVariant(args.plain[1], args.plain[2], project, loaded); opened != kExitOk)
            return opened;
        titles.variant = loaded.options.comment;
    } else if (const int opened = OpenPlanningProject(args.plain[1], project); opened != kExitOk) {
        return opened;
    }
    titles.project = project.document.project().params.description;

    const std::string path = ArchivePath(args);
    std::error_code error;
    std::unique_ptr<SubstitutionArchive> archive =
        std::filesystem::is_regular_file(path, error) ? SubstitutionArchive::Open(path) : nullptr;
    if (!archive) return ReportFailure(LoadResText(JournalText::ArchiveOpenError), kExitRefused);
    const Report report =
        kind == "subst-day"
            ? TZamDayRpForm::Build(titles, *first, archive->ReadDay(*first))
            : TZamArcRpForm::Build(titles, *first, *last, [&](SerialDate d) { return archive->ReadDay(d); });
    archive->Close();
    return Output(args, report);
}

int runReport(const CliArguments& args) {
    const std::string& kind = args.plain[0];
    const auto known = std::find_if(kKinds.begin(), kKinds.end(), [&](const ReportKind& k) { return k.name == kind; });
    if (known == kKinds.end()) return Usage("unknown report kind '" + kind + "'");
    if (args.has("--text") == (args.output() != nullptr)) return Usage("give either -o OUT.pdf or --text");
    if (!args.has("--text") && !CanWriteReportPdf())
        return ReportFailure("lovaris-cli: this build writes no PDF; use --text", kExitFailure);
    if (known->needs == Needs::Archive) return SubstitutionReport(args, kind);
    if (known->needs == Needs::Project) {
        if (args.plain.size() != 2) return Usage("report " + kind + " takes PROJECT.tbl only");
        return ProjectReport(args, kind);
    }
    return VariantReport(args, kind);
}

}  // namespace

const CliCommand kReportCommand{
    "report",
    "KIND PROJECT.tbl [VARIANT.rsp] [--archive ZARCH] [--date D | --from D --to D]\n"
    "       [--class NAME | --teacher NAME] [--short] (-o OUT.pdf | --text)",
    "a printed report as PDF or as text",
    "Makes one of the program's printed reports, on A4 pages as the print dialog shows\n"
    "them, and writes it as a PDF file (-o) or prints its contents page by page (--text:\n"
    "each row's cells split by ' | ', a cell of several lines over as many lines).\n"
    "KIND is one of\n"
    "  class, teacher            the week of one class or teacher (--class or --teacher\n"
    "                            NAME, --short: the week table only)\n"
    "  all-classes, all-teachers the whole school's week by classes or by teachers\n"
    "  teachers-data             the teachers' curriculum hours by subject and level\n"
    "  classes-data              the classes' curriculum hours by level\n"
    "  load-table, load-chart    each class's difficulty load per day\n"
    "  subst-day                 the substitutions of --date D\n"
    "  subst-period              the journal from --from D to --to D (an end before\n"
    "                            the start is the start)\n"
    "The timetable and load reports read VARIANT.rsp with the project; the data\n"
    "reports read the project alone; the substitution reports read the archive of\n"
    "--archive (else zarch.sys beside the tool) with the project, and the variant\n"
    "when given for its comment. Dates are dd.MM.yyyy or yyyy-MM-dd.\n",
    2, 3, nullptr, kOptions, runReport};

}  // namespace lovaris::cli
