#include "WeekCounters.h"

#include <algorithm>

namespace lovaris {
namespace {

std::size_t at(int index) { return static_cast<std::size_t>(index); }

// The first subgroup of the lesson the teacher teaches, -1 none.
int TaughtSubgroup(const PlanningLesson& lesson, int teacher) {
    for (int s = 0; s < lesson.subgroupCount(); ++s)
        if (lesson.subgroups[at(s)].teacher == teacher) return s;
    return -1;
}

// A linked lesson stands in every class of its link set; its draft hour is the
// teacher's once, in the first of those classes.
bool CountedInEarlierClass(const PlanningSubgroup& sub, int klass) {
    return std::any_of(sub.links.begin(), sub.links.end(), [klass](const LessonRef& l) { return l.owner < klass; });
}

void CountTeacherHours(const WeekSearchContext& context, WeekCounters& counters) {
    const int lessonsPerDay = context.lessonsPerDay();
    const TTableVarItem& grids = context.grids();
    const int teacherCount = context.teachers.count();
    for (int t = 0; t < teacherCount; ++t) {
        auto& c = counters.teacher(t);
        c.freeDaysRequired = context.teachers.at(t).methodicalDays();
        for (int d = 1; d <= kWeekDays; ++d)
            for (int n = 1; n <= lessonsPerDay; ++n)
                if (context.teachers.IsClosed(t, d, n)) {
                    ++c.blocked[at(d)];
                    c.daySlots[at(d)][at(n)] = kSlotBlocked;
                }
    }
    // One pass over the grids: each teacher's clean hour at a lesson number is the
    // first class found there, each draft hour counts up to the lessons per day.
    std::vector<int> draftSeen(static_cast<std::size_t>(teacherCount));
    std::vector<bool> cleanSeen(static_cast<std::size_t>(teacherCount));
    for (int d = 1; d <= kWeekDays; ++d) {
        std::fill(draftSeen.begin(), draftSeen.end(), 0);
        for (int n = 1; n <= lessonsPerDay; ++n) {
            std::fill(cleanSeen.begin(), cleanSeen.end(), false);
            for (int k = 0; k < grids.classCount(); ++k) {
                const LessonSlot slot = grids.GetCleanSlot(k, d, n);
                if (!slot.occupied() || slot.lessonIndex >= context.klasses.at(k).lessonCount()) continue;
                const PlanningLesson& lesson = context.klasses.at(k).lesson(slot.lessonIndex);
                for (const auto& sub : lesson.subgroups) {
                    const int t = sub.teacher;
                    if (t < 0 || t >= teacherCount || cleanSeen[at(t)]) continue;
                    cleanSeen[at(t)] = true;
                    auto& c = counters.teacher(t);
                    if (c.daySlots[at(d)][at(n)] == kSlotBlocked) continue;
                    const auto& own = lesson.subgroups[at(TaughtSubgroup(lesson, t))];
                    ++c.clean[at(d)];
                    c.daySlots[at(d)][at(n)] = kSlotClean;
                    if (own.fictiveRoom.empty()) ++c.roomLoad[at(d)];
                }
            }
        }
        for (int k = 0; k < grids.classCount(); ++k)
            for (int n = 1; n <= lessonsPerDay; ++n) {
                const LessonSlot slot = grids.GetDraftSlot(k, d, n);
                if (!slot.occupied() || slot.lessonIndex >= context.klasses.at(k).lessonCount()) continue;
                const PlanningLesson& lesson = context.klasses.at(k).lesson(slot.lessonIndex);
                std::vector<int> counted;
                for (const auto& sub : lesson.subgroups) {
                    const int t = sub.teacher;
                    if (t < 0 || t >= teacherCount || std::find(counted.begin(), counted.end(), t) != counted.end())
                        continue;
                    counted.push_back(t);
                    const auto& own = lesson.subgroups[at(TaughtSubgroup(lesson, t))];
                    if (CountedInEarlierClass(own, k) || ++draftSeen[at(t)] > lessonsPerDay) continue;
                    auto& c = counters.teacher(t);
                    ++c.draft[at(d)];
                    if (own.fictiveRoom.empty()) ++c.roomLoad[at(d)];
                }
            }
    }
}

int LongestBlock(const TRTIKlassItem& klass) {
    int longest = 0;
    for (const auto& lesson : klass.lessonCopies)
        for (int v : lesson.spread) longest = std::max(longest, v);
    return longest;
}

int MostBlocksOfLength(const TRTIKlassItem& klass, int length) {
    int most = 0;
    for (const auto& lesson : klass.lessonCopies)
        most = std::max(most, static_cast<int>(std::count(lesson.spread.begin(), lesson.spread.end(), length)));
    return most;
}

void CountClassHours(const WeekSearchContext& context, WeekCounters& counters) {
    const int lessonsPerDay = context.lessonsPerDay();
    const TTableVarItem& grids = context.grids();
    for (int k = 0; k < context.klasses.count(); ++k) {
        const TRTIKlassItem& klass = context.klasses.at(k);
        auto& c = counters.klass(k);
        const int firstLesson = klass.startingLessons.empty() ? 1 : klass.startingLessons.front();
        int workingDays = 0;
        for (int d = 1; d <= kWeekDays; ++d) {
            bool working = false;
            for (int n = 1; n <= lessonsPerDay; ++n) {
                if (klass.busyAt(d, n) || n < firstLesson) {
                    ++c.blocked[at(d)];
                    c.daySlots[at(d)][at(n)] = kSlotBlocked;
                } else {
                    working = true;
                    if (k < grids.classCount() && grids.GetCleanSlot(k, d, n).occupied()) {
                        ++c.clean[at(d)];
                        c.daySlots[at(d)][at(n)] = kSlotClean;
                    }
                }
                if (k < grids.classCount() && grids.GetDraftSlot(k, d, n).occupied()) ++c.draft[at(d)];
            }
            if (working) ++workingDays;
        }
        const int week = klass.weekHours;
        c.weeklyHours = week;
        int minimum = context.klasses.params().classMinLessons;
        while (minimum > 0 && minimum * workingDays > week) --minimum;
        int maximum = std::min(lessonsPerDay, 9);
        while (maximum >= minimum + 2 && week < maximum * (workingDays - 1) + minimum &&
               week < (maximum - 1) * workingDays)
            --maximum;
        maximum = std::max(maximum, LongestBlock(klass));
        c.minPerDay = minimum;
        c.maxPerDay = maximum;
        c.daysAtMax = workingDays - std::min(maximum * workingDays - week, workingDays - 1);
        c.daysAtMax = std::max(c.daysAtMax, MostBlocksOfLength(klass, maximum));
    }
}

}  // namespace

int TeacherDayCounters::daysWithoutHours() const {
    int days = 0;
    for (int d = 1; d <= kWeekDays; ++d)
        if (load(d) == 0) ++days;
    return days;
}

WeekCounters BuildWeekCounters(const WeekSearchContext& context) {
    WeekCounters counters;
    counters.teachers.resize(static_cast<std::size_t>(context.teachers.count()));
    counters.klasses.resize(static_cast<std::size_t>(context.klasses.count()));
    CountTeacherHours(context, counters);
    CountClassHours(context, counters);
    return counters;
}

SearchTeacher MakeSearchTeacher(const WeekSearchContext& context, int teacher) {
    const TRTITeacherItem& item = context.teachers.at(teacher);
    SearchTeacher record;
    record.teacher = teacher;
    record.weeklyHours = item.weekHours;
    const int week = item.weekHours;
    const int freeDays = item.methodicalDays();
    const int workingDays = kWeekDays - freeDays;
    int minimum = context.teachers.params().teacherMinLessons;
    while (minimum > 0 && minimum * workingDays > week) --minimum;
    int maximum = std::min(context.lessonsPerDay(), 9);
    while (maximum > 6 && week < maximum * (5 - freeDays) + minimum && week < (maximum - 1) * workingDays)
        --maximum;
    record.minPerDay = minimum;
    record.maxPerDay = maximum;
    return record;
}

}  // namespace lovaris
