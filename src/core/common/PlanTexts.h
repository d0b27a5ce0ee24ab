#pragma once
// Texts of the whole-week plan in the planning window.
#include "StringTable.h"

namespace lovaris {

enum class PlanText : int {
    MenuPlanWeek = 43000,  // the planning menu's item
    PlacedHoursBegin,      // the progress window's step: "уроков на месте: 120 из 612"
    PlacedHoursOf,
    ImprovingWeek,         // the progress window while the week is made better
    SummaryDone,           // the summary at the end of the plan, line by line
    SummaryStopped,
    SummaryPlaced,         // "Уроков на месте: 612 из 612."
    SummaryNotPlaced,      // "Не расставлено: 0."
    SummaryWindows,        // "Окна учителей: 3."
    SummaryDaysOverWindows,  // "Дней с окнами сверх допустимых: 0."
    SummaryLopsided,       // "Классы с неровными днями: 1 из 22."
    SummaryFreeDays,       // "Учителя без положенных свободных дней: 0."
};

std::span<const TextEntry> PlanTexts();

}  // namespace lovaris
