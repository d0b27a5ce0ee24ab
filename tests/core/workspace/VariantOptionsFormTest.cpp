// The options dialog's fields and its "Да": the counts, the comment, the list and
// the weights, stored all together or not at all.
#include <gtest/gtest.h>

#include "core/common/StringTable.h"
#include "core/workspace/VariantOptionsForm.h"

namespace lovaris {
namespace {

TEST(VariantOptionsForm, FieldsShowTheRecordOrThePreset) {
    VariantOptions options = VariantOptions::Defaults(3, 6);
    VariantOptionsEntry entry = VariantOptionsEntryFrom(options);
    EXPECT_EQ(entry.comment, "В этом поле вводится описание варианта, \r\nнапример: Расписание на I полугодие.");
    EXPECT_EQ(entry.maxVariants, "10");
    EXPECT_EQ(entry.maxWindows, "1");
    EXPECT_EQ(WishesModeEntries().at(static_cast<std::size_t>(entry.wishesIndex)), "Средний и высокий приоритет");
    EXPECT_EQ(VariantOptionsCaption("План"), "Опции: План");

    // Confirmed without touching the memo, the preset becomes the comment, on one line.
    ASSERT_EQ(ConfirmVariantOptions(entry, options), std::nullopt);
    EXPECT_EQ(options.comment, "В этом поле вводится описание варианта,   например: Расписание на I полугодие.");
    EXPECT_EQ(VariantOptionsEntryFrom(options).comment, options.comment);
}

TEST(VariantOptionsForm, Confirm) {
    struct Case {
        const char* name;
        std::string comment;
        std::string maxVariants;
        std::string maxWindows;
        int wishesIndex;
        int weights;  // each of the three
        std::optional<TextId> refused;
        // Stored when not refused
        std::string storedComment;
        int storedVariants;
        int storedWindows;
        int storedWishes;
        int storedWeight;
    };
    const std::string eightyOne(81, 'x');
    const Case cases[] = {
        {"plain", "Первое полугодие", "5", "2", 3, 50, std::nullopt, "Первое полугодие", 5, 2, 4, 50},
        {"negative counts store 0", "a", "-3", " -1 ", 0, 0, std::nullopt, "a", 0, 0, 1, 0},
        {"counts beyond 16 bits store 65535", "a", "70000", "2147483647", 0, 0, std::nullopt, "a", 65535, 65535, 1, 0},
        {"weights beyond the spin edits", "a", "1", "1", 1, 150, std::nullopt, "a", 1, 1, 2, 100},
        {"line breaks and length", "две\r\nстроки", "1", "1", 1, 30, std::nullopt, "две  строки", 1, 1, 2, 30},
        {"eighty characters kept", eightyOne, "1", "1", 1, 30, std::nullopt, eightyOne.substr(0, 80), 1, 1, 2, 30},
        {"variants not a number", "b", "десять", "2", 0, 0, TextId::OptionsMaxVariantsError, "", 0, 0, 0, 0},
        {"variants empty", "b", "", "2", 0, 0, TextId::OptionsMaxVariantsError, "", 0, 0, 0, 0},
        {"variants beyond 32 bits", "b", "99999999999", "2", 0, 0, TextId::OptionsMaxVariantsError, "", 0, 0, 0, 0},
        // The first count passed, the second did not: nothing at all is stored.
        {"windows not a number", "b", "7", "2.5", 0, 0, TextId::OptionsMaxWindowsError, "", 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        VariantOptions options = VariantOptions::Defaults(1, 6);
        options.comment = "прежний";
        const VariantOptions before = options;
        VariantOptionsEntry entry;
        entry.comment = c.comment;
        entry.maxVariants = c.maxVariants;
        entry.maxWindows = c.maxWindows;
        entry.wishesIndex = c.wishesIndex;
        entry.parallelWeight = entry.sanitaryWeight = entry.teacherBusyWeight = c.weights;
        EXPECT_EQ(ConfirmVariantOptions(entry, options), c.refused) << c.name;
        if (c.refused) {
            EXPECT_EQ(options, before) << c.name;
            continue;
        }
        EXPECT_EQ(options.comment, c.storedComment) << c.name;
        EXPECT_EQ(options.maxVariantsPerDay, c.storedVariants) << c.name;
        EXPECT_EQ(options.maxTeacherWindows, c.storedWindows) << c.name;
        EXPECT_EQ(options.wishesMode, c.storedWishes) << c.name;
        EXPECT_EQ(options.sanitaryWeight, c.storedWeight) << c.name;
    }
    EXPECT_EQ(LoadResText(TextId::OptionsMaxVariantsError),
              "Ошибка при вводе максимального числа вариантов на день в режиме \"Автомат\".");
}

}  // namespace
}  // namespace lovaris
