#include "WeekAvailability.h"

#include <algorithm>
#include <numeric>

namespace lovaris {
namespace {

int LessonsInDay(int lessonsPerDay) { return std::clamp(lessonsPerDay, 0, kMaxLessonsPerDay); }

template <typename Available>
DayCounts CountPerDay(int lessonsPerDay, Available available) {
    const int lessons = LessonsInDay(lessonsPerDay);
    DayCounts counts{};
    for (int day = 1; day <= kDays; ++day)
        for (int lesson = 1; lesson <= lessons; ++lesson)
            if (available(busySlot(day, lesson))) ++counts[static_cast<std::size_t>(day - 1)];
    return counts;
}

int DaysWithLessons(const DayCounts& counts) {
    return static_cast<int>(std::count_if(counts.begin(), counts.end(), [](int n) { return n > 0; }));
}

}  // namespace

DayCounts ClassAvailableLessonsPerDay(const TKlassItem& klass, int lessonsPerDay) {
    return CountPerDay(lessonsPerDay, [&klass](int slot) { return klass.busy.get(slot) == 0; });
}

DayCounts TeacherTeachableLessonsPerDay(const TTeacherItem& teacher, int lessonsPerDay) {
    return CountPerDay(lessonsPerDay, [&teacher](int slot) { return teacher.canTeach(slot); });
}

int ClassWorkingDays(const TKlassItem& klass, int lessonsPerDay) {
    return DaysWithLessons(ClassAvailableLessonsPerDay(klass, lessonsPerDay));
}

std::int64_t TeacherWorkingDays(const TTeacherItem& teacher, int lessonsPerDay) {
    const std::int64_t days = DaysWithLessons(TeacherTeachableLessonsPerDay(teacher, lessonsPerDay));
    return std::min<std::int64_t>(days, std::int64_t{kDays} - teacher.freeDays);
}

std::int64_t TeacherAvailableHours(const TTeacherItem& teacher, int lessonsPerDay) {
    const int lessons = LessonsInDay(lessonsPerDay);
    DayCounts counts = TeacherTeachableLessonsPerDay(teacher, lessons);
    std::int64_t total = std::accumulate(counts.begin(), counts.end(), std::int64_t{0});

    const std::int64_t freeDays = std::max<std::int64_t>(teacher.freeDays, 0);
    const std::int64_t takenOnce = std::min<std::int64_t>(freeDays, kDays);
    for (std::int64_t i = 0; i < takenOnce; ++i) {
        auto fewest = std::min_element(counts.begin(), counts.end());  // the earliest on a tie
        total -= *fewest;
        *fewest = lessons + 1;
    }
    // Every day now counts lessons + 1, so each further free day takes that much again.
    total -= (freeDays - takenOnce) * (lessons + 1);
    return total;
}

}  // namespace lovaris
