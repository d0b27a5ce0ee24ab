#include <gtest/gtest.h>

#include "core/views/THourElementRecord.h"
#include "core/views/TextFit.h"

namespace lovaris {
namespace {

// One unit per character, as a fixed-width font would draw it.
int CharacterWidth(std::string_view text) {
    int n = 0;
    for (unsigned char c : text) n += (c & 0xC0) != 0x80;
    return n;
}

struct FitCase {
    const char* text;
    int width;
    const char* shown;
};

class TextFitCases : public ::testing::TestWithParam<FitCase> {};

TEST_P(TextFitCases, LongestCutThatFits) {
    const FitCase& c = GetParam();
    EXPECT_EQ(FitText(c.text, c.width, CharacterWidth), c.shown);
}

INSTANTIATE_TEST_SUITE_P(TextFit, TextFitCases, ::testing::Values(
    FitCase{"Алгебра", 7, "Алгебра"},         // fits whole
    FitCase{"Алгебра", 6, "Алгеб…"},          // characters, not bytes
    FitCase{"Физ. культура", 5, "Физ…"},       // "Физ." is passed over
    FitCase{"Рус яз", 5, "Рус…"},              // "Рус " is passed over
    FitCase{"Химия", 1, "…"},                  // the empty cut is tried too
    FitCase{"Химия", 0, ""}));                 // nothing fits

TEST(HourElementRecord, DefaultsAndEvenSubRows) {
    THourElementRecord record;
    EXPECT_EQ(record.subRowCount(), 1);
    EXPECT_EQ(record.subColumnCount(), 1);
    record.SetEvenSubRows(3);
    EXPECT_EQ(record.subRowCount(), 3);
    EXPECT_EQ(record.subRowHeights[0], 33);
    record.SetEvenSubRows(9);  // at most five lines
    EXPECT_EQ(record.subRowCount(), 5);
    EXPECT_EQ(record.subRowHeights[4], 20);
    record.SetSubColumns({60, 40});
    EXPECT_EQ(record.subColumnCount(), 2);
    record.text(2, 3) = "101";
    EXPECT_EQ(record.texts[7], "101");
}

}  // namespace
}  // namespace lovaris
