// lovaris-cli import-fet-week: the week FET wrote for a project's FET school read back
// as a variant of the project.
#include <array>

#include "CliCommand.h"
#include "CliSupport.h"
#include "VariantCliSupport.h"
#include "core/common/FileIO.h"
#include "core/common/InterchangeTexts.h"
#include "core/common/MessageFormat.h"
#include "interchange/FetWeekImport.h"

namespace lovaris::cli {
namespace {

constexpr std::array<CliOption, 2> kOptions = {CliOption{"-o", true}, CliOption{"--output", true}};

int runImportFetWeek(const CliArguments& args) {
    const std::string* out = args.output();
    if (!out) return ReportFailure("lovaris-cli: import-fet-week needs -o OUT.rsp", kExitFailure);
    const std::string& weekPath = args.plain[1];
    const auto bytes = ReadWholeFile(weekPath);
    if (!bytes) return ReportFailure(FormatMessage(TextId::FileOpenError, FileNameWithoutFolder(weekPath)), kExitRefused);

    PlanningProject project;
    if (const int status = OpenPlanningProject(args.plain[0], project); status != kExitOk) return status;
    interchange::ApplyNewVariantOptions(*project.session);
    LoadedVariant week;
    week.variant = project.session->NewVariant();
    week.options = VariantOptions::Defaults(week.variant.classCount(), week.variant.lessonsPerDay());
    const interchange::FetWeekImport read =
        interchange::ReadFetWeek(*bytes, interchange::ExportSchoolToFet(*project.session), week.variant);
    if (!read.error.empty())
        return ReportFailure("import-fet-week: " + FileNameWithoutFolder(weekPath) + ": " + read.error, kExitRefused);
    if (const int status = SaveVariant(*out, week); status != kExitOk) return status;
    return WriteStdout("Placed " + std::to_string(read.placedBlocks) + " activities, " +
                       std::to_string(read.unplacedBlocks) + " not placed\n");
}

}  // namespace

const CliCommand kImportFetWeekCommand{
    "import-fet-week", "PROJECT.tbl TIMETABLE.fet -o OUT.rsp", "read FET's week for a project as a variant",
    "Reads the week FET wrote for the FET school that export-fet PROJECT.tbl made\n"
    "(fet-cl writes it as ..._data_and_timetable.fet in its output folder: each\n"
    "activity with its starting time at 100 %) and writes it as the variant OUT.rsp\n"
    "of PROJECT.tbl, every block in the clean copy, without rooms, so that\n"
    "variant-show --json, the data check and the planning window judge FET's week.\n"
    "Activities without a starting time stay unplaced. Prints how many activities\n"
    "were placed. A file whose days, lesson numbers or activities are not what\n"
    "export-fet makes of PROJECT.tbl now is refused (exit 2), and nothing is written.\n",
    2, 2, nullptr, kOptions, runImportFetWeek};

}  // namespace lovaris::cli
