#include "LessonFields.h"

#include <algorithm>

#include "../common/NumberText.h"
#include "EditorParsers.h"

namespace lovaris {

std::vector<std::uint16_t> SplitPupils(int total, int subgroups) {
    if (subgroups < 1) return {};
    std::vector<std::uint16_t> pupils(static_cast<std::size_t>(subgroups),
                                      static_cast<std::uint16_t>(total / subgroups));
    for (int i = 0; i < total % subgroups; ++i) ++pupils[static_cast<std::size_t>(i)];
    return pupils;
}

void DistributePupils(TLessonItem& lesson, const TKlassesCollection& klasses) {
    constexpr int kPupilsWithoutClass = 30;
    const auto* klass = klasses.findById(lesson.klass);
    const int total = klass ? klass->children : kPupilsWithoutClass;
    const auto pupils = SplitPupils(total, lesson.subgroupCount());
    for (std::size_t i = 0; i < pupils.size(); ++i) lesson.subgroups[i].children = pupils[i];
}

LessonFieldChange ApplySubgroupCountText(TLessonItem& lesson, const TKlassesCollection& klasses,
                                         std::string_view text) {
    if (text.empty()) return {};
    const auto value = ParseDecimal(text);
    if (!value) return {LessonFieldChange::Kind::Refused, TextId::SubgroupCountError, {}};
    const int count = static_cast<int>(std::clamp<std::int64_t>(*value, 1, TLessonItem::kMaxSubgroups));
    lesson.setSubgroupCount(count);
    DistributePupils(lesson, klasses);
    return {LessonFieldChange::Kind::Changed, {}, std::to_string(count)};
}

LessonFieldChange ApplySpreadText(TLessonItem& lesson, std::string_view text) {
    const auto parsed = ParseSpreadText(text);
    switch (parsed.kind) {
    case ListFieldParse::Kind::Unchanged:
        return {};
    case ListFieldParse::Kind::Refused:
        return {LessonFieldChange::Kind::Refused, TextId::SpreadError, {}};
    case ListFieldParse::Kind::Parsed:
        break;
    }
    if (!lesson.setSpread(parsed.values))
        return {LessonFieldChange::Kind::Refused, TextId::SeparatedHoursOverlapError, {}};
    return {LessonFieldChange::Kind::Changed, {}, std::nullopt};
}

}  // namespace lovaris
