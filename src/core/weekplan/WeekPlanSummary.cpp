#include "WeekPlanSummary.h"

#include <algorithm>
#include <vector>

#include "../planning/RoomlessSubgroups.h"
#include "../planning/WeekQuality.h"

namespace lovaris {
namespace {

std::vector<int> PlacedHoursPerLesson(const TTableVarItem& variant, int klass, int lessons) {
    std::vector<int> placed(static_cast<std::size_t>(lessons), 0);
    for (int d = 1; d <= kVariantDays; ++d)
        for (int n = 1; n <= variant.lessonsPerDay(); ++n)
            for (const LessonSlot& slot : {variant.GetCleanSlot(klass, d, n), variant.GetDraftSlot(klass, d, n)})
                if (slot.occupied() && slot.lessonIndex < lessons) ++placed[static_cast<std::size_t>(slot.lessonIndex)];
    return placed;
}

}  // namespace

int ClassDayGaps(const PlanningSession& session, const TTableVarItem& variant, int klass, int day) {
    int first = 0, last = 0;
    for (int n = 1; n <= variant.lessonsPerDay(); ++n) {
        if (!variant.GetCleanSlot(klass, day, n).occupied()) continue;
        if (first == 0) first = n;
        last = n;
    }
    const bool known = klass < session.klasses().count();
    int gaps = 0;
    for (int n = first; first > 0 && n <= last; ++n)
        if (!variant.GetCleanSlot(klass, day, n).occupied() && !(known && session.klasses().at(klass).busyAt(day, n)))
            ++gaps;
    return gaps;
}

WeekPlanSummary SummariseWeek(const PlanningSession& session, const TTableVarItem& variant) {
    WeekPlanSummary summary;
    const int classes = std::min(variant.classCount(), session.klasses().count());
    for (int k = 0; k < classes; ++k) {
        const auto& item = session.klasses().at(k);
        const std::vector<int> placed = PlacedHoursPerLesson(variant, k, item.lessonCount());
        for (int l = 0; l < item.lessonCount(); ++l) {
            const int weekly = item.lesson(l).weeklyHours();
            summary.requiredHours += weekly;
            summary.notPlacedHours += std::max(0, weekly - placed[static_cast<std::size_t>(l)]);
        }
        const ClassLessonCounts counts = variant.CountClassLessons(k, 0);
        summary.cleanHours += counts.clean;
        summary.draftHours += counts.draft;
        for (int d = 1; d <= kVariantDays; ++d) summary.classGaps += ClassDayGaps(session, variant, k, d);
    }
    summary.subgroupsWithoutRoom = SubgroupsWithoutRoom(session, variant);
    for (const TeacherWeek& week : TeacherDaysOf(session, variant))
        for (int d = 1; d <= kVariantDays; ++d) {
            const int windows = WindowsOf(week.taught[static_cast<std::size_t>(d)], week.closed[static_cast<std::size_t>(d)]);
            summary.teacherWindows[static_cast<std::size_t>(d)] += windows;
            summary.teacherWindows[0] += windows;
        }
    return summary;
}

}  // namespace lovaris
