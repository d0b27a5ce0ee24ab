// lovaris-cli choices: what the lesson choice popup of "Поставить урок" lists.
#include <array>

#include <nlohmann/json.hpp>

#include "CliSupport.h"
#include "ManualCliSupport.h"

namespace lovaris::cli {
namespace {

constexpr std::array<CliOption, 6> kOptions = {kDayOption,           kClassOption,        kTeacherOption,
                                               CliOption{"--at", true}, CliOption{"--draft", false},
                                               CliOption{"--json", false}};

std::string SizesText(const std::vector<int>& sizes) {
    std::string text;
    for (int size : sizes) text += (text.empty() ? "" : ",") + std::to_string(size);
    return text;
}

std::string ChoiceText(const LessonChoice& choice, const PlanningSession& session) {
    std::string text = "position " + std::to_string(choice.position) + ", free " + std::to_string(choice.freeRun) + "\n";
    if (!choice.shown()) return text + "no lesson to choose: the popup stays hidden\n";
    for (const ChoiceTab& tab : choice.tabs) {
        text += "[" + tab.caption + "]\n";
        for (const ChoiceEntry& entry : tab.entries) {
            const int id = session.klasses().at(entry.klass).lesson(entry.lesson).id;
            text += "  " + entry.subjectText + " | lesson " + std::to_string(id) + " | hours " +
                    LessonChoice::HoursText(entry) + " of " + SizesText(entry.sizes) + " | fit " +
                    std::to_string(entry.fit) + " | state " + std::to_string(static_cast<int>(choice.State(entry)));
            const std::string status = choice.StatusText(entry);
            text += (status.empty() ? std::string() : " | " + status) + "\n";
        }
    }
    return text;
}

std::string ChoiceJson(const LessonChoice& choice, const PlanningSession& session) {
    nlohmann::ordered_json tabs = nlohmann::ordered_json::array();
    for (const ChoiceTab& tab : choice.tabs) {
        nlohmann::ordered_json entries = nlohmann::ordered_json::array();
        for (const ChoiceEntry& entry : tab.entries)
            entries.push_back({{"subject", entry.subjectText},
                               {"lesson", session.klasses().at(entry.klass).lesson(entry.lesson).id},
                               {"class", session.klasses().at(entry.klass).displayName()},
                               {"sizes", entry.sizes},
                               {"size", entry.size()},
                               {"fit", entry.fit},
                               {"state", static_cast<int>(choice.State(entry))},
                               {"message", choice.StatusText(entry)}});
        tabs.push_back({{"caption", tab.caption}, {"key", tab.key}, {"entries", std::move(entries)}});
    }
    nlohmann::ordered_json out = {{"position", choice.position},
                                  {"free", choice.freeRun},
                                  {"shown", choice.shown()},
                                  {"tabs", std::move(tabs)}};
    return out.dump(2) + "\n";
}

int runChoices(const CliArguments& args) {
    constexpr std::string_view kName = "choices";
    ManualSession session;
    ManualCell cell;
    if (const int status = OpenManualCell(kName, args, session, "--at", false, cell); status != kExitOk)
        return status;
    const PlanningSession& planning = session.workspace().session();
    const LessonChoice choice = session.manual->OpenChoice(cell);
    return WriteStdout(args.has("--json") ? ChoiceJson(choice, planning) : ChoiceText(choice, planning));
}

}  // namespace

const CliCommand kChoicesCommand{
    "choices", "PROJECT.tbl VARIANT.rsp --day D (--class NAME | --teacher NAME) --at N [--draft] [--json]",
    "list the lessons \"Поставить урок\" offers at a place",
    "Prints what the lesson choice popup shows for lesson N of day D (with --draft:\n"
    "the draft, from its first free position up to N) in the row of the class or teacher\n"
    "named: the place and how many hours are free there, then each tab (\"Черновик\",\n"
    "\"Общие\", the weekdays) with its rows: the lesson's text and ID, the hours chosen\n"
    "of its block sizes, how many hours its whole link set has free from the place,\n"
    "its state (0 it can be placed) and the status bar's message.\n"
    "  --json          the same as JSON\n",
    2, 2, nullptr, kOptions, runChoices};

}  // namespace lovaris::cli
