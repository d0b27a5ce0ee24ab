// lovaris-cli plan: the whole week of a new variant in one run, as the planner would
// build it with the week variant search, the optimisation and room assignment.
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <filesystem>
#include <memory>
#include <string>

#include "CliCommand.h"
#include "CliSupport.h"
#include "VariantCliSupport.h"
#include "WeekMeasureJson.h"
#include <nlohmann/json.hpp>

#include "core/weekplan/WeekPlan.h"

namespace lovaris::cli {
namespace {

// A week search of the stages left alone may go on for hours: every search gets a
// limit. What a search misses the completion mostly makes up for, so a short one serves.
constexpr double kDefaultSearchSeconds = 0.1;
// The whole plan, unless told otherwise: as long as one is prepared to wait for a school.
constexpr double kDefaultSeconds = 60;
constexpr long long kDefaultSteps = 20'000'000;
// A sample school's four runs try these in about 3 s on two cores.
constexpr long long kMostThreads = 256;

// The improvement's share of the plan's time when the search would take it all.
constexpr double kImprovementShare = 0.15;
constexpr double kMostImprovementSeconds = 10;

constexpr std::array<CliOption, 10> kOptions = {
    CliOption{"-o", true},        CliOption{"--output", true},         CliOption{"--seconds", true},
    CliOption{"--steps", true},   CliOption{"--seed", true},           CliOption{"--threads", true},
    CliOption{"--stages", false}, CliOption{"--search-seconds", true}, CliOption{"--improve-steps", true},
    CliOption{"--json", false}};

using Clock = std::chrono::steady_clock;

// Each search of the stages may take this long, and none goes past the plan's end.
class TimeBudget : public SearchBudget {
public:
    TimeBudget(Clock::duration limit, Clock::time_point planEnd) : limit_(limit), planEnd_(planEnd) {}
    void start() override { end_ = std::min(Clock::now() + limit_, planEnd_); }
    bool spent() override { return Clock::now() >= end_; }

private:
    Clock::duration limit_;
    Clock::time_point planEnd_;
    Clock::time_point end_;
};

// Ends the ejection search at the plan's end; on a terminal, a line of its progress
// every second.
class SearchProgress : public EjectionControl {
public:
    SearchProgress(Clock::time_point planEnd, bool terminal) : planEnd_(planEnd), terminal_(terminal) {}
    bool stop(const EjectionProgress& progress) override {
        const auto now = Clock::now();
        if (terminal_ && now >= nextLine_) {
            std::fprintf(stderr, "search: %lld steps, %d class hours waiting, best %d\n", progress.steps,
                         progress.hoursWaiting, progress.bestWaiting);
            nextLine_ = now + std::chrono::seconds(1);
        }
        return now >= planEnd_;
    }

private:
    Clock::time_point planEnd_;
    bool terminal_;
    Clock::time_point nextLine_ = Clock::now() + std::chrono::seconds(1);
};

std::optional<long long> CountOption(const CliArguments& args, std::string_view name, long long fallback) {
    const auto it = args.options.find(name);
    if (it == args.options.end()) return fallback;
    char* end = nullptr;
    errno = 0;
    const long long value = std::strtoll(it->second.c_str(), &end, 10);
    if (it->second.empty() || *end != '\0' || errno != 0 || value < 0) return std::nullopt;
    return value;
}

std::string DefaultOutput(const std::string& project) {
    const std::filesystem::path path(project);
    return (path.parent_path() / (path.stem().string() + "-plan.rsp")).string();
}

std::string Seconds(std::chrono::nanoseconds time) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f s", std::chrono::duration<double>(time).count());
    return text;
}

std::string StagesReport(const WeekPlanResult& result) {
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
            std::to_string(result.completion.displacedHours) + " hours that made way for them\n";
    return text;
}

std::string Decimal(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

std::string QualityReport(const WeekPlanResult& result) {
    const WeekQuality& q = result.quality;
    std::string text;
    text += "Teacher days over " + std::to_string(q.maxWindows) + " windows: " +
            std::to_string(q.teacherDaysOverWindows) + " (" + std::to_string(q.windowsOverMax) +
            " windows past the limit)\n";
    text += "Classes with lopsided days: " + std::to_string(q.lopsidedClasses) + " of " + std::to_string(q.classes) +
            " (widest spread " + std::to_string(q.widestSpread) + " lessons)\n";
    text += "Sanitary load off the curve: " + Decimal(q.loadOff) + " (" + std::to_string(q.classesOffCurve) +
            " classes heaviest on the first or the last day)\n";
    text += "Teachers short of free days: " + std::to_string(q.teachersShortOfFreeDays) + " (" +
            std::to_string(q.freeDaysShort) + " days)\n";
    text += "Wished-free hours taught: " + std::to_string(q.wishesUsed[0]) + " high, " +
            std::to_string(q.wishesUsed[1]) + " medium, " + std::to_string(q.wishesUsed[2]) + " low priority\n";
    text += "Weighted cost:           " + Decimal(q.cost) + " (improvement " + Decimal(result.improvement.costBefore) +
            " -> " + Decimal(result.improvement.costAfter) + ", " + std::to_string(result.improvement.steps) +
            " moves tried)\n";
    return text;
}

nlohmann::json JsonReport(const WeekPlanResult& result, const std::string& output) {
    nlohmann::json stages = nlohmann::json::array();
    for (const WeekPlanStage& stage : result.stages)
        stages.push_back({{"name", stage.name}, {"seconds", std::chrono::duration<double>(stage.time).count()}});
    nlohmann::json report = WeekMeasureJson(result.summary, result.quality);
    report["ejection"] = {{"steps", result.ejection.steps},
                          {"hoursWaitingBefore", result.ejection.hoursWaitingBefore},
                          {"hoursWaitingAfter", result.ejection.hoursWaitingAfter}};
    report["improvement"] = {{"steps", result.improvement.steps},
                             {"movesMade", result.improvement.movesMade},
                             {"costBefore", result.improvement.costBefore},
                             {"costAfter", result.improvement.costAfter}};
    report["stages"] = stages;
    report["output"] = output;
    return report;
}

std::string Report(const WeekPlanResult& result, bool stages, const std::string& output) {
    const WeekPlanSummary& s = result.summary;
    std::string text = stages ? StagesReport(result) : std::string();
    text += "Ejection search: " + std::to_string(result.ejection.steps) + " steps, " +
            std::to_string(result.ejection.movesEvaluated) + " places weighed, class hours waiting " +
            std::to_string(result.ejection.hoursWaitingBefore) + " -> " +
            std::to_string(result.ejection.hoursWaitingAfter) + "\n";
    if (!stages)
        text += "Room assignment: " + std::to_string(result.roomQuestionsAnswered) + " questions answered \"Да\"\n";
    text += "\n";
    text += "Hours required:          " + std::to_string(s.requiredHours) + "\n";
    text += "  in the clean copy:     " + std::to_string(s.cleanHours) + "\n";
    text += "  left in the draft:     " + std::to_string(s.draftHours) + "\n";
    text += "  not placed:            " + std::to_string(s.notPlacedHours) + "\n";
    text += "Class gaps:              " + std::to_string(s.classGaps) + "\n";
    text += "Teacher windows:         " + std::to_string(s.teacherWindows[0]) + " (by day";
    for (int d = 1; d <= kVariantDays; ++d) text += " " + std::to_string(s.teacherWindows[static_cast<std::size_t>(d)]);
    text += ")\n";
    text += "Subgroups without a room: " + std::to_string(s.subgroupsWithoutRoom) + "\n";
    text += QualityReport(result);
    text += "Time:";
    for (std::size_t i = 0; i < result.stages.size(); ++i)
        text += std::string(i == 0 ? " " : ", ") + result.stages[i].name + " " + Seconds(result.stages[i].time);
    text += "\nWritten: " + output + "\n";
    return text;
}

int runPlan(const CliArguments& args) {
    const double seconds = SecondsOption(args, "--seconds").value_or(kDefaultSeconds);
    if (seconds <= 0) return ReportFailure("lovaris-cli: --seconds takes a number of seconds above 0", kExitFailure);
    const double searchSeconds = SecondsOption(args, "--search-seconds").value_or(kDefaultSearchSeconds);
    if (searchSeconds <= 0)
        return ReportFailure("lovaris-cli: --search-seconds takes a number of seconds above 0", kExitFailure);
    const auto steps = CountOption(args, "--steps", kDefaultSteps);
    if (!steps) return ReportFailure("lovaris-cli: --steps takes a whole number of 0 or more", kExitFailure);
    const auto seed = CountOption(args, "--seed", 1);
    if (!seed) return ReportFailure("lovaris-cli: --seed takes a whole number of 0 or more", kExitFailure);
    const auto improveSteps = CountOption(args, "--improve-steps", kDefaultImprovementSteps);
    if (!improveSteps) return ReportFailure("lovaris-cli: --improve-steps takes a whole number of 0 or more", kExitFailure);
    const auto threads = CountOption(args, "--threads", 0);
    if (!threads || *threads > kMostThreads)
        return ReportFailure("lovaris-cli: --threads takes a whole number from 0 to 256", kExitFailure);
    const auto duration = [](double s) {
        return std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(s));
    };
    const Clock::time_point planEnd = Clock::now() + duration(seconds);
    // The search leaves the improvement its share of the time.
    const double improvementSeconds =
        *improveSteps > 0 ? std::min(seconds * kImprovementShare, kMostImprovementSeconds) : 0.0;
    const Clock::time_point searchEnd = planEnd - duration(improvementSeconds);
    const std::string* out = args.output();
    const std::string output = out ? *out : DefaultOutput(args.plain[0]);

    PlanningProject project;
    if (const int status = OpenPlanningProject(args.plain[0], project); status != kExitOk) return status;
    LoadedVariant planned;
    planned.variant = project.session->NewVariant();
    planned.options = VariantOptions::Defaults(planned.variant.classCount(), planned.variant.lessonsPerDay());

    TimeBudget budget(duration(searchSeconds), searchEnd);
    SearchProgress progress(searchEnd, isatty(fileno(stderr)) != 0);
    WeekPlanSearch search;
    search.stages = args.has("--stages");
    search.settings = {static_cast<std::uint64_t>(*seed), *steps, static_cast<int>(*threads)};
    search.improvement = {static_cast<std::uint64_t>(*seed), *improveSteps, static_cast<int>(*threads)};
    search.control = &progress;
    search.timeUp = [planEnd] { return Clock::now() >= planEnd; };
    const WeekPlanResult result = PlanWholeWeek(*project.session, planned.variant, planned.options, budget, search);
    if (const int status = SaveVariant(output, planned); status != kExitOk) return status;
    const std::string report =
        args.has("--json") ? JsonReport(result, output).dump(2) + "\n" : Report(result, search.stages, output);
    if (const int status = WriteStdout(report); status != kExitOk) return status;
    return result.summary.cleanHours == result.summary.requiredHours ? kExitOk : kExitNoResult;
}

}  // namespace

const CliCommand kPlanCommand{
    "plan",
    "PROJECT.tbl [-o OUT.rsp] [--seconds S] [--steps N] [--seed N] [--threads N] [--improve-steps N] [--json] "
    "[--stages [--search-seconds S]]",
    "plan a whole week into a new variant",
    "Builds a new timetable variant of the project PROJECT.tbl in one run, by an\n"
    "ejection search from the empty week: each step takes a block of a lesson still\n"
    "waiting and puts it where it pushes out the fewest class hours (the blocks of\n"
    "its classes and of its teachers at those hours, and what would then stand cut\n"
    "off from a class's day); what is pushed out waits in turn. A class's day that\n"
    "ends short of the place is first carried up to it with the class's waiting\n"
    "blocks or the last blocks of its other days, so that a lesson open only late in\n"
    "the day goes in too. A block that has just gone in is not pushed out again for a\n"
    "while; the search starts afresh with other draws in runs of growing length, and\n"
    "the best week stays. Every class day stays gapless from a starting lesson, no\n"
    "teacher, class or room is used twice at one hour, closed hours stay free, each\n"
    "lesson has one block a day matching its spread, lessons taught together go in\n"
    "together, and each subgroup gets a free room of the right kind and size where\n"
    "one is left (else it goes without one, as room assignment leaves it).\n"
    "With --stages the planner's own stages come first and the search finishes what\n"
    "they leave:\n"
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
    "Then the week, complete or not, is made better by simulated annealing: a block\n"
    "standing first or last in its class's day moves to the start or the end of a\n"
    "day, or two blocks of a class as long as each other change places with every\n"
    "block as long in the way of their classes and teachers at the other place,\n"
    "wherever the same rules hold and no teacher loses a free day; a move stands\n"
    "when it lowers the week's cost, or now and then while the temperature is high,\n"
    "and the best week stays. Four runs go from the same week, one per core at once,\n"
    "and the cheapest stays. The cost weighs, by the new variant's options:\n"
    "  teacher windows, 1 each, and 2 more for each past \"maximum windows per\n"
    "  teacher\" on a day; a teacher's free day (methodical day) not given, 8; a\n"
    "  lesson of a class's longest day less its shortest past 2 (or past the most\n"
    "  even split its open hours allow plus 1), 4, and past that even split, 0.3;\n"
    "  the classes' sanitary load off the usual curve of the week (Tuesday and\n"
    "  Thursday 20 %, the other open days 15 %), 0.02 a unit; a lesson at an hour\n"
    "  a teacher wished free that the wishes mode leaves open, 1.5, 1 or 0.5 by\n"
    "  priority, none when the mode ignores priorities.\n"
    "The teacher-busy weight (40) scales the teachers' figures and the sanitary\n"
    "weight (30) the load, each against its default.\n"
    "Then it prints the hours required, placed in the clean copy, left in the draft\n"
    "and not placed, the gaps in the classes' days, the teachers' windows by day, the\n"
    "subgroup hours without a room, the week's measure (teacher days over the windows\n"
    "limit, classes with lopsided days, the load off the curve, teachers short of\n"
    "free days, wished-free hours taught, the cost before and after the improvement)\n"
    "and the time of each stage, and writes the variant.\n"
    "On a terminal the search prints its progress on stderr once a second.\n"
    "  -o, --output OUT.rsp  where to write the variant; by default PROJECT-plan.rsp\n"
    "                        beside the project (school.tbl gives school-plan.rsp)\n"
    "  --seconds S           time for the whole plan, 60 by default: the search then\n"
    "                        ends with the best week so far\n"
    "  --steps N             steps of the search at most, 20000000 by default\n"
    "  --seed N              the search's draws, 1 by default; the same seed and steps\n"
    "                        write the same variant when the time does not run out\n"
    "  --threads N           runs of the search and of the improvement at once, 0 (by\n"
    "                        default) for one per core; the variant is the same for\n"
    "                        any number\n"
    "  --improve-steps N     moves each run of the improvement tries, 1500000 by\n"
    "                        default; 0 leaves the week as the search wrote it. The\n"
    "                        search stops early enough to leave the improvement\n"
    "                        15 % of --seconds, at most 10 s\n"
    "  --json                the summary as JSON on stdout instead of the text\n"
    "  --stages              the planner's stages before the search\n"
    "  --search-seconds S    with --stages, time for each of their searches, 0.1 by\n"
    "                        default: a teacher's pass of the week search then ends as\n"
    "                        by \"Дальше\" (the teacher keeps its best distribution) and\n"
    "                        a group's optimisation of a day as by \"Прервать\" (its\n"
    "                        best incomplete arrangement stays)\n"
    "Exit status: 0 every required hour stands in the clean copy, 3 the plan ran but\n"
    "some hours did not get there, 2 PROJECT.tbl refused, 1 any other failure.\n",
    1, 1, nullptr, kOptions, runPlan};

}  // namespace lovaris::cli
