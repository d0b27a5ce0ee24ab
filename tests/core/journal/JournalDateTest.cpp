// Serial dates: the journal's range, the weekday, and the texts of dates.
#include <gtest/gtest.h>

#include "JournalTestSchool.h"
#include "core/journal/JournalDate.h"

namespace lovaris {
namespace {

TEST(JournalDate, SerialNumbersWeekdaysAndTexts) {
    struct Case {
        const char* text;
        SerialDate serial;
        int weekday;
    };
    const Case cases[] = {
        {"01.01.1900", 2, 1},        {"28.02.1900", 60, 3}, {"01.03.1900", 61, 4},
        {"14.12.2026", test::kMonday, 1}, {"13.12.2026", test::kSunday, 0},
        {"29.02.2024", 45351, 4},   {"31.12.9999", 2958465, 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ParseDate(c.text), c.serial);
        EXPECT_EQ(DateText(c.serial), c.text);
        EXPECT_EQ(WeekdayOf(c.serial), c.weekday);
    }
    EXPECT_EQ(ParseDate("2026-12-14"), test::kMonday);
    EXPECT_EQ(WeekdayTitle(test::kMonday), "Понедельник");
    EXPECT_EQ(WeekdayTitle(test::kSunday), "Воскресенье");
}

TEST(JournalDate, DatesOutsideTheJournalAreRefused) {
    // 30.12.1899 is serial 0, the mark of a free directory entry.
    for (const char* text : {"30.12.1899", "31.12.1899", "29.02.1900", "31.04.2026", "00.01.2026", "01.13.2026",
                             "01.01.10000", "1.1.2026", "2026-1-14", "", "дата"}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(ParseDate(text));
    }
    EXPECT_FALSE(IsJournalDate(0));
    EXPECT_FALSE(IsJournalDate(kLastJournalDate + 1));
}

}  // namespace
}  // namespace lovaris
