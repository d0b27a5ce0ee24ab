#pragma once
// The import's words from the string table: what the project could not hold, and why a
// file is refused, with their values filled in.
#include <initializer_list>
#include <string>
#include <string_view>

#include "core/common/InterchangeTexts.h"
#include "core/common/MessageFormat.h"

namespace lovaris::interchange {

inline std::string Said(InterchangeText id) { return LoadResText(id); }
inline std::string Said(InterchangeText id, std::initializer_list<std::string_view> values) {
    return FormatMessageEach(LoadResText(id), values);
}
// "строка 12: " and the reason.
inline std::string SaidAtLine(long long line, const std::string& what) {
    return FormatMessage(LoadResText(InterchangeText::BellsLine), std::to_string(line)) + what;
}

}  // namespace lovaris::interchange
