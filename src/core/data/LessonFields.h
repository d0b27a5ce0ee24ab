#pragma once
// The lessons editor's fields that rebuild a lesson: the subgroup count with the
// pupils spread over the subgroups, and the hour spread.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "../common/StringTable.h"
#include "Project.h"

namespace lovaris {

// N pupils over n subgroups: N div n each, the first N mod n one more.
std::vector<std::uint16_t> SplitPupils(int total, int subgroups);

// Spreads the class's pupils (30 without an existing class) over the lesson's subgroups.
void DistributePupils(TLessonItem& lesson, const TKlassesCollection& klasses);

struct LessonFieldChange {
    enum class Kind { Unchanged, Refused, Changed } kind = Kind::Unchanged;
    TextId message{};  // when refused
    std::optional<std::string> rewrite;  // the text the field is to show instead of the typed one
};

// Empty: nothing; not a number: refused; else clamped to 1..5, the subgroups are
// replaced by that many new ones and the pupils distributed.
LessonFieldChange ApplySubgroupCountText(TLessonItem& lesson, const TKlassesCollection& klasses,
                                         std::string_view text);

// Empty: nothing; a bad list or one that leaves no room for the separated hours:
// refused; else the spread is replaced and the separated hours kept.
LessonFieldChange ApplySpreadText(TLessonItem& lesson, std::string_view text);

}  // namespace lovaris
