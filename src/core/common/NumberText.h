#pragma once
// The number entries of the forms: whole numbers typed by the user, and lists of
// numbers in which any character that is not a digit separates; and numbers as the
// program shows them.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lovaris {

// A decimal integer, optionally signed, with blanks around it; nothing otherwise.
std::optional<std::int64_t> ParseDecimal(std::string_view text);

// A numeric field of an editor: an empty text stores 0, a text that is not a
// number stores nothing (nullopt), negatives store 0, values above max store max.
std::optional<std::int64_t> ParseNumericField(std::string_view text, std::int64_t max);

// Digits form numbers, anything else ends one; a number 0 is skipped.
// Numbers are capped at 65535 (they are lesson numbers and hours).
std::vector<int> ExtractNumbers(std::string_view text);

// A fractional number as the program shows it, whatever the locale: one decimal
// after a comma ("6,0").
std::string OneDecimalText(double value);

}  // namespace lovaris
