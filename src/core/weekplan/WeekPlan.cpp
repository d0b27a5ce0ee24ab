#include "WeekPlan.h"

#include <span>

#include "../weekvars/WeekVariantSearch.h"
#include "../optimisation/Optimisation.h"
#include "../optimisation/OptimisationDayChecks.h"
#include "../rooms/RoomAssignment.h"
#include "../planning/TeacherGroupTable.h"
#include "../planning/VariantPlanning.h"

namespace lovaris {
namespace {

using Clock = std::chrono::steady_clock;

class AnswerEveryRoomQuestionYes : public RoomQuestionSink {
public:
    bool Ask(const RoomQuestion&) override {
        ++asked;
        return true;
    }
    int asked = 0;
};

std::vector<int> NonEmptyGroups(const TeacherGroups& groups) {
    std::vector<int> rows;
    for (int g = 0; g < groups.rowCount(); ++g)
        if (!groups.row(g).empty()) rows.push_back(g);
    return rows;
}

// Gives every member pass of a week search the budget afresh and presses "Дальше"
// when it is spent.
class MemberPassBudget : public RunControl {
public:
    MemberPassBudget(WeekVariantSearch& search, SearchBudget& budget) : search_(search), budget_(budget) {}
    bool poll() override {
        if (search_.position() != position_ || search_.pass() != pass_) {
            position_ = search_.position();
            pass_ = search_.pass();
            budget_.start();
            cut_ = false;
        }
        if (!cut_ && budget_.spent()) {
            search_.requestNextTeacher();
            cut_ = true;
            ++cuts;
        }
        return false;
    }
    int cuts = 0;

private:
    WeekVariantSearch& search_;
    SearchBudget& budget_;
    int position_ = -1;
    int pass_ = -1;
    bool cut_ = false;
};

// An optimisation stops as by "Прервать" once the budget is spent.
class RunBudget : public RunControl {
public:
    explicit RunBudget(SearchBudget& budget) : budget_(budget) { budget_.start(); }
    bool poll() override { return stopped = stopped || budget_.spent(); }
    bool stopped = false;

private:
    SearchBudget& budget_;
};

void PlanWeekGroups(PlanningSession& session, VariantPlanning& planning, SearchBudget& budget,
                    WeekPlanResult& result) {
    auto& state = session.state();
    state.currentDay = 1;
    session.PrepareDayData(planning, false);
    session.teachers().BuildTeacherGroups(planning, true);
    for (int g : NonEmptyGroups(session.teachers().groups)) {
        state.selectedGroup = g;
        session.PrepareDayData(planning, false);
        WeekVariantSearch search(session, planning);
        MemberPassBudget control(search, budget);
        while (search.next(control) == WeekSearchEvent::TeacherDone) {
        }
        ++result.weekGroupsSearched;
        result.weekMembersCut += control.cuts;
    }
}

// One group's run on the selected day: its first complete variant, else what the run
// leaves in the variant (its best incomplete arrangement). True when complete.
bool OptimiseGroup(PlanningSession& session, VariantPlanning& planning, SearchBudget& budget, bool& cut) {
    auto& state = session.state();
    state.foundCount = 0;
    state.abortRequested = false;
    state.waitingForContinue = false;
    state.runInProgress = true;
    RunBudget control(budget);
    Optimisation optimisation(session.klasses(), planning, control);
    bool complete = false;
    for (OptimisationEvent event = optimisation.next(); event != OptimisationEvent::End && !complete;
         event = optimisation.next())
        complete = event == OptimisationEvent::CompleteVariant;
    state.runInProgress = false;
    state.waitingForContinue = false;
    cut = control.stopped;
    return complete;
}

// A group whose day cannot be completed within the planner's window limit is tried
// again from the same day with up to this many more windows per teacher: a window
// costs a teacher less than an hour of the curriculum left out of the day.
constexpr int kExtraWindowsTried = 2;

int DraftHoursOfGroup(const VariantPlanning& planning, std::span<const int> members, int day) {
    int hours = 0;
    for (int t : members) hours += planning.CountTeacherDraftLessons(t, day);
    return hours;
}

// The group's day prepared afresh and optimised with `windows` allowed per teacher;
// false when the day's checks refuse it.
bool RunGroupDay(PlanningSession& session, VariantPlanning& planning, const TeacherGroups& groups, int g,
                 int windows, SearchBudget& budget, bool& complete, bool& cut) {
    session.teachers().groups = groups;
    session.state().selectedGroup = g;
    session.PrepareDayData(planning, true);
    session.AcceptPreparation(planning, windows);
    // "Прервать оптимизацию?" answered "Нет": the run goes ahead.
    AnswerEveryQuestionNo questions;
    if (!CheckDayForOptimisation(session, planning, g, questions).ready()) return false;
    complete = OptimiseGroup(session, planning, budget, cut);
    return true;
}

void OptimiseDay(PlanningSession& session, VariantPlanning& planning, const VariantOptions& options, int day,
                 SearchBudget& budget, WeekPlanResult& result) {
    auto& state = session.state();
    state.currentDay = day;
    result.dayComplete[static_cast<std::size_t>(day)] = true;
    if (planning.variant().IsDayEmpty(day)) return;
    session.SetupDay(planning);  // the day-mode groups of the day
    const TeacherGroups groups = session.teachers().groups;
    for (int g : NonEmptyGroups(groups)) {
        const TTableVarItem before = planning.variant();
        bool complete = false;
        bool cut = false;
        if (!RunGroupDay(session, planning, groups, g, options.maxTeacherWindows, budget, complete, cut)) {
            ++result.dayRunsRefused;
            result.dayComplete[static_cast<std::size_t>(day)] = false;
            continue;
        }
        if (!complete) {
            // Second chances from the day as it was, each with one window more; the
            // arrangement leaving the fewest of the group's hours in the draft stays.
            TTableVarItem best = planning.variant();
            int bestLeft = DraftHoursOfGroup(planning, groups.row(g), day);
            bool bestCut = cut;
            bool retryKept = false;
            for (int extra = 1; extra <= kExtraWindowsTried && !complete && bestLeft > 0; ++extra) {
                planning.variant() = before;
                bool retryCut = false;
                RunGroupDay(session, planning, groups, g, options.maxTeacherWindows + extra, budget, complete,
                            retryCut);
                const int left = DraftHoursOfGroup(planning, groups.row(g), day);
                if (complete || left < bestLeft) {
                    best = planning.variant();
                    bestLeft = left;
                    bestCut = retryCut;
                    retryKept = true;
                }
            }
            if (!complete) planning.variant() = best;
            cut = bestCut;
            result.dayRunsWithMoreWindows += retryKept ? 1 : 0;
        }
        if (complete) {
            ++result.dayRunsComplete;
        } else {
            ++result.dayRunsIncomplete;
            result.dayRunsCut += cut ? 1 : 0;
            result.dayComplete[static_cast<std::size_t>(day)] = false;
        }
    }
}

void AssignRoomsOfWeek(PlanningSession& session, VariantPlanning& planning, WeekPlanResult& result) {
    AnswerEveryRoomQuestionYes yes;
    for (int day = 1; day <= kVariantDays; ++day) {
        session.state().currentDay = day;
        session.SetupDay(planning);
        AssignRooms(session, planning.variant(), yes);
    }
    result.roomQuestionsAnswered = yes.asked;
}

template <typename Stage>
void Timed(WeekPlanResult& result, std::string name, Stage&& stage) {
    const auto started = Clock::now();
    stage();
    result.stages.push_back({std::move(name), Clock::now() - started});
}

// The search gives rooms block by block, and a subgroup whose rooms were all taken
// then goes without one; room assignment of every day, as the planner would run it,
// may seat more of them. It stays where it leaves fewer subgroups without a room.
void GiveRoomsAgain(PlanningSession& session, VariantPlanning& planning, WeekPlanResult& result) {
    const int without = SummariseWeek(session, planning.variant()).subgroupsWithoutRoom;
    if (without == 0) return;
    const TTableVarItem before = planning.variant();
    WeekPlanResult assigned;
    AssignRoomsOfWeek(session, planning, assigned);
    if (SummariseWeek(session, planning.variant()).subgroupsWithoutRoom < without) {
        result.roomQuestionsAnswered += assigned.roomQuestionsAnswered;
    } else {
        planning.variant().Assign(before);
    }
}

void RunStages(PlanningSession& session, VariantPlanning& planning, const VariantOptions& options,
               SearchBudget& budget, const std::function<bool()>& timeUp, WeekPlanResult& result) {
    Timed(result, "week search", [&] { PlanWeekGroups(session, planning, budget, result); });
    Timed(result, "optimisation", [&] {
        for (int day = 1; day <= kVariantDays; ++day) OptimiseDay(session, planning, options, day, budget, result);
    });
    Timed(result, "room assignment", [&] { AssignRoomsOfWeek(session, planning, result); });
    Timed(result, "completion", [&] { result.completion = CompleteWeek(session, planning.variant(), timeUp); });
}

}  // namespace

WeekPlanResult PlanWholeWeek(PlanningSession& session, TTableVarItem& variant, const VariantOptions& options,
                             SearchBudget& budget, const WeekPlanSearch& search) {
    auto& state = session.state();
    SetStartingGroupSettings(state);
    state.placeToCleanCopy = false;  // the week search fills the drafts, the optimisation the clean copy
    session.ApplyOptions(options);
    VariantPlanning planning(variant, session);
    WeekPlanResult result;

    if (search.stages) RunStages(session, planning, options, budget, search.timeUp, result);
    Timed(result, "ejection search", [&] {
        RunAllSteps allSteps;
        result.ejection =
            SearchByEjection(session, variant, search.settings, search.control ? *search.control : allSteps);
    });

    Timed(result, "improvement", [&] {
        result.improvement = ImproveWeek(session, variant, options, search.improvement, search.timeUp);
    });

    Timed(result, "rooms again", [&] { GiveRoomsAgain(session, planning, result); });

    state.currentDay = 1;
    session.SetupDay(planning);
    result.summary = SummariseWeek(session, variant);
    result.quality = MeasureWeek(session, variant, options);
    return result;
}

}  // namespace lovaris
