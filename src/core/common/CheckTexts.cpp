#include "CheckTexts.h"

namespace lovaris {
namespace {

using X = CheckText;

constexpr TextEntry kTexts[] = {
    {static_cast<int>(X::First), ""},
};

}  // namespace

std::span<const TextEntry> CheckTexts() { return kTexts; }

}  // namespace lovaris
