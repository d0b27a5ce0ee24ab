// lovaris-cli place: a row of the lesson choice popup double-clicked.
#include <algorithm>
#include <array>

#include "CliSupport.h"
#include "ManualCliSupport.h"

namespace lovaris::cli {
namespace {

constexpr std::array<CliOption, 9> kOptions = {
    kDayOption,          kClassOption,           kTeacherOption,         CliOption{"--at", true},
    CliOption{"--lesson", true}, CliOption{"--tab", true}, CliOption{"--size", true}, CliOption{"--draft", false},
    CliOption{"-o", true}};

int runPlace(const CliArguments& args) {
    constexpr std::string_view kName = "place";
    if (const int status = RequireOutput(kName, args); status != kExitOk) return status;
    int lessonId = 0;
    if (const int status = NumberArg(kName, args, "--lesson", 0, 2147483647, lessonId); status != kExitOk)
        return status;
    ManualSession session;
    ManualCell cell;
    if (const int status = OpenManualCell(kName, args, session, "--at", false, cell); status != kExitOk)
        return status;
    const PlanningSession& planning = session.workspace().session();
    LessonChoice choice = session.manual->OpenChoice(cell);

    // The row: the lesson on the tab given (by caption or key), else on the first tab that lists it.
    const auto tabOption = args.options.find("--tab");
    int tab = -1;
    int row = -1;
    for (std::size_t t = 0; t < choice.tabs.size() && tab < 0; ++t) {
        const ChoiceTab& candidate = choice.tabs[t];
        if (tabOption != args.options.end() && tabOption->second != candidate.caption &&
            tabOption->second != std::to_string(candidate.key))
            continue;
        for (std::size_t r = 0; r < candidate.entries.size(); ++r) {
            const ChoiceEntry& entry = candidate.entries[r];
            if (planning.klasses().at(entry.klass).lesson(entry.lesson).id != lessonId) continue;
            tab = static_cast<int>(t);
            row = static_cast<int>(r);
            break;
        }
    }
    if (tab < 0) return ReportRefusal("lovaris-cli: place: the popup lists no lesson " + std::to_string(lessonId) +
                                      (tabOption != args.options.end() ? " on tab " + tabOption->second : "") +
                                      " at this place");
    if (args.has("--size")) {
        int size = 0;
        if (const int status = NumberArg(kName, args, "--size", 1, 24, size); status != kExitOk) return status;
        ChoiceEntry& entry = *choice.entry(tab, row);
        const auto it = std::find(entry.sizes.begin(), entry.sizes.end(), size);
        if (it == entry.sizes.end()) return UsageFailure(kName, "the row offers no block of " + std::to_string(size));
        entry.selected = static_cast<int>(it - entry.sizes.begin());
    }
    const ChoiceEntry& entry = *choice.entry(tab, row);
    if (const std::string status = choice.StatusText(entry); !status.empty()) return ReportRefusal(status);
    const ManualOutcome outcome = session.manual->PlaceChoice(choice, tab, row);
    if (!outcome.done()) return ReportRefusal(outcome.message);
    return SaveManualResult(session, args,
                            "placed " + LessonChoice::HoursText(entry) + " hour(s) from " +
                                std::to_string(choice.position) + (cell.draft ? " in the draft" : "") + "\n");
}

}  // namespace

const CliCommand kPlaceCommand{
    "place",
    "PROJECT.tbl VARIANT.rsp --day D (--class NAME | --teacher NAME) --at N --lesson ID [--tab T] [--size K] "
    "[--draft] -o OUT.rsp",
    "put a lesson at a place, as the choice popup does",
    "Does what a double click on a row of the lesson choice popup does (see choices):\n"
    "the lesson with project ID \"ID\" is placed at lesson N of day D, or at the end of\n"
    "the drafts with --draft, together with its linked lessons. From the tab \"Общие\" a\n"
    "new block is written; from a day's tab (or \"Черновик\") the lesson's hours of that\n"
    "day move here.\n"
    "  --tab T         the tab, by caption or key (0 \"Общие\", 1..6 the days); the first\n"
    "                  tab listing the lesson when not given\n"
    "  --size K        the block size on \"Общие\" (the row's first when not given)\n"
    "  -o OUT.rsp      where the changed variant is saved\n"
    "Exit status 3 when the row cannot be placed: its status message on stderr,\n"
    "nothing written.\n",
    2, 2, nullptr, kOptions, runPlace};

}  // namespace lovaris::cli
