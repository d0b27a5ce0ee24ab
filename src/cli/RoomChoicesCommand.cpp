// lovaris-cli room-choices: what the room popup of "Назначить кабинет" lists.
#include <array>

#include <nlohmann/json.hpp>

#include "CliSupport.h"
#include "ManualCliSupport.h"

namespace lovaris::cli {
namespace {

constexpr std::array<CliOption, 4> kOptions = {kDayOption, kClassOption, CliOption{"--at", true},
                                               CliOption{"--json", false}};

std::string PopupText(const ManualPlacement& manual, const RoomPopup& popup) {
    std::string text = "block from lesson " + std::to_string(popup.first) + ", " + std::to_string(popup.hours) +
                       " hour(s)\n";
    for (int t = 0; t < static_cast<int>(popup.tabs.size()); ++t) {
        const RoomPopupTab& tab = popup.tabs[static_cast<std::size_t>(t)];
        text += "[" + tab.caption + "] " + tab.teacherText + "\n";
        for (const RoomPopupRow& row : manual.RoomRows(popup, t)) {
            text += "  " + std::to_string(row.hour) + ":";
            for (std::size_t i = 0; i < row.texts.size(); ++i)
                text += (i == 0 ? " " : ", ") + std::string(static_cast<int>(i) == row.selected ? "*" : "") +
                        row.texts[i];
            text += "\n";
        }
    }
    return text;
}

std::string PopupJson(const ManualPlacement& manual, const RoomPopup& popup) {
    nlohmann::ordered_json tabs = nlohmann::ordered_json::array();
    for (int t = 0; t < static_cast<int>(popup.tabs.size()); ++t) {
        const RoomPopupTab& tab = popup.tabs[static_cast<std::size_t>(t)];
        nlohmann::ordered_json rows = nlohmann::ordered_json::array();
        for (const RoomPopupRow& row : manual.RoomRows(popup, t)) {
            const std::string selected = row.texts.empty() ? std::string() : row.texts[static_cast<std::size_t>(row.selected)];
            rows.push_back({{"hour", row.hour}, {"lesson", row.number}, {"rooms", row.texts}, {"selected", selected}});
        }
        tabs.push_back({{"caption", tab.caption}, {"teacher", tab.teacherText}, {"rows", std::move(rows)}});
    }
    nlohmann::ordered_json out = {{"first", popup.first}, {"hours", popup.hours}, {"tabs", std::move(tabs)}};
    return out.dump(2) + "\n";
}

int runRoomChoices(const CliArguments& args) {
    constexpr std::string_view kName = "room-choices";
    ManualSession session;
    ManualCell cell;
    RoomPopup popup;
    if (const int status = OpenRoomPopupAt(kName, args, session, cell, popup); status != kExitOk) return status;
    return WriteStdout(args.has("--json") ? PopupJson(*session.manual, popup) : PopupText(*session.manual, popup));
}

}  // namespace

const CliCommand kRoomChoicesCommand{
    "room-choices", "PROJECT.tbl VARIANT.rsp --day D --class NAME --at N [--json]",
    "list the rooms \"Назначить кабинет\" offers",
    "Prints the room popup of the block standing at lesson N of day D in the class\n"
    "named: one tab per teacher of the lesson and its linked lessons (\"Группа 1\", ...),\n"
    "and for each hour of the block the rooms offered, led by \"Отсутствует\", the\n"
    "current one marked with \"*\".\n"
    "  --json          the same as JSON\n"
    "Exit status 3 when the class has no lesson there.\n",
    2, 2, nullptr, kOptions, runRoomChoices};

}  // namespace lovaris::cli
