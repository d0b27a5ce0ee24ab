// The completion of a week on small schools built in code: where a block left in the
// draft goes (after its class's day, into a gap, to another day, in place of another
// block, with the day arranged afresh), where it never goes (into a new gap, beside
// its own lesson, into a strictly specialised room that is taken), lessons taught
// together, hours that stood on no day, and no hour placed twice.
#include <gtest/gtest.h>

#include <memory>

#include "../support/EngineTestSchool.h"
#include "WeekPlanChecks.h"
#include "core/planning/PlanningSession.h"
#include "core/planning/VariantSessionCatalog.h"
#include "core/weekplan/WeekCompletion.h"

namespace lovaris {
namespace {

constexpr int kEmpty = -1;

// A school of `lessonsPerDay` lessons with one general room per class (its index is
// the class's); classes, teachers and each class's lessons are indexed in the order
// added.
class CompletionSchool {
public:
    explicit CompletionSchool(int lessonsPerDay = 4, bool rooms = true) : school(lessonsPerDay), rooms_(rooms) {
        subject = school.subject("Предмет");
    }

    int klass(const std::string& name) {
        if (rooms_) school.room("Кабинет " + name);
        return school.klass(name);
    }
    int teacher(const std::string& name) { return school.teacher(name); }
    // A lesson of one subgroup; returns its index in the class.
    int lesson(int klassId, int teacherId, std::vector<int> spread = {1}) {
        school.lesson(klassId, spread, {{subject, teacherId}});
        return lessonsOf_[klassId]++;
    }
    void busy(int teacherId, int day, int number) {
        school.project.teachers.findById(teacherId)->busy.set(day, number, kTeacherBusy);
    }
    // Every lesson number of every day but `day` closed to the teacher.
    void onlyOn(int teacherId, int day) {
        for (int d = 1; d <= 6; ++d)
            if (d != day)
                for (int n = 1; n <= school.project.params.lessonsPerDay; ++n) busy(teacherId, d, n);
    }

    // Call once the project is complete.
    void start() {
        session = std::make_unique<PlanningSession>(school.project);
        variant.Create(MakeVariantCatalog(*session));
    }
    // In the class's own room unless another is given.
    void clean(int klass, int day, int number, int lesson, int room = kEmpty) {
        LessonSlot slot = LessonSlot::BlockHour(lesson, number, number);
        if (rooms_) slot.rooms[0] = static_cast<std::uint16_t>(room == kEmpty ? klass : room);
        variant.SetCleanSlot(klass, day, slot, number);
    }
    void draft(int klass, int day, int lesson) {
        const int number = variant.FirstEmptyDraftNumber(klass, day);
        variant.SetDraftSlot(klass, day, LessonSlot::BlockHour(lesson, number, number), number);
    }
    WeekCompletion complete() { return CompleteWeek(*session, variant); }

    int at(int klass, int day, int number) const { return variant.GetCleanSlot(klass, day, number).lessonIndex; }
    bool roomed(int klass, int day, int number) const {
        return variant.GetCleanSlot(klass, day, number).rooms[0] != kNoRoom;
    }
    // (day, number) of each clean hour of the lesson.
    std::vector<std::pair<int, int>> hoursOf(int klass, int lesson) const {
        std::vector<std::pair<int, int>> hours;
        for (int d = 1; d <= kVariantDays; ++d)
            for (int n = 1; n <= variant.lessonsPerDay(); ++n)
                if (at(klass, d, n) == lesson) hours.emplace_back(d, n);
        return hours;
    }
    int draftHours() const {
        int hours = 0;
        for (int k = 0; k < variant.classCount(); ++k) hours += variant.CountClassLessons(k, 0).draft;
        return hours;
    }
    // Every lesson stands in the clean copy exactly as often as it is taught, each
    // hour with a room, and no class day has a gap.
    void expectWeekComplete() const {
        for (int k = 0; k < variant.classCount(); ++k) {
            const auto& klass = session->klasses().at(k);
            for (int l = 0; l < klass.lessonCount(); ++l) {
                EXPECT_EQ(static_cast<int>(hoursOf(k, l).size()), klass.lesson(l).weeklyHours()) << "class " << k << " lesson " << l;
                for (auto [d, n] : hoursOf(k, l)) EXPECT_TRUE(roomed(k, d, n)) << "class " << k << " day " << d << " at " << n;
            }
            for (int d = 1; d <= kVariantDays; ++d) {
                int first = 0, last = 0, taken = 0;
                for (int n = 1; n <= variant.lessonsPerDay(); ++n)
                    if (at(k, d, n) != kEmpty) {
                        first = first ? first : n;
                        last = n;
                        ++taken;
                    }
                EXPECT_EQ(first ? last - first + 1 : 0, taken) << "gap in class " << k << " day " << d;
            }
        }
        EXPECT_EQ(draftHours(), 0);
    }

    test::EngineSchool school;
    int subject = 0;
    std::unique_ptr<PlanningSession> session;
    TTableVarItem variant;

private:
    bool rooms_;
    std::map<int, int> lessonsOf_;
};

// 5А on Monday: lessons 0 and 1 at 1 and 2; lesson 2 in the draft, its teacher open
// on Monday at the numbers given and nowhere else that week unless `elsewhere`.
struct DraftHourCase {
    const char* name;
    std::vector<int> openOnMonday;
    bool elsewhere;
    std::pair<int, int> expected;  // (day, number), (0, 0) for none
};

class CompletionOfADraftHour : public ::testing::TestWithParam<DraftHourCase> {};

TEST_P(CompletionOfADraftHour, GoesWhereItsClassDayGainsNoGap) {
    const DraftHourCase& c = GetParam();
    CompletionSchool s;
    const int a = s.klass("5А");
    const int first = s.teacher("Первова"), second = s.teacher("Вторый"), third = s.teacher("Третьякова");
    const int l0 = s.lesson(a, first, {1, 1});
    const int l1 = s.lesson(a, second, {1, 1});
    const int l2 = s.lesson(a, third);
    for (int n = 1; n <= 4; ++n)
        if (std::find(c.openOnMonday.begin(), c.openOnMonday.end(), n) == c.openOnMonday.end()) s.busy(third, 1, n);
    if (!c.elsewhere) s.onlyOn(third, 1);
    s.start();
    for (int day : {1, 2}) {
        s.clean(0, day, 1, l0);
        s.clean(0, day, 2, l1);
    }
    s.draft(0, 1, l2);

    s.complete();

    if (c.expected.first == 0) {
        EXPECT_TRUE(s.hoursOf(0, l2).empty());
        EXPECT_EQ(s.draftHours(), 1);  // it stays in the draft, not lost
    } else {
        EXPECT_EQ(s.hoursOf(0, l2), (std::vector<std::pair<int, int>>{c.expected}));
        EXPECT_TRUE(s.roomed(0, c.expected.first, c.expected.second));
        s.expectWeekComplete();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CompletionOfADraftHour,
    ::testing::Values(DraftHourCase{"AfterTheDay", {1, 2, 3, 4}, false, {1, 3}},
                      // 4 would leave 3 empty: Tuesday has the room instead.
                      DraftHourCase{"NotBehindAGap", {4}, true, {2, 3}},
                      // Only 1 is open on Monday: the day is arranged afresh around it.
                      DraftHourCase{"DayArrangedAfresh", {1}, false, {1, 1}},
                      DraftHourCase{"NowhereToGo", {4}, false, {0, 0}}),
    [](const auto& info) { return info.param.name; });

// A school that keeps no rooms is completed all the same, without them.
TEST(WeekCompletion, ASchoolWithoutRoomsIsCompletedWithoutThem) {
    CompletionSchool s(4, false);
    const int a = s.klass("5А");
    const int l0 = s.lesson(a, s.teacher("Первова"));
    const int l1 = s.lesson(a, s.teacher("Вторый"));
    s.start();
    s.clean(0, 1, 1, l0);
    s.draft(0, 1, l1);

    s.complete();

    EXPECT_EQ(s.hoursOf(0, l1), (std::vector<std::pair<int, int>>{{1, 2}}));
}

// A lesson already standing on a day never gets a second block there, even where
// that day would have room for it: Monday is closed to its teacher, and of Tuesday
// and Wednesday, as light as each other, Tuesday has it.
TEST(WeekCompletion, ADayWithTheLessonNeverTakesASecondBlock) {
    CompletionSchool s;
    const int a = s.klass("5А");
    const int second = s.teacher("Вторый");
    const int l0 = s.lesson(a, s.teacher("Первова"), {1, 1, 1});
    const int l1 = s.lesson(a, second, {1, 1});
    const int l2 = s.lesson(a, s.teacher("Третьякова"), {1, 1});
    const int l3 = s.lesson(a, s.teacher("Четвертов"));
    for (int n = 1; n <= 4; ++n) s.busy(second, 1, n);
    s.start();
    for (int day : {1, 2, 3}) s.clean(0, day, 1, l0);
    s.clean(0, 1, 2, l2);
    s.clean(0, 1, 3, l3);
    s.clean(0, 2, 2, l1);
    s.clean(0, 3, 2, l2);
    s.draft(0, 1, l1);

    s.complete();

    EXPECT_EQ(s.hoursOf(0, l1), (std::vector<std::pair<int, int>>{{2, 2}, {3, 3}}));
}

// The only physics room is taken at 2 on Monday by 5Б: 5А's physics goes to Tuesday,
// never into a room of another kind.
TEST(WeekCompletion, AStrictlySpecialisedSubjectWaitsForItsOwnRoom) {
    CompletionSchool s;
    const int a = s.klass("5А");
    const int b = s.klass("5Б");
    const int labId = s.school.room("Кабинет физики");
    const int labIndex = 2;  // after the rooms of 5А and 5Б
    const int physics = s.school.subject("Физика");
    for (auto* kind : {&s.school.project.rooms.findById(labId)->specialization,
                       &s.school.project.subjects.findById(physics)->specialization})
        *kind = 2;
    s.school.project.rooms.findById(labId)->generalUse = 0;
    s.school.project.subjects.findById(physics)->generalUse = 0;
    const int maths = s.lesson(a, s.teacher("Математикова"), {1, 1});
    s.school.lesson(a, {1}, {{physics, s.teacher("Физиков")}});
    const int aPhysics = 1;
    s.school.lesson(b, {1}, {{physics, s.teacher("Другова")}});
    s.busy(s.school.project.teachers.at(1).id, 1, 1);  // Физиков
    s.start();
    s.clean(1, 1, 2, 0, labIndex);
    for (int day : {1, 2}) s.clean(0, day, 1, maths);
    s.draft(0, 1, aPhysics);

    s.complete();

    EXPECT_EQ(s.hoursOf(0, aPhysics), (std::vector<std::pair<int, int>>{{2, 2}}));
    EXPECT_EQ(s.variant.GetCleanSlot(0, 2, 2).rooms[0], labIndex);
}

// Room assignment gives rooms hour by hour: 5А's double lesson stands in 5А's room at
// 1 and in 5Б's at 2, where 5Б learns in 5А's room. 5А's draft hour fits only at 1, so
// the day is arranged afresh; 5А's room stays 5Б's at 2 all along, and no room is
// used twice.
TEST(WeekCompletion, ABlockInAnotherRoomEachHourLeavesTheRoomsOfOthersAlone) {
    CompletionSchool s;
    const int a = s.klass("5А");
    const int b = s.klass("5Б");
    const int early = s.teacher("Ранняя");
    const int aDouble = s.lesson(a, s.teacher("Первова"), {2});
    const int aEarly = s.lesson(a, early);
    const int b0 = s.lesson(b, s.teacher("Вторый"));
    const int b1 = s.lesson(b, s.teacher("Третьякова"));
    s.onlyOn(early, 1);
    for (int n = 2; n <= 4; ++n) s.busy(early, 1, n);
    s.start();
    s.clean(0, 1, 1, aDouble, 0);
    s.clean(0, 1, 2, aDouble, 1);
    s.clean(1, 1, 1, b0, 1);
    s.clean(1, 1, 2, b1, 0);
    s.draft(0, 1, aEarly);

    s.complete();

    EXPECT_EQ(s.hoursOf(0, aEarly), (std::vector<std::pair<int, int>>{{1, 1}}));
    EXPECT_EQ(s.hoursOf(1, b1), (std::vector<std::pair<int, int>>{{1, 2}}));
    EXPECT_EQ(test::Collisions(*s.session, s.variant), "");
    s.expectWeekComplete();
}

// The hour fits on Monday only where another block stands; that block moves to a
// day without it, and nothing is lost.
TEST(WeekCompletion, ABlockGivesWayToOneThatFitsNowhereElse) {
    CompletionSchool s(3);
    const int a = s.klass("5А");
    const int t0 = s.teacher("Нулева"), t1 = s.teacher("Единов"), t2 = s.teacher("Двоева"), t3 = s.teacher("Троев");
    const int l0 = s.lesson(a, t0, {1, 1});
    const int l1 = s.lesson(a, t1);
    const int l2 = s.lesson(a, t2);
    const int l3 = s.lesson(a, t3);
    s.onlyOn(t3, 1);
    s.start();
    s.clean(0, 1, 1, l0);
    s.clean(0, 1, 2, l1);
    s.clean(0, 1, 3, l2);
    s.clean(0, 2, 1, l0);
    s.draft(0, 1, l3);

    const WeekCompletion result = s.complete();

    ASSERT_EQ(s.hoursOf(0, l3).size(), 1u);
    EXPECT_EQ(s.hoursOf(0, l3).front().first, 1);
    EXPECT_EQ(result.displacedHours, 1);
    EXPECT_EQ(result.draftHoursPlaced, 1);
    s.expectWeekComplete();
}

// 5А's hour can only go at 2 on Monday, where its teacher teaches 5Б: 5Б's lesson makes
// way to 3, its day arranged afresh around it.
TEST(WeekCompletion, ATeachersOtherLessonMakesWay) {
    CompletionSchool s;
    const int a = s.klass("5А");
    const int b = s.klass("5Б");
    const int shared = s.teacher("Общая");
    const int l0 = s.lesson(a, s.teacher("Первова"));
    const int l1 = s.lesson(a, shared);
    const int m0 = s.lesson(b, s.teacher("Вторый"));
    const int m1 = s.lesson(b, shared);
    const int m2 = s.lesson(b, s.teacher("Третьякова"));
    s.onlyOn(shared, 1);
    s.busy(shared, 1, 1);
    s.busy(shared, 1, 4);
    s.start();
    s.clean(0, 1, 1, l0);
    s.draft(0, 1, l1);
    s.clean(1, 1, 1, m0);
    s.clean(1, 1, 2, m1);
    s.clean(1, 1, 3, m2);

    const WeekCompletion result = s.complete();

    EXPECT_EQ(s.hoursOf(0, l1), (std::vector<std::pair<int, int>>{{1, 2}}));
    EXPECT_EQ(s.hoursOf(1, m1), (std::vector<std::pair<int, int>>{{1, 3}}));
    EXPECT_EQ(result.displacedHours, 1);
    s.expectWeekComplete();
}

// Monday's gap at 2 cannot be closed within Monday (its teachers are closed there):
// Tuesday's last lesson moves into it.
TEST(WeekCompletion, AGapIsFilledWithTheLastLessonOfAnotherDay) {
    CompletionSchool s;
    const int a = s.klass("5А");
    const int t0 = s.teacher("Нулева"), t2 = s.teacher("Двоева");
    const int l0 = s.lesson(a, t0, {1, 1});
    const int l1 = s.lesson(a, s.teacher("Единов"));
    const int l2 = s.lesson(a, t2);
    const int l3 = s.lesson(a, s.teacher("Троев"));
    s.busy(t0, 1, 2);
    s.busy(t2, 1, 2);
    s.start();
    s.clean(0, 1, 1, l0);
    s.clean(0, 1, 3, l2);
    s.clean(0, 2, 1, l0);
    s.clean(0, 2, 2, l1);
    s.clean(0, 2, 3, l3);

    s.complete();

    EXPECT_EQ(s.hoursOf(0, l3), (std::vector<std::pair<int, int>>{{1, 2}}));
    s.expectWeekComplete();
}

// The shared teacher teaches 5А at 1 and 5Б at 3 on Monday, a window between; 5А
// learns on Monday only, and 5Б's Monday cannot be reordered: 5Б's lesson moves to
// the end of its Tuesday.
TEST(WeekCompletion, ALessonMovesToAnotherDayToCloseAWindow) {
    CompletionSchool s;
    const int a = s.klass("5А");
    const int b = s.klass("5Б");
    const int shared = s.teacher("Общая");
    const int l0 = s.lesson(a, shared);
    const int m0 = s.lesson(b, s.teacher("Вторый"), {1, 1});
    const int m1 = s.lesson(b, s.teacher("Третьякова"), {1, 1});
    const int m2 = s.lesson(b, shared, {1});
    s.busy(shared, 1, 2);
    for (int d = 2; d <= 6; ++d)
        for (int n = 1; n <= 4; ++n) s.school.project.klasses.findById(a)->busy.set(d, n, 1);
    s.start();
    s.clean(0, 1, 1, l0);
    for (int day : {1, 2}) {
        s.clean(1, day, 1, m0);
        s.clean(1, day, 2, m1);
    }
    s.clean(1, 1, 3, m2);

    s.complete();

    EXPECT_EQ(s.hoursOf(1, m2), (std::vector<std::pair<int, int>>{{2, 3}}));
    s.expectWeekComplete();
}

// Hours no day holds are placed, each block of the lesson on a day of its own.
TEST(WeekCompletion, HoursOnNoDayArePlacedOnSeparateDays) {
    CompletionSchool s;
    const int a = s.klass("5А");
    const int first = s.teacher("Первова"), second = s.teacher("Вторый");
    const int l0 = s.lesson(a, first, {1, 1});
    const int l1 = s.lesson(a, second, {1, 1});
    s.start();
    s.clean(0, 1, 1, l0);
    s.clean(0, 2, 1, l0);

    const WeekCompletion result = s.complete();

    EXPECT_EQ(result.unplacedHoursPlaced, 2);
    s.expectWeekComplete();
    (void)l1;
}

// More hours than the week holds: the week fills up, gapless, and the rest stays out.
TEST(WeekCompletion, AWeekWithMoreHoursThanRoomFillsUpAndEnds) {
    CompletionSchool s(2);
    const int a = s.klass("5А");
    for (int l = 0; l < 8; ++l) s.lesson(a, s.teacher("Учитель " + std::to_string(l)), {1, 1, 1});
    s.start();

    s.complete();

    int placed = 0;
    for (int l = 0; l < 8; ++l) placed += static_cast<int>(s.hoursOf(0, l).size());
    EXPECT_EQ(placed, 12);
    EXPECT_EQ(s.draftHours(), 0);
}

// Two classes taught PE together: the hour goes in at one number in both, though
// only 10Б's day arranged afresh makes a common number.
TEST(WeekCompletion, LessonsTaughtTogetherGoInTogether) {
    CompletionSchool s;
    const int a = s.klass("10А");
    const int b = s.klass("10Б");
    const int coach = s.teacher("Тренеров");
    const int ta = s.teacher("Алгебраев"), tb1 = s.teacher("Бэ-один"), tb2 = s.teacher("Бэ-два");
    const int aAlg = s.lesson(a, ta, {1});
    const int aPe = s.lesson(a, coach);
    const int aPeId = s.school.project.lessons.at(s.school.project.lessons.count() - 1).id;
    const int bOne = s.lesson(b, tb1);
    const int bTwo = s.lesson(b, tb2);
    const int bPe = s.lesson(b, coach);
    const int bPeId = s.school.project.lessons.at(s.school.project.lessons.count() - 1).id;
    s.school.linkBoth(aPeId, 0, bPeId, 0);
    for (int id : {aPeId, bPeId}) s.school.lessonById(id).subgroups[0].children = 15;  // one room holds both
    s.onlyOn(coach, 1);
    s.busy(coach, 1, 1);
    s.busy(coach, 1, 3);
    s.start();
    s.clean(0, 1, 1, aAlg);
    s.clean(1, 1, 1, bOne);
    s.clean(1, 1, 2, bTwo);
    s.draft(0, 1, aPe);
    s.draft(1, 1, bPe);

    s.complete();

    ASSERT_EQ(s.hoursOf(0, aPe).size(), 1u);
    EXPECT_EQ(s.hoursOf(0, aPe), s.hoursOf(1, bPe));
    s.expectWeekComplete();
}

// Two blocks of one class day go in together when the day is arranged afresh for the
// first of them; the second is not placed a second time, on another day, when its
// own turn comes.
TEST(WeekCompletion, BlocksPlacedTogetherAreNotPlacedTwice) {
    CompletionSchool s;
    const int a = s.klass("5А");
    const int t0 = s.teacher("Нулева"), t1 = s.teacher("Единов"), t2 = s.teacher("Двоева"), t3 = s.teacher("Троев");
    const int l0 = s.lesson(a, t0);
    const int l1 = s.lesson(a, t1);
    const int l2 = s.lesson(a, t2);
    const int l3 = s.lesson(a, t3);
    for (int t : {t2, t3}) {
        s.busy(t, 1, 3);
        s.busy(t, 1, 4);
    }
    s.start();
    s.clean(0, 1, 1, l0);
    s.clean(0, 1, 2, l1);
    s.draft(0, 1, l2);
    s.draft(0, 1, l3);

    const WeekCompletion result = s.complete();

    EXPECT_EQ(result.draftHoursPlaced, 2);
    s.expectWeekComplete();
}

}  // namespace
}  // namespace lovaris
