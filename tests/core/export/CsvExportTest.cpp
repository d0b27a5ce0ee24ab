// The timetable as CSV: RFC 4180 quoting and a table that reads back as written.
#include <gtest/gtest.h>

#include "ExportSchool.h"
#include "core/export/CsvExport.h"

namespace lovaris::test {
namespace {

// RFC 4180 read back: quoted fields with doubled quotes, rows ended by CRLF.
std::vector<std::vector<std::string>> ReadCsv(std::string_view text, bool& closed) {
    std::vector<std::vector<std::string>> rows(1, std::vector<std::string>(1));
    bool quoted = false;
    closed = true;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        std::string& field = rows.back().back();
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            rows.back().emplace_back();
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            rows.emplace_back(1);
            ++i;
        } else {
            field += c;
            closed = closed && c != '\n';  // a bare line break outside quotes is no RFC 4180
        }
    }
    if (quoted) closed = false;
    if (rows.back() == std::vector<std::string>(1)) rows.pop_back();
    return rows;
}

TEST(CsvExport, FieldsAreQuotedOnlyWhenTheyMustBe) {
    const std::pair<std::string, std::string> cases[] = {
        {"101", "101"},
        {"", ""},
        {"a,b", "\"a,b\""},
        {"say \"hi\"", "\"say \"\"hi\"\"\""},
        {"two\r\nlines", "\"two\r\nlines\""},
        {" padded ", "\" padded \""},
        {"Физ-ра", "Физ-ра"},
    };
    for (const auto& [text, field] : cases) EXPECT_EQ(CsvField(text), field) << text;
}

TEST(CsvExport, PlannedWeekReadsBackRowByRow) {
    ExportSchool s;
    const std::string csv = TimetableCsv(s.week());
    ASSERT_TRUE(csv.starts_with("\xEF\xBB\xBF")) << "the byte order mark tells spreadsheets it is UTF-8";
    EXPECT_TRUE(csv.ends_with("\r\n"));
    bool closed = false;
    const auto rows = ReadCsv(std::string_view(csv).substr(3), closed);
    ASSERT_TRUE(closed);
    const std::string sport = "Физ-ра, \"спорт\"; зал\\1";
    const std::vector<std::vector<std::string>> expected = {
        {"День", "Урок", "Класс", "Подгруппа", "Предмет", "Учитель", "Кабинет", "Связка"},
        {"Понедельник", "1", "5а", "1", "Математика", "Иванова <И.И.>", "101", ""},
        {"Понедельник", "2", "5а", "1", "Математика", "Иванова <И.И.>", "101", ""},
        {"Вторник", "3", "5а", "1", sport, "Петров", "Спортзал", "1"},
        {"Вторник", "3", "5б", "1", sport, "Петров", "Спортзал", "1"},
    };
    EXPECT_EQ(rows, expected);
}

}  // namespace
}  // namespace lovaris::test
