#pragma once
// Texts of the whole-week plan in the planning window.
#include "StringTable.h"

namespace lovaris {

enum class PlanText : int {
    MenuPlanWeek = 43000,  // the planning menu's item
    PlacedHoursBegin,      // the progress window's step: "уроков на месте: 120 из 612"
    PlacedHoursOf,
};

std::span<const TextEntry> PlanTexts();

}  // namespace lovaris
