#pragma once
// Texts are Windows-1251 in the files and UTF-8 inside the program.
#include <cstddef>
#include <string>
#include <string_view>

namespace lovaris {

std::string cp1251ToUtf8(std::string_view cp1251);
// Characters that Windows-1251 cannot hold become '?'.
std::string utf8ToCp1251(std::string_view utf8);
// The characters of a UTF-8 text that Windows-1251 cannot hold, each once, in the
// order they first stand; empty when the whole text can be kept.
std::string cp1251Unkept(std::string_view utf8);

// Number of characters (code points) of a UTF-8 text.
std::size_t utf8Length(std::string_view utf8);
// The first `maxChars` characters of a UTF-8 text.
std::string utf8Left(std::string_view utf8, std::size_t maxChars);

// Latin and Cyrillic letters in lower case; every other character, and any byte
// that is no character, as it was.
std::string utf8Lower(std::string_view utf8);
// The first character in upper case when it is a Latin or Cyrillic letter.
std::string utf8CapitaliseFirst(std::string_view utf8);

}  // namespace lovaris
