#include "LessonTexts.h"

namespace lovaris {
namespace {

using X = LessonText;

constexpr TextEntry kTexts[] = {
    {static_cast<int>(X::First), ""},
};

}  // namespace

std::span<const TextEntry> LessonTexts() { return kTexts; }

}  // namespace lovaris
