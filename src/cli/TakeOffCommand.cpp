// lovaris-cli take-off: the popup menus' "Снять урок".
#include "ManualCliSupport.h"

namespace lovaris::cli {
namespace {

int runTakeOff(const CliArguments& args) { return RunManualMenuCommand("take-off", args, false); }

}  // namespace

const CliCommand kTakeOffCommand{
    "take-off", "PROJECT.tbl VARIANT.rsp --day D (--class NAME | --teacher NAME) --at N [--draft] -o OUT.rsp",
    "take a lesson off a day",
    "\"Снять урок\" on lesson N of day D (with --draft: draft position N) in the row of\n"
    "the class or teacher named: the lesson's hours of the day, clean copy and draft,\n"
    "leave the day with those of its linked lessons; the drafts close up.\n"
    "  -o OUT.rsp      where the changed variant is saved\n"
    "Exit status 3 when refused: the reason on stderr, nothing written.\n",
    2, 2, nullptr, kManualMenuOptions, runTakeOff};

}  // namespace lovaris::cli
