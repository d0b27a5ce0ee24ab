#pragma once
// Fills a day's draft from the curriculum: every lesson not yet on the day gets a
// block of its first hour-spread entry that no other day has taken, in the drafts of
// its class and of every class linked to it, while each of those classes and each of
// their teachers still has room for the hours on that day.
#include "PlanningSession.h"
#include "VariantPlanning.h"

namespace lovaris {

// The number of blocks put into the drafts (a linked block counts once).
int FillDayDraft(const PlanningSession& session, VariantPlanning& variant, int day);

}  // namespace lovaris
