// lovaris-cli import-fet: a school from FET's XML file made into a project.
#include <array>

#include "CliCommand.h"
#include "CliSupport.h"
#include "core/common/FileIO.h"
#include "core/common/MessageFormat.h"
#include "interchange/FetImport.h"

namespace lovaris::cli {
namespace {

constexpr std::array<CliOption, 1> kOptions = {CliOption{"--report", false}};

int runImportFet(const CliArguments& args) {
    const std::string& inPath = args.plain[0];
    const auto bytes = ReadWholeFile(inPath);
    if (!bytes) return ReportFailure(FormatMessage(TextId::FileOpenError, FileNameWithoutFolder(inPath)), kExitRefused);

    auto result = interchange::ImportFet(*bytes);
    if (!result.project) return ReportFailure("import-fet: " + FileNameWithoutFolder(inPath) + ": " + result.error, kExitRefused);

    ProjectDocument out;
    out.project() = std::move(*result.project);
    if (const int status = SaveProjectAs(out, args.plain[1]); status != kExitOk) return status;
    return args.has("--report") ? WriteStdout(result.report.text(out.project())) : kExitOk;
}

}  // namespace

const CliCommand kImportFetCommand{
    "import-fet", "IN.fet OUT.tbl [--report]", "make a project from a FET school",
    "Reads a school from FET's file IN.fet and writes it as the project OUT.tbl:\n"
    "days and hours, students as classes (a year's classes at the level where its\n"
    "activities fall most as a whole), subjects, teachers, rooms, activities as\n"
    "lessons (a split as the hour spread, several classes as linked subgroups,\n"
    "several teachers as one subgroup each), not-available and break times as busy\n"
    "hours, home rooms as attached rooms, preferred rooms as wished rooms (a subject's\n"
    "rooms at 100 % also as a specialisation it needs), activities' preferred starting\n"
    "times and time slots at 100 % as their lessons' busy hours, an activity's rooms at\n"
    "100 % (or its subject's for its tag) as a specialisation its lesson's subject\n"
    "needs (a subject of its own named after the rooms where the subject's other\n"
    "activities are free), teachers' duties without students at a time FET fixes as\n"
    "their busy hours, a teacher's maximum days per week at 100 % as free days. A\n"
    "year whose divisions cross has its subgroups as classes; a year whose subgroups\n"
    "have no activity and no time of their own keeps its groups (the forms) as\n"
    "classes, their options as linked subgroups.\n"
    "--report prints the counts and what the project could not hold.\n"
    "A file that is no complete FET file, names what it does not define, has more\n"
    "than 6 days or 24 hours, or holds numbers out of range is refused with the\n"
    "reason, and nothing is written.\n",
    2, 2, nullptr, kOptions, runImportFet};

}  // namespace lovaris::cli
