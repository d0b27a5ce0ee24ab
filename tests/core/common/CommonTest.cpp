#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

#include "core/common/BitSet.h"
#include "core/common/BusySlots.h"
#include "core/common/ByteReader.h"
#include "core/common/ByteWriter.h"
#include "core/common/Cp1251.h"
#include "core/common/FileSignature.h"
#include "core/common/MessageFormat.h"
#include "core/common/StringTable.h"
#include "core/common/TextCompare.h"

using namespace lovaris;

TEST(FileSignature, CompareAcceptsOlderAndRefusesNewerOrForeign) {
    struct Case {
        FileSignature file;
        int expected;
    };
    const Case cases[] = {
        {{"TIME-TABLE", 1, 3}, 0}, {{"TIME-TABLE", 1, 2}, 0}, {{"TIME-TABLE", 1, 0}, 0},
        {{"TIME-TABLE", 0, 9}, 0}, {{"TIME-TABLE", 1, 4}, 3}, {{"TIME-TABLE", 2, 0}, 2},
        {{"VARI-TABLE", 1, 0}, 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CompareSignature(c.file, kProjectSignature), c.expected)
            << c.file.magic << ' ' << c.file.versionMajor << '.' << c.file.versionMinor;
}

TEST(FileSignature, WritesTwentyBytesAndReadsThemBack) {
    ByteWriter w;
    kProjectSignature.write(w);
    const std::vector<std::uint8_t> expected = {10,  'T', 'I', 'M', 'E', '-', 'T', 'A', 'B', 'L',
                                                'E', 0,   1,   0,   0,   0,   3,   0,   0,   0};
    EXPECT_EQ(w.data(), expected);
    ByteReader r(w.data());
    const auto back = FileSignature::read(r);
    EXPECT_EQ(CompareSignature(back, kProjectSignature), 0);
    EXPECT_EQ(back.versionMinor, 3);
}

TEST(BusySlots, NumberingAndOutOfRangeSlots) {
    EXPECT_EQ(busySlot(1, 1), 1);
    EXPECT_EQ(busySlot(6, 24), 144);
    ByteBusyTable table;
    EXPECT_EQ(table.get(1), 0);
    EXPECT_EQ(table.get(0), 1) << "slots outside 1..144 read as not free";
    EXPECT_EQ(table.get(145), 1);
    table.set(145, 0);  // ignored, must not write past the table
    table.set(0, 1);
    for (int slot = 1; slot <= kBusySlots; ++slot) EXPECT_EQ(table.get(slot), 0);
}

TEST(BitSet, BitsRowsAndDisjoint) {
    std::array<std::uint32_t, 4> set{};
    SetBit(set, 33, true);
    EXPECT_EQ(set[1], 2u);
    EXPECT_EQ(TestBit(set, 33), 1);
    SetSlotBit(set, 8, 2, 3, true);  // bit 2 * 8 + 2 = 18
    EXPECT_EQ(TestBit(set, 18), 1);
    EXPECT_EQ(TestSlotBit(set, 8, 2, 3), 1);
    const std::array<std::int32_t, 2> rowStart{0, 40};
    SetSlotBitAt(set, rowStart, 1, 5, true);  // bit 44
    EXPECT_EQ(TestBit(set, 44), 1);
    SetBit(set, 33, false);
    EXPECT_EQ(TestBit(set, 33), 0);

    std::array<std::uint8_t, 11> a{}, b{};
    EXPECT_TRUE(Disjoint(a.data(), b.data(), a.size()));
    a[10] = 0x10;
    b[10] = 0x10;
    EXPECT_FALSE(Disjoint(a.data(), b.data(), a.size())) << "the trailing bytes count too";
    EXPECT_TRUE(Disjoint(a.data(), b.data(), 10));
}

TEST(BitSet, SubtractWithinLimits) {
    // A, B, result, limit of three bytes each.
    std::array<std::int8_t, 12> vec{5, 5, 5, 0, 0, 0, 0, 0, 0, 3, 3, 3};
    const std::array<std::int8_t, 3> small{2, 2, 2};
    EXPECT_TRUE(SubtractWithinLimits(vec, small, 3));
    EXPECT_EQ(vec[6], 3);
    const std::array<std::int8_t, 3> tooLittle{2, 1, 2};
    EXPECT_FALSE(SubtractWithinLimits(vec, tooLittle, 3));
}

TEST(Cp1251, RoundTripsEveryByteAndMapsCyrillic) {
    std::string all;
    for (int b = 1; b < 256; ++b) all.push_back(static_cast<char>(b));
    EXPECT_EQ(utf8ToCp1251(cp1251ToUtf8(all)), all);
    EXPECT_EQ(utf8ToCp1251("Ёж"), std::string("\xA8\xE6"));
    EXPECT_EQ(cp1251ToUtf8("\xC0\xDF\xB9"), "АЯ№");
    EXPECT_EQ(utf8ToCp1251("日本"), "??") << "characters without a code are replaced, not dropped";
    EXPECT_EQ(utf8Length("Ловарис"), 7u);
    EXPECT_EQ(utf8Left("Ловарис", 3), "Лов");
}

TEST(ByteWriter, NameFieldsAreCutAndNulTerminated) {
    ByteWriter w;
    w.cstring("Кабинет физики", 8);
    ASSERT_EQ(w.size(), 8u);
    EXPECT_EQ(w.data()[7], 0);
    ByteReader r(w.data());
    EXPECT_EQ(r.cstring(8), "Кабинет");
}

TEST(ByteReader, ShortReadsFailInsteadOfReadingPast) {
    const std::vector<std::uint8_t> bytes{1, 2, 3};
    ByteReader r(bytes);
    EXPECT_EQ(r.u16(), 0x0201);
    EXPECT_EQ(r.u32(), 0u);
    EXPECT_TRUE(r.failed());
    EXPECT_EQ(r.remaining(), 0u);
    ByteReader shortText(bytes);
    EXPECT_EQ(shortText.cstring(4), "");
    EXPECT_TRUE(shortText.failed()) << "a text field longer than what is left";
}

TEST(ByteReader, TextFillingItsWholeFieldIsCutToTheFieldLessOne) {
    const std::vector<std::uint8_t> bytes{'1', '0', '1', 0xCA, 0, 'x', 'y'};
    struct Case {
        std::size_t field;
        const char* read;
    };
    const Case cases[] = {
        {5, "101К"},  // NUL in the last byte
        {4, "101"},   // no NUL: the field's last character is cut
        {2, "1"},
        {1, ""},
    };
    for (const auto& c : cases) {
        ByteReader r(bytes);
        EXPECT_EQ(r.cstring(c.field), c.read) << c.field;
        EXPECT_FALSE(r.failed()) << c.field;
        EXPECT_EQ(r.position(), c.field) << "the whole field is read";
    }
}

// Values go in their order; a value that itself reads "%hs" (a name from a file) is not
// filled again, and missing values leave their placeholders.
TEST(MessageFormat, SeveralValuesInOrder) {
    struct Case {
        const char* templ;
        std::initializer_list<std::string_view> values;
        const char* filled;
    };
    const Case cases[] = {
        {"<%hs> содержит «%hs», а не число %hs..%hs", {"Duration", "x", "1", "2"}, "<Duration> содержит «x», а не число 1..2"},
        {"учитель «%hs» и «%hs»", {"%hs", "Anna"}, "учитель «%hs» и «Anna»"},
        {"%hs и %hs", {"1"}, "1 и %hs"},
        {"без значений", {"1"}, "без значений"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatMessageEach(c.templ, c.values), c.filled) << c.templ;
}

TEST(MessageFormat, PlaceholderAndFileNames) {
    EXPECT_EQ(FormatMessage(TextId::FileFormatUnknown, FileNameWithoutFolder("/srv/школа/Новый_1.tbl")),
              "Формат файла Новый_1.tbl не известен или не поддерживается.");
    EXPECT_EQ(FileNameWithoutFolder("C:\\data\\a.tbl"), "a.tbl");
    struct Case {
        const char* path;
        const char* shown;
    };
    const Case cases[] = {
        {"/p/Новый_1.tbl", "Новый_1"}, {"/p/school.data", "school.data"}, {"/p/a.b", "a"},
        {"/p/noext", "noext"},         {"/p/шк.тбл", "шк"},               {"/p/.tbl", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(ProjectDisplayName(c.path), c.shown) << c.path;
}

TEST(StringTable, NumberedTextsAndMissingIds) {
    EXPECT_EQ(LoadResText(TextId::AppTitle), "АРМ \"Ловарис\"");
    EXPECT_EQ(LoadResText(10096), "Общая");
    EXPECT_EQ(LoadResText(10116), "Естествознание");
    EXPECT_EQ(LoadResText(10138), "Группа");
    EXPECT_EQ(LoadResText(10255), "\"отделены\" часы, отсутствующие в раскладке.");
    EXPECT_EQ(LoadResText(12345), "");
    for (int id = 10096; id <= 10116; ++id) EXPECT_FALSE(LoadResText(id).empty()) << id;
}

TEST(TextCompare, CaseInsensitiveAlphabetOrder) {
    EXPECT_TRUE(ListTextLess("а", "Б"));
    EXPECT_TRUE(ListTextLess("Е", "ё"));
    EXPECT_TRUE(ListTextLess("ё", "Ж"));
    EXPECT_TRUE(ListTextEqual("Иванов", "иванов"));
    EXPECT_TRUE(ListTextLess("10А", "5А")) << "texts compare as texts, not numbers";
}
