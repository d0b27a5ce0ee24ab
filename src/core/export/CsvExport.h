#pragma once
// A variant's clean copy as a table (RFC 4180, UTF-8): a header row, then one row per
// placed hour and subgroup with its day, lesson, class, subgroup, subject, teacher,
// room and link group. Rows end in CRLF; the file opens with a byte order mark, by
// which spreadsheet programs know the text is UTF-8.
#include <string>
#include <string_view>

#include "TimetableWeek.h"

namespace lovaris {

std::string TimetableCsv(const TimetableWeek& week);

// One field as RFC 4180 writes it: in double quotes, with its quotes doubled, when it
// holds a comma, a quote, a line break or a blank at either end.
std::string CsvField(std::string_view text);

}  // namespace lovaris
