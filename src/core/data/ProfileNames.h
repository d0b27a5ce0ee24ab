#pragma once
// Specializations of rooms, subjects and classes: 0 "Общая" (general) to 20.
#include <string>
#include <utility>
#include <vector>

namespace lovaris {

inline constexpr int kSpecializationCount = 21;

std::string SpecializationName(int number);
// (number, text) of the given numbers, sorted by text as the lists show them.
std::vector<std::pair<int, std::string>> SortedSpecializations(int first = 0);

}  // namespace lovaris
