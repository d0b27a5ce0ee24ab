#pragma once
// Messages with one "%hs" placeholder, and the file-name forms that fill it.
#include <initializer_list>
#include <string>
#include <string_view>

#include "StringTable.h"

namespace lovaris {

// Replaces the first "%hs" of the template by the argument.
std::string FormatMessage(std::string_view templ, std::string_view arg);
std::string FormatMessage(TextId id, std::string_view arg);
// Replaces each "%hs" of the template by the next argument, in order; an argument's own
// "%hs" (a name from a file) stays as it is.
std::string FormatMessageEach(std::string_view templ, std::initializer_list<std::string_view> args);

// "C:/school/Новый_1.tbl" -> "Новый_1.tbl" (both separators count).
std::string FileNameWithoutFolder(std::string_view path);
// The name without folder, and without its extension when a dot stands among the
// last four characters (an extension of at most three characters).
std::string ProjectDisplayName(std::string_view path);

}  // namespace lovaris
