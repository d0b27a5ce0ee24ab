// The planning states of the selected day: closed hours, day targets, fixing lessons
// read back from the timetable, teacher groups.
#include <gtest/gtest.h>

#include "../support/EngineTestSchool.h"
#include "core/planning/DayTargetMath.h"
#include "core/planning/PlanningSession.h"

namespace lovaris {
namespace {

using test::EngineSchool;
using test::FakeVariant;

TEST(EngineDayTargets, RoundingAndTeacherDayMaximum) {
    EXPECT_EQ(DivideRoundingUp(20, 6), 4);
    EXPECT_EQ(DivideRoundingUp(18, 6), 3);
    EXPECT_EQ(DivideRoundingUp(-5, 6), 1);
    const std::pair<int, int> maxima[] = {{1, 5}, {2, 6}, {3, 6}, {4, 6}, {5, 7}, {6, 8}};
    for (auto [minimum, maximum] : maxima) EXPECT_EQ(TeacherDayMaximum(minimum), maximum) << minimum;
}

TEST(EngineDayTargets, ClassOfThirtyHoursWithNothingPlaced) {
    EngineSchool school;
    const int k = school.klass("5А");
    const int t = school.teacher("Иванова");
    for (int i = 0; i < 6; ++i) school.lesson(k, {1, 1, 1, 1, 1}, {{school.subject("П" + std::to_string(i)), t}});

    PlanningSession session(school.project);
    FakeVariant variant(session.klasses());
    session.SetupDay(variant);
    const auto& klass = session.klasses().at(0);
    EXPECT_EQ(klass.weekHours, 30);
    EXPECT_EQ(klass.unassignedHours, 30);
    EXPECT_EQ(session.state().plannedDays, 1);
    EXPECT_EQ(klass.minToday, 4);
    EXPECT_EQ(klass.maxToday, 6);
    EXPECT_EQ(klass.minFree, 4);
    EXPECT_EQ(klass.maxFree, 6);
    EXPECT_DOUBLE_EQ(klass.dayLoad, klass.weekLoad * 0.15);
}

TEST(EngineDayTargets, PlacedHoursTakeTheirSpreadEntriesAndMarkTheirDays) {
    EngineSchool school;
    const int k = school.klass("5А");
    const int t = school.teacher("Иванова");
    school.lesson(k, {1, 2, 2}, {{school.subject("Математика"), t}});

    PlanningSession session(school.project);
    session.state().currentDay = 2;
    FakeVariant variant(session.klasses());
    variant.place(0, 1, 1, 2, 0);  // Monday: a double hour
    variant.place(0, 2, 3, 1, 0);  // the selected day: a single one
    session.SetupDay(variant);
    const auto& lesson = session.klasses().at(0).lesson(0);
    EXPECT_EQ(lesson.entryDays[0], 2);
    EXPECT_EQ(lesson.entryDays[1], 1);
    EXPECT_EQ(lesson.entryDays[2], 0);
    EXPECT_EQ(session.teachers().at(0).copy(0).entryDays[1], 1);
    const auto& klass = session.klasses().at(0);
    EXPECT_EQ(klass.todayHours, 1);
    EXPECT_EQ(klass.unassignedHours, 2);
    EXPECT_EQ(session.state().plannedDays, 2);
    EXPECT_EQ(session.teachers().at(0).todayHours, 1);
    EXPECT_EQ(session.teachers().at(0).unassignedHours, 2);
}

TEST(EngineDayTargets, WhollyClosedDayBecomesTheTeachersFreeDay) {
    EngineSchool school;
    const int k = school.klass("5А");
    const int t = school.teacher("Петров");
    school.project.teachers.at(0).freeDays = 1;
    for (int n = 1; n <= 8; ++n) school.project.teachers.at(0).busy.set(3, n, kTeacherBusy);
    school.lesson(k, {2, 2, 2, 2, 2}, {{school.subject("Физика"), t}});

    PlanningSession session(school.project);
    session.state().currentDay = 3;
    FakeVariant variant(session.klasses());
    session.SetupDay(variant);
    const auto& teacher = session.teachers().at(0);
    EXPECT_EQ(teacher.fullyBlockedFreeDays, 1);
    EXPECT_EQ(teacher.blockedToday, 8);
    // 10 hours over the 4 days left: Wednesday's closed hours are not counted.
    EXPECT_EQ(teacher.minToday, 1);
    EXPECT_EQ(teacher.maxToday, 8);
    EXPECT_EQ(teacher.minFree, 0);
}

TEST(EngineDayTargets, MoreFreeDaysTakenThanAskedLeaveNoneToCome) {
    EngineSchool school;
    const int k = school.klass("5А");
    const int t = school.teacher("Петров");
    school.lesson(k, {5, 5, 5, 5, 5, 5}, {{school.subject("Физика"), t}});

    PlanningSession session(school.project);
    FakeVariant variant(session.klasses());
    session.teachers().at(0).freeDaysTaken = 2;  // asked for none
    session.SetupDay(variant);
    // 30 hours over six days, as with no free days at all.
    EXPECT_EQ(session.teachers().at(0).minToday, 4);
}

TEST(EngineTeacherDay, WishesModeDecidesWhichWishesCloseHours) {
    EngineSchool school;
    school.teacher("Орлова");
    auto& busy = school.project.teachers.at(0).busy;
    busy.set(1, 1, kTeacherWishLow);
    busy.set(1, 2, kTeacherWishMedium);
    busy.set(1, 3, kTeacherWishHigh);
    busy.set(1, 4, kTeacherBusy);
    struct Case {
        WishesMode mode;
        std::array<int, 5> cells;  // lessons 1..5
        int honoured;
    };
    const int c = TRTITeacherItem::kClosedCell;
    const Case cases[] = {
        {WishesMode::All, {c, c, c, c, -1}, 3},
        {WishesMode::MediumAndHigh, {-1, c, c, c, -1}, 2},
        {WishesMode::HighOnly, {-1, -1, c, c, -1}, 1},
        {WishesMode::None, {-1, -1, -1, c, -1}, 0},
    };
    PlanningSession session(school.project);
    for (const auto& test : cases) {
        session.teachers().wishesMode = test.mode;
        session.teachers().SetupDay();
        session.teachers().CountWishHours();
        const auto& teacher = session.teachers().at(0);
        for (int n = 1; n <= 5; ++n) EXPECT_EQ(teacher.dayCells[n], test.cells[n - 1]) << int(test.mode) << " " << n;
        EXPECT_EQ(teacher.blockedToday, 5 - static_cast<int>(test.mode));
        EXPECT_EQ(teacher.wishCounts[1].busy, 1);
        EXPECT_EQ(teacher.wishCounts[1].honoured, test.honoured);
    }
}

TEST(EngineTeacherDay, LessonNumbersPastTheSchoolDayAreClosed) {
    EngineSchool school(6);
    school.teacher("Орлова");
    PlanningSession session(school.project);
    session.teachers().SetupDay();
    EXPECT_EQ(session.teachers().at(0).dayCells[6], TRTITeacherItem::kFreeCell);
    EXPECT_EQ(session.teachers().at(0).dayCells[7], TRTITeacherItem::kClosedCell);
    EXPECT_EQ(session.teachers().at(0).blockedToday, 0);
}

// Two teachers who share room 12 but no lesson, and a third teaching alone.
struct SharedRoomSchool {
    EngineSchool school;
    SharedRoomSchool() {
        const int roomId = school.room("12");
        const int k = school.klass("5А");
        const int a = school.teacher("Аникина", roomId);
        const int b = school.teacher("Борисов");
        const int c = school.teacher("Власова", roomId);
        school.lesson(k, {2}, {{school.subject("Химия"), a}});
        school.lesson(k, {1}, {{school.subject("Труд"), b}});
        school.lesson(k, {1}, {{school.subject("Биология"), c}});
    }
};

TEST(EngineTeacherGroups, TeachersSharingARoomAreAlwaysInOneGroup) {
    SharedRoomSchool shared;
    PlanningSession session(shared.school.project);
    EXPECT_EQ(session.teachers().at(0).partners, (std::vector<int>{2}));
    EXPECT_EQ(session.teachers().at(2).partners, (std::vector<int>{0}));
    FakeVariant variant(session.klasses());
    variant.place(0, 1, 1, 2, 0, false);
    variant.place(0, 1, 3, 1, 1, false);
    variant.place(0, 1, 4, 1, 2, false);

    session.teachers().BuildTeacherGroups(variant, true);
    // The shared pair; then the single teachers whose longest block is below 2.
    EXPECT_EQ(session.teachers().groups.rows, (std::vector<std::vector<int>>{{0, 2}, {1}}));
    session.teachers().BuildTeacherGroups(variant, false);
    EXPECT_EQ(session.teachers().groups.rows, (std::vector<std::vector<int>>{{0, 2}, {1}}));
}

TEST(EngineTeacherGroups, DayModeDropsTeachersWithoutLessonsTodayAndWeekModeIsCached) {
    SharedRoomSchool shared;
    PlanningSession session(shared.school.project);
    FakeVariant variant(session.klasses());
    variant.place(0, 1, 1, 2, 0, false);  // only Аникина teaches on Monday

    session.teachers().BuildTeacherGroups(variant, false);
    EXPECT_EQ(session.teachers().groups.rows, (std::vector<std::vector<int>>{{0}}));
    session.teachers().BuildTeacherGroups(variant, true);
    const auto week = session.teachers().groups;
    session.teachers().groups.rows.clear();
    session.teachers().BuildTeacherGroups(variant, true);
    EXPECT_EQ(session.teachers().groups, week);
}

TEST(EngineTeacherGroups, TeachersOfOneLessonShareAGroupAndLongBlocksComeFirst) {
    EngineSchool school;
    const int k = school.klass("5А");
    const int a = school.teacher("А");
    const int b = school.teacher("Б");
    const int c = school.teacher("В");
    const int d = school.teacher("Г");
    school.lesson(k, {1}, {{school.subject("Англ"), a}, {school.subject("Нем"), c}});
    school.lesson(k, {1}, {{school.subject("Музыка"), b}});
    school.lesson(k, {2}, {{school.subject("Труд"), d}});
    PlanningSession session(school.project);
    FakeVariant variant(session.klasses());
    session.teachers().BuildTeacherGroups(variant, true);
    EXPECT_EQ(session.teachers().groups.rows, (std::vector<std::vector<int>>{{0, 2}, {3}, {1}}));
}

TEST(EngineClassDay, ChooseEntryTakesTheFirstFreeEntryOfThatValue) {
    EngineSchool school;
    school.lesson(school.klass("5А"), {1, 2, 2}, {{school.subject("Химия"), school.teacher("Аникина")}});
    PlanningSession session(school.project);
    auto& klasses = session.klasses();
    klasses.at(0).lesson(0).entryDays[1] = 4;  // the first 2 went to Thursday
    klasses.ChooseEntry(0, 0, 2);
    EXPECT_EQ(klasses.at(0).lesson(0).chosenEntry, 3);
    EXPECT_EQ(klasses.at(0).chosenHoursToday, 2);
    klasses.ChooseEntry(0, 0, 0);
    EXPECT_EQ(klasses.at(0).lesson(0).chosenEntry, 0);
}

// Two classes whose lessons 0 are linked and taught by one teacher.
struct LinkedPair {
    EngineSchool school;
    LinkedPair() {
        const int subject = school.subject("Физкультура");
        const int t = school.teacher("Сидоров");
        const int other = school.teacher("Петров");
        const int a = school.lesson(school.klass("7А"), {2, 1}, {{subject, t}}).id;
        const int b = school.lesson(school.klass("7Б"), {2, 1}, {{subject, t}}).id;
        school.linkBoth(a, 0, b, 0);
        school.lesson(school.project.klasses.at(0).id, {1, 1}, {{school.subject("Химия"), other}});
    }
};

TEST(EngineClassDay, CleanBlocksAreFixedWithTheirLinkedLessons) {
    LinkedPair pair;
    PlanningSession session(pair.school.project);
    FakeVariant variant(session.klasses());
    variant.place(0, 1, 3, 2, 0);                // the linked lesson at 3..4
    variant.place(0, 1, 1, 1, 1, false, 0x1);    // a critical draft lesson
    auto& klasses = session.klasses();
    klasses.MarkFixedLessonsOfDay(variant, 1, 0);

    const auto& linked = klasses.at(0).lesson(0);
    EXPECT_TRUE(linked.fixed);
    EXPECT_EQ(linked.fixedHours, 2);
    EXPECT_EQ(linked.fixedStart, 3);
    EXPECT_EQ(linked.chosenEntry, 0);
    const auto& partner = klasses.at(1).lesson(0);
    EXPECT_TRUE(partner.fixed);
    EXPECT_EQ(partner.fixedStart, 3);
    EXPECT_EQ(partner.plannedStart, 3);
    EXPECT_EQ(klasses.at(0).fixedHoursToday, 2);
    EXPECT_EQ(klasses.at(1).fixedHoursToday, 2);
    // The teacher's two copies are fixed; the hours count once.
    EXPECT_EQ(session.teachers().at(0).fixedToday, 2);
    EXPECT_TRUE(session.teachers().at(0).copy(1).fixed);

    const auto& draft = klasses.at(0).lesson(1);
    EXPECT_FALSE(draft.fixed);
    EXPECT_EQ(draft.chosenEntry, 1);
    EXPECT_TRUE(draft.critical);
    EXPECT_TRUE(session.teachers().at(1).copy(0).critical);
    EXPECT_EQ(klasses.at(0).chosenHoursToday, 1);
}

TEST(EngineClassDay, LessonsWhollyInTheGroupStayOpenDuringAGroupCommand) {
    LinkedPair pair;
    PlanningSession session(pair.school.project);
    FakeVariant variant(session.klasses());
    variant.place(0, 1, 3, 2, 0);
    session.teachers().groups.rows = {{0}};
    session.state().selectedGroup = 0;
    session.state().groupCommandActive = true;
    session.klasses().MarkFixedLessonsOfDay(variant, 1, 0);
    const auto& lesson = session.klasses().at(0).lesson(0);
    EXPECT_FALSE(lesson.fixed);
    EXPECT_TRUE(lesson.inGroup);
    EXPECT_EQ(lesson.plannedStart, 0);
    EXPECT_EQ(lesson.chosenEntry, 1);

    session.klasses().ResetDay(0, true);
    session.klasses().ResetDay(1, true);
    session.state().groupCommandActive = false;
    session.klasses().MarkFixedLessonsOfDay(variant, 1, 0);
    EXPECT_TRUE(session.klasses().at(0).lesson(0).fixed);
}

}  // namespace
}  // namespace lovaris
