// The variant's grids: slot access, the room occupancy the clean copy implies,
// day-wide operations, the packed draft and the counts.
#include <gtest/gtest.h>

#include "EngineVariantSample.h"
#include "core/variant/TTableVarItem.h"

namespace lovaris {
namespace {

using test::MakeSampleCatalog;
using test::MakeSampleVariant;
using test::PutBlock;

LessonSlot WithRooms(LessonSlot slot, std::initializer_list<std::uint16_t> rooms) {
    std::size_t k = 0;
    for (auto r : rooms) slot.rooms[k++] = r;
    return slot;
}

RoomSlot Holds(int klass, int lesson, int subgroup) {
    return RoomSlot{klass, static_cast<std::uint16_t>(lesson), static_cast<std::uint16_t>(subgroup)};
}

TEST(EngineVariantGrid, NewVariantIsEmptyWithFreeRooms) {
    TTableVarItem v;
    EXPECT_EQ(v.GetCleanSlot(0, 1, 1).lessonIndex, -1);  // no grids yet
    v.Create(MakeSampleCatalog());
    EXPECT_EQ(v.classCount(), 3);
    EXPECT_EQ(v.lessonsPerDay(), 7);
    EXPECT_EQ(v.roomCount(), 4);
    EXPECT_TRUE(v.roomTracking());
    for (int d = 1; d <= 6; ++d) {
        EXPECT_TRUE(v.IsDayEmpty(d));
        for (int n = 1; n <= 7; ++n) {
            EXPECT_EQ(v.GetCleanSlot(2, d, n), LessonSlot::Empty());
            EXPECT_EQ(v.GetDraftSlot(0, d, n), LessonSlot::Empty());
            EXPECT_TRUE(v.GetRoomSlot(3, d, n).isFree());
        }
    }
    const LessonSlot empty = LessonSlot::Empty();
    EXPECT_EQ(empty.position, 0xFFFF);
    EXPECT_EQ(empty.classTag, 0xFFFF);
    EXPECT_EQ(empty.prevPosition, -1);
    EXPECT_EQ(empty.subgroupMask, 0);
}

TEST(EngineVariantGrid, IndexesOutsideTheGridsAreNeitherReadNorWritten) {
    TTableVarItem v;
    v.Create(MakeSampleCatalog());
    const LessonSlot lesson = LessonSlot::BlockHour(0, 1, 1);
    for (auto [klass, day, n] : {std::tuple{3, 1, 1}, {-1, 1, 1}, {0, 0, 1}, {0, 7, 1}, {0, 1, 0}, {0, 1, 8}}) {
        v.SetCleanSlot(klass, day, lesson, n);
        v.SetDraftSlot(klass, day, lesson, n);
        v.SetRoomSlot(klass + 1, day, Holds(0, 0, 0), n);
        EXPECT_FALSE(v.GetCleanSlot(klass, day, n).occupied());
    }
    v.SetRoomSlot(4, 1, Holds(0, 0, 0), 1);  // room index past the rooms
    v.SetRoomSlot(-1, 1, Holds(0, 0, 0), 1);
    for (int d = 1; d <= 6; ++d) EXPECT_TRUE(v.IsDayEmpty(d));
    EXPECT_TRUE(v.GetRoomSlot(4, 1, 1).isFree());
}

// ---------------------------------------------------------------- room tracking

struct TrackingCase {
    const char* what;
    LessonSlot rewrite;  // written over class 20's two-subgroup lesson at Monday 1
    std::vector<RoomSlot> expected;  // rooms 0..3 afterwards
};

TEST(EngineVariantGrid, SetCleanSlotMovesTheClassRoomsAtThatHour) {
    // Before each rewrite: class 20's lesson 4 holds rooms 0 and 3 with its two
    // subgroups, class 30 holds room 1; room 2 is free.
    const LessonSlot lesson4 = LessonSlot::BlockHour(0, 1, 1);
    const RoomSlot freed0{-1, 0, 0};  // a freed room keeps its other fields
    const RoomSlot freed1{-1, 0, 1};
    const RoomSlot class30 = Holds(2, 0, 0);
    const TrackingCase cases[] = {
        {"same rooms", WithRooms(lesson4, {0, 3}), {Holds(1, 0, 0), class30, RoomSlot::Free(), Holds(1, 0, 1)}},
        {"subgroup 2 without room", WithRooms(lesson4, {0, kNoRoom}),
         {Holds(1, 0, 0), class30, RoomSlot::Free(), freed1}},
        {"subgroup 1 moves to another room", WithRooms(lesson4, {2, 3}),
         {freed0, class30, Holds(1, 0, 0), Holds(1, 0, 1)}},
        {"subgroups swap rooms", WithRooms(lesson4, {3, 0}), {Holds(1, 0, 1), class30, RoomSlot::Free(), Holds(1, 0, 0)}},
        {"emptied", LessonSlot::Empty(), {freed0, class30, RoomSlot::Free(), freed1}},
        // Taking another class's room is the caller's decision; lesson 5 has one
        // subgroup, so a room named for a second one is not tracked.
        {"another lesson with one subgroup", WithRooms(LessonSlot::BlockHour(1, 1, 1), {1, 2}),
         {freed0, Holds(1, 1, 0), RoomSlot::Free(), freed1}},
        {"a room index past the rooms", WithRooms(lesson4, {4, 3}), {freed0, class30, RoomSlot::Free(), Holds(1, 0, 1)}},
    };
    for (const auto& c : cases) {
        TTableVarItem v = MakeSampleVariant();
        v.SetCleanSlot(2, 1, WithRooms(LessonSlot::BlockHour(0, 1, 1), {1}), 1);
        v.SetCleanSlot(1, 1, c.rewrite, 1);
        for (int r = 0; r < 4; ++r) EXPECT_EQ(v.GetRoomSlot(r, 1, 1), c.expected[static_cast<std::size_t>(r)]) << c.what << ", room " << r;
        EXPECT_EQ(v.GetRoomSlot(1, 1, 2), Holds(0, 1, 0)) << c.what;  // other hours untouched
    }
}

TEST(EngineVariantGrid, WithoutRoomTrackingTheRoomGridStaysAsItWas) {
    TTableVarItem v = MakeSampleVariant();
    v.setRoomTracking(false);
    v.SetCleanSlot(1, 1, LessonSlot::Empty(), 1);
    v.SetCleanSlot(0, 1, WithRooms(LessonSlot::BlockHour(0, 4, 4), {2}), 4);
    EXPECT_EQ(v.GetRoomSlot(0, 1, 1), Holds(1, 0, 0));
    EXPECT_TRUE(v.GetRoomSlot(2, 1, 4).isFree());
    v.setRoomTracking(true);
    v.RebuildRoomGrid();
    EXPECT_TRUE(v.GetRoomSlot(0, 1, 1).isFree());
    EXPECT_EQ(v.GetRoomSlot(2, 1, 4), Holds(0, 0, 0));
}

TEST(EngineVariantGrid, RebuildRoomGridFollowsTheCleanCopyOnly) {
    TTableVarItem v = MakeSampleVariant();
    const TTableVarItem original = MakeSampleVariant();
    v.SetRoomSlot(0, 3, Holds(2, 0, 0), 4);  // a stray entry
    v.SetRoomSlot(1, 1, RoomSlot::Free(), 2);
    v.SetDraftSlot(2, 4, WithRooms(LessonSlot::BlockHour(0, 1, 1), {3}), 1);  // the draft holds no rooms
    v.RebuildRoomGrid();
    for (int r = 0; r < 4; ++r)
        for (int d = 1; d <= 6; ++d)
            for (int n = 1; n <= 7; ++n) EXPECT_EQ(v.GetRoomSlot(r, d, n), original.GetRoomSlot(r, d, n));
}

// ---------------------------------------------------------------- day-wide operations

TEST(EngineVariantGrid, ClearDayEmptiesBothLayersAndFreesItsRoomsOnly) {
    TTableVarItem v = MakeSampleVariant();
    v.ClearDay(1);
    EXPECT_TRUE(v.IsDayEmpty(1));
    for (int r = 0; r < 4; ++r)
        for (int n = 1; n <= 7; ++n) EXPECT_FALSE(v.GetRoomSlot(r, 1, n).classIndex >= 0);
    EXPECT_FALSE(v.IsDayEmpty(2));  // draft only
    EXPECT_FALSE(v.IsDayEmpty(6));
    EXPECT_EQ(v.GetRoomSlot(2, 6, 5), Holds(2, 0, 0));
}

TEST(EngineVariantGrid, ClearRoomsOfDayKeepsTheLessons) {
    TTableVarItem v = MakeSampleVariant();
    v.ClearRoomsOfDay(1);
    EXPECT_EQ(v.GetCleanSlot(0, 1, 2).lessonIndex, 1);
    EXPECT_EQ(v.GetCleanSlot(0, 1, 2).rooms[0], kNoRoom);
    EXPECT_EQ(v.GetCleanSlot(1, 1, 1).rooms[1], kNoRoom);
    EXPECT_EQ(v.GetCleanSlot(0, 1, 2).subgroupMask, 1);
    for (int r = 0; r < 4; ++r)
        for (int n = 1; n <= 7; ++n) EXPECT_TRUE(v.GetRoomSlot(r, 1, n).isFree());
    EXPECT_EQ(v.GetRoomSlot(2, 6, 5), Holds(2, 0, 0));
}

TEST(EngineVariantGrid, AssignCopiesTheGridsOfAVariantOfTheSameSize) {
    TTableVarItem target;
    target.Create(MakeSampleCatalog());
    EXPECT_TRUE(target.Assign(MakeSampleVariant()));
    EXPECT_TRUE(target.sameGrids(MakeSampleVariant()));

    VariantCatalog longer = MakeSampleCatalog();
    longer.lessonsPerDay = 8;
    TTableVarItem other;
    other.Create(longer);
    EXPECT_FALSE(other.Assign(MakeSampleVariant()));
    EXPECT_TRUE(other.IsDayEmpty(1));
}

// ---------------------------------------------------------------- the packed draft

// Class 10's Monday draft: lesson 0 at 1, lesson 1 as a double at 2-3, lesson 2 at 4,
// lesson 3 as a double at 5-6.
TTableVarItem DraftDay() {
    TTableVarItem v;
    v.Create(MakeSampleCatalog());
    PutBlock(v, 0, 1, 0, 1, 1, true);
    PutBlock(v, 0, 1, 1, 2, 2, true);
    PutBlock(v, 0, 1, 2, 4, 1, true);
    PutBlock(v, 0, 1, 3, 5, 2, true);
    return v;
}

std::vector<std::pair<int, int>> DraftOf(const TTableVarItem& v) {
    std::vector<std::pair<int, int>> hours;  // (lesson, prevPosition)
    for (int n = 1; n <= v.lessonsPerDay(); ++n) {
        const LessonSlot s = v.GetDraftSlot(0, 1, n);
        if (s.occupied())
            hours.emplace_back(s.lessonIndex, s.prevPosition);
        else
            hours.emplace_back(-1, 0);
    }
    return hours;
}

TEST(EngineVariantGrid, ClosingDraftGapsPacksTheHoursAndRenumbersBlocks) {
    TTableVarItem v = DraftDay();
    v.SetDraftSlot(0, 1, LessonSlot::Empty(), 2);
    v.SetDraftSlot(0, 1, LessonSlot::Empty(), 3);
    EXPECT_EQ(v.FirstEmptyDraftNumber(0, 1), 2);
    v.CloseDraftGaps(0, 1);
    EXPECT_EQ(DraftOf(v), (std::vector<std::pair<int, int>>{{0, -1}, {2, -1}, {3, -1}, {3, 3}, {-1, 0}, {-1, 0},
                                                            {-1, 0}}));
    EXPECT_EQ(v.GetDraftSlot(0, 1, 3).position, 5);  // a moved hour keeps the number it was written at
    EXPECT_EQ(v.FirstEmptyDraftNumber(0, 1), 5);

    // Two gaps close in one call; a packed draft stays as it is.
    TTableVarItem twoGaps = DraftDay();
    twoGaps.SetDraftSlot(0, 1, LessonSlot::Empty(), 1);
    twoGaps.SetDraftSlot(0, 1, LessonSlot::Empty(), 4);
    twoGaps.CloseDraftGaps(0, 1);
    EXPECT_EQ(DraftOf(twoGaps), (std::vector<std::pair<int, int>>{{1, -1}, {1, 1}, {3, -1}, {3, 3}, {-1, 0}, {-1, 0},
                                                                  {-1, 0}}));
    TTableVarItem packed = DraftDay();
    packed.CloseDraftGaps(0, 1);
    EXPECT_TRUE(packed.sameGrids(DraftDay()));
}

TEST(EngineVariantGrid, RemovingADraftHourShiftsTheLaterHoursUp) {
    TTableVarItem v = DraftDay();
    v.RemoveDraftHour(0, 1, 3);
    v.RemoveDraftHour(0, 1, 2);
    EXPECT_EQ(DraftOf(v), (std::vector<std::pair<int, int>>{{0, -1}, {2, -1}, {3, -1}, {3, 3}, {-1, 0}, {-1, 0},
                                                            {-1, 0}}));
    TTableVarItem full;
    full.Create(MakeSampleCatalog());
    PutBlock(full, 0, 1, 0, 1, 7, true);
    EXPECT_EQ(full.FirstEmptyDraftNumber(0, 1), 0);
    full.RemoveDraftHour(0, 1, 7);
    EXPECT_EQ(full.FirstEmptyDraftNumber(0, 1), 7);
}

// ---------------------------------------------------------------- counts

TEST(EngineVariantGrid, CountsOfLessonsAndClasses) {
    const TTableVarItem v = MakeSampleVariant();
    int first = -1;
    EXPECT_EQ(v.CountLessonHoursInClean(0, 1, 1, first), 2);
    EXPECT_EQ(first, 2);
    EXPECT_EQ(v.CountLessonHoursInClean(0, 3, 1, first), 0);
    EXPECT_EQ(first, 0);
    EXPECT_EQ(v.CountLessonHoursInDraft(0, 3, 1), 1);
    EXPECT_EQ(v.CountLessonHoursOnDay(0, 1, 1), 2);
    EXPECT_EQ(v.CountLessonHoursOnDay(0, 1, 2), 1);
    EXPECT_EQ(v.CountClassCleanLessons(0, 1), 4);
    EXPECT_EQ(v.CountClassDraftLessons(0, 1), 1);
    const ClassLessonCounts week = v.CountClassLessons(0, 0);
    EXPECT_EQ(week.clean, 4);
    EXPECT_EQ(week.draft, 3);
    const ClassLessonCounts saturday = v.CountClassLessons(1, 6);
    EXPECT_EQ(saturday.clean, 2);
    EXPECT_EQ(saturday.draft, 0);
}

}  // namespace
}  // namespace lovaris
