#include "EditorTexts.h"

namespace lovaris {
namespace {

using X = EditorText;

constexpr TextEntry kTexts[] = {
    {static_cast<int>(X::First), ""},
};

}  // namespace

std::span<const TextEntry> EditorTexts() { return kTexts; }

}  // namespace lovaris
