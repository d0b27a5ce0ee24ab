#include "JournalDate.h"

#include <charconv>
#include <cstdio>

#include "../common/Cp1251.h"
#include "../common/JournalTexts.h"

namespace lovaris {
namespace {

// Days from 01.03.0000 of the proleptic Gregorian calendar (H. Hinnant's civil algorithm).
constexpr long long daysFromCivil(long long y, unsigned m, unsigned d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

constexpr long long kSerialZero = daysFromCivil(1899, 12, 30);

bool isLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int daysInMonth(int y, int m) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && isLeap(y) ? 29 : kDays[m - 1];
}

std::optional<int> number(std::string_view text) {
    int value = 0;
    if (text.empty()) return std::nullopt;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

}  // namespace

std::optional<SerialDate> SerialFromCivil(int year, int month, int day) {
    if (year < 1900 || year > 9999 || month < 1 || month > 12 || day < 1 || day > daysInMonth(year, month))
        return std::nullopt;
    return static_cast<SerialDate>(daysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) -
                                   kSerialZero);
}

CivilDate CivilFromSerial(SerialDate date) {
    const long long z = date + kSerialZero + 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    const long long y = static_cast<long long>(yoe) + era * 400 + (m <= 2);
    return {static_cast<int>(y), static_cast<int>(m), static_cast<int>(d)};
}

// 30.12.1899 was a Saturday.
int WeekdayOf(SerialDate date) { return static_cast<int>(((date % 7) + 7 + 6) % 7); }

std::string DateText(SerialDate date) {
    const CivilDate c = CivilFromSerial(date);
    char text[16];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d", c.day, c.month, c.year);
    return text;
}

std::optional<SerialDate> ParseDate(std::string_view text) {
    std::optional<int> y, m, d;
    if (text.size() == 10 && text[2] == '.' && text[5] == '.') {
        d = number(text.substr(0, 2));
        m = number(text.substr(3, 2));
        y = number(text.substr(6, 4));
    } else if (text.size() == 10 && text[4] == '-' && text[7] == '-') {
        y = number(text.substr(0, 4));
        m = number(text.substr(5, 2));
        d = number(text.substr(8, 2));
    }
    if (!y || !m || !d) return std::nullopt;
    return SerialFromCivil(*y, *m, *d);
}

std::string WeekdayTitle(SerialDate date) {
    const int weekday = WeekdayOf(date);
    return utf8CapitaliseFirst(weekday == 0 ? LoadResText(JournalText::WeekdaySunday) : WeekdayLongName(weekday));
}

}  // namespace lovaris
