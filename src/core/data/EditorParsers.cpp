#include "EditorParsers.h"

#include "../common/NumberText.h"
#include "TKlassItem.h"
#include "TLessonItem.h"

namespace lovaris {

ListFieldParse ParseSpreadText(std::string_view text) {
    if (text.empty()) return {};
    const auto numbers = ExtractNumbers(text);
    if (numbers.size() > TLessonItem::kMaxHourValues) return {ListFieldParse::Kind::Refused, {}};
    for (std::size_t i = 1; i < numbers.size(); ++i)
        if (numbers[i] < numbers[i - 1]) return {ListFieldParse::Kind::Refused, {}};
    return {ListFieldParse::Kind::Parsed, numbers};
}

ListFieldParse ParseStartingLessonsText(std::string_view text) {
    if (text.empty()) return {};
    const auto numbers = ExtractNumbers(text);
    if (numbers.size() > TKlassItem::kMaxStartingLessons) return {ListFieldParse::Kind::Refused, {}};
    for (std::size_t i = 1; i < numbers.size(); ++i)
        if (numbers[i] <= numbers[i - 1]) return {ListFieldParse::Kind::Refused, {}};
    return {ListFieldParse::Kind::Parsed, numbers};
}

std::string JoinNumbers(const std::vector<int>& values) {
    std::string s;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i) s += ',';
        s += std::to_string(values[i]);
    }
    return s;
}

}  // namespace lovaris
