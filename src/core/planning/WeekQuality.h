#pragma once
// How good a week is for the school that hangs it on the wall: the teachers' windows,
// how even each class's days are, each class's sanitary (СЭС) load against the usual
// curve of the week, the teachers' free days, the teachers' wishes it uses and the
// subgroups without a room; and one weighted cost of them, the weights taken from the
// variant's options. The figures are judged class by class and teacher by teacher,
// so that the improvement of a week can weigh a move by the few it touches.
#include <array>
#include <cstdint>
#include <vector>

#include "PlanningSession.h"
#include "../variant/TTableVarItem.h"
#include "../variant/VariantOptions.h"

namespace lovaris {

using DayMask = std::uint32_t;  // bit n: lesson number n

// Wish priorities, highest first.
inline constexpr int kWishPriorities = 3;

// A class's week as the measure reads it; [0] of each array unused.
struct KlassWeek {
    std::array<int, kVariantDays + 1> hours{};     // clean hours by day
    std::array<int, kVariantDays + 1> open{};      // lesson numbers the class is open at, by day
    std::array<double, kVariantDays + 1> load{};   // sanitary load of the clean hours, by day
};

struct KlassJudged {
    int spread = 0;      // longest day less shortest, over the class's open days
    int evenSpread = 0;  // ... of the most even split its open hours allow
    bool lopsided = false;  // spread past 2 and past the even split's plus 1
    double loadOff = 0;  // sum over the open days of |load - the usual curve's share|
    bool offCurve = false;  // the heaviest day is the first or the last open day
};

KlassJudged JudgeKlassWeek(const KlassWeek& week);

// A teacher's week as the measure reads it; [0] of each array unused.
struct TeacherWeek {
    std::array<DayMask, kVariantDays + 1> taught{};
    // Hours the teacher is busy at: one inside the teacher's day, such as the school's
    // long break, is no window.
    std::array<DayMask, kVariantDays + 1> closed{};
    // Hours the teacher wished free that the wishes mode leaves open, by day and
    // priority (high, medium, low).
    std::array<std::array<DayMask, kWishPriorities>, kVariantDays + 1> wishes{};
    int freeDays = 0;  // methodical days the teacher is to have
    // Days the week teaches on at all: only these can be a teacher's free day.
    std::array<bool, kVariantDays + 1> schoolDay{};
};

struct TeacherJudged {
    int windows = 0;
    int daysOverWindows = 0;  // days with more windows than the variant allows
    int windowsOverMax = 0;   // ... the windows past that limit
    int freeDaysShort = 0;    // methodical days the week does not give
    std::array<int, kWishPriorities> wishesUsed{};  // hours taught at a wished-free hour
};

TeacherJudged JudgeTeacherWeek(const TeacherWeek& week, int maxWindows);

// Numbers inside a day (from its first taught number to its last) that are neither
// taught nor closed: a teacher's windows, or a class's gaps.
int WindowsOf(DayMask taught, DayMask closed = 0);

// What each figure costs in the weighted cost of a week.
struct QualityWeights {
    double window = 1;          // a teacher's window
    double windowOverMax = 2;   // ... past the variant's limit, besides
    double freeDayShort = 8;    // a methodical day not given
    double lopsided = 4;        // a lesson of a class's spread past the balanced one
    double uneven = 0.3;        // a lesson of a class's spread past the most even split
    double loadOff = 0.02;      // a unit of sanitary load off the usual curve
    std::array<double, kWishPriorities> wish{1.5, 1, 0.5};
    int maxWindows = 1;

    // The teacher-busy weight scales the teachers' figures, the sanitary weight the
    // load; the wishes count unless the wishes mode ignores priorities.
    static QualityWeights From(const VariantOptions& options);
};

double KlassCost(const KlassJudged& judged, const QualityWeights& weights);
double TeacherCost(const TeacherJudged& judged, const QualityWeights& weights);

struct WeekQuality {
    int teacherWindows = 0;
    int teacherDaysOverWindows = 0;
    int windowsOverMax = 0;
    int maxWindows = 0;  // the variant's limit of windows per teacher and day
    int classes = 0;
    int lopsidedClasses = 0;
    int widestSpread = 0;  // the largest spread of a class's days
    double loadOff = 0;    // summed over the classes
    int classesOffCurve = 0;
    int teachersShortOfFreeDays = 0;
    int freeDaysShort = 0;
    std::array<int, kWishPriorities> wishesUsed{};
    int subgroupsWithoutRoom = 0;
    double cost = 0;  // the weighted cost of the figures above but the rooms
};

// The figures of the classes' and teachers' weeks as the clean copy holds them.
std::vector<KlassWeek> KlassWeeksOf(const PlanningSession& session, const TTableVarItem& variant);
std::vector<TeacherWeek> TeacherWeeksOf(const PlanningSession& session, const TTableVarItem& variant,
                                        const VariantOptions& options);
// The same with the hours taught, the busy hours and the school days alone.
std::vector<TeacherWeek> TeacherDaysOf(const PlanningSession& session, const TTableVarItem& variant);
// The mean difficulty of an hour of the class's lesson (0 without subgroups).
double HourLoad(const PlanningSession& session, int klass, int lesson);

// The measure of the week in the variant's clean copy.
WeekQuality MeasureWeek(const PlanningSession& session, const TTableVarItem& variant, const VariantOptions& options);

}  // namespace lovaris
