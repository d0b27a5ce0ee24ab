// lovaris-cli to-draft: the popup menus' "Перенести в черновик".
#include "ManualCliSupport.h"

namespace lovaris::cli {
namespace {

int runToDraft(const CliArguments& args) { return RunManualMenuCommand("to-draft", args, true); }

}  // namespace

const CliCommand kToDraftCommand{
    "to-draft", "PROJECT.tbl VARIANT.rsp --day D (--class NAME | --teacher NAME) --at N -o OUT.rsp",
    "move a placed lesson into the draft",
    "\"Перенести в черновик\" on lesson N of day D in the row of the class or teacher\n"
    "named: the lesson's hours of the day, with those of its linked lessons, go to the\n"
    "end of their classes' drafts, rooms cleared. Every teacher's and class's draft\n"
    "must have room for them; the first one without is named.\n"
    "  -o OUT.rsp      where the changed variant is saved\n"
    "Exit status 3 when refused: the message on stderr, nothing written.\n",
    2, 2, nullptr, kManualMenuOptions, runToDraft};

}  // namespace lovaris::cli
