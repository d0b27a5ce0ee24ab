// The week variant search: days of fixed blocks, one day per block of a lesson, the
// classes' closed hours, the distribution with the most placed hours, the
// nine-lesson day in the clean copy, parallel lessons, and the run over a group
// stopped half-way.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "../support/EngineTestSchool.h"
#include "core/planning/PlanningSession.h"
#include "core/planning/VariantPlanning.h"
#include "core/planning/VariantSessionCatalog.h"
#include "core/weekvars/WeekVariantSearch.h"

namespace lovaris {
namespace {

using test::EngineSchool;

// A school built in code, opened for planning with an empty variant; the search runs
// over a group of the teachers given.
class WeekSearchTest : public ::testing::Test {
protected:
    void open() {
        session = std::make_unique<PlanningSession>(school.project);
        variant.Create(MakeVariantCatalog(*session));
        planning = std::make_unique<VariantPlanning>(variant, *session);
        state().placeToCleanCopy = false;
    }
    PlanningState& state() { return session->state(); }

    // Runs every member; stops with the control's abort.
    WeekSearchEvent run(std::vector<int> group, RunControl& control) {
        session->teachers().groups.rows = {std::move(group)};
        state().selectedGroup = 0;
        WeekVariantSearch search(*session, *planning);
        WeekSearchEvent event;
        while ((event = search.next(control)) == WeekSearchEvent::TeacherDone) {
        }
        return event;
    }
    WeekSearchEvent run(std::vector<int> group) {
        UninterruptedRun uninterrupted;
        return run(std::move(group), uninterrupted);
    }

    void closeAllBut(int teacherId, int day, std::vector<int> openLessons) {
        auto& t = *school.project.teachers.findById(teacherId);
        for (int d = 1; d <= 6; ++d)
            for (int n = 1; n <= school.project.params.lessonsPerDay; ++n) {
                const bool open = d == day && std::find(openLessons.begin(), openLessons.end(), n) != openLessons.end();
                t.busy.set(d, n, open ? kTeacherFree : kTeacherBusy);
            }
    }
    void placeClean(int klass, int lesson, int day, int start, int hours) {
        for (int n = start; n < start + hours; ++n) variant.SetCleanSlot(klass, day, LessonSlot::BlockHour(lesson, start, n), n);
    }
    void placeDraft(int klass, int lesson, int day, int hours) {
        const int start = variant.FirstEmptyDraftNumber(klass, day);
        for (int n = start; n < start + hours; ++n) variant.SetDraftSlot(klass, day, LessonSlot::BlockHour(lesson, start, n), n);
    }
    int hours(int klass, int lesson, int day) const { return variant.CountLessonHoursOnDay(klass, lesson, day); }
    int weekHours(int klass, int lesson) const {
        int sum = 0;
        for (int d = 1; d <= 6; ++d) sum += hours(klass, lesson, d);
        return sum;
    }
    // The first lesson number of the lesson in the day's clean copy, 0 none.
    int cleanStart(int klass, int lesson, int day) const {
        int first = 0;
        variant.CountLessonHoursInClean(klass, lesson, day, first);
        return first;
    }

    EngineSchool school{12};
    std::unique_ptr<PlanningSession> session;
    TTableVarItem variant;
    std::unique_ptr<VariantPlanning> planning;
};

TEST_F(WeekSearchTest, BlocksInTheVariantKeepTheirDayAndOtherBlocksTakeOtherDays) {
    const int maths = school.subject("Математика");
    const int k = school.klass("5А");
    const int t = school.teacher("Иванова");
    school.lesson(k, {2, 1, 1}, {{maths, t}});
    for (const bool clean : {false, true}) {
        SCOPED_TRACE(clean ? "clean copy" : "draft");
        open();
        state().placeToCleanCopy = clean;
        placeClean(0, 0, 3, 2, 2);  // the double hour stands on Wednesday at 2..3
        placeDraft(0, 0, 5, 1);     // a single hour in Friday's draft
        ASSERT_EQ(run({0}), WeekSearchEvent::Ended);
        EXPECT_EQ(cleanStart(0, 0, 3), 2);
        EXPECT_EQ(hours(0, 0, 3), 2);
        EXPECT_EQ(hours(0, 0, 5), 1);
        EXPECT_EQ(weekHours(0, 0), 4);
        for (int d = 1; d <= 6; ++d) EXPECT_LE(hours(0, 0, d), d == 3 ? 2 : 1) << "day " << d;
    }
}

TEST_F(WeekSearchTest, ALessonWhollyInTheVariantHasOneVariant) {
    const int maths = school.subject("Математика");
    const int k = school.klass("5А");
    const int t = school.teacher("Иванова");
    school.lesson(k, {2, 1}, {{maths, t}});
    open();
    placeClean(0, 0, 2, 3, 2);
    placeDraft(0, 0, 4, 1);
    session->klasses().ComputeDayTargets(*planning, state().currentDay);
    const WeekSearchContext context{session->klasses(), session->teachers(), *planning, state()};
    WeekCounters counters = BuildWeekCounters(context);
    const SearchTeacher searched = MakeSearchTeacher(context, 0);
    TeacherWeekSearch search(context, counters, searched, false);
    while (search.counting() && search.Step()) {
    }
    ASSERT_EQ(search.lessons().size(), 1u);
    EXPECT_EQ(search.lessons()[0].variantCount, 1);
    while (search.Step()) {
    }
    search.Stop();
    search.ApplyBest();
    EXPECT_EQ(cleanStart(0, 0, 2), 3);
    EXPECT_EQ(hours(0, 0, 4), 1);
    EXPECT_EQ(weekHours(0, 0), 3);
}

// What the teacher's week allows, and the hours the best distribution places.
struct PlacedCase {
    const char* name;
    std::vector<int> firstSpread;
    std::vector<int> secondSpread;  // empty: one lesson only
    int freeDays;
    std::vector<std::pair<int, int>> openHours;  // (day, lessons open that day); empty: every hour open
    int expectedHours;
};

class WeekSearchPlaced : public WeekSearchTest, public ::testing::WithParamInterface<PlacedCase> {};

TEST_P(WeekSearchPlaced, TheDistributionWithTheMostPlacedHoursWins) {
    const PlacedCase& c = GetParam();
    const int maths = school.subject("Математика");
    const int physics = school.subject("Физика");
    const int k = school.klass("5А");
    const int t = school.teacher("Иванова");
    school.lesson(k, c.firstSpread, {{maths, t}});
    if (!c.secondSpread.empty()) school.lesson(k, c.secondSpread, {{physics, t}});
    auto& teacher = *school.project.teachers.findById(t);
    teacher.freeDays = c.freeDays;
    if (!c.openHours.empty())
        for (int d = 1; d <= 6; ++d)
            for (int n = 1; n <= 12; ++n) {
                int open = 0;
                for (auto [day, count] : c.openHours)
                    if (day == d) open = count;
                teacher.busy.set(d, n, n <= open ? kTeacherFree : kTeacherBusy);
            }
    open();
    ASSERT_EQ(run({0}), WeekSearchEvent::Ended);
    int placed = 0;
    for (int l = 0; l < session->klasses().at(0).lessonCount(); ++l) {
        placed += weekHours(0, l);
        const auto& spread = session->klasses().at(0).lesson(l).spread;
        const int longest = *std::max_element(spread.begin(), spread.end());
        for (int d = 1; d <= 6; ++d) EXPECT_LE(hours(0, l, d), longest) << "two blocks of lesson " << l << " on day " << d;
    }
    EXPECT_EQ(placed, c.expectedHours);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WeekSearchPlaced,
    ::testing::Values(
        // Seven single hours, six days: one stays out, no day gets two.
        PlacedCase{"SevenSingles", {1, 1, 1, 1, 1, 1, 1}, {}, 0, {}, 6},
        // Two free days leave four days for five single hours.
        PlacedCase{"FreeDays", {1, 1, 1, 1, 1}, {}, 2, {}, 4},
        // Monday holds three hours, Tuesday one: the even week with one hour placed
        // loses to the uneven one with four.
        PlacedCase{"HoursBeforeEvenness", {3}, {1}, 0, {{1, 3}, {2, 1}}, 4}),
    [](const auto& info) { return std::string(info.param.name); });

// The class's closed hours: a lesson of the class goes only to days with room for
// its block among the hours the class is open.
struct ClassOpenCase {
    const char* name;
    std::vector<int> spread;
    std::vector<int> openPerDay;  // lessons open from 1, Monday..Saturday
    int expectedHours;
};

class WeekSearchClassOpen : public WeekSearchTest, public ::testing::WithParamInterface<ClassOpenCase> {};

TEST_P(WeekSearchClassOpen, NoBlockGoesBeyondTheHoursTheClassIsOpen) {
    const ClassOpenCase& c = GetParam();
    const int k = school.klass("1А");
    school.lesson(k, c.spread, {{school.subject("Математика"), school.teacher("Иванова")}});
    auto& klass = *school.project.klasses.findById(k);
    for (int d = 1; d <= 6; ++d)
        for (int n = 1; n <= 12; ++n) klass.busy.set(d, n, n <= c.openPerDay[static_cast<std::size_t>(d - 1)] ? 0 : 1);
    open();
    ASSERT_EQ(run({0}), WeekSearchEvent::Ended);
    for (int d = 1; d <= 6; ++d)
        EXPECT_LE(hours(0, 0, d), c.openPerDay[static_cast<std::size_t>(d - 1)]) << "day " << d;
    EXPECT_EQ(weekHours(0, 0), c.expectedHours);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WeekSearchClassOpen,
    ::testing::Values(
        // A junior class does not learn on Saturday: six hours, five days.
        ClassOpenCase{"ClosedSaturday", {1, 1, 1, 1, 1, 1}, {5, 5, 5, 5, 5, 0}, 5},
        // A triple hour needs three open lessons in a row: only Wednesday has them.
        ClassOpenCase{"ShortDays", {3}, {2, 2, 3, 2, 2, 0}, 3},
        ClassOpenCase{"NoDayLongEnough", {3}, {2, 2, 2, 2, 2, 2}, 0}),
    [](const auto& info) { return std::string(info.param.name); });

// The teacher can teach on Monday only, at 1 and at `openAt`; a single hour stands at 1.
TEST_F(WeekSearchTest, ACleanDayLongerThanNineLessonsIsNotAccepted) {
    const int maths = school.subject("Математика");
    const int physics = school.subject("Физика");
    const int k = school.klass("5А");
    const int t = school.teacher("Иванова");
    school.lesson(k, {1}, {{maths, t}});
    school.lesson(k, {1}, {{physics, t}});
    // Enough hours in the class for two on a Monday.
    school.lesson(k, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}, {{maths, school.teacher("Петров")}});
    for (const auto& [openAt, expectedStart] : std::vector<std::pair<int, int>>{{9, 9}, {10, 0}, {12, 0}}) {
        SCOPED_TRACE(openAt);
        closeAllBut(t, 1, {1, openAt});
        open();
        state().placeToCleanCopy = true;
        placeClean(0, 0, 1, 1, 1);
        ASSERT_EQ(run({0}), WeekSearchEvent::Ended);
        EXPECT_EQ(cleanStart(0, 0, 1), 1);
        EXPECT_EQ(cleanStart(0, 1, 1), expectedStart);
        EXPECT_EQ(weekHours(0, 1), expectedStart == 0 ? 0 : 1);
    }
}

TEST_F(WeekSearchTest, ParallelLessonsMeetOnOneDayOnlyWhenParallelsCount) {
    const int maths = school.subject("Математика");
    const int a = school.klass("5А");
    const int b = school.klass("5Б");
    school.project.klasses.findById(a)->appendParallel(b);
    school.project.klasses.findById(b)->appendParallel(a);
    const int t = school.teacher("Иванова");
    school.lesson(a, {1}, {{maths, t}});
    school.lesson(b, {1}, {{maths, t}});
    for (const bool parallels : {false, true}) {
        SCOPED_TRACE(parallels);
        open();
        state().considerParallels = parallels;
        ASSERT_EQ(run({0}), WeekSearchEvent::Ended);
        int sameDay = 0;
        for (int d = 1; d <= 6; ++d) sameDay += hours(0, 0, d) == 1 && hours(1, 0, d) == 1 ? 1 : 0;
        EXPECT_EQ(sameDay, parallels ? 1 : 0);
        EXPECT_EQ(weekHours(0, 0) + weekHours(1, 0), 2);
    }
}

// Aborts as soon as the second member has started.
class AbortAtSecondMember : public RunControl {
public:
    explicit AbortAtSecondMember(const WeekVariantSearch*& search) : search_(search) {}
    bool poll() override { return search_ && search_->position() == 1; }

private:
    const WeekVariantSearch*& search_;
};

TEST_F(WeekSearchTest, AbortingKeepsTheEarlierMembersAndLeavesTheRest) {
    const int maths = school.subject("Математика");
    const int k = school.klass("5А");
    const int first = school.teacher("Иванова");
    const int second = school.teacher("Петров");
    school.lesson(k, {1, 1}, {{maths, first}});
    school.lesson(k, {1, 1}, {{maths, second}});
    open();
    state().optimizeQueue = false;
    session->teachers().groups.rows = {{0, 1}};
    state().selectedGroup = 0;
    WeekVariantSearch search(*session, *planning);
    const WeekVariantSearch* watched = &search;
    AbortAtSecondMember control(watched);
    EXPECT_EQ(search.next(control), WeekSearchEvent::TeacherDone);
    EXPECT_EQ(search.next(control), WeekSearchEvent::Aborted);
    EXPECT_EQ(search.next(control), WeekSearchEvent::Ended);
    EXPECT_EQ(weekHours(0, 0), 2);
    EXPECT_EQ(weekHours(0, 1), 0);
    ASSERT_EQ(search.rows().size(), 2u);
    EXPECT_EQ(search.rows()[0].placedHours, 2);
}

}  // namespace
}  // namespace lovaris
