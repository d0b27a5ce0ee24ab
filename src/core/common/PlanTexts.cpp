#include "PlanTexts.h"

namespace lovaris {
namespace {

using X = PlanText;

constexpr TextEntry kTexts[] = {
    {static_cast<int>(X::MenuPlanWeek), "Планирование &недели"},
    {static_cast<int>(X::PlacedHoursBegin), "уроков на месте: "},
    {static_cast<int>(X::PlacedHoursOf), " из "},
};

}  // namespace

std::span<const TextEntry> PlanTexts() { return kTexts; }

}  // namespace lovaris
