#include "LessonSeparatedHours.h"

#include <algorithm>

namespace lovaris {

std::vector<bool> SeparatedHoursChecks(const TLessonItem& lesson) {
    const auto spread = lesson.spread();
    std::vector<bool> checks(spread.size(), false);
    for (int value : lesson.separatedHours()) {
        for (std::size_t i = spread.size(); i-- > 0;) {
            if (!checks[i] && spread[i] == value) {
                checks[i] = true;
                break;
            }
        }
    }
    return checks;
}

std::optional<TextId> ApplySeparatedHoursChecks(TLessonItem& lesson, const std::vector<bool>& checks) {
    const auto spread = lesson.spread();
    std::vector<int> separated;
    for (std::size_t i = std::min(spread.size(), checks.size()); i-- > 0;)
        if (checks[i]) separated.push_back(spread[i]);
    if (!lesson.setSeparatedHours(separated)) return TextId::SeparatedHoursOverlapError;
    return std::nullopt;
}

}  // namespace lovaris
