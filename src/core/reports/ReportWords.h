#pragma once
// Words every report prints: page numbers, day captions, the product name.
#include <string>

namespace lovaris {

std::string PageNumberText(int page);  // "Стр. 3"
// "Понедельник" .. "Суббота" for days 1..6.
std::string DayCaption(int day);
// The product name in double quotation marks.
std::string ProductQuoted();
// The project's and the variant's descriptions on one line, two blanks between them.
std::string DescriptionsLine(const std::string& project, const std::string& variant);

}  // namespace lovaris
