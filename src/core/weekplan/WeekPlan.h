#pragma once
// The planner's whole week in one run: the week variant search of every week-mode
// teacher group into the draft; then, day by day, the optimisation of every
// day-mode group, keeping its first complete variant or its best incomplete one
// (tried again with more teacher windows when that leaves fewer hours in the draft);
// then room assignment of every day with each question answered "Да"; then what is
// left in the drafts or on no day finished by hand, with rooms (WeekCompletion); then
// what still waits put in by ejection chains (EjectionSearch); then the week made
// better by the improvement (WeekImprovement), complete or not.
#include <array>
#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "../planning/PlanningSession.h"
#include "../planning/WeekQuality.h"
#include "../variant/TTableVarItem.h"
#include "../variant/VariantOptions.h"
#include "EjectionSearch.h"
#include "WeekCompletion.h"
#include "WeekImprovement.h"
#include "WeekPlanSummary.h"

namespace lovaris {

// How long each search of the plan may go on: every member pass of a week search
// and every group's optimisation of a day starts the budget afresh and asks it at
// each poll. A spent budget presses "Дальше" in a week search (the member keeps its
// best distribution so far, the next member starts) and "Прервать" in an
// optimisation (the best incomplete arrangement stays).
class SearchBudget {
public:
    virtual ~SearchBudget() = default;
    virtual void start() = 0;
    virtual bool spent() = 0;
};

// A budget that is never spent.
class UnlimitedSearch : public SearchBudget {
public:
    void start() override {}
    bool spent() override { return false; }
};

struct WeekPlanStage {
    std::string name;
    std::chrono::nanoseconds time{0};
};

struct WeekPlanResult {
    int weekGroupsSearched = 0;
    int weekMembersCut = 0;       // member passes ended by the budget
    int dayRunsComplete = 0;      // day-group optimisations that found a complete variant
    int dayRunsIncomplete = 0;    // ... that kept their best incomplete arrangement
    int dayRunsCut = 0;           // ... of those, ended by the budget
    int dayRunsRefused = 0;       // ... refused by the day's checks (no room for the lessons)
    int dayRunsWithMoreWindows = 0;  // ... whose result came from a retry with more teacher windows
    // Days on which every group's optimisation found a complete variant; [0] unused.
    std::array<bool, kVariantDays + 1> dayComplete{};
    WeekCompletion completion;
    EjectionResult ejection;
    ImprovementResult improvement;
    int roomQuestionsAnswered = 0;
    std::vector<WeekPlanStage> stages;  // in the order run
    WeekPlanSummary summary;
    WeekQuality quality;
};

// The ejection search that finishes the week after the completion, or that plans the
// whole week alone from the empty one.
struct WeekPlanSearch {
    bool stages = true;  // the week search, optimisation, room assignment and completion first
    EjectionSettings settings;
    EjectionControl* control = nullptr;  // none: every step is done
    ImprovementSettings improvement;
    // True once the plan's time is up: the completion and the improvement then end
    // early (the stages' searches end by their budget). Asked from the improvement's
    // threads too.
    std::function<bool()> timeUp;
};

// Plans the whole week into `variant` (normally a new, empty one) with the session's
// copies; the session's state is left on day 1.
WeekPlanResult PlanWholeWeek(PlanningSession& session, TTableVarItem& variant, const VariantOptions& options,
                             SearchBudget& budget, const WeekPlanSearch& search = {});

}  // namespace lovaris
