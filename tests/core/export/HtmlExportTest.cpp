// The timetable as web pages: the files, their escaping and well-formed markup.
#include <gtest/gtest.h>

#include <regex>

#include "ExportSchool.h"
#include "core/export/HtmlExport.h"

namespace lovaris::test {
namespace {

// Every element opened is closed in order (the void elements meta and link aside),
// and no '<' or '&' stands in the text unescaped.
std::string MarkupProblem(const std::string& html) {
    std::vector<std::string> open;
    const std::regex tag(R"(<(/?)([a-zA-Z0-9]+)[^<>]*>|<!DOCTYPE html>|&(?!(amp|lt|gt|quot|#39);))");
    for (auto it = std::sregex_iterator(html.begin(), html.end(), tag); it != std::sregex_iterator(); ++it) {
        const auto& m = *it;
        if (m.str(0).starts_with("<!")) continue;
        if (m.str(0) == "&") return "a bare & at " + std::to_string(m.position());
        const std::string name = m.str(2);
        if (name == "meta" || name == "link") continue;
        if (m.str(1).empty()) {
            open.push_back(name);
        } else if (open.empty() || open.back() != name) {
            return "</" + name + "> closes " + (open.empty() ? std::string("nothing") : "<" + open.back() + ">");
        } else {
            open.pop_back();
        }
    }
    if (!open.empty()) return "<" + open.back() + "> is not closed";
    std::string text = std::regex_replace(html, std::regex("<[^<>]*>"), "");
    if (text.find('<') != std::string::npos || text.find('>') != std::string::npos) return "a bare < or > in the text";
    return {};
}

const ExportFile& FileNamed(const std::vector<ExportFile>& files, const std::string& name) {
    for (const auto& f : files)
        if (f.name == name) return f;
    throw std::runtime_error("no file " + name);
}

TEST(HtmlExport, APagePerClassTeacherAndRoomWithAnIndexAndOneStylesheet) {
    ExportSchool s;
    const auto files = TimetableHtml(s.week(), "Вариант 2");
    std::vector<std::string> names;
    for (const auto& f : files) names.push_back(f.name);
    EXPECT_EQ(names, std::vector<std::string>({"style.css", "index.html", "class-1.html", "class-2.html",
                                               "teacher-1.html", "teacher-2.html", "room-1.html", "room-2.html"}));
    for (const auto& f : files) {
        if (f.name == "style.css") continue;
        EXPECT_EQ(MarkupProblem(f.content), "") << f.name;
        EXPECT_NE(f.content.find("<meta charset=\"utf-8\">"), std::string::npos) << f.name;
        EXPECT_NE(f.content.find("href=\"style.css\""), std::string::npos) << f.name;
    }
    const std::string& index = FileNamed(files, "index.html").content;
    EXPECT_NE(index.find("<a href=\"teacher-1.html\">Иванова &lt;И.И.&gt;</a>"), std::string::npos);
    EXPECT_NE(index.find("Школа №1 — Вариант 2"), std::string::npos);

    const std::string& classA = FileNamed(files, "class-1.html").content;
    EXPECT_NE(classA.find("<th>Понедельник</th>"), std::string::npos);
    EXPECT_EQ(classA.find("Суббота"), std::string::npos) << "no Saturday column when nothing stands on it";
    EXPECT_NE(classA.find("<span class=\"subject\">Физ-ра, &quot;спорт&quot;; зал\\1</span>"), std::string::npos);
    // The teacher of a lesson taught to two classes at once sees both in one cell.
    EXPECT_NE(FileNamed(files, "teacher-2.html").content.find("<span class=\"klass\">5а/5б</span>"), std::string::npos);
    EXPECT_NE(FileNamed(files, "room-2.html").content.find("<span class=\"teacher\">Петров</span>"), std::string::npos);
}

}  // namespace
}  // namespace lovaris::test
