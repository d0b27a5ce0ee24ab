#include "ProfileNames.h"

#include <algorithm>

#include "../common/StringTable.h"
#include "../common/TextCompare.h"

namespace lovaris {

std::string SpecializationName(int number) {
    if (number < 0 || number >= kSpecializationCount) return {};
    return LoadResText(specializationTextId(number));
}

std::vector<std::pair<int, std::string>> SortedSpecializations(int first) {
    std::vector<std::pair<int, std::string>> list;
    for (int n = first; n < kSpecializationCount; ++n) list.emplace_back(n, SpecializationName(n));
    std::stable_sort(list.begin(), list.end(),
                     [](const auto& a, const auto& b) { return ListTextLess(a.second, b.second); });
    return list;
}

}  // namespace lovaris
