#pragma once
// The text a sub-cell shows when the whole text is too wide: the longest cut of it,
// followed by "…", that fits. Cuts ending in a blank or a dot are passed over, so a
// shortened word never looks like a finished one.
#include <functional>
#include <string>
#include <string_view>

namespace lovaris {

// `width` is the sub-cell's width and `measure` the width a text takes when drawn,
// in the same unit. Lengths count characters, not bytes (texts are UTF-8).
std::string FitText(std::string_view text, int width, const std::function<int(std::string_view)>& measure);

}  // namespace lovaris
