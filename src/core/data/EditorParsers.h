#pragma once
// The list fields of the editors: a lesson's hour spread and a class's starting lessons.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lovaris {

// Result of parsing a list field: unchanged (empty text), refused (show the
// field's message) or the new list.
struct ListFieldParse {
    enum class Kind { Unchanged, Refused, Parsed } kind = Kind::Unchanged;
    std::vector<int> values;
};

// "1,1,2": non-decreasing, at most 20 blocks.
ListFieldParse ParseSpreadText(std::string_view text);
// "1,3": strictly ascending, at most 24 numbers; a text without digits clears the list.
ListFieldParse ParseStartingLessonsText(std::string_view text);

// Numbers joined by "," as the fields show them.
std::string JoinNumbers(const std::vector<int>& values);

}  // namespace lovaris
