// lovaris-cli weeksearch: the week variant search over teacher groups, as the planning
// window runs it, with "Дальше" pressed for a teacher once its time or its number of
// viewed variants is used up.
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <optional>
#include <string>

#include "CliCommand.h"
#include "CliSupport.h"
#include "VariantCliSupport.h"
#include "core/planning/VariantPlanning.h"
#include "core/weekvars/WeekVariantSearch.h"

namespace lovaris::cli {
namespace {

constexpr int kExitNothingPlaced = 3;

constexpr std::array<CliOption, 9> kOptions = {
    CliOption{"--group", true},         CliOption{"--clean", false},          CliOption{"--parallels", false},
    CliOption{"--attached-rooms", false}, CliOption{"--separated-hours", false}, CliOption{"--seconds", true},
    CliOption{"--max-variants", true},  CliOption{"-o", true},                CliOption{"--output", true}};

// Presses "Дальше" when the member's pass has run out of time or variants.
class BoundedPass : public RunControl {
public:
    BoundedPass(WeekVariantSearch& search, double seconds, long long maxVariants)
        : search_(search), seconds_(seconds), maxVariants_(maxVariants) {}

    bool poll() override {
        if (search_.rows().empty()) return false;
        const long long viewed = search_.rows().back().viewed;
        if (search_.position() != position_ || search_.pass() != pass_) {
            position_ = search_.position();
            pass_ = search_.pass();
            viewedAtStart_ = viewed;
            start_ = std::chrono::steady_clock::now();
        }
        const bool enoughVariants = maxVariants_ > 0 && viewed - viewedAtStart_ >= maxVariants_;
        const bool outOfTime =
            seconds_ > 0 && (++polls_ & 255) == 0 &&
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count() >= seconds_;
        if (enoughVariants || outOfTime) search_.requestNextTeacher();
        return false;
    }

private:
    WeekVariantSearch& search_;
    double seconds_;
    long long maxVariants_;
    int position_ = -1;
    int pass_ = -1;
    long long viewedAtStart_ = 0;
    unsigned polls_ = 0;
    std::chrono::steady_clock::time_point start_;
};

void PrintRow(const TRTITeachersCollection& teachers, const WeekSearchRow& row) {
    const std::string name = teachers.at(row.teacher).displayName();
    std::printf("  %s%s: %d of %d hours placed, %lld variants viewed, %lld improvements\n", name.c_str(),
                row.pass == 2 ? " (2)" : "", row.placedHours, row.weeklyHours, row.viewed, row.improvements);
}

int runWeekSearch(const CliArguments& args) {
    const auto group = NumberOption(args, "--group", 0, 1 << 20);
    if (group && *group < 0) return ReportFailure("lovaris-cli: --group takes a group number from 0", kExitFailure);
    const auto seconds = SecondsOption(args, "--seconds");
    if (seconds && *seconds < 0)
        return ReportFailure("lovaris-cli: --seconds takes a number of seconds from 0", kExitFailure);
    const auto maxVariants = NumberOption(args, "--max-variants", 0, 1LL << 60);
    if (maxVariants && *maxVariants < 0)
        return ReportFailure("lovaris-cli: --max-variants takes a number from 0", kExitFailure);
    const std::string* out = args.output();
    if (!out) return ReportFailure("lovaris-cli: -o OUT.rsp is needed", kExitFailure);

    PlanningProject project;
    LoadedVariant loaded;
    if (const int status = OpenPlanningVariant(args.plain[0], args.plain[1], project, loaded); status != kExitOk)
        return status;

    PlanningSession& session = *project.session;
    PlanningState& state = session.state();
    session.ApplyOptions(loaded.options);
    state.currentDay = loaded.options.startingDay();
    state.placeToCleanCopy = args.has("--clean");
    state.considerParallels = args.has("--parallels");
    state.considerAttachedRooms = args.has("--attached-rooms");
    state.considerSeparatedHours = args.has("--separated-hours");
    state.optimizeQueue = true;

    VariantPlanning planning(loaded.variant, session);
    session.teachers().BuildTeacherGroups(planning, true);
    const TeacherGroups& groups = session.teachers().groups;
    std::vector<int> chosen;
    if (group) {
        if (groups.row(static_cast<int>(*group)).empty())
            return ReportFailure("lovaris-cli: Выбранная группа пуста.", kExitRefused);
        chosen.push_back(static_cast<int>(*group));
    } else {
        for (int g = 0; g < groups.rowCount(); ++g)
            if (!groups.row(g).empty()) chosen.push_back(g);
    }

    const TTableVarItem before = loaded.variant;
    for (int g : chosen) {
        state.selectedGroup = g;
        std::printf("Group %d\n", g);
        WeekVariantSearch search(session, planning);
        BoundedPass control(search, seconds.value_or(5.0), maxVariants ? *maxVariants : 0);
        for (WeekSearchEvent event = search.next(control); event == WeekSearchEvent::TeacherDone;
             event = search.next(control))
            PrintRow(session.teachers(), search.rows()[static_cast<std::size_t>(search.position() - 1)]);
    }
    std::fflush(stdout);
    if (const int status = SaveVariant(*out, loaded); status != kExitOk) return status;
    return loaded.variant.sameGrids(before) ? kExitNothingPlaced : kExitOk;
}

}  // namespace

const CliCommand kWeekSearchCommand{
    "weeksearch",
    "PROJECT.tbl VARIANT.rsp [--group N] [--clean] [--parallels] [--attached-rooms] [--separated-hours] "
    "[--seconds S] [--max-variants K] -o OUT.rsp",
    "distribute teacher groups' lessons over the week",
    "Distributes the lessons of the teachers of a week-mode teacher group over the six\n"
    "days of the variant VARIANT.rsp of the project PROJECT.tbl and writes the result\n"
    "to OUT.rsp (VARIANT.rsp is not changed). Teachers are taken one after another, the\n"
    "one with the least room for its remaining hours first; each gets the distribution\n"
    "with the most placed hours, then the evenest week. Lessons already in the variant\n"
    "keep their day. Prints, per teacher, the hours placed and the variants viewed.\n"
    "  --group N           only teacher group N (from 0); by default every group with\n"
    "                      teachers in turn, each on the result of the one before\n"
    "  --clean             place into the clean copy at lesson numbers (default: draft)\n"
    "  --parallels         prefer parallel lessons on the same day\n"
    "  --attached-rooms    teachers sharing an attached room share its hours\n"
    "  --separated-hours   a separated lesson never stands next to its parent\n"
    "  --seconds S         search each teacher at most S seconds (default 5; 0 no limit)\n"
    "  --max-variants K    search each teacher at most K variants (default no limit)\n"
    "  -o, --output OUT    the variant file to write\n"
    "Exit status: 0 placed, 1 failure, 2 input refused, 3 ran but placed nothing.\n",
    2,
    2,
    nullptr,
    kOptions,
    runWeekSearch};

}  // namespace lovaris::cli
