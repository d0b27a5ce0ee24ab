#pragma once
// The separate-hours dialog: which spread entries are separated into a lesson of
// their own, shown as check marks on the spread values.
#include <optional>
#include <vector>

#include "../common/StringTable.h"
#include "TLessonItem.h"

namespace lovaris {

// One mark per spread value: each separated value marks the last spread entry of
// that value not yet marked.
std::vector<bool> SeparatedHoursChecks(const TLessonItem& lesson);

// Stores the marked spread values as the separated hours, the last marked one in
// entry 21. Refused (nothing stored) when spread and separated hours together
// would not fit into the hour entries.
std::optional<TextId> ApplySeparatedHoursChecks(TLessonItem& lesson, const std::vector<bool>& checks);

}  // namespace lovaris
