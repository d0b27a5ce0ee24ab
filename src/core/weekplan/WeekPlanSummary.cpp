#include "WeekPlanSummary.h"

#include <algorithm>
#include <vector>

#include "../planning/RoomlessSubgroups.h"

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

int TeacherWindowsOnDay(const PlanningSession& session, const TTableVarItem& variant, int teacher, int day) {
    int first = 0, last = 0, taught = 0;
    for (int n = 1; n <= variant.lessonsPerDay(); ++n) {
        bool teaches = false;
        for (int k = 0; k < variant.classCount() && !teaches; ++k) {
            const LessonSlot slot = variant.GetCleanSlot(k, day, n);
            const auto& item = session.klasses().at(k);
            if (!slot.occupied() || slot.lessonIndex >= item.lessonCount()) continue;
            for (const auto& sub : item.lesson(slot.lessonIndex).subgroups) teaches = teaches || sub.teacher == teacher;
        }
        if (!teaches) continue;
        if (first == 0) first = n;
        last = n;
        ++taught;
    }
    return first == 0 ? 0 : last - first + 1 - taught;
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
    for (int d = 1; d <= kVariantDays; ++d) {
        for (int t = 0; t < session.teachers().count(); ++t)
            summary.teacherWindows[static_cast<std::size_t>(d)] += TeacherWindowsOnDay(session, variant, t, d);
        summary.teacherWindows[0] += summary.teacherWindows[static_cast<std::size_t>(d)];
    }
    return summary;
}

}  // namespace lovaris
