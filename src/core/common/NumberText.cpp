#include "NumberText.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace lovaris {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

}  // namespace

std::optional<std::int64_t> ParseDecimal(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || text.size() > 10) return std::nullopt;  // beyond 32 bits is no field value
    std::int64_t v = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        v = v * 10 + (c - '0');
    }
    if (v > 2147483647LL + (negative ? 1 : 0)) return std::nullopt;
    return negative ? -v : v;
}

std::optional<std::int64_t> ParseNumericField(std::string_view text, std::int64_t max) {
    if (text.empty()) return 0;
    auto v = ParseDecimal(text);
    if (!v) return std::nullopt;
    if (*v < 0) return 0;
    if (*v > max) return max;
    return *v;
}

std::vector<int> ExtractNumbers(std::string_view text) {
    std::vector<int> out;
    int current = 0;
    for (char c : text) {
        if (c >= '0' && c <= '9') {
            current = current * 10 + (c - '0');
            if (current > 65535) current = 65535;
        } else if (current != 0) {
            out.push_back(current);
            current = 0;
        }
    }
    if (current != 0) out.push_back(current);
    return out;
}

std::string OneDecimalText(double value) {
    std::array<char, 320> buffer{};  // the largest double in full, with its sign and one decimal
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, 1);
    std::string text(buffer.data(), result.ptr);
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

}  // namespace lovaris
