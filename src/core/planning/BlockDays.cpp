#include "BlockDays.h"

namespace lovaris {

std::vector<int> AssignBlockDays(std::span<const int> spread, const DayHours& hours) {
    std::vector<int> days(spread.size(), 0);
    for (int d = 1; d <= kDays; ++d) {
        const int h = hours[static_cast<std::size_t>(d)];
        if (h <= 0) continue;
        for (std::size_t e = 0; e < spread.size(); ++e)
            if (days[e] == 0 && spread[e] == h) {
                days[e] = d;
                break;
            }
    }
    return days;
}

namespace {

template <typename Grid>
DayHours HoursPerDay(const Grid& variant, int klass, int lesson, int skipDay) {
    DayHours hours{};
    for (int d = 1; d <= kDays; ++d)
        if (d != skipDay) hours[static_cast<std::size_t>(d)] = variant.CountLessonHoursOnDay(klass, lesson, d);
    return hours;
}

}  // namespace

DayHours LessonHoursPerDay(const VariantDayReader& variant, int klass, int lesson, int skipDay) {
    return HoursPerDay(variant, klass, lesson, skipDay);
}

DayHours LessonHoursPerDay(const TTableVarItem& variant, int klass, int lesson, int skipDay) {
    return HoursPerDay(variant, klass, lesson, skipDay);
}

}  // namespace lovaris
