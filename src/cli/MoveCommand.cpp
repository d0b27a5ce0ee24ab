// lovaris-cli move: a block dragged to another hour, as in the class and teacher
// views, or to another day, as in the details window.
#include <array>

#include "CliSupport.h"
#include "ManualCliSupport.h"

namespace lovaris::cli {
namespace {

constexpr std::array<CliOption, 7> kOptions = {kDayOption, kClassOption, kTeacherOption, CliOption{"--from", true},
                                               CliOption{"--to", true}, CliOption{"--to-day", true},
                                               CliOption{"-o", true}};

int runMove(const CliArguments& args) {
    constexpr std::string_view kName = "move";
    if (const int status = RequireOutput(kName, args); status != kExitOk) return status;
    ManualSession session;
    ManualCell from;
    if (const int status = OpenManualCell(kName, args, session, "--from", false, from); status != kExitOk)
        return status;
    ManualCell to = from;
    const int perDay = session.workspace().session().params().lessonsPerDay;
    if (const int status = NumberArg(kName, args, "--to", 1, perDay, to.number); status != kExitOk) return status;
    if (args.has("--to-day"))
        if (const int status = NumberArg(kName, args, "--to-day", 1, 6, to.day); status != kExitOk) return status;
    const ManualOutcome outcome = session.manual->Drop(from, to);
    if (!outcome.done()) return ReportRefusal(outcome.message);
    return SaveManualResult(session, args,
                            "moved to lesson " + std::to_string(to.number) + " of day " + std::to_string(to.day) +
                                (outcome.manyKlasses ? ", with its linked lessons\n" : "\n"));
}

}  // namespace

const CliCommand kMoveCommand{
    "move", "PROJECT.tbl VARIANT.rsp --day D (--class NAME | --teacher NAME) --from S --to T [--to-day D2] -o OUT.rsp",
    "move a placed block to another hour, or another day",
    "Drags the block that begins at lesson S of day D in the clean copy, in the row of\n"
    "the class or teacher named, to lesson T, as the class and teacher views do: the\n"
    "lessons linked with it move along in their classes, rooms are cleared. With\n"
    "--to-day the block goes to lesson T of day D2 as the details window moves it: the\n"
    "lesson must have no hours on D2 yet and its teachers must teach nothing there.\n"
    "  --day D         the day the block stands on (1 Monday .. 6 Saturday)\n"
    "  --from S        the block's first lesson number\n"
    "  --to T          the lesson number it is to begin at\n"
    "  --to-day D2     the day it goes to (D when not given)\n"
    "  -o OUT.rsp      where the changed variant is saved\n"
    "Exit status 3 when the move is refused: the reason is printed on stderr and\n"
    "nothing is written.\n",
    2, 2, nullptr, kOptions, runMove};

}  // namespace lovaris::cli
