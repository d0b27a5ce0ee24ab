#pragma once
// The order of sorted lists: case-insensitive, Cyrillic letters in alphabet order
// (Ё right after Е).
#include <string_view>

namespace lovaris {

int CompareListText(std::string_view a, std::string_view b);
inline bool ListTextLess(std::string_view a, std::string_view b) { return CompareListText(a, b) < 0; }
// Equal without regard to case.
inline bool ListTextEqual(std::string_view a, std::string_view b) { return CompareListText(a, b) == 0; }

}  // namespace lovaris
