#include "PlanTexts.h"

namespace lovaris {
namespace {

using X = PlanText;

constexpr TextEntry kTexts[] = {
    {static_cast<int>(X::MenuPlanWeek), "Планирование &недели"},
    {static_cast<int>(X::PlacedHoursBegin), "уроков на месте: "},
    {static_cast<int>(X::PlacedHoursOf), " из "},
    {static_cast<int>(X::ImprovingWeek), "улучшение недели"},
    {static_cast<int>(X::SummaryDone), "Планирование недели закончено."},
    {static_cast<int>(X::SummaryStopped), "Планирование недели прервано, неделя оставлена лучшей из найденных."},
    {static_cast<int>(X::SummaryPlaced), "Уроков на месте: "},
    {static_cast<int>(X::SummaryNotPlaced), "Не расставлено: "},
    {static_cast<int>(X::SummaryWindows), "Окна учителей: "},
    {static_cast<int>(X::SummaryDaysOverWindows), "Дней с окнами сверх допустимых: "},
    {static_cast<int>(X::SummaryLopsided), "Классы с неровными днями: "},
    {static_cast<int>(X::SummaryFreeDays), "Учителя без положенных свободных дней: "},
};

}  // namespace

std::span<const TextEntry> PlanTexts() { return kTexts; }

}  // namespace lovaris
