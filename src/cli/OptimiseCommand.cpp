// lovaris-cli optimise: the optimisation of one day of a variant, as the planning
// window runs it, with every question answered "Нет" and "Продолжить" pressed
// until enough complete variants were found.
#include <array>
#include <optional>

#include "CliCommand.h"
#include "CliSupport.h"
#include "OptimiseRun.h"
#include "VariantCliSupport.h"

namespace lovaris::cli {
namespace {

constexpr std::array<CliOption, 9> kOptions = {
    CliOption{"--day", true},           CliOption{"--group", true},          CliOption{"--find-best", false},
    CliOption{"--attached-rooms", false}, CliOption{"--separated-hours", false}, CliOption{"--max-variants", true},
    CliOption{"--autosave", false},     CliOption{"-o", true},               CliOption{"--output", true}};

int runOptimise(const CliArguments& args) {
    OptimiseRequest request;
    const auto day = NumberOption(args, "--day", 1, 6);
    if (!day || *day < 1) return ReportFailure("lovaris-cli: --day takes a day 1..6 (Monday..Saturday)", kExitFailure);
    request.day = static_cast<int>(*day);
    if (const auto group = NumberOption(args, "--group", 0, 1 << 20)) {
        if (*group < 0) return ReportFailure("lovaris-cli: --group takes a group number from 0", kExitFailure);
        request.group = static_cast<int>(*group);
    }
    if (const auto most = NumberOption(args, "--max-variants", 1, 1 << 20)) {
        if (*most < 1) return ReportFailure("lovaris-cli: --max-variants takes a number from 1", kExitFailure);
        request.maxVariants = static_cast<int>(*most);
    }
    const std::string* out = args.output();
    if (!out) return ReportFailure("lovaris-cli: -o OUT.rsp is needed", kExitFailure);
    request.findBest = args.has("--find-best");
    request.attachedRooms = args.has("--attached-rooms");
    request.separatedHours = args.has("--separated-hours");
    request.autoSave = args.has("--autosave");
    if (request.autoSave && !request.group)
        return ReportFailure("lovaris-cli: --autosave takes one group: give --group N", kExitFailure);
    if (request.autoSave && args.has("--max-variants"))
        return ReportFailure("lovaris-cli: --autosave stops at the variant's own maximum; leave out --max-variants",
                             kExitFailure);

    PlanningWorkspace opened;
    if (const int status = OpenPlanningWorkspace(args.plain[0], args.plain[1], opened); status != kExitOk)
        return status;
    return RunOptimise(*opened.workspace, request, *out);
}

}  // namespace

const CliCommand kOptimiseCommand{
    "optimise",
    "PROJECT.tbl VARIANT.rsp --day D [--group N] [--find-best] [--attached-rooms] [--separated-hours] "
    "[--max-variants K | --autosave] -o OUT.rsp",
    "place a day's draft lessons into the clean copy",
    "Optimises day D of the variant VARIANT.rsp of the project PROJECT.tbl and writes\n"
    "the result to OUT.rsp (VARIANT.rsp is not changed). The draft lessons of the day's\n"
    "teacher group are placed into the clean copy so that every class has a day without\n"
    "gaps that begins at one of its starting lessons, and no teacher, class or shared\n"
    "attached room is used twice at one lesson number; the clean copy stays as it is.\n"
    "The day is checked first: every teacher of the group and every class needs room\n"
    "for its clean-copy and draft lessons. Questions about the clean copy are printed\n"
    "and answered \"Нет\". Teachers may get as many windows as they have, at least the\n"
    "variant's \"windows per teacher\" option.\n"
    "  --day D             the day, 1 Monday .. 6 Saturday\n"
    "  --group N           only teacher group N of the day (from 0); by default every\n"
    "                      group with teachers in turn, each on the result of the one before\n"
    "  --find-best         hand over only variants with fewer windows of the group's\n"
    "                      teachers than every one before; the best is written\n"
    "  --attached-rooms    teachers sharing an attached room never teach at one time\n"
    "  --separated-hours   a separated lesson never stands next to its parent\n"
    "  --max-variants K    go on after each complete variant until K were found\n"
    "                      (default 1); the last one (with --find-best the best) is written\n"
    "  --autosave          with --group: save each complete variant as the planning\n"
    "                      window does, beside OUT, named by the weekday, \"_Опт\", \"_\"\n"
    "                      and its number (\"Понедельник_Опт_1.rsp\"; a file of that name\n"
    "                      is replaced), and stop once the variant's \"maximum variants\n"
    "                      per day\" option were saved (the first one when it is 0)\n"
    "  -o, --output OUT    the variant written, safely (a temporary file renamed over it)\n"
    "Printed: per group its teachers, the day variants of each class, the complete\n"
    "variants found, the windows of the group's teachers and the time of each stage.\n"
    "Exit status 3 when a check stops the run (its message on stderr, nothing written)\n"
    "or no complete variant exists: then the best incomplete arrangement is written\n"
    "and the system's message is printed on stderr. Exit status 1 when a variant\n"
    "cannot be saved (the system's message on stderr).\n",
    2, 2, nullptr, kOptions, runOptimise};

}  // namespace lovaris::cli
