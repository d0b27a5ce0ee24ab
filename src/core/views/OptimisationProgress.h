#pragma once
// What the two progress windows of an optimisation show. While the day's variants are
// listed: the stage and the class at work. While the search runs: one row per search
// position, from the first position whose class has a choice (classes with a single
// variant come first in the search and are left out; the last position always shows),
// with the candidate tried there and the candidates still open.
#include <string>
#include <string_view>
#include <vector>

#include "../optimisation/Optimisation.h"

namespace lovaris {

struct ProgressRow {
    std::string klass;
    std::string variant;  // "3 из 12"
    bool operator==(const ProgressRow&) const = default;
};

// "1-й этап из 2", and " - " + the item when there is one.
std::string ProgressStageText(int stage, int stages, std::string_view item = {});
// "3 из 12".
std::string CandidateText(int number, int of);

// The rows as the table opens: every shown class at "0 из" its variant count.
std::vector<ProgressRow> OpeningProgressRows(const Optimisation& search, const TRTIKlassesCollection& klasses);
// The rows as the search stands: the candidate tried at each position, counted from 1,
// of those still open there. The opening rows while the search has no tables.
std::vector<ProgressRow> CurrentProgressRows(const Optimisation& search, const TRTIKlassesCollection& klasses);

}  // namespace lovaris
