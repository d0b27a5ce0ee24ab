#pragma once
// The week of one class or one teacher as an iCalendar file (RFC 5545): an event per
// lesson block that recurs weekly through the term, its times taken from the school's
// bells. Lines end in CRLF and are folded at 75 octets; texts are escaped.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "TimetableWeek.h"

namespace lovaris {

// When a lesson begins and ends, in minutes after midnight.
struct Bell {
    int lesson = 1;
    int start = 0;
    int end = 0;
};

struct BellsResult {
    std::vector<Bell> bells;  // by lesson number
    std::string error;        // set when refused: the line and what is wrong
};

// A bells file: one line per lesson, "LESSON START END" ("1 08:30 09:15"), the three
// separated by blanks, tabs, commas or semicolons; blank lines and lines beginning
// with '#' are skipped. Lessons 1..24, each once, each ending after it begins and
// beginning no earlier than the lesson before it ends.
BellsResult ParseBells(std::string_view text);

struct CalendarDate {
    int year = 2000;
    int month = 1;
    int day = 1;
};
// "YYYY-MM-DD"; nullopt for anything else or a day the calendar does not have.
std::optional<CalendarDate> ParseCalendarDate(std::string_view text);

struct ICalRequest {
    int klass = -1;    // the class, or
    int teacher = -1;  // the teacher whose week it is
    CalendarDate from, to;  // the term, both days included
    std::vector<Bell> bells;
    std::string stamp;  // when the file is made, UTC: "20261210T120000Z"
};

struct ICalResult {
    std::string text;
    std::string error;  // set when refused
};

ICalResult TimetableICal(const TimetableWeek& week, const ICalRequest& request);

// A content line folded at 75 octets, never inside a UTF-8 character, with CRLF.
std::string ICalLine(std::string_view line);
// TEXT as RFC 5545 writes it: backslash, semicolon, comma and line break escaped.
std::string ICalText(std::string_view text);

}  // namespace lovaris
