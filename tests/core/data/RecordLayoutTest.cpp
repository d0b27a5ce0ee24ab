// Byte layout of each record kind in the project file, and the older record sizes.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "core/common/ByteReader.h"
#include "core/common/ByteWriter.h"
#include "core/common/Cp1251.h"
#include "core/data/ProjectParams.h"
#include "core/data/TKlassItem.h"
#include "core/data/TLessonItem.h"
#include "core/data/TRoomItem.h"
#include "core/data/TSubjectItem.h"
#include "core/data/TTeacherItem.h"

using namespace lovaris;

namespace {

std::int32_t i32At(const std::vector<std::uint8_t>& b, std::size_t off) {
    return static_cast<std::int32_t>(b[off] | (b[off + 1] << 8) | (b[off + 2] << 16) |
                                     (static_cast<std::uint32_t>(b[off + 3]) << 24));
}
int u16At(const std::vector<std::uint8_t>& b, std::size_t off) { return b[off] | (b[off + 1] << 8); }
std::string textAt(const std::vector<std::uint8_t>& b, std::size_t off) {
    return cp1251ToUtf8(reinterpret_cast<const char*>(b.data() + off));
}

template <typename Item>
std::vector<std::uint8_t> bytesOf(const Item& item) {
    ByteWriter w;
    item.write(w);
    return w.take();
}

}  // namespace

TEST(RecordLayout, Room) {
    TRoomItem room;
    room.id = 7;
    room.name = "Спортзал";
    room.seats = 60;
    room.maxGroups = 2;
    room.specialization = 10;
    room.generalUse = 0;
    room.busy.set(1, 2, 1);
    const auto b = bytesOf(room);
    ASSERT_EQ(b.size(), TRoomItem::kRecordSize);
    EXPECT_EQ(i32At(b, 0), 7);
    EXPECT_EQ(textAt(b, 4), "Спортзал");
    EXPECT_EQ(u16At(b, 36), 60);
    EXPECT_EQ(u16At(b, 38), 2);
    EXPECT_EQ(b[40], 10);
    EXPECT_EQ(b[41], 0);
    EXPECT_EQ(b[42 + 1], 1) << "busy slot 2 is the second byte of the table";
    EXPECT_EQ(u16At(b, 186), 0);
    ByteReader r(b);
    EXPECT_EQ(TRoomItem::read(r), room);
}

TEST(RecordLayout, EmptyNamesAreWrittenAsPlaceholders) {
    EXPECT_EQ(textAt(bytesOf(TRoomItem{}), 4), "Неизвестный кабинет");
    EXPECT_EQ(textAt(bytesOf(TSubjectItem{}), 4), "Неизвестный предмет");
    EXPECT_EQ(textAt(bytesOf(TKlassItem{}), 4), "Неизвестный класс");
    EXPECT_EQ(textAt(bytesOf(TTeacherItem{}), 4), "Неизвестный учитель");
}

TEST(RecordLayout, SubjectWishedRoomsEndWithMinusOne) {
    TSubjectItem s;
    s.id = 3;
    s.name = "Физика";
    s.sanitaryCoefficient = 12;
    s.specialization = 2;
    for (int id = 0; id < 12; ++id) s.insertWishedRoom(99, id);
    s.insertWishedRoom(0, 5);  // already present
    EXPECT_EQ(s.wishedRooms.size(), 10u) << "an 11th room is not inserted";
    const auto b = bytesOf(s);
    ASSERT_EQ(b.size(), TSubjectItem::kRecordSize);
    EXPECT_EQ(u16At(b, 68), 12);
    EXPECT_EQ(b[70], 2);
    EXPECT_EQ(b[71], 1);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(i32At(b, 72 + 4 * static_cast<std::size_t>(i)), i);
    EXPECT_EQ(i32At(b, 112), -1) << "the 11th entry is always -1";
    ByteReader r(b);
    EXPECT_EQ(TSubjectItem::read(r), s);
}

TEST(RecordLayout, ClassAndItsVersionOneZeroForm) {
    TKlassItem k;
    k.id = 12;
    k.name = "10А";
    k.profileFlags[0] = 1;
    k.children = 27;
    k.attachedRoom = 4;
    k.busy.set(busySlot(6, 8), 1);
    k.insertStartingLesson(2);
    k.insertStartingLesson(1);
    k.insertStartingLesson(1);
    k.insertStartingLesson(30);
    k.appendParallel(13);
    k.appendParallel(-1);
    k.stage = 2;
    EXPECT_EQ(k.startingLessons, (std::vector<int>{1, 2}));
    EXPECT_EQ(k.parallels, (std::vector<std::int32_t>{13}));
    const auto b = bytesOf(k);
    ASSERT_EQ(b.size(), TKlassItem::kRecordSize);
    EXPECT_EQ(b[36], 1);
    EXPECT_EQ(u16At(b, 56), 27);
    EXPECT_EQ(i32At(b, 60), 4);
    EXPECT_EQ(b[64 + busySlot(6, 8) - 1], 1);
    EXPECT_EQ(u16At(b, 208), 1);
    EXPECT_EQ(u16At(b, 210), 2);
    EXPECT_EQ(u16At(b, 212), 0xFFFF);
    EXPECT_EQ(u16At(b, 256), 0xFFFF);
    EXPECT_EQ(i32At(b, 260), 13);
    EXPECT_EQ(i32At(b, 264), -1);
    EXPECT_EQ(i32At(b, 300), 2);
    ByteReader r(b);
    EXPECT_EQ(TKlassItem::read(r, true), k);

    const std::vector<std::uint8_t> old(b.begin(), b.begin() + TKlassItem::kRecordSizeV10);
    ByteReader r10(old);
    const auto back = TKlassItem::read(r10, false);
    EXPECT_FALSE(r10.failed());
    EXPECT_EQ(back.stage, 1) << "classes of version 1.0 files are of the middle stage";
    EXPECT_EQ(back.startingLessons, k.startingLessons);
}

TEST(RecordLayout, TeacherAndItsOlderForm) {
    TTeacherItem t;
    t.id = 40;
    t.name = "Иванова Мария Петровна";
    t.attachedRoom = 3;
    t.freeDays = 1;
    t.plannedHours = 18;
    t.busy.set(1, 1, kTeacherWishLow);
    t.busy.set(6, 24, kTeacherBusy);
    const auto b = bytesOf(t);
    ASSERT_EQ(b.size(), TTeacherItem::kRecordSize);
    EXPECT_EQ(i32At(b, 132), 3);
    EXPECT_EQ(i32At(b, 136), 1);
    EXPECT_EQ(u16At(b, 140), 769);
    EXPECT_EQ(u16At(b, 140 + 2 * 143), 1);
    EXPECT_EQ(i32At(b, 428), 18);
    ByteReader r(b);
    EXPECT_EQ(TTeacherItem::read(r, true), t);

    const std::vector<std::uint8_t> old(b.begin(), b.begin() + TTeacherItem::kRecordSizeV11);
    ByteReader r11(old);
    EXPECT_EQ(TTeacherItem::read(r11, false).plannedHours, 0) << "teachers of 1.0 and 1.1 files have no planned hours";
}

TEST(RecordLayout, TeacherCanTeachRule) {
    struct Case {
        std::int16_t value;
        bool canTeach;
    };
    const Case cases[] = {{0, true}, {1, false}, {257, true}, {513, true}, {769, true},
                          {0x0401, true}, {0x0100, true}, {2, false}};
    for (const auto& c : cases) EXPECT_EQ(TTeacherItem::canTeachValue(c.value), c.canTeach) << c.value;
}

TEST(RecordLayout, LessonWithSubgroupsAndItsOlderForm) {
    TLessonItem l;
    l.id = 9;
    l.klass = 12;
    ASSERT_TRUE(l.setSpread({1, 1, 2}));
    ASSERT_TRUE(l.setSeparatedHours({2}));
    l.noAttachedRoom = 1;
    l.busy.set(2, 3, 1);
    l.setSubgroupCount(2);
    l.subgroups[0].subject = 5;
    l.subgroups[0].teacher = 6;
    l.subgroups[0].children = 13;
    l.subgroups[0].addLink({20, 1});
    l.subgroups[1].setFictiveRoom("Мастерская");
    const auto b = bytesOf(l);
    ASSERT_EQ(b.size(), TLessonItem::kRecordSize + 2 * TLessonSubItem::kRecordSize);
    EXPECT_EQ(u16At(b, 4), 2);
    EXPECT_EQ(i32At(b, 8), 12);
    EXPECT_EQ(u16At(b, 12), 1);
    EXPECT_EQ(u16At(b, 16), 2);
    EXPECT_EQ(u16At(b, 18), 0);
    EXPECT_EQ(u16At(b, 12 + 2 * 20), 2) << "separated hours start at entry 21";
    EXPECT_EQ(u16At(b, 12 + 2 * 19), 0);
    EXPECT_EQ(b[54 + busySlot(2, 3) - 1], 1);
    EXPECT_EQ(i32At(b, 200), 1);
    const std::size_t sub = TLessonItem::kRecordSize;
    EXPECT_EQ(i32At(b, sub + 0), 5);
    EXPECT_EQ(i32At(b, sub + 4), 6);
    EXPECT_EQ(u16At(b, sub + 8), 13);
    EXPECT_EQ(i32At(b, sub + 12), 20);
    EXPECT_EQ(i32At(b, sub + 16), 1);
    EXPECT_EQ(i32At(b, sub + 20), -1);
    EXPECT_EQ(textAt(b, sub + 84 + 52), "Мастерская");
    ByteReader r(b);
    EXPECT_EQ(TLessonItem::read(r, true), l);

    std::vector<std::uint8_t> old(b.begin(), b.begin() + TLessonItem::kRecordSizeV12);
    old.insert(old.end(), b.begin() + TLessonItem::kRecordSize, b.end());
    ByteReader r12(old);
    const auto back = TLessonItem::read(r12, false);
    EXPECT_FALSE(r12.failed());
    EXPECT_EQ(back.noAttachedRoom, 0) << "lessons of files before 1.3 stay attached";
    EXPECT_EQ(back.subgroups, l.subgroups);
}

TEST(RecordLayout, ParamsDefaultsAndOffsets) {
    ProjectParams p;
    p.description = "Гимназия";
    p.sections[4] = {3, 10, 500};
    ByteWriter w;
    p.write(w);
    const auto b = w.take();
    ASSERT_EQ(b.size(), ProjectParams::kSize);
    EXPECT_EQ(textAt(b, 0), "Гимназия");
    EXPECT_EQ(u16At(b, 82), 8);
    EXPECT_EQ(u16At(b, 84), 1);
    EXPECT_EQ(u16At(b, 86), 0);
    EXPECT_EQ(u16At(b, 134), 4);
    EXPECT_EQ(u16At(b, 136), 2);
    EXPECT_EQ(u16At(b, 138), 0);
    EXPECT_EQ(b[140], 1);
    for (int k = 0; k < 5; ++k) EXPECT_EQ(i32At(b, 144 + 4 * static_cast<std::size_t>(k)), 1);
    EXPECT_EQ(i32At(b, 196), 3);
    EXPECT_EQ(i32At(b, 200), 10);
    EXPECT_EQ(i32At(b, 204), 500);
    ByteReader r(b);
    EXPECT_EQ(ProjectParams::read(r), p);
}

TEST(LessonHours, SpreadAndSeparatedHoursShareTheEntries) {
    TLessonItem l;
    ASSERT_TRUE(l.setSpread({1, 1, 2}));
    ASSERT_TRUE(l.setSeparatedHours({2, 1}));
    EXPECT_EQ(l.spread(), (std::vector<int>{1, 1, 2}));
    EXPECT_EQ(l.separatedHours(), (std::vector<int>{2, 1}));
    EXPECT_EQ(l.weeklyHours(), 4);
    EXPECT_TRUE(l.hasSeparatedHours());
    ASSERT_TRUE(l.setSpread({2, 2}));
    EXPECT_EQ(l.separatedHours(), (std::vector<int>{2, 1})) << "a new spread keeps the separated hours";

    // Together they hold at most 20 values, with a 0 between them.
    ASSERT_TRUE(l.setSpread(std::vector<int>(18, 1)));
    EXPECT_FALSE(l.setSpread(std::vector<int>(19, 1)));
    EXPECT_EQ(l.spread().size(), 18u) << "a refused spread changes nothing";
    EXPECT_FALSE(l.setSeparatedHours({1, 1, 1}));
    ASSERT_TRUE(l.setSeparatedHours({}));
    EXPECT_TRUE(l.setSpread(std::vector<int>(20, 1)));
    EXPECT_FALSE(l.hasSeparatedHours());
}

TEST(LessonLinks, LimitsAndDuplicates) {
    TLessonSubItem s;
    s.addLink({-1, 0});
    EXPECT_TRUE(s.links.empty());
    for (int i = 0; i < 7; ++i) s.addLink({i, 0});
    s.addLink({0, 0});
    EXPECT_EQ(s.links.size(), 5u);
    EXPECT_EQ(s.linkAt(1), (LessonLink{0, 0}));
    EXPECT_EQ(s.linkAt(6).lessonId, -1);
    s.removeLink({0, 0});
    EXPECT_EQ(s.linkAt(1), (LessonLink{1, 0})) << "later links move up";
}
