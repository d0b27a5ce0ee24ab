#include "ICalExport.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <map>

#include "../common/InterchangeTexts.h"
#include "../common/MessageFormat.h"

namespace lovaris {
namespace {

namespace chr = std::chrono;

bool ParseClock(std::string_view text, int& minutes) {
    int h = 0, m = 0;
    const auto colon = text.find(':');
    if (colon == std::string_view::npos || colon == 0 || colon > 2 || text.size() != colon + 3) return false;
    const auto [e1, r1] = std::from_chars(text.data(), text.data() + colon, h);
    const auto [e2, r2] = std::from_chars(text.data() + colon + 1, text.data() + text.size(), m);
    if (r1 != std::errc() || r2 != std::errc() || e1 != text.data() + colon || e2 != text.data() + text.size())
        return false;
    if (h < 0 || h > 23 || m < 0 || m > 59) return false;
    minutes = h * 60 + m;
    return true;
}

std::vector<std::string_view> Fields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t i = 0;
    while (i < line.size()) {
        const auto start = line.find_first_not_of(" \t\r,;", i);
        if (start == std::string_view::npos) break;
        auto end = line.find_first_of(" \t\r,;", start);
        if (end == std::string_view::npos) end = line.size();
        fields.push_back(line.substr(start, end - start));
        i = end;
    }
    return fields;
}

chr::sys_days Days(const CalendarDate& d) {
    return chr::sys_days{chr::year{d.year} / chr::month{static_cast<unsigned>(d.month)} / chr::day{static_cast<unsigned>(d.day)}};
}

std::string DateTime(chr::sys_days day, int minutes) {
    const chr::year_month_day ymd{day};
    char text[32];
    std::snprintf(text, sizeof text, "%04d%02u%02uT%02d%02d00", static_cast<int>(ymd.year()),
                  static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()), minutes / 60, minutes % 60);
    return text;
}

std::string JoinDistinct(const std::vector<std::string>& parts, std::string_view by) {
    std::vector<std::string> kept;
    for (const auto& p : parts)
        if (!p.empty() && std::find(kept.begin(), kept.end(), p) == kept.end()) kept.push_back(p);
    std::string out;
    for (std::size_t i = 0; i < kept.size(); ++i) out += (i ? std::string(by) : "") + kept[i];
    return out;
}

// What one lesson of the calendar's week shows.
struct CellText {
    std::string summary, location, description;
    bool operator==(const CellText&) const = default;
};

CellText ClassCellText(const std::vector<const TimetableHour*>& hours) {
    std::vector<std::string> subjects, rooms, teachers;
    for (const TimetableHour* h : hours)
        for (const auto& s : h->subgroups) {
            subjects.push_back(s.subject);
            rooms.push_back(s.room);
            teachers.push_back(s.teacher);
        }
    return {JoinDistinct(subjects, "/"), JoinDistinct(rooms, "/"), JoinDistinct(teachers, ", ")};
}

CellText TeacherCellText(const TimetableWeek& week, const std::vector<const TimetableHour*>& hours, int teacher) {
    std::vector<std::string> subjects, rooms, classes;
    for (const TimetableHour* h : hours) {
        classes.push_back(week.classNames[static_cast<std::size_t>(h->klass)]);
        for (const auto& s : h->subgroups)
            if (s.teacherIndex == teacher) {
                subjects.push_back(s.subject);
                rooms.push_back(s.room);
            }
    }
    const std::string classText = JoinDistinct(classes, "/");
    return {JoinDistinct(subjects, "/") + ", " + classText, JoinDistinct(rooms, "/"), classText};
}

}  // namespace

std::string ICalText(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\' || c == ';' || c == ',') {
            out += '\\';
            out += c;
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            out += "\\n";
        } else {
            out += c;
        }
    }
    return out;
}

std::string ICalLine(std::string_view line) {
    std::string out;
    std::size_t width = 0;  // octets on the current physical line
    for (std::size_t i = 0; i < line.size();) {
        // The whole UTF-8 character moves to the next line when it would pass 75 octets.
        std::size_t n = 1;
        while (i + n < line.size() && (static_cast<unsigned char>(line[i + n]) & 0xC0) == 0x80) ++n;
        if (width + n > 75) {
            out += "\r\n ";
            width = 1;
        }
        out.append(line.substr(i, n));
        width += n;
        i += n;
    }
    return out + "\r\n";
}

BellsResult ParseBells(std::string_view text) {
    BellsResult result;
    std::map<int, Bell> byLesson;
    int lineNumber = 0;
    auto refuse = [&](const std::string& what) {
        result.bells.clear();
        result.error = FormatMessage(LoadResText(InterchangeText::BellsLine), std::to_string(lineNumber)) + what;
        return result;
    };
    while (!text.empty()) {
        ++lineNumber;
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        const auto fields = Fields(line);
        if (fields.empty() || fields[0].starts_with('#')) continue;
        Bell bell;
        const auto [p, rc] = std::from_chars(fields[0].data(), fields[0].data() + fields[0].size(), bell.lesson);
        if (fields.size() != 3 || rc != std::errc() || p != fields[0].data() + fields[0].size() ||
            !ParseClock(fields[1], bell.start) || !ParseClock(fields[2], bell.end))
            return refuse(LoadResText(InterchangeText::BellsExpected));
        if (bell.lesson < 1 || bell.lesson > 24) return refuse(LoadResText(InterchangeText::BellsLessonRange));
        if (bell.end <= bell.start) return refuse(LoadResText(InterchangeText::BellsEndsBeforeStart));
        if (!byLesson.emplace(bell.lesson, bell).second)
            return refuse(LoadResText(InterchangeText::BellsGivenTwice) + std::to_string(bell.lesson));
    }
    const Bell* before = nullptr;
    for (const auto& [lesson, bell] : byLesson) {
        if (before && bell.start < before->end) {
            result.bells.clear();
            result.error = FormatMessage(LoadResText(InterchangeText::BellsOverlap), std::to_string(lesson)) +
                           std::to_string(before->lesson);
            return result;
        }
        result.bells.push_back(bell);
        before = &bell;
    }
    if (result.bells.empty()) result.error = LoadResText(InterchangeText::BellsEmpty);
    return result;
}

std::optional<CalendarDate> ParseCalendarDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    CalendarDate d;
    const auto number = [&](std::size_t at, std::size_t n, int& into) {
        const auto [p, rc] = std::from_chars(text.data() + at, text.data() + at + n, into);
        return rc == std::errc() && p == text.data() + at + n;
    };
    if (!number(0, 4, d.year) || !number(5, 2, d.month) || !number(8, 2, d.day)) return std::nullopt;
    if (d.month < 1 || d.month > 12 || d.day < 1) return std::nullopt;
    const chr::year_month_day ymd{chr::year{d.year}, chr::month{static_cast<unsigned>(d.month)},
                                  chr::day{static_cast<unsigned>(d.day)}};
    if (!ymd.ok()) return std::nullopt;
    return d;
}

ICalResult TimetableICal(const TimetableWeek& week, const ICalRequest& request) {
    ICalResult result;
    const bool forTeacher = request.teacher >= 0;
    std::vector<const TimetableHour*> hours;
    std::string calendarName;
    if (forTeacher) {
        if (request.teacher >= static_cast<int>(week.teacherNames.size())) return {{}, "no such teacher"};
        hours = week.hoursOfTeacher(request.teacher);
        calendarName = week.teacherNames[static_cast<std::size_t>(request.teacher)];
    } else {
        if (request.klass < 0 || request.klass >= static_cast<int>(week.classNames.size())) return {{}, "no such class"};
        for (const auto& h : week.hours)
            if (h.klass == request.klass) hours.push_back(&h);
        calendarName = week.classNames[static_cast<std::size_t>(request.klass)];
    }
    const chr::sys_days from = Days(request.from), to = Days(request.to);
    if (to < from) return {{}, LoadResText(InterchangeText::TermReversed)};
    std::map<int, Bell> bells;
    for (const Bell& b : request.bells) bells[b.lesson] = b;

    std::map<std::pair<int, int>, std::vector<const TimetableHour*>> at;
    for (const TimetableHour* h : hours) at[{h->day, h->lesson}].push_back(h);
    for (const auto& [key, cell] : at)
        if (!bells.contains(key.second))
            return {{}, LoadResText(InterchangeText::BellsNoTime) + std::to_string(key.second)};

    std::string text = ICalLine("BEGIN:VCALENDAR") + ICalLine("VERSION:2.0") +
                       ICalLine("PRODID:-//Lovaris//Timetable//RU") + ICalLine("CALSCALE:GREGORIAN") +
                       ICalLine("X-WR-CALNAME:" + ICalText(calendarName));
    const std::string owner = forTeacher ? "teacher-" + std::to_string(request.teacher + 1)
                                         : "class-" + std::to_string(request.klass + 1);
    for (int day = 1; day <= kVariantDays; ++day) {
        // The first date of the term that falls on this weekday.
        const chr::sys_days first = from + (chr::weekday{static_cast<unsigned>(day)} - chr::weekday{from});
        if (first > to) continue;
        for (int lesson = 1; lesson <= week.lessonsPerDay;) {
            const auto found = at.find({day, lesson});
            if (found == at.end()) {
                ++lesson;
                continue;
            }
            const CellText cell = forTeacher ? TeacherCellText(week, found->second, request.teacher)
                                             : ClassCellText(found->second);
            // A block: the lessons that follow, as long as they show the same.
            int last = lesson;
            while (true) {
                const auto next = at.find({day, last + 1});
                if (next == at.end()) break;
                const CellText nextCell = forTeacher ? TeacherCellText(week, next->second, request.teacher)
                                                     : ClassCellText(next->second);
                if (!(nextCell == cell)) break;
                ++last;
            }
            text += ICalLine("BEGIN:VEVENT");
            text += ICalLine("UID:" + owner + "-day" + std::to_string(day) + "-lesson" + std::to_string(lesson) + "@lovaris");
            text += ICalLine("DTSTAMP:" + request.stamp);
            text += ICalLine("DTSTART:" + DateTime(first, bells.at(lesson).start));
            text += ICalLine("DTEND:" + DateTime(first, bells.at(last).end));
            text += ICalLine("RRULE:FREQ=WEEKLY;UNTIL=" + DateTime(to, 0).substr(0, 8) + "T235959");
            text += ICalLine("SUMMARY:" + ICalText(cell.summary));
            if (!cell.location.empty()) text += ICalLine("LOCATION:" + ICalText(cell.location));
            if (!cell.description.empty()) text += ICalLine("DESCRIPTION:" + ICalText(cell.description));
            text += ICalLine("END:VEVENT");
            lesson = last + 1;
        }
    }
    text += ICalLine("END:VCALENDAR");
    result.text = std::move(text);
    return result;
}

}  // namespace lovaris
