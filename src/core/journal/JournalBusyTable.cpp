#include "JournalBusyTable.h"

#include <algorithm>

#include "../common/NumberText.h"
#include "../common/TextCompare.h"

namespace lovaris {
namespace {

int teacherIndex(const std::vector<std::string>& names, std::string_view name) {
    for (std::size_t t = 0; t < names.size(); ++t)
        if (ListTextEqual(names[t], name)) return static_cast<int>(t);
    return -1;
}

}  // namespace

void JournalBusyTable::Rebuild(const std::vector<JournalRow>& rows, const std::vector<std::string>& teacherNames) {
    pairs_.clear();
    for (const auto& row : rows) {
        const auto lesson = ParseDecimal(row.texts[kColLesson]);
        if (!row.hasLesson() || !lesson || *lesson < 1 || *lesson > 0xFFFE) continue;
        const int substitute = row.texts[kColSubstitute].empty() ? -1 : teacherIndex(teacherNames, row.texts[kColSubstitute]);
        if (substitute >= 0) add(substitute, static_cast<std::uint16_t>(*lesson));
        const int absent = teacherIndex(teacherNames, row.texts[kColAbsent]);
        if (absent < 0) continue;
        const auto lessons = static_cast<std::uint32_t>(row.tags[kColAbsent]);
        for (int j = 0; j < 32; ++j)
            if (lessons & (1u << j)) add(absent, AbsenceCode(j + 1));
    }
}

void JournalBusyTable::add(int teacher, std::uint16_t code) {
    if (!has(teacher, code)) pairs_.push_back({teacher, code});
}

bool JournalBusyTable::has(int teacher, std::uint16_t code) const {
    return std::find(pairs_.begin(), pairs_.end(), JournalBusyPair{teacher, code}) != pairs_.end();
}

bool JournalBusyTable::IsAbsent(int teacher, int lesson) const { return has(teacher, AbsenceCode(lesson)); }

bool JournalBusyTable::IsSubstituting(int teacher, int lesson) const {
    return lesson >= 1 && lesson < 0xFFFF && has(teacher, static_cast<std::uint16_t>(lesson));
}

}  // namespace lovaris
