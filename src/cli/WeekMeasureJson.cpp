#include "WeekMeasureJson.h"

namespace lovaris::cli {

nlohmann::json WeekMeasureJson(const WeekPlanSummary& s, const WeekQuality& q) {
    nlohmann::json byDay = nlohmann::json::array();
    for (int d = 1; d <= kVariantDays; ++d) byDay.push_back(s.teacherWindows[static_cast<std::size_t>(d)]);
    return {
        {"hours",
         {{"required", s.requiredHours}, {"clean", s.cleanHours}, {"draft", s.draftHours}, {"notPlaced", s.notPlacedHours}}},
        {"classGaps", s.classGaps},
        {"teacherWindows",
         {{"total", s.teacherWindows[0]},
          {"byDay", byDay},
          {"limit", q.maxWindows},
          {"daysOverLimit", q.teacherDaysOverWindows},
          {"pastLimit", q.windowsOverMax}}},
        {"classes",
         {{"count", q.classes},
          {"lopsided", q.lopsidedClasses},
          {"widestSpread", q.widestSpread},
          {"loadOffCurve", q.loadOff},
          {"offCurve", q.classesOffCurve}}},
        {"freeDays", {{"teachersShort", q.teachersShortOfFreeDays}, {"daysShort", q.freeDaysShort}}},
        {"wishesUsed", {{"high", q.wishesUsed[0]}, {"medium", q.wishesUsed[1]}, {"low", q.wishesUsed[2]}}},
        {"subgroupsWithoutRoom", s.subgroupsWithoutRoom},
        {"cost", q.cost}};
}

}  // namespace lovaris::cli
