#include "WeekQuality.h"

#include <algorithm>
#include <bit>
#include <cmath>

#include "RoomlessSubgroups.h"

namespace lovaris {
namespace {

// The largest less the smallest day of the most even split of the hours over days
// that take at most `open` hours each: every day filled up to one level, the days
// too short for it full.
int EvenSpread(int hours, const std::vector<int>& open) {
    if (open.empty()) return 0;
    const int most = *std::max_element(open.begin(), open.end());
    int level = 0;
    const auto below = [&](int l) {
        int sum = 0;
        for (int o : open) sum += std::min(o, l);
        return sum;
    };
    while (level < most && below(level + 1) <= hours) ++level;
    // Every day holds min(open, level); what is left goes one hour to each of as many
    // days as can take one more.
    const int left = hours - below(level);
    int high = 0, low = most;
    int extra = left;
    for (int o : open) {
        int day = std::min(o, level);
        if (extra > 0 && o > level) {
            ++day;
            --extra;
        }
        high = std::max(high, day);
        low = std::min(low, day);
    }
    return high - low;
}

int WishPriority(std::int16_t value) {
    switch (value) {
        case kTeacherWishHigh: return 0;
        case kTeacherWishMedium: return 1;
        case kTeacherWishLow: return 2;
        default: return -1;
    }
}

// The class's lessons at the hour, with the teachers of each subgroup.
template <typename Each>
void EachCleanHour(const PlanningSession& session, const TTableVarItem& variant, Each&& each) {
    const int classes = std::min(variant.classCount(), session.klasses().count());
    for (int k = 0; k < classes; ++k)
        for (int d = 1; d <= kVariantDays; ++d)
            for (int n = 1; n <= variant.lessonsPerDay(); ++n) {
                const LessonSlot slot = variant.GetCleanSlot(k, d, n);
                if (slot.occupied()) each(k, d, n, slot);
            }
}

}  // namespace

int WindowsOf(DayMask taught, DayMask closed) {
    if (taught == 0) return 0;
    const int first = std::countr_zero(taught);
    const int last = 31 - std::countl_zero(taught);
    const DayMask upToLast = last == 31 ? ~DayMask{0} : (DayMask{1} << (last + 1)) - 1;
    return std::popcount(upToLast & ~((DayMask{1} << first) - 1) & ~taught & ~closed);
}

KlassJudged JudgeKlassWeek(const KlassWeek& week) {
    KlassJudged judged;
    std::vector<int> open;
    int hours = 0, longest = 0, shortest = 0;
    double load = 0, shares = 0;
    int first = 0, last = 0;  // the first and the last open day
    for (int d = 1; d <= kVariantDays; ++d) {
        const auto i = static_cast<std::size_t>(d);
        hours += week.hours[i];
        load += week.load[i];
        if (week.open[i] == 0) continue;
        longest = open.empty() ? week.hours[i] : std::max(longest, week.hours[i]);
        shortest = open.empty() ? week.hours[i] : std::min(shortest, week.hours[i]);
        open.push_back(week.open[i]);
        shares += TRTIKlassesCollection::DayShare(d);
        if (first == 0) first = d;
        last = d;
    }
    judged.spread = longest - shortest;
    judged.evenSpread = EvenSpread(hours, open);
    judged.lopsided = judged.spread > std::max(2, judged.evenSpread + 1);
    if (shares <= 0 || load <= 0) return judged;
    // The usual curve: Tuesday and Thursday the heaviest, the other days lighter, in
    // the shares of the week's load the planning gives each day.
    double edges = 0, midweek = 0;
    for (int d = first; d <= last; ++d) {
        const auto i = static_cast<std::size_t>(d);
        if (week.open[i] == 0) continue;
        judged.loadOff += std::abs(week.load[i] - load * TRTIKlassesCollection::DayShare(d) / shares);
        double& side = d == first || d == last ? edges : midweek;
        side = std::max(side, week.load[i]);
    }
    judged.offCurve = open.size() > 2 && edges > midweek + 1e-9;
    return judged;
}

TeacherJudged JudgeTeacherWeek(const TeacherWeek& week, int maxWindows) {
    TeacherJudged judged;
    int freeDays = 0;
    for (int d = 1; d <= kVariantDays; ++d) {
        const auto i = static_cast<std::size_t>(d);
        const int windows = WindowsOf(week.taught[i], week.closed[i]);
        judged.windows += windows;
        if (windows > maxWindows) {
            ++judged.daysOverWindows;
            judged.windowsOverMax += windows - maxWindows;
        }
        if (week.schoolDay[i] && week.taught[i] == 0) ++freeDays;
        for (int p = 0; p < kWishPriorities; ++p)
            judged.wishesUsed[static_cast<std::size_t>(p)] +=
                std::popcount(week.taught[i] & week.wishes[i][static_cast<std::size_t>(p)]);
    }
    judged.freeDaysShort = std::max(0, week.freeDays - freeDays);
    return judged;
}

QualityWeights QualityWeights::From(const VariantOptions& options) {
    QualityWeights weights;
    const double teachers = options.teacherBusyWeight / 40.0;
    weights.window *= teachers;
    weights.windowOverMax *= teachers;
    weights.freeDayShort *= teachers;
    weights.loadOff *= options.sanitaryWeight / 30.0;
    for (double& wish : weights.wish) wish *= WishesModeOf(options) == WishesMode::None ? 0.0 : teachers;
    weights.maxWindows = options.maxTeacherWindows;
    return weights;
}

double KlassCost(const KlassJudged& judged, const QualityWeights& weights) {
    const int balanced = std::max(2, judged.evenSpread + 1);
    return weights.lopsided * std::max(0, judged.spread - balanced) +
           weights.uneven * std::max(0, judged.spread - judged.evenSpread) + weights.loadOff * judged.loadOff;
}

double TeacherCost(const TeacherJudged& judged, const QualityWeights& weights) {
    double cost = weights.window * judged.windows + weights.windowOverMax * judged.windowsOverMax +
                  weights.freeDayShort * judged.freeDaysShort;
    for (std::size_t p = 0; p < judged.wishesUsed.size(); ++p) cost += weights.wish[p] * judged.wishesUsed[p];
    return cost;
}

double HourLoad(const PlanningSession& session, int klass, int lesson) {
    const auto& item = session.klasses().at(klass);
    if (lesson < 0 || lesson >= item.lessonCount()) return 0;
    const auto& subgroups = item.lesson(lesson).subgroups;
    if (subgroups.empty()) return 0;
    double sum = 0;
    for (const auto& sub : subgroups) sum += session.subjects().difficulty(sub.subject);
    return sum / static_cast<double>(subgroups.size());
}

std::vector<KlassWeek> KlassWeeksOf(const PlanningSession& session, const TTableVarItem& variant) {
    const int classes = std::min(variant.classCount(), session.klasses().count());
    std::vector<KlassWeek> weeks(static_cast<std::size_t>(classes));
    for (int k = 0; k < classes; ++k)
        for (int d = 1; d <= kVariantDays; ++d)
            for (int n = 1; n <= variant.lessonsPerDay(); ++n)
                if (!session.klasses().at(k).busyAt(d, n)) ++weeks[static_cast<std::size_t>(k)].open[static_cast<std::size_t>(d)];
    EachCleanHour(session, variant, [&](int k, int d, int, const LessonSlot& slot) {
        auto& week = weeks[static_cast<std::size_t>(k)];
        ++week.hours[static_cast<std::size_t>(d)];
        week.load[static_cast<std::size_t>(d)] += HourLoad(session, k, slot.lessonIndex);
    });
    return weeks;
}

std::vector<TeacherWeek> TeacherDaysOf(const PlanningSession& session, const TTableVarItem& variant) {
    const auto& teachers = session.teachers();
    std::vector<TeacherWeek> weeks(static_cast<std::size_t>(teachers.count()));
    std::array<bool, kVariantDays + 1> schoolDay{};
    EachCleanHour(session, variant, [&](int k, int d, int n, const LessonSlot& slot) {
        schoolDay[static_cast<std::size_t>(d)] = true;
        const auto& item = session.klasses().at(k);
        if (slot.lessonIndex >= item.lessonCount()) return;
        for (const auto& sub : item.lesson(slot.lessonIndex).subgroups)
            if (sub.teacher >= 0 && sub.teacher < teachers.count())
                weeks[static_cast<std::size_t>(sub.teacher)].taught[static_cast<std::size_t>(d)] |= DayMask{1} << n;
    });
    for (int t = 0; t < teachers.count(); ++t) {
        auto& week = weeks[static_cast<std::size_t>(t)];
        week.schoolDay = schoolDay;
        for (int d = 1; d <= kVariantDays; ++d)
            for (int n = 1; n <= std::min(variant.lessonsPerDay(), 31); ++n)
                if (teachers.at(t).busy.at(d, n) == kTeacherBusy) week.closed[static_cast<std::size_t>(d)] |= DayMask{1} << n;
    }
    return weeks;
}

std::vector<TeacherWeek> TeacherWeeksOf(const PlanningSession& session, const TTableVarItem& variant,
                                        const VariantOptions& options) {
    const auto& teachers = session.teachers();
    std::vector<TeacherWeek> weeks = TeacherDaysOf(session, variant);
    const WishesMode mode = WishesModeOf(options);
    for (int t = 0; t < teachers.count(); ++t) {
        auto& week = weeks[static_cast<std::size_t>(t)];
        week.freeDays = teachers.at(t).freeDays;
        for (int d = 1; d <= kVariantDays; ++d)
            for (int n = 1; n <= std::min(variant.lessonsPerDay(), 31); ++n) {
                const std::int16_t value = teachers.at(t).busy.at(d, n);
                const int priority = WishPriority(value);
                if (priority >= 0 && !TRTITeacherItem::isHonouredWish(value, mode))
                    week.wishes[static_cast<std::size_t>(d)][static_cast<std::size_t>(priority)] |= DayMask{1} << n;
            }
    }
    return weeks;
}

WeekQuality MeasureWeek(const PlanningSession& session, const TTableVarItem& variant, const VariantOptions& options) {
    WeekQuality quality;
    const QualityWeights weights = QualityWeights::From(options);
    quality.maxWindows = weights.maxWindows;
    for (const KlassWeek& week : KlassWeeksOf(session, variant)) {
        const KlassJudged judged = JudgeKlassWeek(week);
        ++quality.classes;
        quality.lopsidedClasses += judged.lopsided ? 1 : 0;
        quality.widestSpread = std::max(quality.widestSpread, judged.spread);
        quality.loadOff += judged.loadOff;
        quality.classesOffCurve += judged.offCurve ? 1 : 0;
        quality.cost += KlassCost(judged, weights);
    }
    for (const TeacherWeek& week : TeacherWeeksOf(session, variant, options)) {
        const TeacherJudged judged = JudgeTeacherWeek(week, weights.maxWindows);
        quality.teacherWindows += judged.windows;
        quality.teacherDaysOverWindows += judged.daysOverWindows;
        quality.windowsOverMax += judged.windowsOverMax;
        quality.teachersShortOfFreeDays += judged.freeDaysShort > 0 ? 1 : 0;
        quality.freeDaysShort += judged.freeDaysShort;
        for (std::size_t p = 0; p < judged.wishesUsed.size(); ++p) quality.wishesUsed[p] += judged.wishesUsed[p];
        quality.cost += TeacherCost(judged, weights);
    }
    quality.subgroupsWithoutRoom = SubgroupsWithoutRoom(session, variant);
    return quality;
}

}  // namespace lovaris
