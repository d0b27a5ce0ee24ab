#pragma once
// Texts are Windows-1251 in the files and UTF-8 inside the program.
#include <cstddef>
#include <string>
#include <string_view>

namespace lovaris {

std::string cp1251ToUtf8(std::string_view cp1251);
// Characters that Windows-1251 cannot hold become '?'.
std::string utf8ToCp1251(std::string_view utf8);

// Number of characters (code points) of a UTF-8 text.
std::size_t utf8Length(std::string_view utf8);
// The first `maxChars` characters of a UTF-8 text.
std::string utf8Left(std::string_view utf8, std::size_t maxChars);

}  // namespace lovaris
