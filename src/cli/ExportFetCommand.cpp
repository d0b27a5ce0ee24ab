// lovaris-cli export-fet: a project written as a FET school, or a week written back
// into the FET file its project came from.
#include <array>

#include "CliCommand.h"
#include "CliSupport.h"
#include "VariantCliSupport.h"
#include "core/common/FileIO.h"
#include "core/common/InterchangeTexts.h"
#include "core/common/MessageFormat.h"
#include "core/export/TimetableWeek.h"
#include "interchange/FetSchoolExport.h"
#include "interchange/FetWriteBack.h"

namespace lovaris::cli {
namespace {

constexpr std::array<CliOption, 4> kOptions = {CliOption{"--into", true}, CliOption{"-o", true},
                                               CliOption{"--output", true}, CliOption{"--times-only", false}};

// The whole project as a FET school held to the planner's rules.
int runExportSchool(const CliArguments& args, const std::string& out) {
    if (args.has("--into") || args.has("--times-only"))
        return ReportFailure("lovaris-cli: export-fet takes --into and --times-only only with a VARIANT.rsp", kExitFailure);
    PlanningProject project;
    if (const int status = OpenPlanningProject(args.plain[0], project); status != kExitOk) return status;
    interchange::ApplyNewVariantOptions(*project.session);
    const interchange::FetSchoolExport school = interchange::ExportSchoolToFet(*project.session);
    if (!WriteFileAtomically(out, std::vector<std::uint8_t>(school.text.begin(), school.text.end())))
        return ReportFailure(FormatMessage(TextId::FileWriteError, FileNameWithoutFolder(out)), kExitFailure);
    std::string report = "Wrote " + std::to_string(school.blocks.size()) + " activities\n";
    if (school.classesStartingFreely > 0)
        report += "Classes whose starting lessons FET holds only to the first: " +
                  std::to_string(school.classesStartingFreely) + "\n";
    return WriteStdout(report);
}

int runExportFet(const CliArguments& args) {
    const std::string* out = args.output();
    if (!out) return ReportFailure("lovaris-cli: export-fet needs -o OUT.fet", kExitFailure);
    if (args.plain.size() == 1) return runExportSchool(args, *out);
    if (!args.has("--into")) return ReportFailure(LoadResText(InterchangeText::FetWriteBackUsage), kExitFailure);
    const std::string& originalPath = args.options.find("--into")->second;
    const auto original = ReadWholeFile(originalPath);
    if (!original)
        return ReportFailure(FormatMessage(TextId::FileOpenError, FileNameWithoutFolder(originalPath)), kExitRefused);

    PlanningProject project;
    LoadedVariant loaded;
    if (const int status = OpenPlanningVariant(args.plain[0], args.plain[1], project, loaded); status != kExitOk)
        return status;
    const TimetableWeek week = CollectTimetableWeek(*project.session, loaded.variant);
    const interchange::FetWriteBack written =
        interchange::WriteWeekIntoFet(*original, project.document.project(), week, !args.has("--times-only"));
    if (!written.error.empty())
        return ReportFailure("export-fet: " + FileNameWithoutFolder(originalPath) + ": " + written.error, kExitRefused);
    if (!WriteFileAtomically(*out, written.bytes))
        return ReportFailure(FormatMessage(TextId::FileWriteError, FileNameWithoutFolder(*out)), kExitFailure);
    return WriteStdout(written.report());
}

}  // namespace

const CliCommand kExportFetCommand{
    "export-fet", "PROJECT.tbl [VARIANT.rsp --into ORIGINAL.fet] -o OUT.fet [--times-only]",
    "write a project as a FET school, or a week back into its FET file",
    "Without a variant, writes the project as a FET school OUT.fet that holds FET to\n"
    "the rules plan keeps, so that both solve the same problem:\n"
    "  days and lesson numbers    6 days, the project's lessons a day\n"
    "  class                      a year (no divisions: a class has one lesson at a\n"
    "                             time); gapless days (students max gaps per week 0);\n"
    "                             not available at its busy hours and before its first\n"
    "                             starting lesson; the day begins at the first open\n"
    "                             hour (early max beginnings at second hour 0), or at\n"
    "                             it or the next with two starting lessons in a row,\n"
    "                             or at any hour when every later lesson is one\n"
    "  lesson with its links      one activity per block of the hour spread, with the\n"
    "                             classes and teachers of every linked lesson; blocks\n"
    "                             of a spread as a split on different days (min days\n"
    "                             1 at 100 %); the lessons' busy hours as the blocks'\n"
    "                             preferred time slots\n"
    "  teacher                    not available at its closed hours (busy, and wished\n"
    "                             free ones as the default wishes mode closes them)\n"
    "Not carried over: rooms (plan leaves a subgroup without a room where none\n"
    "suits), teacher windows, free days, sanitary load and parallel classes (they are\n"
    "wishes to plan; FET holds their nearest rules at 100 % only, which would make\n"
    "its problem harder). Each activity's ID and comment name its lessons and block,\n"
    "so that import-fet-week reads FET's week back.\n\n"
    "With a variant, writes a copy of the FET file ORIGINAL.fet that PROJECT.tbl was\n"
    "imported from (import-fet) as OUT.fet, with every activity the variant's clean\n"
    "copy places locked at its day and hour and in its room\n"
    "(ConstraintActivityPreferredStartingTime and ConstraintActivityPreferredRoom at\n"
    "100 %); every constraint of the original stays. fet-cl then judges the week:\n"
    "\"Simulation successful\" means it keeps every constraint of the original of\n"
    "weight 100 %. --times-only locks the times alone, so that FET judges them apart\n"
    "from the rooms. Prints how many activities were locked and lists, by ID, those\n"
    "left unlocked: not placed in the week, or left out by the import; teachers'\n"
    "duties at times FET fixes are left to FET and listed apart. The lessons are\n"
    "found again by importing ORIGINAL.fet once more; when PROJECT.tbl is no longer\n"
    "what import-fet makes of it, the command refuses (exit 2) and writes nothing.\n",
    1, 2, nullptr, kOptions, runExportFet};

}  // namespace lovaris::cli
