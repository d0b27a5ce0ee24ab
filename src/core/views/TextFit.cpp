#include "TextFit.h"

#include <vector>

namespace lovaris {
namespace {

constexpr std::string_view kEllipsis = "…";

// Byte offsets at which each character of a UTF-8 text starts, and its end.
std::vector<std::size_t> CharacterBounds(std::string_view text) {
    std::vector<std::size_t> bounds;
    for (std::size_t i = 0; i < text.size(); ++i)
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) bounds.push_back(i);
    bounds.push_back(text.size());
    return bounds;
}

}  // namespace

std::string FitText(std::string_view text, int width, const std::function<int(std::string_view)>& measure) {
    if (measure(text) <= width) return std::string(text);
    const std::vector<std::size_t> bounds = CharacterBounds(text);
    const std::size_t characters = bounds.size() - 1;
    for (std::size_t len = characters; len-- > 0;) {
        const std::string_view cut = text.substr(0, bounds[len]);
        if (!cut.empty() && (cut.back() == ' ' || cut.back() == '.')) continue;
        std::string candidate(cut);
        candidate += kEllipsis;
        if (measure(candidate) <= width) return candidate;
    }
    return {};
}

}  // namespace lovaris
