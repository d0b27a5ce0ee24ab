#pragma once
// A variant's clean copy as plain, printable web pages: one page per class, teacher
// and room with the week as the printed timetables lay it out (a row per lesson, a
// column per day), an index page linking them, and one stylesheet. UTF-8 throughout.
#include <string>
#include <string_view>
#include <vector>

#include "TimetableWeek.h"

namespace lovaris {

struct ExportFile {
    std::string name;  // within the output folder: "index.html", "class-1.html", ...
    std::string content;
};

// `variantComment` is the variant's own description, shown under the project's.
std::vector<ExportFile> TimetableHtml(const TimetableWeek& week, std::string_view variantComment);

// The text with &, <, >, " and ' written as character references.
std::string HtmlEscaped(std::string_view text);

}  // namespace lovaris
