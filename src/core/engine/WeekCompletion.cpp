#include "WeekCompletion.h"

#include <algorithm>

#include "CompletionWork.h"

namespace lovaris {

CompletionWork::CompletionWork(const PlanningSession& session, TTableVarItem& variant)
    : session_(session), variant_(variant), grid_(session, variant) {
    const int classes = std::min(session.klasses().count(), variant.classCount());
    for (int k = 0; k < classes; ++k) dayLimit_.push_back(DayLimit(k));
}

void CompletionWork::Run(WeekCompletion& result) {
    const int draftBefore = DraftHours();
    for (int day = 1; day <= kVariantDays; ++day) PlaceOnTheirDay(day);
    // Days arranged afresh open new places for what is still left.
    for (int round = 0; round < kRounds; ++round) {
        if (!PlaceWhatIsLeft(result)) break;
        ImproveDays(false);
    }
    ImproveDays(true);
    result.draftHoursPlaced = draftBefore - DraftHours();
}

WeekCompletion CompleteWeek(const PlanningSession& session, TTableVarItem& variant) {
    WeekCompletion result;
    CompletionWork(session, variant).Run(result);
    return result;
}

}  // namespace lovaris
