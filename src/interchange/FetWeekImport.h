#pragma once
// The week FET wrote for a project's FET school (its "…_data_and_timetable.fet": each
// activity with a starting time at 100 %) read back into a variant of the project, so
// that our own check and measures judge FET's week.
#include <cstdint>
#include <span>
#include <string>

#include "FetSchoolExport.h"
#include "core/variant/TTableVarItem.h"

namespace lovaris::interchange {

struct FetWeekImport {
    std::string error;  // set when refused: the variant is left as it was
    int placedBlocks = 0;
    int unplacedBlocks = 0;  // without a starting time, or where the week has no room for them
    int placedHours = 0;     // hours of the blocks placed, and of all blocks
    int hours = 0;
};

// `exported` is what ExportSchoolToFet makes of the project now; a file whose days,
// hours or activities are not the export's is refused. Blocks go into the clean copy
// of `variant` (a new one of the same session).
FetWeekImport ReadFetWeek(std::span<const std::uint8_t> bytes, const FetSchoolExport& exported,
                          TTableVarItem& variant);

}  // namespace lovaris::interchange
