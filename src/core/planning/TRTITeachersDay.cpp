// The teachers' state of the selected day: closed hours, fixing, day targets.
#include <algorithm>

#include "DayTargetMath.h"
#include "TRTIKlassesCollection.h"
#include "TRTITeachersCollection.h"

namespace lovaris {
namespace {

// The teacher's subgroup of a copy: the first one the teacher teaches.
int OwnSubgroup(const PlanningLesson& copy, int teacher) {
    for (int s = 0; s < copy.subgroupCount(); ++s)
        if (copy.subgroups[static_cast<std::size_t>(s)].teacher == teacher) return s;
    return -1;
}

// A lesson linked to another of the same teacher's lessons is counted once, in the
// later copy.
bool CountedElsewhere(const PlanningLesson& copy, int copyIndex, int teacher) {
    const int s = OwnSubgroup(copy, teacher);
    if (s < 0) return true;
    for (const auto& link : copy.subgroups[static_cast<std::size_t>(s)].links)
        if (link.owner == teacher && link.lesson > copyIndex) return true;
    return false;
}

struct HourSums {
    int week = 0;
    int unassigned = 0;
    int today = 0;
};

HourSums SumEntries(const PlanningLesson& copy, int day) {
    HourSums sums;
    for (int e = 0; e < copy.entryCount(); ++e) {
        const int value = copy.spread[static_cast<std::size_t>(e)];
        const int entryDay = copy.entryDays[static_cast<std::size_t>(e)];
        sums.week += value;
        if (entryDay == 0) sums.unassigned += value;
        if (entryDay == day) sums.today += value;
    }
    return sums;
}

}  // namespace

bool TRTITeachersCollection::IsClosed(int teacher, int day, int lesson) const {
    return at(teacher).closedAt(day, lesson, wishesMode);
}

int TRTITeachersCollection::ClosedHoursOnDay(int teacher, int day) const {
    int closed = 0;
    for (int n = 1; n <= params_->lessonsPerDay; ++n)
        if (IsClosed(teacher, day, n)) ++closed;
    return closed;
}

void TRTITeachersCollection::SetupDay() {
    const int day = state_->currentDay;
    for (int t = 0; t < count(); ++t) {
        auto& teacher = at(t);
        teacher.blockedToday = 0;
        for (int n = 1; n <= kMaxLessonsPerDay; ++n) {
            // Lesson numbers past the school day are closed to every teacher.
            const bool closed = n > params_->lessonsPerDay || IsClosed(t, day, n);
            teacher.dayCells[static_cast<std::size_t>(n)] = closed ? TRTITeacherItem::kClosedCell : TRTITeacherItem::kFreeCell;
            if (closed && n <= params_->lessonsPerDay) ++teacher.blockedToday;
        }
    }
    for (auto& klass : *klasses_) klass.blockedToday = klass.blockedPerDay[static_cast<std::size_t>(day)];
}

void TRTITeachersCollection::CountWishHours() {
    for (auto& teacher : *this) {
        for (int day = 1; day <= kDays; ++day) {
            WishCount counts;
            for (int n = 1; n <= params_->lessonsPerDay; ++n) {
                const auto value = teacher.busy.at(day, n);
                if (value == kTeacherBusy) ++counts.busy;
                if (TRTITeacherItem::isHonouredWish(value, wishesMode)) ++counts.honoured;
            }
            teacher.wishCounts[static_cast<std::size_t>(day)] = counts;
        }
    }
}

void TRTITeachersCollection::ResetDay(int teacher) {
    auto& item = at(teacher);
    for (auto& copy : item.lessonCopies) {
        copy.fixed = false;
        copy.fixedHours = 0;
        copy.inGroup = false;
        copy.critical = false;
        copy.chosenEntry = 0;
    }
    item.fixedToday = 0;
    for (auto& cell : item.dayCells)
        if (cell != TRTITeacherItem::kClosedCell) cell = TRTITeacherItem::kFreeCell;
}

void TRTITeachersCollection::FixTeacherCopy(int teacher, int copyIndex, int hours) {
    auto& item = at(teacher);
    auto& copy = item.copy(copyIndex);
    item.fixedToday += hours - (copy.fixed ? copy.fixedHours : 0);
    copy.fixed = true;
    copy.fixedHours = static_cast<std::uint16_t>(hours);
    for (const auto& sub : copy.subgroups)
        for (const auto& link : sub.links) {
            if (!link.valid()) continue;
            auto& linked = at(link.owner).copy(link.lesson);
            linked.fixed = true;
            linked.fixedHours = static_cast<std::uint16_t>(hours);
        }
}

int TRTITeachersCollection::MaxSpreadBlock(int teacher) const {
    int largest = 0;
    for (const auto& copy : at(teacher).lessonCopies)
        for (int v : copy.spread) largest = std::max(largest, v);
    return largest;
}

bool TRTITeachersCollection::PartnersFree(int teacher, int lesson) const {
    for (int p : at(teacher).partners) {
        const int cell = at(p).dayCells[static_cast<std::size_t>(lesson)];
        if (cell >= 0 && cell != TRTITeacherItem::kClosedCell) return false;
    }
    return true;
}

void TRTITeachersCollection::ComputeDayTargets(int day, const std::array<bool, kDays + 1>& daysWithLessons,
                                               int plannedDays) {
    const int lessonsPerDay = params_->lessonsPerDay;
    for (int t = 0; t < count(); ++t) {
        auto& teacher = at(t);
        HourSums total;
        for (int c = 0; c < teacher.copyCount(); ++c) {
            if (CountedElsewhere(teacher.copy(c), c, t)) continue;
            const HourSums sums = SumEntries(teacher.copy(c), day);
            total.week += sums.week;
            total.unassigned += sums.unassigned;
            total.today += sums.today;
        }
        teacher.weekHours = total.week;
        teacher.unassignedHours = total.unassigned;
        teacher.todayHours = total.today;

        std::array<int, kDays + 1> closed{};
        for (int d = 1; d <= kDays; ++d)
            closed[static_cast<std::size_t>(d)] = daysWithLessons[static_cast<std::size_t>(d)] ? 0 : ClosedHoursOnDay(t, d);
        teacher.blockedToday = closed[static_cast<std::size_t>(day)];
        for (int n = 1; n <= kMaxLessonsPerDay; ++n) {
            const bool shut = n > lessonsPerDay || IsClosed(t, day, n);
            teacher.dayCells[static_cast<std::size_t>(n)] = shut ? TRTITeacherItem::kClosedCell : TRTITeacherItem::kFreeCell;
        }

        // The free days still to come go to the most closed days. A teacher who already
        // had more free days than asked for has none left to come.
        const int freeDaysLeft = std::max(0, teacher.methodicalDays() - teacher.freeDaysTaken);
        teacher.fullyBlockedFreeDays = 0;
        for (int i = 0; i < freeDaysLeft; ++i) {
            int pick = 1;
            for (int d = 2; d <= kDays; ++d)
                if (closed[static_cast<std::size_t>(d)] > closed[static_cast<std::size_t>(pick)]) pick = d;
            if (closed[static_cast<std::size_t>(pick)] == lessonsPerDay) ++teacher.fullyBlockedFreeDays;
            closed[static_cast<std::size_t>(pick)] = 0;
        }
        int acc = teacher.unassignedHours + teacher.todayHours;
        for (int d = 1; d <= kDays; ++d) acc += closed[static_cast<std::size_t>(d)];

        const int daysLeft = kDays - freeDaysLeft - plannedDays;
        const int perDay = std::min(DivideRoundingUp(acc - 2 * daysLeft, std::max(1, daysLeft + 1)), lessonsPerDay);
        teacher.minToday = perDay;
        teacher.maxToday = std::min(TeacherDayMaximum(perDay) + teacher.blockedToday, lessonsPerDay);
        teacher.minFree = std::max(0, teacher.minToday - teacher.blockedToday);
        teacher.maxFree = std::max(0, teacher.maxToday - teacher.blockedToday);
    }
    SpreadPartnersLoad(day, plannedDays);
}

void TRTITeachersCollection::SpreadPartnersLoad(int day, int plannedDays) {
    const int lessonsPerDay = params_->lessonsPerDay;
    for (int h = 0; h < count(); ++h) {
        const auto& partners = at(h).partners;
        if (partners.empty()) continue;
        // The teachers sharing a room are handled once, at the last of them.
        if (std::any_of(partners.begin(), partners.end(), [h](int p) { return p > h; })) continue;
        int acc = 0;
        for (int c = 0; c < at(h).copyCount(); ++c) {
            const auto& copy = at(h).copy(c);
            const bool sharedWithPartner = std::any_of(copy.subgroups.begin(), copy.subgroups.end(), [&](const PlanningSubgroup& s) {
                return std::find(partners.begin(), partners.end(), s.teacher) != partners.end();
            });
            if (sharedWithPartner || CountedElsewhere(copy, c, h)) continue;
            const HourSums sums = SumEntries(copy, day);
            acc += sums.unassigned + sums.today;
        }
        for (int p : partners) acc += at(p).unassignedHours + at(p).todayHours;
        const int daysLeft = kDays - plannedDays;
        const int needed = DivideRoundingUp(acc - 2 * daysLeft, std::max(1, daysLeft + 1));

        int planned = at(h).minFree;
        for (int p : partners) planned += at(p).minFree;
        std::vector<int> order = partners;
        order.push_back(h);
        while (planned < needed) {
            bool grew = false;
            for (int member : order) {
                auto& teacher = at(member);
                if (teacher.maxFree == 0 || teacher.minFree + teacher.blockedToday >= lessonsPerDay) continue;
                ++teacher.minFree;
                if (teacher.maxFree + teacher.blockedToday < lessonsPerDay) ++teacher.maxFree;
                ++planned;
                grew = true;
                if (planned >= needed) break;
            }
            if (!grew) break;
        }
    }
}

}  // namespace lovaris
