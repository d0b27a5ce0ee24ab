#pragma once
// Dates of the journal: serial day numbers counted from 30.12.1899 (day 0), the
// form the archive stores them in. Serial 0 marks a free directory entry, so the
// journal takes only dates from 01.01.1900 to 31.12.9999.
#include <optional>
#include <string>
#include <string_view>

namespace lovaris {

using SerialDate = int;

inline constexpr SerialDate kFirstJournalDate = 2;        // 01.01.1900
inline constexpr SerialDate kLastJournalDate = 2958465;   // 31.12.9999

inline bool IsJournalDate(SerialDate date) { return date >= kFirstJournalDate && date <= kLastJournalDate; }

// The serial number of a calendar day; none for a day that does not exist or lies
// outside the journal's dates.
std::optional<SerialDate> SerialFromCivil(int year, int month, int day);
struct CivilDate {
    int year = 1899;
    int month = 12;
    int day = 30;
};
CivilDate CivilFromSerial(SerialDate date);

// Sunday 0, Monday 1 ... Saturday 6: the timetable's day numbers for Monday to Saturday.
int WeekdayOf(SerialDate date);

// "dd.MM.yyyy", whatever the machine's locale.
std::string DateText(SerialDate date);
// "dd.MM.yyyy" or "yyyy-MM-dd"; none for anything else or a date outside the journal's.
std::optional<SerialDate> ParseDate(std::string_view text);

// The weekday's long name with its first letter in upper case; "Воскресенье" for Sunday.
std::string WeekdayTitle(SerialDate date);

}  // namespace lovaris
