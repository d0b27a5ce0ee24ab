#include "WeekCompletion.h"

#include <algorithm>
#include <tuple>
#include <vector>

#include "CompletionWork.h"
#include "WeekPlanSummary.h"

namespace lovaris {

namespace {

// Ascending from a point part of the way along, descending in odd attempts.
std::vector<int> Order(int first, int count, int attempt, int attempts) {
    std::vector<int> order(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) order[static_cast<std::size_t>(i)] = first + i;
    if (attempt % 2 == 1) std::reverse(order.begin(), order.end());
    if (count > 0) std::rotate(order.begin(), order.begin() + (attempt / 2) * count / (attempts / 2 + 1), order.end());
    return order;
}

// Attempts at completing the week; each walks the classes and days in another order.
constexpr int kAttempts = 4;

auto Score(const PlanningSession& session, const TTableVarItem& variant) {
    const WeekPlanSummary s = SummariseWeek(session, variant);
    return std::tuple(s.requiredHours - s.cleanHours, s.classGaps, s.teacherWindows[0]);
}

}  // namespace

CompletionWork::CompletionWork(const PlanningSession& session, TTableVarItem& variant, int attempt,
                               const std::function<bool()>& timeUp)
    : session_(session), variant_(variant), grid_(session, variant), timeUp_(timeUp) {
    const int classes = std::min(session.klasses().count(), variant.classCount());
    for (int k = 0; k < classes; ++k) dayLimit_.push_back(DayLimit(k));
    klassOrder_ = Order(0, classes, attempt, kAttempts);
    dayOrder_ = Order(1, kVariantDays, attempt, kAttempts);
}

void CompletionWork::Run(WeekCompletion& result) {
    const int draftBefore = DraftHours();
    for (int day : dayOrder_) PlaceOnTheirDay(day);
    // Days arranged afresh open new places for what is still left.
    for (int round = 0; round < kRounds; ++round) {
        if (!PlaceWhatIsLeft(result)) break;
        ImproveDays(false);
    }
    ImproveDays(true);
    result.draftHoursPlaced = draftBefore - DraftHours();
}

// The best attempt stays: the fewest hours left out, then the fewest gaps, then the
// fewest teacher windows; one with none of them ends the attempts.
WeekCompletion CompleteWeek(const PlanningSession& session, TTableVarItem& variant,
                            const std::function<bool()>& timeUp) {
    const TTableVarItem before = variant;
    TTableVarItem best;
    WeekCompletion bestResult;
    std::tuple<int, int, int> bestScore;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        TTableVarItem trial = before;
        WeekCompletion result;
        CompletionWork(session, trial, attempt, timeUp).Run(result);
        const auto score = Score(session, trial);
        if (attempt == 0 || score < bestScore) {
            best = std::move(trial);
            bestResult = result;
            bestScore = score;
        }
        if (bestScore == std::tuple(0, 0, 0) || (timeUp && timeUp())) break;
    }
    variant.Assign(best);
    return bestResult;
}

}  // namespace lovaris
