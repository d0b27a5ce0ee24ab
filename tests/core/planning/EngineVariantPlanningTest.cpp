// The variant as the planning works on it: placing planned days and linked lessons,
// moving blocks, the teacher and group queries, day loads and room choice.
#include <gtest/gtest.h>

#include "../support/EngineTestSchool.h"
#include "core/planning/PlanningSession.h"
#include "core/planning/VariantPlanning.h"
#include "core/planning/VariantSessionCatalog.h"

namespace lovaris {
namespace {

// Two classes of 8 lessons a day. 5А: maths {2,1} (Иванова), PE {1,1} (Петров,
// taught together with 5Б's PE), Russian {1,1,1} (Сидорова). 5Б: PE {1,1} (Петров),
// Russian {1,1} (Сидорова). Rooms: 101, 102, a strict gym (3) and a chemistry room (5)
// open to any lesson.
struct School {
    School() {
        room101 = school.room("101");
        room102 = school.room("102");
        const int gymId = school.room("Спортзал");
        auto& gym = *school.project.rooms.findById(gymId);
        gym.specialization = 3;
        gym.generalUse = 0;
        gym.seats = 60;
        const int chemistryId = school.room("Химия");
        school.project.rooms.findById(chemistryId)->specialization = 5;
        const int maths = school.subject("Математика", 8);
        const int pe = school.subject("Физкультура", 3);
        const int russian = school.subject("Русский язык", 5);
        const int a = school.klass("5А");
        const int b = school.klass("5Б");
        const int ivanova = school.teacher("Иванова");
        const int petrov = school.teacher("Петров");
        const int sidorova = school.teacher("Сидорова");
        school.lesson(a, {2, 1}, {{maths, ivanova}});
        const int peA = school.lesson(a, {1, 1}, {{pe, petrov}}).id;
        school.lesson(a, {1, 1, 1}, {{russian, sidorova}});
        const int peB = school.lesson(b, {1, 1}, {{pe, petrov}}).id;
        school.lesson(b, {1, 1}, {{russian, sidorova}});
        school.linkBoth(peA, 0, peB, 0);
    }
    test::EngineSchool school;
    int room101 = 0, room102 = 0;
};

// Class and lesson indexes of the school.
constexpr int kA = 0, kB = 1;
constexpr int kMathsA = 0, kPeA = 1, kRussianA = 2, kPeB = 0, kRussianB = 1;
constexpr int kIvanova = 0, kPetrov = 1, kSidorova = 2;
constexpr int kRoom101 = 0, kRoom102 = 1, kGym = 2, kChemistry = 3;

class EngineVariantPlanning : public ::testing::Test {
protected:
    EngineVariantPlanning() : session(fixture.school.project), planning(variant, session) {
        variant.Create(MakeVariantCatalog(session));
    }

    void put(int klass, int day, int lesson, int start, int hours, bool draft, std::uint16_t room = kNoRoom) {
        for (int n = start; n < start + hours; ++n) {
            LessonSlot slot = LessonSlot::BlockHour(lesson, start, n);
            slot.rooms[0] = room;
            if (draft)
                variant.SetDraftSlot(klass, day, slot, n);
            else
                variant.SetCleanSlot(klass, day, slot, n);
        }
    }
    // (lesson, prevPosition) of each number of one layer; (-1, 0) for an empty hour.
    std::vector<std::pair<int, int>> layer(int klass, int day, bool draft, int upTo = 5) const {
        std::vector<std::pair<int, int>> hours;
        for (int n = 1; n <= upTo; ++n) {
            const LessonSlot s = draft ? variant.GetDraftSlot(klass, day, n) : variant.GetCleanSlot(klass, day, n);
            hours.emplace_back(s.lessonIndex, s.occupied() ? s.prevPosition : 0);
        }
        return hours;
    }

    School fixture;
    PlanningSession session;
    TTableVarItem variant;
    VariantPlanning planning;
};

using Hours = std::vector<std::pair<int, int>>;
constexpr std::pair<int, int> kNone{-1, 0};

// ---------------------------------------------------------------- placing and moving

TEST_F(EngineVariantPlanning, PlaceDayFromPositionsWritesStartedLessonsCleanAndTheRestToTheDraft) {
    auto& a = session.klasses().at(kA);
    a.lesson(kMathsA).chosenEntry = 1;  // 2 hours, no start: draft
    a.lesson(kRussianA).chosenEntry = 1;
    a.lesson(kRussianA).plannedStart = 4;
    a.lesson(kPeA).fixed = true;  // fixed in the clean copy at 2
    a.lesson(kPeA).fixedHours = 1;
    a.lesson(kPeA).fixedStart = 2;
    auto& b = session.klasses().at(kB);
    b.lesson(kRussianB).chosenEntry = 1;
    b.lesson(kPeB).fixed = true;  // fixed as absent today
    b.lesson(kPeB).fixedHours = 0;
    b.lesson(kPeB).plannedStart = 3;
    const LessonRef ivanova = a.lesson(kMathsA).subgroups[0].copyRef;
    session.teachers().at(ivanova.owner).copy(ivanova.lesson).critical = true;
    put(kA, 2, kRussianA, 1, 1, true);  // another day stays as it is

    planning.PlaceDayFromPositions(1);
    EXPECT_EQ(layer(kA, 1, false), (Hours{kNone, {kPeA, -1}, kNone, {kRussianA, -1}, kNone}));
    EXPECT_EQ(layer(kA, 1, true), (Hours{{kMathsA, -1}, {kMathsA, 1}, kNone, kNone, kNone}));
    EXPECT_EQ(layer(kB, 1, false), (Hours{kNone, kNone, kNone, kNone, kNone}));
    EXPECT_EQ(layer(kB, 1, true), (Hours{{kRussianB, -1}, kNone, kNone, kNone, kNone}));
    EXPECT_EQ(variant.GetDraftSlot(kA, 1, 2).subgroupMask, 1);
    EXPECT_EQ(variant.GetCleanSlot(kA, 1, 4).subgroupMask, 0);
    EXPECT_EQ(variant.GetDraftSlot(kA, 2, 1).lessonIndex, kRussianA);
}

TEST_F(EngineVariantPlanning, APlacedDayReadsBackIntoThePlanningStates) {
    session.state().currentDay = 1;
    auto& a = session.klasses().at(kA);
    a.lesson(kRussianA).chosenEntry = 1;
    a.lesson(kRussianA).plannedStart = 4;
    a.lesson(kMathsA).chosenEntry = 1;
    const LessonRef ivanova = a.lesson(kMathsA).subgroups[0].copyRef;
    session.teachers().at(ivanova.owner).copy(ivanova.lesson).critical = true;
    planning.PlaceDayFromPositions(1);

    for (int c = 0; c < session.klasses().count(); ++c) session.klasses().ResetDay(c, true);
    for (int t = 0; t < session.teachers().count(); ++t) session.teachers().ResetDay(t);
    session.klasses().MarkFixedLessonsOfDay(planning, 1, -1);
    const auto& russian = a.lesson(kRussianA);
    EXPECT_TRUE(russian.fixed);
    EXPECT_EQ(russian.fixedStart, 4);
    EXPECT_EQ(russian.fixedHours, 1);
    const auto& maths = a.lesson(kMathsA);
    EXPECT_FALSE(maths.fixed);
    EXPECT_EQ(maths.plannedStart, 0);
    EXPECT_EQ(maths.chosenHours(), 2);
    EXPECT_TRUE(maths.critical);
    EXPECT_TRUE(session.teachers().at(ivanova.owner).copy(ivanova.lesson).critical);
}

TEST_F(EngineVariantPlanning, PlaceLinkedLessonWritesEveryLessonOfTheLinkSet) {
    put(kB, 3, kRussianB, 1, 1, true);
    planning.PlaceLinkedLesson(kA, kPeA, true, 3, 0, 1);
    EXPECT_EQ(layer(kA, 3, true), (Hours{{kPeA, -1}, kNone, kNone, kNone, kNone}));
    EXPECT_EQ(layer(kB, 3, true), (Hours{{kRussianB, -1}, {kPeB, -1}, kNone, kNone, kNone}));
    planning.PlaceLinkedLesson(kB, kPeB, false, 4, 5, 1);
    EXPECT_EQ(variant.GetCleanSlot(kA, 4, 5).lessonIndex, kPeA);
    EXPECT_EQ(variant.GetCleanSlot(kB, 4, 5).lessonIndex, kPeB);
    EXPECT_EQ(planning.CountTeacherCleanLessons(kPetrov, 4), 1);  // one lesson in two classes
}

// PE is taught to 5А and 5Б together: placed in both classes or in neither, never
// split between them by a draft or a day too full for the block in one class.
TEST_F(EngineVariantPlanning, PlaceLinkedLessonPlacesTheWholeLinkSetOrNothing) {
    struct Case {
        const char* what;
        int fullerClass;  // its draft of the day holds `draftHours` Russian hours
        int draftHours;
        int from;         // PE is placed from this class's side
        bool toDraft;
        int start;
        int hours;
        bool placed;
    };
    const Case cases[] = {
        {"the linked class's draft is full", kB, 8, kA, true, 0, 1, false},
        {"the class's own draft is full", kA, 8, kB, true, 0, 1, false},
        {"a double with one draft hour left", kB, 7, kA, true, 0, 2, false},
        {"a single with one draft hour left", kB, 7, kA, true, 0, 1, true},
        {"a clean double from the last lesson", kB, 0, kA, false, 8, 2, false},
        {"a clean double up to the last lesson", kB, 7, kA, false, 7, 2, true},
    };
    constexpr int kDay = 3;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        variant.ClearDay(kDay);
        const int russian = c.fullerClass == kA ? kRussianA : kRussianB;
        if (c.draftHours > 0) put(c.fullerClass, kDay, russian, 1, c.draftHours, true);
        const TTableVarItem before = variant;

        const int lesson = c.from == kA ? kPeA : kPeB;
        EXPECT_EQ(planning.PlaceLinkedLesson(c.from, lesson, c.toDraft, kDay, c.start, c.hours), c.placed);

        if (!c.placed) {
            EXPECT_TRUE(variant.sameGrids(before));
            continue;
        }
        EXPECT_EQ(variant.CountLessonHoursOnDay(kA, kPeA, kDay), c.hours);
        EXPECT_EQ(variant.CountLessonHoursOnDay(kB, kPeB, kDay), c.hours);
        EXPECT_EQ(variant.CountLessonHoursOnDay(c.fullerClass, russian, kDay), c.draftHours);
    }
}

TEST_F(EngineVariantPlanning, MoveLessonBlockTakesTheLinkSetAlongAndClosesTheDraftGaps) {
    // Monday's drafts: 5А Russian, PE, maths (double); 5Б PE, Russian.
    put(kA, 1, kRussianA, 1, 1, true);
    put(kA, 1, kPeA, 2, 1, true);
    put(kA, 1, kMathsA, 3, 2, true);
    put(kB, 1, kPeB, 1, 1, true);
    put(kB, 1, kRussianB, 2, 1, true);

    ASSERT_TRUE(planning.MoveLessonBlock(kA, kPeA, false, 2, 1, 3));
    EXPECT_EQ(layer(kA, 1, true), (Hours{{kRussianA, -1}, {kMathsA, -1}, {kMathsA, 2}, kNone, kNone}));
    EXPECT_EQ(layer(kB, 1, true), (Hours{{kRussianB, -1}, kNone, kNone, kNone, kNone}));
    EXPECT_EQ(variant.GetCleanSlot(kA, 2, 3).lessonIndex, kPeA);
    EXPECT_EQ(variant.GetCleanSlot(kB, 2, 3).lessonIndex, kPeB);

    // The double goes into Tuesday's clean copy with its rooms reset, then back into
    // Monday's draft after Russian.
    LessonSlot withRoom = variant.GetDraftSlot(kA, 1, 2);
    withRoom.rooms[0] = kRoom101;
    variant.SetDraftSlot(kA, 1, withRoom, 2);
    ASSERT_TRUE(planning.MoveLessonBlock(kA, kMathsA, false, 2, 1, 5));
    EXPECT_EQ(layer(kA, 2, false, 6), (Hours{kNone, kNone, {kPeA, -1}, kNone, {kMathsA, -1}, {kMathsA, 5}}));
    EXPECT_EQ(variant.GetCleanSlot(kA, 2, 5).rooms[0], kNoRoom);
    ASSERT_TRUE(planning.MoveLessonBlock(kA, kMathsA, true, 1, 2, 0));
    EXPECT_EQ(layer(kA, 1, true), (Hours{{kRussianA, -1}, {kMathsA, -1}, {kMathsA, 2}, kNone, kNone}));

    // Day 0 removes the lesson from the day; Russian closes the gap it leaves.
    ASSERT_TRUE(planning.MoveLessonBlock(kA, kMathsA, true, 0, 1, 0));
    EXPECT_EQ(layer(kA, 1, true), (Hours{{kRussianA, -1}, kNone, kNone, kNone, kNone}));
}

TEST_F(EngineVariantPlanning, AMoveThatDoesNotFitChangesNothing) {
    put(kA, 1, kMathsA, 1, 2, true);
    put(kA, 2, kRussianA, 1, 8, true);  // a full draft
    const TTableVarItem before = variant;
    EXPECT_FALSE(planning.MoveLessonBlock(kA, kMathsA, false, 3, 1, 8));  // hours 8 and 9
    EXPECT_FALSE(planning.MoveLessonBlock(kA, kMathsA, true, 2, 1, 0));
    EXPECT_TRUE(variant.sameGrids(before));
}

// ---------------------------------------------------------------- teachers and groups

TEST_F(EngineVariantPlanning, TeacherQueriesCountALinkedLessonOnce) {
    session.state().currentDay = 1;
    put(kA, 1, kPeA, 2, 1, false);
    put(kB, 1, kPeB, 2, 1, false);
    put(kA, 1, kRussianA, 5, 1, false);
    put(kB, 1, kRussianB, 3, 1, false);
    put(kA, 1, kPeA, 1, 1, true);
    put(kB, 1, kRussianB, 1, 1, true);
    put(kB, 1, kPeB, 2, 1, true);
    put(kA, 3, kMathsA, 2, 2, true);

    const TeacherLessonAt pe = planning.FindTeacherLessonAt(kPetrov, 2);
    EXPECT_EQ(pe.klass, kA);
    EXPECT_EQ(pe.subgroup, 0);
    EXPECT_EQ(pe.linkCount, 1);
    EXPECT_FALSE(planning.FindTeacherLessonAt(kPetrov, 3).found());

    // Petrov's draft: 5А's PE, then 5Б's PE, which is the same lesson and not counted again.
    const TeacherLessonAt first = planning.FindTeacherDraftLessonAt(kPetrov, 1);
    EXPECT_EQ(first.klass, kA);
    EXPECT_EQ(first.draftNumber, 1);
    EXPECT_FALSE(planning.FindTeacherDraftLessonAt(kPetrov, 2).found());
    const TeacherLessonAt russian = planning.FindTeacherDraftLessonAt(kSidorova, 1);
    EXPECT_EQ(russian.klass, kB);
    EXPECT_EQ(russian.draftNumber, 1);

    EXPECT_EQ(planning.CountTeacherCleanLessons(kSidorova, 1), 2);
    EXPECT_EQ(planning.CountTeacherDraftLessons(kPetrov, 1), 1);
    const TeacherLessonCounts week = planning.CountTeacherLessons(kIvanova, 0);
    EXPECT_EQ(week.clean, 0);
    EXPECT_EQ(week.draft, 2);
    EXPECT_EQ(planning.TeacherLongestBlockOnDay(kIvanova, 3), 2);
    EXPECT_EQ(planning.TeacherLongestBlockOnDay(kIvanova, 1), 0);
    EXPECT_EQ(planning.TeacherLongestBlockOnDay(kIvanova, 7), 0);

    // Sidorova teaches at 3 and 5: one window; Petrov only at 2: none.
    EXPECT_EQ(planning.TeacherWindowsOnDay(kSidorova), 1);
    EXPECT_EQ(planning.TeacherWindowsOnDay(kPetrov), 0);
    EXPECT_EQ(planning.TeacherWindowsOnDay(kIvanova), 0);
    session.teachers().groups.rows = {{kIvanova, kSidorova}, {kPetrov}};
    session.state().selectedGroup = 0;
    EXPECT_EQ(planning.GroupWindowsTotal(), 1);
    EXPECT_FALSE(planning.IsDayFreeOfGroup(1, 1));
    EXPECT_TRUE(planning.IsDayFreeOfGroup(3, 1));
    EXPECT_FALSE(planning.IsDayFreeOfGroup(3, 0));
}

TEST_F(EngineVariantPlanning, FreeDaysCountPlannedDaysWithoutTheTeacher) {
    session.state().currentDay = 2;
    put(kA, 1, kRussianA, 1, 1, false);  // Monday: Sidorova only
    put(kA, 2, kMathsA, 1, 2, false);    // the selected day does not count
    put(kA, 3, kPeA, 1, 1, true);        // Wednesday: Petrov only
    planning.CountFreeDays(false);
    EXPECT_EQ(session.teachers().at(kIvanova).freeDaysTaken, 2);
    EXPECT_EQ(session.teachers().at(kPetrov).freeDaysTaken, 1);
    EXPECT_EQ(session.teachers().at(kSidorova).freeDaysTaken, 1);
    // By group: a day counts only when the teacher's own group works on it.
    session.teachers().groups.rows = {{kIvanova, kSidorova}, {kPetrov}};
    planning.CountFreeDays(true);
    EXPECT_EQ(session.teachers().at(kIvanova).freeDaysTaken, 1);
    EXPECT_EQ(session.teachers().at(kPetrov).freeDaysTaken, 0);
    EXPECT_EQ(session.teachers().at(kSidorova).freeDaysTaken, 0);
}

// ---------------------------------------------------------------- loads and rooms

TEST_F(EngineVariantPlanning, DayLoadIsTheMeanDifficultyOfEachHour) {
    put(kA, 4, kMathsA, 1, 2, false);
    put(kA, 4, kPeA, 1, 1, true);
    EXPECT_DOUBLE_EQ(planning.DayLoadOfClass(kA, 4), 8 + 8 + 3);
    EXPECT_DOUBLE_EQ(planning.DayLoadOfClass(kB, 4), 0);
}

TEST_F(EngineVariantPlanning, FindBestRoomPrefersTheRoomFreeLongestAndKeepsStrictRoomsToTheirKind) {
    session.state().currentDay = 1;
    // 101 is taken at 5 and 6; 102 at 8 only; chemistry at 2 and 3.
    put(kA, 1, kRussianA, 5, 1, false, kRoom101);
    put(kB, 1, kRussianB, 6, 1, false, kRoom101);
    put(kB, 1, kPeB, 8, 1, false, kRoom102);
    put(kA, 1, kMathsA, 2, 2, false, kChemistry);

    struct Case {
        const char* what;
        int firstRoom, roomType, pupils, secondRoom, lesson;
        bool onlyPreferred, strictType;
        int expected;
    };
    const Case cases[] = {
        {"the room free for most of the rest of the day", -1, 0, 25, -1, 3, false, false, kRoom102},
        {"counting from the lesson itself", -1, 0, 25, -1, 7, false, false, kRoom101},
        {"a preferred room before a freer one", kRoom101, 0, 25, -1, 3, false, false, kRoom101},
        {"a busy preferred room gives way", kRoom101, 0, 25, -1, 5, false, false, kChemistry},
        {"only preferred rooms", kRoom101, 0, 25, -1, 5, true, false, -1},
        {"the second room when the first is taken", kRoom101, 0, 25, kRoom102, 5, true, false, kRoom102},
        {"a strict room for its own kind", -1, 3, 25, -1, 3, false, false, kGym},
        {"never a strict room of another kind", kGym, 0, 25, -1, 3, false, false, kRoom102},
        {"never a strict room of another kind, even when it is the only one", kGym, 5, 25, -1, 2, true, false, -1},
        {"an open specialised room for anything", kChemistry, 0, 25, -1, 4, false, false, kChemistry},
        {"a strict type takes its own kind only", kRoom102, 5, 25, -1, 3, false, true, -1},
        {"a type without strictness opens the other rooms", kRoom102, 5, 25, -1, 3, false, false, kRoom102},
        {"too many pupils for the ordinary rooms", -1, 0, 40, -1, 3, false, false, -1},
        {"too many pupils, but the gym is theirs", -1, 3, 40, -1, 3, false, false, kGym},
    };
    for (const auto& c : cases)
        EXPECT_EQ(planning.FindBestRoom(c.firstRoom, c.roomType, c.pupils, c.secondRoom, c.lesson, -1, c.onlyPreferred,
                                        c.strictType),
                  c.expected)
            << c.what;
}

TEST_F(EngineVariantPlanning, FindBestRoomTakesTheSubjectsRecommendedRoomsAndTheRoomsBusyTable) {
    TSubjectItem& pe = *fixture.school.project.subjects.findById(1);
    pe.wishedRooms = {fixture.room101};
    fixture.school.project.rooms.findById(fixture.room102)->busy.set(1, 2, 1);
    PlanningSession changed(fixture.school.project);
    TTableVarItem grid;
    grid.Create(MakeVariantCatalog(changed));
    VariantPlanning withWishes(grid, changed);
    changed.state().currentDay = 1;
    const LessonSlot taken = [] {
        LessonSlot s = LessonSlot::BlockHour(0, 6, 6);
        s.rooms[0] = 0;
        return s;
    }();
    grid.SetCleanSlot(kA, 1, taken, 6);  // 101 is taken later in the day
    EXPECT_EQ(withWishes.FindBestRoom(-1, 0, 25, -1, 3, 1, false, false), kRoom101);
    EXPECT_EQ(withWishes.FindBestRoom(-1, 0, 25, -1, 3, 0, false, false), kRoom102);
    EXPECT_EQ(withWishes.FindBestRoom(-1, 0, 25, -1, 2, 0, false, false), kChemistry);  // 102 is closed at 2
}

TEST_F(EngineVariantPlanning, FirstOverfullLessonCountsALinkedSubgroupOnce) {
    // Of the four rooms, only 101 is available at Tuesday 2 and 3.
    for (int id : {fixture.room102, 2, 3})
        for (int n : {2, 3}) fixture.school.project.rooms.findById(id)->busy.set(2, n, 1);
    PlanningSession changed(fixture.school.project);
    TTableVarItem grid;
    grid.Create(MakeVariantCatalog(changed));
    VariantPlanning rooms(grid, changed);
    for (int day : {1, 2}) {
        grid.SetCleanSlot(kA, day, LessonSlot::BlockHour(kPeA, 2, 2), 2);  // one lesson of two classes
        grid.SetCleanSlot(kB, day, LessonSlot::BlockHour(kPeB, 2, 2), 2);
        grid.SetCleanSlot(kA, day, LessonSlot::BlockHour(kRussianA, 3, 3), 3);
        grid.SetCleanSlot(kB, day, LessonSlot::BlockHour(kRussianB, 3, 3), 3);
    }
    const OverfullLesson overfull = rooms.FirstOverfullLesson(2);
    EXPECT_EQ(overfull.number, 3);
    EXPECT_EQ(overfull.needed, 2);
    EXPECT_EQ(overfull.available, 1);
    EXPECT_EQ(rooms.FirstOverfullLesson(1).number, 0);
}

}  // namespace
}  // namespace lovaris
