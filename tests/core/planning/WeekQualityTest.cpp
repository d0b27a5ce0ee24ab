// The measure of a week: a class's days judged against the most even split its open
// hours allow and its load against the usual curve; a teacher's windows, free days
// and wishes; and the whole measure read from a small week, each figure counted by hand.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "../support/EngineTestSchool.h"
#include "core/planning/PlanningSession.h"
#include "core/planning/WeekQuality.h"

namespace lovaris {
namespace {

using Days = std::array<int, kVariantDays + 1>;
using Loads = std::array<double, kVariantDays + 1>;

constexpr Days kOpen8{0, 8, 8, 8, 8, 8, 8};

struct KlassCase {
    const char* name;
    Days hours;
    Days open;
    Loads load;
    int spread;
    int evenSpread;
    bool lopsided;
    double loadOff;
    bool offCurve;
};

class KlassWeekJudged : public ::testing::TestWithParam<KlassCase> {};

TEST_P(KlassWeekJudged, AgainstTheEvenSplitAndTheUsualCurve) {
    const KlassCase& c = GetParam();
    const KlassJudged judged = JudgeKlassWeek({c.hours, c.open, c.load});
    EXPECT_EQ(judged.spread, c.spread);
    EXPECT_EQ(judged.evenSpread, c.evenSpread);
    EXPECT_EQ(judged.lopsided, c.lopsided);
    EXPECT_NEAR(judged.loadOff, c.loadOff, 1e-9);
    EXPECT_EQ(judged.offCurve, c.offCurve);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, KlassWeekJudged,
    ::testing::Values(
        // 33 hours over six days of 8: 6, 6, 6, 5, 5, 5 at best.
        KlassCase{"Lopsided", {0, 0, 8, 8, 8, 1, 8}, kOpen8, {}, 8, 1, true, 0, false},
        KlassCase{"WithinTwo", {0, 4, 6, 5, 5, 5, 5}, kOpen8, {}, 2, 0, false, 0, false},
        KlassCase{"ThreeApartIsLopsided", {0, 3, 6, 5, 5, 5, 5}, kOpen8, {}, 3, 1, true, 0, false},
        // A closed Saturday is no short day.
        KlassCase{"ClosedDayLeftOut", {0, 5, 5, 5, 5, 5, 0}, {0, 8, 8, 8, 8, 8, 0}, {}, 0, 0, false, 0, false},
        // Saturday opens two hours: 7, 7, 7, 7, 7, 2 is as even as 37 hours go.
        KlassCase{"ShortDayAllowsMore", {0, 8, 8, 8, 6, 5, 2}, {0, 8, 8, 8, 8, 8, 2}, {}, 6, 5, false, 0, false},
        KlassCase{"ShortDayPlusTwo", {0, 8, 8, 8, 8, 4, 1}, {0, 8, 8, 8, 8, 8, 2}, {}, 7, 5, true, 0, false},
        // 100 units of load in the shares 15, 20, 15, 20, 15, 15.
        KlassCase{"OnTheCurve", {0, 5, 5, 5, 5, 5, 5}, kOpen8, {0, 15, 20, 15, 20, 15, 15}, 0, 0, false, 0, false},
        KlassCase{"HeavyEnds", {0, 5, 5, 5, 5, 5, 5}, kOpen8, {0, 30, 10, 10, 10, 10, 30}, 0, 0, false, 60, true},
        // Five open days: the shares 15, 20, 15, 20, 15 of 85 scaled to 100.
        KlassCase{"FiveDays", {0, 5, 5, 5, 5, 5, 0}, {0, 8, 8, 8, 8, 8, 0}, {0, 20, 20, 20, 20, 20, 0}, 0, 0, false,
                  3 * (20 - 1500.0 / 85) + 2 * (2000.0 / 85 - 20), false}),
    [](const auto& info) { return std::string(info.param.name); });

DayMask Numbers(std::initializer_list<int> numbers) {
    DayMask mask = 0;
    for (int n : numbers) mask |= DayMask{1} << n;
    return mask;
}

struct TeacherCase {
    const char* name;
    std::array<DayMask, kVariantDays + 1> taught;
    std::array<DayMask, kVariantDays + 1> closed;
    int freeDays;
    std::array<bool, kVariantDays + 1> schoolDay;
    int windows;
    int daysOverWindows;
    int windowsOverMax;
    int freeDaysShort;
};

constexpr std::array<bool, kVariantDays + 1> kSixDays{false, true, true, true, true, true, true};
constexpr std::array<bool, kVariantDays + 1> kFiveDays{false, true, true, true, true, true, false};
const DayMask kMorning = Numbers({1, 2, 3});

class TeacherWeekJudged : public ::testing::TestWithParam<TeacherCase> {};

TEST_P(TeacherWeekJudged, WindowsAndFreeDays) {
    const TeacherCase& c = GetParam();
    TeacherWeek week;
    week.taught = c.taught;
    week.closed = c.closed;
    week.freeDays = c.freeDays;
    week.schoolDay = c.schoolDay;
    const TeacherJudged judged = JudgeTeacherWeek(week, 1);
    EXPECT_EQ(judged.windows, c.windows);
    EXPECT_EQ(judged.daysOverWindows, c.daysOverWindows);
    EXPECT_EQ(judged.windowsOverMax, c.windowsOverMax);
    EXPECT_EQ(judged.freeDaysShort, c.freeDaysShort);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TeacherWeekJudged,
    ::testing::Values(
        // 1 . 3 . . 6: three windows, two past the one allowed; 1 . 3: one, allowed.
        TeacherCase{"Windows", {0, Numbers({1, 3, 6}), Numbers({1, 3}), 0, 0, 0, 0}, {}, 0, kSixDays, 4, 1, 2, 0},
        // The break at 4 closed to the teacher: 1 . 3 [4] 5 has one window, not two; a
        // closed hour outside the day counts for nothing.
        TeacherCase{"BreakIsNoWindow", {0, Numbers({1, 3, 5}), 0, 0, 0, 0, 0}, {0, Numbers({4, 7}), 0, 0, 0, 0, 0}, 0,
                    kSixDays, 1, 0, 0, 0},
        TeacherCase{"TwoFreeDaysGiven", {0, kMorning, kMorning, kMorning, kMorning, 0, 0}, {}, 2, kSixDays, 0, 0, 0, 0},
        TeacherCase{"OneShort", {0, kMorning, kMorning, kMorning, kMorning, kMorning, 0}, {}, 2, kSixDays, 0, 0, 0, 1},
        // A day nobody learns on is nobody's free day.
        TeacherCase{"DayOffForAll", {0, kMorning, kMorning, kMorning, kMorning, kMorning, 0}, {}, 2, kFiveDays, 0, 0, 0,
                    2}),
    [](const auto& info) { return std::string(info.param.name); });

void Put(TTableVarItem& variant, int klass, int day, int start, int hours, int lesson) {
    for (int n = start; n < start + hours; ++n) variant.SetCleanSlot(klass, day, LessonSlot::BlockHour(lesson, start, n), n);
}

// One class of five lessons a day, Monday to Friday, Saturday closed; maths (8) with
// a teacher who wants a free day and wished lesson 5 of Monday free, at low priority;
// drawing (2) and history (5) with one teacher.
TEST(WeekQuality, MeasuresAWeekCountedByHand) {
    test::EngineSchool school(6);
    const int maths = school.subject("Математика", 8);
    const int drawing = school.subject("ИЗО", 2);
    const int history = school.subject("История", 5);
    const int klass = school.klass("5А");
    const int mathsTeacher = school.teacher("Иванова");
    const int other = school.teacher("Петров");
    school.project.teachers.findById(mathsTeacher)->freeDays = 1;
    school.project.teachers.findById(mathsTeacher)->busy.set(1, 5, kTeacherWishLow);
    school.project.teachers.findById(other)->busy.set(3, 3, kTeacherBusy);
    for (int n = 1; n <= 6; ++n) school.project.klasses.findById(klass)->busy.set(6, n, 1);
    school.lesson(klass, {5, 5, 4, 5, 5}, {{maths, mathsTeacher}});  // lesson 0
    school.lesson(klass, {1, 1}, {{drawing, other}});                 // lesson 1
    school.lesson(klass, {1}, {{history, other}});                    // lesson 2
    PlanningSession session(school.project);
    TTableVarItem variant = session.NewVariant();
    const VariantOptions options = VariantOptions::Defaults(variant.classCount(), variant.lessonsPerDay());
    // Monday: drawing 1, maths 2-5. Tuesday and Thursday: maths 1-5. Wednesday:
    // history 1, maths 2-5, drawing 6. Friday: maths 1-2.
    Put(variant, 0, 1, 1, 1, 1);
    Put(variant, 0, 1, 2, 4, 0);
    Put(variant, 0, 2, 1, 5, 0);
    Put(variant, 0, 3, 1, 1, 2);
    Put(variant, 0, 3, 2, 4, 0);
    Put(variant, 0, 3, 6, 1, 1);
    Put(variant, 0, 4, 1, 5, 0);
    Put(variant, 0, 5, 1, 2, 0);

    const WeekQuality q = MeasureWeek(session, variant, options);
    // Petrov on Wednesday at 1 and 6, closed at 3: three windows, two past the one allowed.
    EXPECT_EQ(q.teacherWindows, 3);
    EXPECT_EQ(q.maxWindows, 1);
    EXPECT_EQ(q.teacherDaysOverWindows, 1);
    EXPECT_EQ(q.windowsOverMax, 2);
    // Days 5, 5, 6, 5, 2: spread 4 where 23 hours over five days go 5, 5, 5, 4, 4.
    EXPECT_EQ(q.classes, 1);
    EXPECT_EQ(q.widestSpread, 4);
    EXPECT_EQ(q.lopsidedClasses, 1);
    // Maths teaches every day Monday to Friday: its free day is missing; Petrov has
    // three free days and wants none.
    EXPECT_EQ(q.teachersShortOfFreeDays, 1);
    EXPECT_EQ(q.freeDaysShort, 1);
    // Monday's lesson 5 is maths: a low-priority wish used (the default mode leaves it open).
    EXPECT_EQ(q.wishesUsed[2], 1);
    EXPECT_EQ(q.wishesUsed[0] + q.wishesUsed[1], 0);
    // Loads 34, 40, 39, 40, 16 of 169; shares 15, 20, 15, 20, 15 of 85.
    const double loads[] = {34, 40, 39, 40, 16};
    const double shares[] = {15, 20, 15, 20, 15};
    double off = 0;
    for (int d = 0; d < 5; ++d) off += std::abs(loads[d] - 169 * shares[d] / 85);
    EXPECT_NEAR(q.loadOff, off, 1e-9);
    EXPECT_EQ(q.classesOffCurve, 0);
    const QualityWeights w = QualityWeights::From(options);
    EXPECT_NEAR(q.cost, w.window * 3 + w.windowOverMax * 2 + w.freeDayShort + w.wish[2] + w.lopsided * 2 +
                            w.uneven * 3 + w.loadOff * off,
                1e-9);
}

}  // namespace
}  // namespace lovaris
