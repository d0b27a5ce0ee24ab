#include "HtmlExport.h"

#include <functional>
#include <map>

#include "../common/Cp1251.h"
#include "../common/InterchangeTexts.h"

namespace lovaris {
namespace {

using X = InterchangeText;

constexpr std::string_view kStylesheet = R"(body { font-family: "DejaVu Sans", Arial, sans-serif; margin: 1.5em; color: #000; }
h1 { font-size: 1.6em; margin: 0 0 0.2em 0; }
p.about { margin: 0 0 1em 0; color: #444; }
p.back { margin: 0 0 1em 0; }
table.week { border-collapse: collapse; width: 100%; table-layout: fixed; }
table.week th, table.week td { border: 1px solid #555; padding: 0.25em 0.4em; vertical-align: top; }
table.week th { background: #eee; }
table.week th.number { width: 2em; }
td div + div { border-top: 1px dotted #999; margin-top: 0.2em; padding-top: 0.2em; }
.subject { font-weight: bold; display: block; }
.teacher, .klass, .room { display: block; font-size: 0.9em; }
.room { color: #444; }
ul.index { columns: 4 12em; padding-left: 1.2em; }
@media print {
  p.back { display: none; }
  body { margin: 0; }
  table.week { page-break-inside: avoid; }
}
)";

std::string Page(const std::string& title, const std::string& body) {
    return "<!DOCTYPE html>\n<html lang=\"ru\">\n<head>\n<meta charset=\"utf-8\">\n<title>" + HtmlEscaped(title) +
           "</title>\n<link rel=\"stylesheet\" href=\"style.css\">\n</head>\n<body>\n" + body + "</body>\n</html>\n";
}

std::string Span(const char* kind, const std::string& text) {
    return text.empty() ? std::string() : "<span class=\"" + std::string(kind) + "\">" + HtmlEscaped(text) + "</span>";
}

// What one cell shows, given the hours standing at its day and lesson.
using CellWriter = std::function<std::string(const std::vector<const TimetableHour*>&)>;

std::string WeekPage(const TimetableWeek& week, std::string_view comment, const std::string& title,
                     const std::vector<const TimetableHour*>& hours, const CellWriter& cell) {
    std::map<std::pair<int, int>, std::vector<const TimetableHour*>> at;
    for (const TimetableHour* h : hours) at[{h->day, h->lesson}].push_back(h);
    std::string body = "<p class=\"back\"><a href=\"index.html\">" + HtmlEscaped(LoadResText(X::HtmlBackToIndex)) +
                       "</a></p>\n<h1>" + HtmlEscaped(title) + "</h1>\n";
    std::string about = week.projectDescription;
    if (!comment.empty()) about += (about.empty() ? "" : " — ") + std::string(comment);
    if (!about.empty()) body += "<p class=\"about\">" + HtmlEscaped(about) + "</p>\n";
    body += "<table class=\"week\">\n<thead><tr><th class=\"number\">" + HtmlEscaped(LoadResText(X::HtmlLessonNumber)) +
            "</th>";
    for (int day = 1; day <= week.days; ++day) body += "<th>" + HtmlEscaped(utf8CapitaliseFirst(WeekdayLongName(day))) + "</th>";
    body += "</tr></thead>\n<tbody>\n";
    for (int lesson = 1; lesson <= week.lessonsPerDay; ++lesson) {
        body += "<tr><th class=\"number\">" + std::to_string(lesson) + "</th>";
        for (int day = 1; day <= week.days; ++day) {
            const auto found = at.find({day, lesson});
            body += "<td>" + (found == at.end() ? std::string() : cell(found->second)) + "</td>";
        }
        body += "</tr>\n";
    }
    body += "</tbody>\n</table>\n";
    return Page(title, body);
}

std::string ClassCell(const std::vector<const TimetableHour*>& hours) {
    std::string out;
    for (const TimetableHour* h : hours)
        for (const auto& s : h->subgroups)
            out += "<div>" + Span("subject", s.subject) + Span("teacher", s.teacher) + Span("room", s.room) + "</div>";
    return out;
}

// The classes taught together at that hour, joined by "/", as the printed timetables write them.
std::string ClassNames(const TimetableWeek& week, const std::vector<const TimetableHour*>& hours) {
    std::string names;
    for (const TimetableHour* h : hours) {
        const std::string& name = week.classNames[static_cast<std::size_t>(h->klass)];
        if (("/" + names + "/").find("/" + name + "/") == std::string::npos) names += (names.empty() ? "" : "/") + name;
    }
    return names;
}

// A teacher's or a room's cell: the classes, then the subject and the teacher or room of
// the subgroup the page is about.
std::string SharedCell(const TimetableWeek& week, const std::vector<const TimetableHour*>& hours,
                       const std::function<bool(const TimetableSubgroup&)>& ofPage, bool showTeacher) {
    for (const TimetableHour* h : hours)
        for (const auto& s : h->subgroups)
            if (ofPage(s))
                return "<div>" + Span("klass", ClassNames(week, hours)) + Span("subject", s.subject) +
                       (showTeacher ? Span("teacher", s.teacher) : Span("room", s.room)) + "</div>";
    return {};
}

std::string IndexList(const std::string& heading, const std::vector<std::string>& names, const std::string& prefix) {
    std::string out = "<h2>" + HtmlEscaped(heading) + "</h2>\n<ul class=\"index\">\n";
    for (std::size_t i = 0; i < names.size(); ++i)
        out += "<li><a href=\"" + prefix + std::to_string(i + 1) + ".html\">" + HtmlEscaped(names[i]) + "</a></li>\n";
    return out + "</ul>\n";
}

}  // namespace

std::string HtmlEscaped(std::string_view text) {
    std::string out;
    for (char c : text) switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            case '\'': out += "&#39;"; break;
            default: out += c;
        }
    return out;
}

std::vector<ExportFile> TimetableHtml(const TimetableWeek& week, std::string_view variantComment) {
    std::vector<ExportFile> files;
    files.push_back({"style.css", std::string(kStylesheet)});
    std::string index = "<h1>" + HtmlEscaped(LoadResText(X::HtmlTitle)) + "</h1>\n";
    std::string about = week.projectDescription;
    if (!variantComment.empty()) about += (about.empty() ? "" : " — ") + std::string(variantComment);
    if (!about.empty()) index += "<p class=\"about\">" + HtmlEscaped(about) + "</p>\n";
    index += IndexList(LoadResText(X::HtmlClasses), week.classNames, "class-");
    index += IndexList(LoadResText(X::HtmlTeachers), week.teacherNames, "teacher-");
    index += IndexList(LoadResText(X::HtmlRooms), week.roomNames, "room-");
    files.push_back({"index.html", Page(LoadResText(X::HtmlTitle), index)});

    for (std::size_t k = 0; k < week.classNames.size(); ++k) {
        std::vector<const TimetableHour*> hours;
        for (const auto& h : week.hours)
            if (h.klass == static_cast<int>(k)) hours.push_back(&h);
        files.push_back({"class-" + std::to_string(k + 1) + ".html",
                         WeekPage(week, variantComment, week.classNames[k], hours, ClassCell)});
    }
    for (std::size_t t = 0; t < week.teacherNames.size(); ++t) {
        const int teacher = static_cast<int>(t);
        files.push_back({"teacher-" + std::to_string(t + 1) + ".html",
                         WeekPage(week, variantComment, week.teacherNames[t], week.hoursOfTeacher(teacher),
                                  [&](const std::vector<const TimetableHour*>& hours) {
                                      return SharedCell(
                                          week, hours, [&](const TimetableSubgroup& s) { return s.teacherIndex == teacher; },
                                          false);
                                  })});
    }
    for (std::size_t r = 0; r < week.roomNames.size(); ++r) {
        const int room = static_cast<int>(r);
        files.push_back({"room-" + std::to_string(r + 1) + ".html",
                         WeekPage(week, variantComment, week.roomNames[r], week.hoursInRoom(room),
                                  [&](const std::vector<const TimetableHour*>& hours) {
                                      return SharedCell(
                                          week, hours, [&](const TimetableSubgroup& s) { return s.roomIndex == room; }, true);
                                  })});
    }
    return files;
}

}  // namespace lovaris
