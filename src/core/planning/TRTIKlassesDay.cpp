// The classes' state of the selected day: fixing lessons, reading the day back from
// the timetable, day targets.
#include <algorithm>

#include "BlockDays.h"
#include "DayTargetMath.h"
#include "TRTIKlassesCollection.h"
#include "TRTITeachersCollection.h"

namespace lovaris {

void TRTIKlassesCollection::ResetDay(int klass, bool clearEntryDays) {
    auto& item = at(klass);
    for (auto& lesson : item.lessonCopies) lesson.resetDay(clearEntryDays);
    item.chosenHoursToday = 0;
    item.fixedHoursToday = 0;
}

void TRTIKlassesCollection::FixLesson(int klass, int lesson, int hours) {
    auto& item = at(klass);
    auto& copy = item.lesson(lesson);
    item.fixedHoursToday += hours - (copy.fixed ? copy.fixedHours : 0);
    copy.fixed = true;
    copy.fixedHours = static_cast<std::uint16_t>(hours);
}

void TRTIKlassesCollection::FixLessonWithLinks(int klass, int lesson, int hours) {
    auto& item = at(klass);
    auto& copy = item.lesson(lesson);
    if (copy.fixed) return;
    const LinkSet links = BuildLinkSet(klass, lesson);
    for (const auto& sub : copy.subgroups)
        if (sub.teacher >= 0 && sub.copyRef.valid()) teachers_->FixTeacherCopy(sub.teacher, sub.copyRef.lesson, hours);

    const auto& groups = teachers_->groups;
    const int group = state_->selectedGroup;
    bool anyInGroup = false;
    bool allInGroup = true;
    for (const auto& ref : links.teacherCopies) {
        const bool member = groups.rowContains(group, ref.owner);
        anyInGroup = anyInGroup || member;
        allInGroup = allInGroup && member;
    }
    copy.inGroup = anyInGroup;
    // A lesson nobody teaches is no group's.
    const bool whollyInGroup = state_->groupCommandActive && anyInGroup && allInGroup;

    if (copy.plannedStart == 0 || whollyInGroup) {
        copy.fixed = false;
        copy.plannedStart = 0;
    } else {
        copy.fixed = true;
        copy.fixedHours = static_cast<std::uint16_t>(hours);
        item.fixedHoursToday += hours;
        copy.fixedStart = copy.plannedStart;
        item.chosenHoursToday -= copy.chosenHours();
        copy.chosenEntry = 0;
    }
    const std::uint16_t start = copy.plannedStart;
    for (std::size_t i = 1; i < links.klassLessons.size(); ++i) {
        const auto& ref = links.klassLessons[i];
        FixLesson(ref.owner, ref.lesson, hours);
        auto& linked = at(ref.owner).lesson(ref.lesson);
        linked.plannedStart = start;
        linked.fixedStart = start;
    }
    for (const auto& ref : links.teacherCopies) teachers_->FixTeacherCopy(ref.owner, ref.lesson, hours);
}

void TRTIKlassesCollection::ChooseEntry(int klass, int lesson, int hours) {
    auto& item = at(klass);
    auto& copy = item.lesson(lesson);
    copy.chosenEntry = 0;
    if (hours == 0) return;
    const int day = state_->currentDay;
    for (int e = 0; e < copy.entryCount(); ++e) {
        const int entryDay = copy.entryDays[static_cast<std::size_t>(e)];
        if (copy.spread[static_cast<std::size_t>(e)] == hours && (entryDay == 0 || entryDay == day)) {
            copy.chosenEntry = e + 1;
            item.chosenHoursToday += hours;
            return;
        }
    }
}

void TRTIKlassesCollection::MarkFixedLessonsOfDay(const VariantDayReader& variant, int day, int klass) {
    const int first = klass < 0 ? 0 : klass;
    const int last = klass < 0 ? count() - 1 : klass;
    for (int k = first; k <= last; ++k) {
        for (const bool clean : {true, false}) {
            int continuations = 0;
            for (int n = lessonsPerDay(); n >= 1; --n) {
                const PlacedHour hour = clean ? variant.CleanHour(k, day, n) : variant.DraftHour(k, day, n);
                if (!hour.occupied()) continue;
                if (hour.prevPosition > 0) {
                    ++continuations;
                    continue;
                }
                const int hours = 1 + continuations;
                continuations = 0;
                if (hour.lessonIndex >= at(k).lessonCount()) continue;
                const int l = hour.lessonIndex;
                ChooseEntry(k, l, hours);
                auto& copy = at(k).lesson(l);
                copy.plannedStart = static_cast<std::uint16_t>(clean ? n : 0);
                if (hour.subgroupMask != 0) {
                    for (int s = 0; s < copy.subgroupCount(); ++s) {
                        const auto& sub = copy.subgroups[static_cast<std::size_t>(s)];
                        if (sub.teacher < 0) continue;
                        copy.critical = true;
                        if ((hour.subgroupMask >> s) & 1u && sub.copyRef.valid())
                            teachers_->at(sub.teacher).copy(sub.copyRef.lesson).critical = true;
                    }
                }
                FixLessonWithLinks(k, l, hours);
            }
        }
    }
}

void TRTIKlassesCollection::ComputeDayTargets(const VariantDayReader& variant, int day) {
    const int perDayLimit = lessonsPerDay();
    std::array<bool, kDays + 1> daysWithLessons{};
    int plannedDays = 1;
    for (int k = 0; k < count(); ++k) {
        auto& klass = at(k);
        daysWithLessons.fill(false);
        klass.todayHours = 0;
        for (int l = 0; l < klass.lessonCount(); ++l) {
            auto& lesson = klass.lesson(l);
            lesson.entryDays.fill(0);
            for (const auto& sub : lesson.subgroups)
                if (sub.teacher >= 0 && sub.copyRef.valid())
                    teachers_->at(sub.teacher).copy(sub.copyRef.lesson).entryDays.fill(0);
            const DayHours hours = LessonHoursPerDay(variant, k, l);
            const std::vector<int> blockDays = AssignBlockDays(lesson.spread, hours);
            for (std::size_t e = 0; e < blockDays.size() && e < lesson.entryDays.size(); ++e) {
                const auto blockDay = static_cast<std::uint16_t>(blockDays[e]);
                lesson.entryDays[e] = blockDay;
                for (const auto& sub : lesson.subgroups)
                    if (sub.teacher >= 0 && sub.copyRef.valid())
                        teachers_->at(sub.teacher).copy(sub.copyRef.lesson).entryDays[e] = blockDay;
            }
            for (int d = 1; d <= kDays; ++d) {
                if (hours[static_cast<std::size_t>(d)] <= 0) continue;
                if (d == day)
                    klass.todayHours += hours[static_cast<std::size_t>(d)];
                else
                    daysWithLessons[static_cast<std::size_t>(d)] = true;
            }
        }
        klass.weekHours = 0;
        klass.unassignedHours = 0;
        for (const auto& lesson : klass.lessonCopies)
            for (int e = 0; e < lesson.entryCount(); ++e) {
                klass.weekHours += lesson.spread[static_cast<std::size_t>(e)];
                if (lesson.entryDays[static_cast<std::size_t>(e)] == 0) klass.unassignedHours += lesson.spread[static_cast<std::size_t>(e)];
            }
        int acc = klass.unassignedHours + klass.todayHours;
        for (int d = 1; d <= kDays; ++d)
            if (!daysWithLessons[static_cast<std::size_t>(d)]) acc += klass.blockedPerDay[static_cast<std::size_t>(d)];
        klass.blockedToday = klass.blockedPerDay[static_cast<std::size_t>(day)];
        plannedDays = 1 + static_cast<int>(std::count(daysWithLessons.begin() + 1, daysWithLessons.end(), true));
        state_->plannedDays = plannedDays;

        const int daysLeft = kDays - plannedDays;
        int perDay = DivideRoundingUp(acc - 2 * daysLeft, std::max(1, daysLeft + 1));
        perDay = std::min(std::max(perDay, static_cast<int>(params_->classMinLessons)), perDayLimit);
        klass.minToday = perDay;
        klass.maxToday = std::min(perDay + 2 + klass.blockedToday, perDayLimit);
        klass.minFree = std::max(0, klass.minToday - klass.blockedToday);
        klass.maxFree = std::max(0, klass.maxToday - klass.blockedToday);
    }
    // The teachers take the planned days as the last class saw them.
    teachers_->ComputeDayTargets(day, daysWithLessons, count() > 0 ? plannedDays : 1);
    for (auto& klass : *this) klass.dayLoad = klass.weekLoad * DayShare(day);
}

}  // namespace lovaris
