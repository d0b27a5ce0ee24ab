#include "ShellTexts.h"

namespace lovaris {
namespace {

using X = ShellText;

constexpr TextEntry kTexts[] = {
    {static_cast<int>(X::First), ""},
};

}  // namespace

std::span<const TextEntry> ShellTexts() { return kTexts; }

}  // namespace lovaris
