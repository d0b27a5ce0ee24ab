// The variant file: what a save and a reopen keep, how a variant follows the
// project's classes, lessons and rooms by their IDs, and how it treats hours that
// no longer fit a lesson's hour spread.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "EngineVariantSample.h"
#include "core/common/ByteReader.h"
#include "core/common/FileIO.h"
#include "core/variant/VariantFile.h"

namespace lovaris {
namespace {

using Bytes = std::vector<std::uint8_t>;
using test::MakeSampleCatalog;
using test::MakeSampleVariant;
using test::PutBlock;

LessonSlot ReadSlotAt(const Bytes& file, std::size_t at) {
    ByteReader r(std::span<const std::uint8_t>(file).subspan(at));
    return LessonSlot::read(r);
}

TTableVarItem Reopen(const TTableVarItem& saved, const VariantCatalog& now) {
    auto loaded = ParseVariant(SerializeVariant(saved, VariantOptions::Defaults(3, 7), 1), now);
    EXPECT_TRUE(loaded);
    return loaded ? std::move(loaded->variant) : TTableVarItem{};
}

// The clean and draft hours of one class and day as (lesson, prevPosition) pairs.
using Hours = std::vector<std::pair<int, int>>;
Hours HoursOf(const TTableVarItem& v, int klass, int day, bool draft) {
    Hours hours;
    for (int n = 1; n <= v.lessonsPerDay(); ++n) {
        const LessonSlot s = draft ? v.GetDraftSlot(klass, day, n) : v.GetCleanSlot(klass, day, n);
        hours.emplace_back(s.lessonIndex, s.occupied() ? s.prevPosition : 0);
    }
    return hours;
}

TEST(EngineVariantFile, OptionsDefaultsAndTheirRecord) {
    const VariantOptions d = VariantOptions::Defaults(22, 7);
    EXPECT_EQ(d.regime, 1);
    EXPECT_EQ(d.selectedDay, 1);
    EXPECT_EQ(d.comment, "");
    EXPECT_EQ(d.maxVariantsPerDay, 10);
    EXPECT_EQ(d.maxTeacherWindows, 1);
    EXPECT_EQ(d.wishesMode, 2);
    EXPECT_EQ(d.parallelWeight, 30);
    EXPECT_EQ(d.sanitaryWeight, 30);
    EXPECT_EQ(d.teacherBusyWeight, 40);
    EXPECT_EQ(d.classCount, 22);
    EXPECT_EQ(d.lessonsPerDay, 7);

    VariantOptions o = d;
    o.setComment("Вариант\r\nпосле правки " + std::string(100, 'x'));
    EXPECT_EQ(o.comment, "Вариант  после правки " + std::string(58, 'x'));
    ByteWriter w;
    o.write(w);
    ASSERT_EQ(w.size(), VariantOptions::kRecordSize);
    EXPECT_EQ(w.data()[104], 22);
    EXPECT_EQ(w.data()[108], 7);
    ByteReader r(w.data());
    EXPECT_EQ(VariantOptions::read(r), o);

    // A comment field without its NUL is read up to 80 characters.
    Bytes noNul = w.data();
    std::fill_n(noNul.begin() + 2, 81, 'A');
    ByteReader r2(noNul);
    EXPECT_EQ(VariantOptions::read(r2).comment, std::string(80, 'A'));
    EXPECT_EQ(VariantOptions{}.startingDay(), 1);
    for (auto [stored, starts] : {std::pair{0, 1}, {9, 1}, {6, 6}, {3, 3}}) {
        VariantOptions day;
        day.selectedDay = static_cast<std::uint8_t>(stored);
        EXPECT_EQ(day.startingDay(), starts) << stored;
    }
}

TEST(EngineVariantFile, HeaderAndGridsAreWrittenWithIds) {
    const TTableVarItem v = MakeSampleVariant();
    VariantOptions stale = VariantOptions::Defaults(99, 5);  // as read from an older file
    stale.selectedDay = 2;
    const Bytes file = SerializeVariant(v, stale, 4);
    const std::size_t grid = 3 * 6 * 7 * LessonSlot::kRecordSize;
    ASSERT_EQ(file.size(), kVariantHeaderSize + 2 * grid);
    EXPECT_EQ(file[0], 10);
    EXPECT_EQ(std::string(file.begin() + 1, file.begin() + 11), "VARI-TABLE");
    EXPECT_EQ(file[12], 1);
    EXPECT_EQ(file[16], 0);
    EXPECT_EQ(file[21], 4);  // the day shown when saving
    EXPECT_EQ(file[124], 3);  // the grids' own dimensions, not the stale ones
    EXPECT_EQ(file[128], 7);
    EXPECT_TRUE(std::all_of(file.begin() + 132, file.begin() + 1024, [](auto b) { return b == 0; }));

    const auto at = [&](int klass, int day, int n, bool draft) {
        return kVariantHeaderSize + (draft ? grid : 0) +
               static_cast<std::size_t>((klass * 6 + day - 1) * 7 + n - 1) * LessonSlot::kRecordSize;
    };
    for (bool draft : {false, true})
        for (int c = 0; c < 3; ++c) EXPECT_EQ(ReadSlotAt(file, at(c, 1, 1, draft)).classTag, (c + 1) * 10 + 1);
    const LessonSlot doubleHour = ReadSlotAt(file, at(0, 1, 3, false));
    EXPECT_EQ(doubleHour.lessonIndex, 2);
    EXPECT_EQ(doubleHour.rooms[0], 101);
    EXPECT_EQ(doubleHour.prevPosition, 2);
    EXPECT_EQ(ReadSlotAt(file, at(0, 1, 1, true)).lessonIndex, 1000002);  // the separated lesson
    const LessonSlot split = ReadSlotAt(file, at(1, 1, 1, false));
    EXPECT_EQ(split.rooms[0], 100);
    EXPECT_EQ(split.rooms[1], 103);
    EXPECT_EQ(split.rooms[2], kNoRoom);
    EXPECT_EQ(ReadSlotAt(file, at(2, 1, 1, false)).lessonIndex, -1);
}

TEST(EngineVariantFile, SaveAndReopenKeepTheGridsAndLeaveTheVariantUnchanged) {
    const TTableVarItem v = MakeSampleVariant();
    VariantOptions options = VariantOptions::Defaults(3, 7);
    options.setComment("Осень");
    options.wishesMode = 3;
    const Bytes file = SerializeVariant(v, options, 5);
    EXPECT_TRUE(v.sameGrids(MakeSampleVariant()));  // saving works on copies

    const auto loaded = ParseVariant(file, MakeSampleCatalog());
    ASSERT_TRUE(loaded);
    EXPECT_TRUE(loaded->variant.sameGrids(v));
    EXPECT_TRUE(loaded->variant.roomTracking());
    EXPECT_EQ(loaded->options.comment, "Осень");
    EXPECT_EQ(loaded->options.wishesMode, 3);
    EXPECT_EQ(loaded->options.selectedDay, 5);
    EXPECT_EQ(SerializeVariant(loaded->variant, loaded->options, 5), file);

    // Through the files, saved safely beside the target.
    const auto folder = std::filesystem::path(::testing::TempDir()) / "lovaris_variant_file";
    std::filesystem::create_directories(folder);
    const std::string path = (folder / "Осень.rsp").string();
    ASSERT_TRUE(SaveVariantFile(path, v, options, 5).ok);
    ASSERT_TRUE(SaveVariantFile(path, v, options, 5).ok);  // over an existing file
    EXPECT_EQ(ReadWholeFile(path), file);
    EXPECT_FALSE(std::filesystem::exists(path + ".saving~"));
    LoadedVariant opened;
    ASSERT_TRUE(OpenVariantFile(path, MakeSampleCatalog(), opened).ok);
    EXPECT_TRUE(opened.variant.sameGrids(v));
    const auto missing = OpenVariantFile((folder / "нет.rsp").string(), MakeSampleCatalog(), opened);
    EXPECT_EQ(missing.message, "Ошибка при открытии файла нет.rsp.");
    const auto unwritable = SaveVariantFile((folder / "нет" / "x.rsp").string(), v, options, 1);
    EXPECT_EQ(unwritable.message, "Ошибка при записи файла x.rsp.");
    std::filesystem::remove_all(folder);
}

// ---------------------------------------------------------------- identifier mapping

TEST(EngineVariantFile, ClassesAreMatchedByIdWhateverTheirOrder) {
    VariantCatalog reordered = MakeSampleCatalog();
    std::reverse(reordered.classes.begin(), reordered.classes.end());
    const TTableVarItem v = MakeSampleVariant();
    const TTableVarItem r = Reopen(v, reordered);
    for (int c = 0; c < 3; ++c)
        for (int d = 1; d <= 6; ++d)
            for (bool draft : {false, true}) EXPECT_EQ(HoursOf(r, 2 - c, d, draft), HoursOf(v, c, d, draft));
    EXPECT_EQ(r.GetRoomSlot(1, 1, 2).classIndex, 2);  // rooms follow the class's new index
    EXPECT_EQ(r.GetRoomSlot(2, 6, 5).classIndex, 0);
}

TEST(EngineVariantFile, AnAddedClassIsEmptyAndARemovedOneIsDropped) {
    VariantCatalog changed = MakeSampleCatalog();
    changed.classes.erase(changed.classes.begin() + 1);  // class 20 removed
    changed.classes.push_back({40, {test::SampleLesson(7, {1})}});
    const TTableVarItem v = MakeSampleVariant();
    const TTableVarItem r = Reopen(v, changed);
    ASSERT_EQ(r.classCount(), 3);
    EXPECT_EQ(HoursOf(r, 0, 1, false), HoursOf(v, 0, 1, false));
    EXPECT_EQ(HoursOf(r, 1, 6, false), HoursOf(v, 2, 6, false));
    EXPECT_EQ(r.CountClassLessons(2, 0).clean + r.CountClassLessons(2, 0).draft, 0);
    EXPECT_TRUE(r.GetRoomSlot(0, 1, 1).isFree());  // class 20's rooms went with it
    EXPECT_TRUE(r.GetRoomSlot(3, 1, 1).isFree());
}

TEST(EngineVariantFile, FewerOrMoreLessonsPerDayKeepTheCommonLessonNumbers) {
    const TTableVarItem v = MakeSampleVariant();
    for (int lessonsPerDay : {6, 8}) {
        VariantCatalog now = MakeSampleCatalog();
        now.lessonsPerDay = lessonsPerDay;
        const TTableVarItem r = Reopen(v, now);
        ASSERT_EQ(r.lessonsPerDay(), lessonsPerDay);
        for (int c = 0; c < 3; ++c)
            for (int d = 1; d <= 6; ++d)
                for (bool draft : {false, true})
                    for (int n = 1; n <= 6; ++n) {
                        const LessonSlot was = draft ? v.GetDraftSlot(c, d, n) : v.GetCleanSlot(c, d, n);
                        const LessonSlot is = draft ? r.GetDraftSlot(c, d, n) : r.GetCleanSlot(c, d, n);
                        EXPECT_EQ(is, was) << lessonsPerDay << ": " << c << " " << d << " " << n;
                    }
        if (lessonsPerDay == 8) {
            EXPECT_EQ(r.GetCleanSlot(0, 1, 7).lessonIndex, 2);
            EXPECT_FALSE(r.GetCleanSlot(0, 1, 8).occupied());
        }
        EXPECT_EQ(r.GetRoomSlot(2, 6, 5).classIndex, 2);
    }
}

TEST(EngineVariantFile, LessonsAndRoomsTheProjectNoLongerHasAreDropped) {
    VariantCatalog now = MakeSampleCatalog();
    now.classes[0].lessons.erase(now.classes[0].lessons.begin());  // lesson 1 gone: the others move up
    now.roomIds = {103, 100, 102};  // room 101 gone, the rest reordered
    const TTableVarItem r = Reopen(MakeSampleVariant(), now);
    EXPECT_FALSE(r.GetCleanSlot(0, 1, 1).occupied());
    const LessonSlot doubleHour = r.GetCleanSlot(0, 1, 2);
    EXPECT_EQ(doubleHour.lessonIndex, 0);
    EXPECT_EQ(doubleHour.rooms[0], kNoRoom);
    EXPECT_EQ(r.GetCleanSlot(1, 1, 1).rooms[0], 1);
    EXPECT_EQ(r.GetCleanSlot(1, 1, 1).rooms[1], 0);
    EXPECT_EQ(r.GetRoomSlot(0, 1, 1), (RoomSlot{1, 0, 1}));
    EXPECT_EQ(r.GetRoomSlot(2, 6, 5), (RoomSlot{2, 0, 0}));
    // The draft of Tuesday was lesson 1 then lesson 2: the survivor moved up.
    EXPECT_EQ(HoursOf(r, 0, 2, true)[0], std::pair(0, -1));
    EXPECT_FALSE(r.GetDraftSlot(0, 2, 2).occupied());
}

// ---------------------------------------------------------------- hour spreads

TEST(EngineVariantFile, HoursThatNoLongerFitTheSpreadAreRemoved) {
    // Lesson 2 stands as a double on Monday (clean) and a single on Tuesday (draft).
    TTableVarItem v = MakeSampleVariant();
    // On Thursday its double stands in the draft, lesson 3 after it.
    VariantCatalog wider = MakeSampleCatalog();
    wider.classes[0].lessons[1].spread = {2, 2, 1};
    wider.classes[0].lessons[2].spread = {1, 1};
    v = Reopen(v, wider);
    PutBlock(v, 0, 4, 1, 1, 2, true);
    PutBlock(v, 0, 4, 2, 3, 1, true);

    struct Case {
        const char* what;
        std::vector<int> spread;
        bool mondayKept, tuesdayKept, thursdayKept;
    };
    const Case cases[] = {
        {"unchanged", {2, 2, 1}, true, true, true},
        {"2+1 became 1+1+1", {1, 1, 1}, false, true, false},
        {"one double left", {2, 1}, true, true, false},  // the first day takes the entry
        {"no single any more", {2, 2}, true, false, true},
        {"no hours", {}, false, false, false},
    };
    for (const auto& c : cases) {
        VariantCatalog now = wider;
        now.classes[0].lessons[1].spread = c.spread;
        const TTableVarItem r = Reopen(v, now);
        EXPECT_EQ(r.CountLessonHoursOnDay(0, 1, 1), c.mondayKept ? 2 : 0) << c.what;
        EXPECT_EQ(r.CountLessonHoursOnDay(0, 1, 2), c.tuesdayKept ? 1 : 0) << c.what;
        EXPECT_EQ(r.CountLessonHoursOnDay(0, 1, 4), c.thursdayKept ? 2 : 0) << c.what;
        EXPECT_EQ(r.GetRoomSlot(1, 1, 2).isFree(), !c.mondayKept) << c.what;
        // The draft stays packed: lesson 3 moves up to the front of Thursday.
        const Hours thursday = HoursOf(r, 0, 4, true);
        EXPECT_EQ(thursday[c.thursdayKept ? 2 : 0], std::pair(2, -1)) << c.what;
        // Tuesday's lesson 1 and Monday's other lessons stay.
        EXPECT_EQ(r.CountLessonHoursOnDay(0, 0, 2), 1) << c.what;
        EXPECT_EQ(r.GetCleanSlot(0, 1, 7).lessonIndex, 2) << c.what;
    }
}

}  // namespace
}  // namespace lovaris
