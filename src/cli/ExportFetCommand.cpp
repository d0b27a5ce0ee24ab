// lovaris-cli export-fet: a week written back into the FET file its project came from.
#include <array>

#include "CliCommand.h"
#include "CliSupport.h"
#include "VariantCliSupport.h"
#include "core/common/FileIO.h"
#include "core/common/InterchangeTexts.h"
#include "core/common/MessageFormat.h"
#include "core/export/TimetableWeek.h"
#include "interchange/FetWriteBack.h"

namespace lovaris::cli {
namespace {

constexpr std::array<CliOption, 4> kOptions = {CliOption{"--into", true}, CliOption{"-o", true},
                                               CliOption{"--output", true}, CliOption{"--times-only", false}};

int runExportFet(const CliArguments& args) {
    const std::string* out = args.output();
    if (!out || !args.has("--into"))
        return ReportFailure(LoadResText(InterchangeText::FetWriteBackUsage), kExitFailure);
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
    "export-fet", "PROJECT.tbl VARIANT.rsp --into ORIGINAL.fet -o OUT.fet [--times-only]", "write a week back into its FET file",
    "Writes a copy of the FET file ORIGINAL.fet that PROJECT.tbl was imported from\n"
    "(import-fet) as OUT.fet, with every activity the variant's clean copy places\n"
    "locked at its day and hour and in its room (ConstraintActivityPreferredStartingTime\n"
    "and ConstraintActivityPreferredRoom at 100 %); every constraint of the original\n"
    "stays. fet-cl then judges the week: \"Simulation successful\" means it keeps every\n"
    "constraint of the original of weight 100 %. --times-only locks the times alone, so\n"
    "that FET judges them apart from the rooms. Prints how many activities were\n"
    "locked and lists, by ID, those left unlocked: not placed in the week, or left out\n"
    "by the import; teachers' duties at times FET fixes are left to FET and listed\n"
    "apart. The lessons are found again by importing ORIGINAL.fet once more;\n"
    "when PROJECT.tbl is no longer what import-fet makes of it, the command refuses\n"
    "(exit 2) and writes nothing.\n",
    2, 2, nullptr, kOptions, runExportFet};

}  // namespace lovaris::cli
