#include "WeekPlanMessage.h"

#include "../common/PlanTexts.h"

namespace lovaris {

std::string WeekPlanMessage(const WeekPlanSummary& summary, const WeekQuality& quality, bool stopped) {
    using X = PlanText;
    const auto n = [](int value) { return std::to_string(value); };
    std::string text = LoadResText(stopped ? X::SummaryStopped : X::SummaryDone) + "\n";
    text += LoadResText(X::SummaryPlaced) + n(summary.cleanHours) + LoadResText(X::PlacedHoursOf) +
            n(summary.requiredHours) + ".\n";
    text += LoadResText(X::SummaryNotPlaced) + n(summary.requiredHours - summary.cleanHours) + ".\n";
    text += LoadResText(X::SummaryWindows) + n(quality.teacherWindows) + ".\n";
    text += LoadResText(X::SummaryDaysOverWindows) + n(quality.teacherDaysOverWindows) + ".\n";
    text += LoadResText(X::SummaryLopsided) + n(quality.lopsidedClasses) + LoadResText(X::PlacedHoursOf) +
            n(quality.classes) + ".\n";
    text += LoadResText(X::SummaryFreeDays) + n(quality.teachersShortOfFreeDays) + ".";
    return text;
}

}  // namespace lovaris
