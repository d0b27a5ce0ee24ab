// lovaris-cli set-room: a room chosen in the room popup.
#include <array>

#include "CliSupport.h"
#include "ManualCliSupport.h"

namespace lovaris::cli {
namespace {

constexpr std::array<CliOption, 7> kOptions = {kDayOption,           kClassOption,           CliOption{"--at", true},
                                               CliOption{"--group", true}, CliOption{"--room", true},
                                               CliOption{"--none", false}, CliOption{"-o", true}};

int runSetRoom(const CliArguments& args) {
    constexpr std::string_view kName = "set-room";
    if (const int status = RequireOutput(kName, args); status != kExitOk) return status;
    if (args.has("--room") == args.has("--none")) return UsageFailure(kName, "give either --room NAME or --none");
    ManualSession session;
    ManualCell cell;
    RoomPopup popup;
    if (const int status = OpenRoomPopupAt(kName, args, session, cell, popup); status != kExitOk) return status;
    const PlanningSession& planning = session.workspace().session();
    int group = 0;
    if (const int status = NumberArg(kName, args, "--group", 1, static_cast<int>(popup.tabs.size()), group);
        status != kExitOk)
        return status;
    int room = kNoRoomChoice;
    if (args.has("--room")) {
        const std::string& name = args.options.find("--room")->second;
        room = -2;
        for (int r = 0; r < planning.rooms().count(); ++r)
            if (planning.rooms().at(r).displayName() == name) room = r;
        if (room == -2) return UsageFailure(kName, "no room named " + name);
    }
    const int hour = cell.number - popup.first + 1;
    const ManualOutcome outcome = session.manual->ChooseRoom(popup, group - 1, hour, room);
    if (!outcome.done()) return ReportRefusal(outcome.message);
    return SaveManualResult(session, args, "room set for " + popup.tabs[static_cast<std::size_t>(group - 1)].caption +
                                               " at lesson " + std::to_string(cell.number) + "\n");
}

}  // namespace

const CliCommand kSetRoomCommand{
    "set-room", "PROJECT.tbl VARIANT.rsp --day D --class NAME --at N --group G (--room NAME | --none) -o OUT.rsp",
    "choose one room in the room popup",
    "Chooses, in the room popup of the block at lesson N of day D of the class named,\n"
    "on tab G (\"Группа G\", see room-choices), the room for lesson N: the subgroup and\n"
    "the subgroups linked with it lose their room then and get the one named (with\n"
    "--none: \"Отсутствует\", no room).\n"
    "  -o OUT.rsp      where the changed variant is saved\n"
    "Exit status 3 when the room is not offered there: the reason on stderr, nothing\n"
    "written.\n",
    2, 2, nullptr, kOptions, runSetRoom};

}  // namespace lovaris::cli
