// The teacher group commands on a day of the variant: moving the group's lessons to
// the draft, taking them off the day, the draft space checks, the week form.
#include <gtest/gtest.h>

#include "../support/EngineTestSchool.h"
#include "core/planning/GroupCommands.h"
#include "core/planning/PlanningSession.h"
#include "core/planning/VariantPlanning.h"
#include "core/planning/VariantSessionCatalog.h"

namespace lovaris {
namespace {

// Two classes, six lessons a day. Group 0 is Иванова and Петров, group 1 Сидорова.
// 5А: maths (Иванова), PE (Петров, taught together with 5Б's PE), Russian
// (Сидорова), study hour (nobody), crafts {5} (Сидорова).
// 5Б: PE (Петров), Russian (Сидорова), maths in two subgroups (Иванова and
// Сидорова), a six-hour workshop (Иванова).
constexpr int kA = 0, kB = 1;
constexpr int kMathsA = 0, kPeA = 1, kRussianA = 2, kStudyA = 3, kCraftsA = 4;
constexpr int kPeB = 0, kRussianB = 1, kSharedMathsB = 2, kWorkshopB = 3;
constexpr int kMonday = 1, kTuesday = 2;

class GroupCommandsTest : public ::testing::Test {
protected:
    GroupCommandsTest() : school(6) {
        school.room("101");
        school.room("102");
        const int maths = school.subject("Математика");
        const int pe = school.subject("Физкультура");
        const int russian = school.subject("Русский язык");
        const int a = school.klass("5А");
        const int b = school.klass("5Б");
        const int ivanova = school.teacher("Иванова");
        const int petrov = school.teacher("Петров");
        const int sidorova = school.teacher("Сидорова");
        school.lesson(a, {1, 1}, {{maths, ivanova}});
        const int peA = school.lesson(a, {1, 1}, {{pe, petrov}}).id;
        school.lesson(a, {1, 1}, {{russian, sidorova}});
        school.lesson(a, {1}, {{russian, -1}});
        school.lesson(a, {5}, {{russian, sidorova}});
        const int peB = school.lesson(b, {1, 1}, {{pe, petrov}}).id;
        school.lesson(b, {1, 1}, {{russian, sidorova}});
        school.lesson(b, {1}, {{maths, ivanova}, {maths, sidorova}});
        school.lesson(b, {6}, {{maths, ivanova}});
        school.linkBoth(peA, 0, peB, 0);

        session = std::make_unique<PlanningSession>(school.project);
        variant.Create(MakeVariantCatalog(*session));
        planning = std::make_unique<VariantPlanning>(variant, *session);
        session->teachers().groups.rows = {{0, 1}, {2}};
    }

    void put(int klass, int day, int lesson, int start, int hours = 1, bool draft = false,
             std::uint16_t room = kNoRoom) {
        for (int n = start; n < start + hours; ++n) {
            LessonSlot slot = LessonSlot::BlockHour(lesson, start, n);
            slot.rooms[0] = room;
            draft ? variant.SetDraftSlot(klass, day, slot, n) : variant.SetCleanSlot(klass, day, slot, n);
        }
    }
    // A usual Monday: everything in the clean copy, rooms on 5А's maths and Russian.
    void usualMonday() {
        put(kA, kMonday, kMathsA, 1, 1, false, 1);
        put(kA, kMonday, kPeA, 2);
        put(kA, kMonday, kRussianA, 3, 1, false, 0);
        put(kA, kMonday, kStudyA, 4);
        put(kB, kMonday, kPeB, 2);
        put(kB, kMonday, kRussianB, 3);
        put(kB, kMonday, kSharedMathsB, 4);
    }
    std::vector<int> layer(int klass, int day, bool draft) const {
        std::vector<int> lessons;
        for (int n = 1; n <= variant.lessonsPerDay(); ++n)
            lessons.push_back((draft ? variant.GetDraftSlot(klass, day, n) : variant.GetCleanSlot(klass, day, n)).lessonIndex);
        return lessons;
    }
    const PlanningState& state() const { return session->state(); }

    test::EngineSchool school;
    std::unique_ptr<PlanningSession> session;
    TTableVarItem variant;
    std::unique_ptr<VariantPlanning> planning;
};

TEST_F(GroupCommandsTest, MoveToDraftTakesOnlyLessonsWhollyTaughtByTheGroup) {
    usualMonday();
    const auto outcome = MoveGroupToDraft(*session, *planning, 0);
    EXPECT_TRUE(outcome.applied);
    EXPECT_FALSE(outcome.message);
    // The study hour nobody teaches and the maths shared with Сидорова stay.
    EXPECT_EQ(layer(kA, kMonday, false), (std::vector<int>{-1, -1, kRussianA, kStudyA, -1, -1}));
    EXPECT_EQ(layer(kA, kMonday, true), (std::vector<int>{kMathsA, kPeA, -1, -1, -1, -1}));
    EXPECT_EQ(layer(kB, kMonday, false), (std::vector<int>{-1, -1, kRussianB, kSharedMathsB, -1, -1}));
    EXPECT_EQ(layer(kB, kMonday, true), (std::vector<int>{kPeB, -1, -1, -1, -1, -1}));
    // The lesson that stayed keeps its room; the moved one gives its room up.
    EXPECT_EQ(variant.GetCleanSlot(kA, kMonday, 3).rooms[0], 0);
    EXPECT_EQ(variant.GetRoomSlot(0, kMonday, 3).classIndex, kA);
    EXPECT_TRUE(variant.GetRoomSlot(1, kMonday, 1).isFree());
    EXPECT_FALSE(state().groupCommandActive);
    EXPECT_TRUE(state().variantModified);
    EXPECT_EQ(state().selectedGroup, 0);
}

TEST_F(GroupCommandsTest, RemoveTakesTheGroupsLessonsOffTheDayWithTheirLinkedLessons) {
    usualMonday();
    variant.SetCleanSlot(kA, kMonday, LessonSlot::Empty(), 1);
    put(kA, kMonday, kMathsA, 1, 1, true);  // maths waits in the draft
    put(kA, kTuesday, kMathsA, 1);
    const auto outcome = RemoveGroupLessons(*session, *planning, 0);
    EXPECT_TRUE(outcome.applied);
    EXPECT_EQ(layer(kA, kMonday, false), (std::vector<int>{-1, -1, kRussianA, kStudyA, -1, -1}));
    EXPECT_EQ(layer(kA, kMonday, true), (std::vector<int>(6, -1)));
    EXPECT_EQ(layer(kB, kMonday, false), (std::vector<int>{-1, -1, kRussianB, kSharedMathsB, -1, -1}));
    EXPECT_EQ(layer(kB, kMonday, true), (std::vector<int>(6, -1)));
    EXPECT_EQ(variant.GetCleanSlot(kA, kMonday, 3).rooms[0], 0);
    EXPECT_EQ(variant.GetCleanSlot(kA, kTuesday, 1).lessonIndex, kMathsA);  // other days untouched
    EXPECT_FALSE(state().groupCommandActive);
}

// A draft block that leaves too little room for the group's lessons.
struct ShortageCase {
    const char* name;
    int klass;
    int lesson;
    int hours;
    const char* message;
};

TEST_F(GroupCommandsTest, MoveToDraftNeedsRoomInEveryDraftAndChangesNothingWithout) {
    const ShortageCase cases[] = {
        {"teacher", kB, kWorkshopB, 6, "В черновике учителя Иванова (понедельник) недостаточно места."},
        {"class", kA, kCraftsA, 5, "В черновике класса 5А (понедельник) недостаточно места."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        variant.Create(MakeVariantCatalog(*session));
        session->state().variantModified = false;
        put(kA, kMonday, kMathsA, 1);
        put(kA, kMonday, kPeA, 2);
        put(kB, kMonday, kPeB, 2);
        put(c.klass, kMonday, c.lesson, 1, c.hours, true);
        const TTableVarItem before = variant;
        const auto outcome = MoveGroupToDraft(*session, *planning, 0);
        EXPECT_FALSE(outcome.applied);
        EXPECT_EQ(GroupCommandMessage(outcome), c.message);
        EXPECT_TRUE(variant.sameGrids(before));
        EXPECT_FALSE(state().variantModified);
    }
    // Exactly full is enough.
    variant.Create(MakeVariantCatalog(*session));
    put(kA, kMonday, kMathsA, 1);
    put(kA, kMonday, kCraftsA, 1, 5, true);
    EXPECT_TRUE(MoveGroupToDraft(*session, *planning, 0).applied);
    EXPECT_EQ(layer(kA, kMonday, true), (std::vector<int>{kMathsA, kCraftsA, kCraftsA, kCraftsA, kCraftsA, kCraftsA}));
}

TEST_F(GroupCommandsTest, WeekFormRunsEveryDayAndKeepsTheSelectedDay) {
    usualMonday();
    put(kA, kTuesday, kMathsA, 2);
    put(kA, kTuesday, kPeA, 3);
    put(kB, kTuesday, kPeB, 3);
    put(kA, kTuesday, kCraftsA, 1, 5, true);  // no room left in Tuesday's draft
    session->state().currentDay = 4;
    const auto outcomes = MoveGroupToDraftWholeWeek(*session, *planning, 0);
    ASSERT_EQ(outcomes.size(), 6u);
    EXPECT_TRUE(outcomes[0].applied);
    EXPECT_FALSE(outcomes[1].applied);
    EXPECT_EQ(GroupCommandMessage(outcomes[1]), "В черновике класса 5А (вторник) недостаточно места.");
    EXPECT_EQ(state().currentDay, 4);
    EXPECT_FALSE(state().groupCommandActive);
    EXPECT_EQ(layer(kA, kMonday, true)[0], kMathsA);
    EXPECT_EQ(variant.GetCleanSlot(kA, kTuesday, 2).lessonIndex, kMathsA);

    RemoveGroupLessonsWholeWeek(*session, *planning, 0);
    EXPECT_EQ(variant.GetCleanSlot(kA, kTuesday, 2).lessonIndex, -1);
    EXPECT_EQ(layer(kA, kMonday, true)[0], -1);
    EXPECT_EQ(state().currentDay, 4);
}

TEST_F(GroupCommandsTest, DialogCommandWritesTheWorkingCopyBackFirst) {
    usualMonday();
    session->teachers().groups.rows = {{0}, {1}, {2}};
    TeacherGroupTable table(GroupDialogKind::Day, session->teachers());
    ASSERT_TRUE(table.Attach(1));  // Петров joins Иванова in the copy only
    session->state().currentDay = kMonday;
    const auto outcomes = RunGroupCommand(table, GroupCommand::MoveToDraft, *session, *planning);
    ASSERT_EQ(outcomes.size(), 1u);
    EXPECT_EQ(session->teachers().groups.row(0).size(), 2u);
    EXPECT_EQ(layer(kA, kMonday, true), (std::vector<int>{kMathsA, kPeA, -1, -1, -1, -1}));
}

}  // namespace
}  // namespace lovaris
