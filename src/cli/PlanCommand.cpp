// lovaris-cli plan: the whole week of a new variant in one run, as the planner would
// build it with the week variant search, the optimisation and room assignment.
#include <array>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "CliCommand.h"
#include "CliSupport.h"
#include "VariantCliSupport.h"
#include "core/weekplan/WeekPlan.h"

namespace lovaris::cli {
namespace {

// A week search left alone may go on for hours: every search gets a limit. What a
// search misses the completion mostly makes up for, so a short one serves.
constexpr double kDefaultSeconds = 0.1;

constexpr std::array<CliOption, 3> kOptions = {CliOption{"-o", true}, CliOption{"--output", true},
                                               CliOption{"--seconds", true}};

// Each search may take this long.
class TimeBudget : public SearchBudget {
public:
    explicit TimeBudget(std::chrono::steady_clock::duration limit) : limit_(limit) {}
    void start() override { end_ = std::chrono::steady_clock::now() + limit_; }
    bool spent() override { return std::chrono::steady_clock::now() >= end_; }

private:
    std::chrono::steady_clock::duration limit_;
    std::chrono::steady_clock::time_point end_;
};

std::string DefaultOutput(const std::string& project) {
    const std::filesystem::path path(project);
    return (path.parent_path() / (path.stem().string() + "-plan.rsp")).string();
}

std::string Seconds(std::chrono::nanoseconds time) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f s", std::chrono::duration<double>(time).count());
    return text;
}

std::string Report(const WeekPlanResult& result, const std::string& output) {
    const WeekPlanSummary& s = result.summary;
    std::string text;
    text += "Week search: " + std::to_string(result.weekGroupsSearched) + " teacher groups, " +
            std::to_string(result.weekMembersCut) + " teacher passes ended by the time limit\n";
    text += "Optimisation: " + std::to_string(result.dayRunsComplete) + " group days complete, " +
            std::to_string(result.dayRunsIncomplete) + " incomplete (" + std::to_string(result.dayRunsCut) +
            " ended by the time limit), " + std::to_string(result.dayRunsRefused) + " refused, " +
            std::to_string(result.dayRunsWithMoreWindows) + " with more teacher windows\n";
    text += "Room assignment: " + std::to_string(result.roomQuestionsAnswered) + " questions answered \"Да\"\n";
    text += "Completion: " + std::to_string(result.completion.draftHoursPlaced) + " draft hours put in, " +
            std::to_string(result.completion.unplacedHoursPlaced) + " hours that stood on no day, " +
            std::to_string(result.completion.displacedHours) + " hours that made way for them\n\n";
    text += "Hours required:          " + std::to_string(s.requiredHours) + "\n";
    text += "  in the clean copy:     " + std::to_string(s.cleanHours) + "\n";
    text += "  left in the draft:     " + std::to_string(s.draftHours) + "\n";
    text += "  not placed:            " + std::to_string(s.notPlacedHours) + "\n";
    text += "Class gaps:              " + std::to_string(s.classGaps) + "\n";
    text += "Teacher windows:         " + std::to_string(s.teacherWindows[0]) + " (by day";
    for (int d = 1; d <= kVariantDays; ++d) text += " " + std::to_string(s.teacherWindows[static_cast<std::size_t>(d)]);
    text += ")\n";
    text += "Subgroups without a room: " + std::to_string(s.subgroupsWithoutRoom) + "\n";
    text += "Time:";
    for (std::size_t i = 0; i < result.stages.size(); ++i)
        text += std::string(i == 0 ? " " : ", ") + result.stages[i].name + " " + Seconds(result.stages[i].time);
    text += "\nWritten: " + output + "\n";
    return text;
}

int runPlan(const CliArguments& args) {
    const double seconds = SecondsOption(args, "--seconds").value_or(kDefaultSeconds);
    if (seconds <= 0) return ReportFailure("lovaris-cli: --seconds takes a number of seconds above 0", kExitFailure);
    const auto limit =
        std::chrono::duration_cast<std::chrono::steady_clock::duration>(std::chrono::duration<double>(seconds));
    const std::string* out = args.output();
    const std::string output = out ? *out : DefaultOutput(args.plain[0]);

    PlanningProject project;
    if (const int status = OpenPlanningProject(args.plain[0], project); status != kExitOk) return status;
    LoadedVariant planned;
    planned.variant = project.session->NewVariant();
    planned.options = VariantOptions::Defaults(planned.variant.classCount(), planned.variant.lessonsPerDay());

    TimeBudget budget(limit);
    const WeekPlanResult result = PlanWholeWeek(*project.session, planned.variant, planned.options, budget);
    if (const int status = SaveVariant(output, planned); status != kExitOk) return status;
    if (const int status = WriteStdout(Report(result, output)); status != kExitOk) return status;
    return result.summary.cleanHours == result.summary.requiredHours ? kExitOk : kExitNoResult;
}

}  // namespace

const CliCommand kPlanCommand{
    "plan",
    "PROJECT.tbl [-o OUT.rsp] [--seconds S]",
    "plan a whole week into a new variant",
    "Builds a new timetable variant of the project PROJECT.tbl in one run:\n"
    "  1. the week variant search of every week teacher group, into the draft;\n"
    "  2. for each day Monday..Saturday, the optimisation of every teacher group of\n"
    "     the day, keeping its first complete variant or else its best incomplete\n"
    "     one (questions about the clean copy answered \"Нет\"; a group whose day\n"
    "     has no room for its lessons is left out); a group that cannot complete\n"
    "     its day is tried again from the same day with up to two more windows per\n"
    "     teacher, and the arrangement leaving the fewest hours in the draft stays;\n"
    "  3. room assignment of every day, every question answered \"Да\";\n"
    "  4. the completion: each block still in a draft, and each curriculum block on\n"
    "     no day, the hardest first, goes into the clean copy with its rooms: into a\n"
    "     gap or next to its class's day, on its own day or another one without\n"
    "     that lesson, with the class's day arranged afresh around it, or where\n"
    "     blocks of its class or lessons of its teachers stand, which make way; a\n"
    "     class's day never gains a gap nor more hours than its heaviest day (or\n"
    "     its weekly hours spread evenly); then class days are arranged afresh,\n"
    "     gaps filled with the last lesson of another day and lessons moved to\n"
    "     other days wherever that closes gaps or leaves teachers fewer windows;\n"
    "     the completion is tried walking the classes and days in four orders, and\n"
    "     the one leaving the fewest hours out, then gaps, then windows stays.\n"
    "Then it prints the hours required, placed in the clean copy, left in the draft\n"
    "and not placed, the gaps in the classes' days, the teachers' windows by day, the\n"
    "subgroup hours without a room and the time of each stage, and writes the variant.\n"
    "  -o, --output OUT.rsp  where to write the variant; by default PROJECT-plan.rsp\n"
    "                        beside the project (school.tbl gives school-plan.rsp)\n"
    "  --seconds S           time for each search, 0.1 by default: a teacher's pass of\n"
    "                        the week search then ends as by \"Дальше\" (the teacher\n"
    "                        keeps its best distribution) and a group's optimisation\n"
    "                        of a day as by \"Прервать\" (its best incomplete\n"
    "                        arrangement stays)\n"
    "Exit status: 0 every required hour stands in the clean copy, 3 the plan ran but\n"
    "some hours did not get there, 2 PROJECT.tbl refused, 1 any other failure.\n",
    1, 1, nullptr, kOptions, runPlan};

}  // namespace lovaris::cli
