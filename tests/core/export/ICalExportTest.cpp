// The week as an iCalendar file: lines, folding, escaping, recurrences and bells.
#include <gtest/gtest.h>

#include "ExportSchool.h"
#include "core/export/ICalExport.h"

namespace lovaris::test {
namespace {

// The content lines: each physical line ends in CRLF and holds at most 75 octets, a
// continuation begins with a blank, and no UTF-8 character is cut.
std::vector<std::string> Unfolded(const std::string& text, std::string& problem) {
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at < text.size()) {
        const auto end = text.find("\r\n", at);
        if (end == std::string::npos) {
            problem = "a line without CRLF";
            return lines;
        }
        const std::string physical = text.substr(at, end - at);
        if (physical.size() > 75) problem = "a line of " + std::to_string(physical.size()) + " octets";
        if (physical.find('\n') != std::string::npos) problem = "a bare line feed";
        if (physical.starts_with(" ")) {
            if (lines.empty()) problem = "a continuation first";
            if ((static_cast<unsigned char>(physical[1]) & 0xC0) == 0x80) problem = "a character cut by a fold";
            lines.back() += physical.substr(1);
        } else {
            lines.push_back(physical);
        }
        at = end + 2;
    }
    return lines;
}

std::vector<std::string> Events(const std::vector<std::string>& lines) {
    std::vector<std::string> events;
    for (const auto& l : lines) {
        if (l == "BEGIN:VEVENT") events.emplace_back();
        else if (!events.empty() && l != "END:VEVENT" && !l.starts_with("DTSTAMP") && !l.starts_with("END:VCALENDAR"))
            events.back() += l + "\n";
    }
    return events;
}

ICalRequest Term() {
    ICalRequest r;
    r.from = {2026, 9, 1};  // a Tuesday
    r.to = {2026, 10, 31};
    r.bells = ParseBells("1 08:30 09:15\n2 09:25 10:10\n3 10:30 11:15\n4 11:25 12:10\n").bells;
    r.stamp = "20260820T100000Z";
    return r;
}

TEST(ICalExport, LongLinesFoldAtSeventyFiveOctetsBetweenCharacters) {
    for (std::size_t n : {70u, 74u, 75u, 76u, 200u}) {
        const std::string line = "SUMMARY:" + std::string(n, 'x') + "Щука" + std::string(n % 7, 'я');
        std::string problem;
        const auto lines = Unfolded(ICalLine(line), problem);
        EXPECT_EQ(problem, "") << n;
        EXPECT_EQ(lines, std::vector<std::string>({line})) << n;
    }
}

TEST(ICalExport, TextEscapesBackslashSemicolonCommaAndLineBreaks) {
    EXPECT_EQ(ICalText("a\\b;c,d\ne\r\nf"), "a\\\\b\\;c\\,d\\ne\\nf");
}

TEST(ICalExport, ClassWeekRecursWeeklyThroughTheTerm) {
    ExportSchool s;
    ICalRequest r = Term();
    r.klass = 0;
    const auto cal = TimetableICal(s.week(), r);
    ASSERT_EQ(cal.error, "");
    std::string problem;
    const auto lines = Unfolded(cal.text, problem);
    ASSERT_EQ(problem, "");
    EXPECT_EQ(lines.front(), "BEGIN:VCALENDAR");
    EXPECT_EQ(lines.back(), "END:VCALENDAR");
    EXPECT_NE(std::find(lines.begin(), lines.end(), "VERSION:2.0"), lines.end());
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "DTSTAMP:20260820T100000Z"), 2);
    // Monday's two hours of mathematics are one block; the first Monday of the term is 7 September.
    EXPECT_EQ(Events(lines), std::vector<std::string>({
                                 "UID:class-1-day1-lesson1@lovaris\nDTSTART:20260907T083000\nDTEND:20260907T101000\n"
                                 "RRULE:FREQ=WEEKLY;UNTIL=20261031T235959\nSUMMARY:Математика\nLOCATION:101\n"
                                 "DESCRIPTION:Иванова <И.И.>\n",
                                 "UID:class-1-day2-lesson3@lovaris\nDTSTART:20260901T103000\nDTEND:20260901T111500\n"
                                 "RRULE:FREQ=WEEKLY;UNTIL=20261031T235959\n"
                                 "SUMMARY:Физ-ра\\, \"спорт\"\\; зал\\\\1\nLOCATION:Спортзал\nDESCRIPTION:Петров\n",
                             }));
}

TEST(ICalExport, TeacherWeekNamesEveryClassTaughtAtOnce) {
    ExportSchool s;
    ICalRequest r = Term();
    r.teacher = 1;
    std::string problem;
    const auto events = Events(Unfolded(TimetableICal(s.week(), r).text, problem));
    ASSERT_EQ(events.size(), 1u);
    EXPECT_NE(events[0].find("SUMMARY:Физ-ра\\, \"спорт\"\\; зал\\\\1\\, 5а/5б\n"), std::string::npos) << events[0];
}

TEST(ICalExport, RefusesWhatItCannotPutInACalendar) {
    ExportSchool s;
    ICalRequest noBell = Term();
    noBell.klass = 0;
    noBell.bells.pop_back();
    noBell.bells.pop_back();  // no time for lesson 3
    EXPECT_EQ(TimetableICal(s.week(), noBell).error, "в звонках нет времени урока 3");
    ICalRequest backwards = Term();
    backwards.klass = 0;
    backwards.to = {2026, 8, 31};
    EXPECT_EQ(TimetableICal(s.week(), backwards).error, "четверть кончается раньше, чем начинается");
}

TEST(ICalExport, BellsAndDatesAreReadStrictly) {
    const std::pair<const char*, const char*> bells[] = {
        {"# bells\n1 08:30 09:15\n\n2;09:25;10:10\r\n", ""},
        {"1 08:30\n", "строка 1: нужны номер урока, его начало и конец"},
        {"1 8:30 9:15\n2 09:60 10:10\n", "строка 2: нужны номер урока, его начало и конец"},
        {"25 08:30 09:15\n", "строка 1: номер урока должен быть от 1 до 24"},
        {"1 09:15 08:30\n", "строка 1: урок кончается раньше, чем начинается"},
        {"1 08:30 09:15\n1 09:25 10:10\n", "строка 2: время урока указано дважды: урок 1"},
        {"2 09:00 09:45\n1 08:30 09:15\n", "урок 2 начинается раньше, чем кончается урок 1"},
        {"\n# nothing\n", "в файле нет времени ни одного урока"},
    };
    for (const auto& [text, error] : bells) {
        const auto parsed = ParseBells(text);
        EXPECT_TRUE(parsed.error.starts_with(error)) << text << " -> " << parsed.error;
        EXPECT_EQ(parsed.bells.empty(), *error != '\0') << text;
    }
    EXPECT_EQ(ParseBells("1 08:30 09:15\n2 09:25 10:10\n").bells.size(), 2u);
    for (const char* bad : {"2026-02-29", "2026-13-01", "2026-1-01", "26-01-01", "2026/01/01", "2026-01-01x", ""})
        EXPECT_FALSE(ParseCalendarDate(bad)) << bad;
    ASSERT_TRUE(ParseCalendarDate("2028-02-29"));
    EXPECT_EQ(ParseCalendarDate("2028-02-29")->day, 29);
}

}  // namespace
}  // namespace lovaris::test
