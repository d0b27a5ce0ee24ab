#include "CsvExport.h"

#include "../common/Cp1251.h"
#include "../common/InterchangeTexts.h"

namespace lovaris {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

void AppendRow(std::string& out, const std::vector<std::string>& fields) {
    for (std::size_t i = 0; i < fields.size(); ++i) out += (i ? "," : "") + CsvField(fields[i]);
    out += "\r\n";
}

}  // namespace

std::string CsvField(std::string_view text) {
    const bool quoted = text.find_first_of(",\"\r\n") != std::string_view::npos ||
                        (!text.empty() && (text.front() == ' ' || text.back() == ' '));
    if (!quoted) return std::string(text);
    std::string out = "\"";
    for (char c : text) out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

std::string TimetableCsv(const TimetableWeek& week) {
    using X = InterchangeText;
    std::string out(kByteOrderMark);
    AppendRow(out, {LoadResText(X::CsvDay), LoadResText(X::CsvLesson), LoadResText(X::CsvClass),
                    LoadResText(X::CsvSubgroup), LoadResText(X::CsvSubject), LoadResText(X::CsvTeacher),
                    LoadResText(X::CsvRoom), LoadResText(X::CsvLinkGroup)});
    for (const TimetableHour& h : week.hours)
        for (std::size_t g = 0; g < h.subgroups.size(); ++g) {
            const TimetableSubgroup& s = h.subgroups[g];
            AppendRow(out, {utf8CapitaliseFirst(WeekdayLongName(h.day)), std::to_string(h.lesson),
                            week.classNames[static_cast<std::size_t>(h.klass)], std::to_string(g + 1), s.subject,
                            s.teacher, s.room, h.linkGroup ? std::to_string(h.linkGroup) : std::string()});
        }
    return out;
}

}  // namespace lovaris
