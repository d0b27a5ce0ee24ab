#include <array>
#include <string>

#include "CliCommand.h"
#include "CliSupport.h"
#include "VariantCliSupport.h"
#include "core/common/StringTable.h"
#include "core/rooms/RoomAssignment.h"
#include "core/rooms/RoomAssignmentSubgroups.h"
#include "core/planning/VariantPlanning.h"

namespace lovaris::cli {
namespace {

constexpr std::array<CliOption, 4> kOptions = {CliOption{"--day", true}, CliOption{"--all", false},
                                               CliOption{"--answer", true}, CliOption{"-o", true}};

// Answers every question alike and writes each one down with its answer.
class FixedAnswer : public RoomQuestionSink {
public:
    FixedAnswer(bool yes, std::string& log) : yes_(yes), log_(log) {}
    bool Ask(const RoomQuestion& question) override {
        log_ += "  question: " + question.text + "\n  answer: " + LoadResText(yes_ ? TextId::Yes : TextId::No) + "\n";
        return yes_;
    }

private:
    bool yes_;
    std::string& log_;
};

std::string coverageText(const RoomCoverage& c) {
    return std::to_string(c.withRoom) + " subgroups got a room, " + std::to_string(c.withoutRoom) +
           " left without one";
}

int usageFailure(const std::string& problem) { return ReportFailure("lovaris-cli: rooms: " + problem, kExitFailure); }

int runRooms(const CliArguments& args) {
    const auto day = args.options.find("--day");
    if ((day != args.options.end()) == args.has("--all")) return usageFailure("give either --day D or --all");
    if (day != args.options.end() && (day->second.size() != 1 || day->second[0] < '1' || day->second[0] > '6'))
        return usageFailure("--day takes a day 1..6 (Monday..Saturday)");
    bool yes = true;
    if (const auto answer = args.options.find("--answer"); answer != args.options.end()) {
        if (answer->second != "yes" && answer->second != "no") return usageFailure("--answer takes yes or no");
        yes = answer->second == "yes";
    }
    const auto out = args.options.find("-o");
    if (out == args.options.end() || out->second.empty()) return usageFailure("-o OUT.rsp is required");

    PlanningProject project;
    LoadedVariant loaded;
    if (const int status = OpenPlanningVariant(args.plain[0], args.plain[1], project, loaded); status != kExitOk)
        return status;

    PlanningSession& session = *project.session;
    const int firstDay = day != args.options.end() ? day->second[0] - '0' : 1;
    const int lastDay = day != args.options.end() ? firstDay : kVariantDays;
    std::string text;
    FixedAnswer answers(yes, text);
    RoomCoverage total;
    bool complete = true;
    for (int d = firstDay; d <= lastDay; ++d) {
        text += "day " + std::to_string(d) + ":\n";
        // The day's teacher groups, as the desktop program builds them on a day change.
        session.state().currentDay = d;
        VariantPlanning planning(loaded.variant, session);
        session.SetupDay(planning);
        const RoomAssignmentOutcome outcome = AssignRooms(session, loaded.variant, answers);
        const RoomCoverage coverage = CountRoomCoverage(loaded.variant, session.klasses(), d);
        if (outcome.end == RoomAssignmentEnd::EndedByQuestion)
            text += outcome.variantChanged ? "  stopped: rooms given until then are kept\n"
                                           : "  stopped: the day's rooms are left as they were\n";
        text += "  " + coverageText(coverage) + "\n";
        total.withRoom += coverage.withRoom;
        total.withoutRoom += coverage.withoutRoom;
        complete = complete && outcome.end == RoomAssignmentEnd::Finished && coverage.withoutRoom == 0;
    }
    if (firstDay != lastDay) text += "all days: " + coverageText(total) + "\n";

    if (const int status = SaveVariant(out->second, loaded); status != kExitOk) return status;
    if (const int status = WriteStdout(text); status != kExitOk) return status;
    return complete ? kExitOk : kExitNoResult;
}

}  // namespace

const CliCommand kRoomsCommand{
    "rooms", "PROJECT.tbl VARIANT.rsp (--day D | --all) [--answer yes|no] -o OUT.rsp",
    "assign rooms to the placed lessons of a day",
    "Opens the variant VARIANT.rsp with the project PROJECT.tbl, assigns rooms to the\n"
    "lessons in the clean copy of day D (or of days 1..6, one after the other) as the\n"
    "command \"Расстановка кабинетов\" does, and saves the variant as OUT.rsp. The\n"
    "day's rooms are cleared first; teachers' attached rooms come first, then rooms\n"
    "of the subjects' specialisations, then any room that hosts the subject.\n"
    "  --day D        day D (1 Monday .. 6 Saturday)\n"
    "  --all          days 1..6\n"
    "  --answer A     the answer to every question the assignment asks: yes (the\n"
    "                 default) goes on, no stops that day's assignment, keeping the\n"
    "                 rooms given until then\n"
    "  -o OUT.rsp     where the variant is saved\n"
    "Each question is printed with its answer, then per day how many subgroups got a\n"
    "room and how many were left without one. Exit status 3: some subgroup was left\n"
    "without a room or a day's assignment was stopped by an answer (OUT.rsp is\n"
    "written all the same). Nothing is written when either file is refused.\n",
    2, 2, nullptr, kOptions, runRooms};

}  // namespace lovaris::cli
