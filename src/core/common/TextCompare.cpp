#include "TextCompare.h"

#include <cstdint>
#include <string>

#include "Cp1251.h"

namespace lovaris {
namespace {

// A sort weight per Windows-1251 byte: letters fold to lower case, ё sits between е and ж.
int weight(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return (c - 'A' + 'a') * 4;
    if (c == 0xA8 || c == 0xB8) return 0xE5 * 4 + 2;  // Ё ё
    if (c >= 0xC0 && c <= 0xDF) return (c + 0x20) * 4;  // А..Я -> а..я
    return c * 4;
}

}  // namespace

int CompareListText(std::string_view a, std::string_view b) {
    const std::string x = utf8ToCp1251(a);
    const std::string y = utf8ToCp1251(b);
    const std::size_t n = x.size() < y.size() ? x.size() : y.size();
    for (std::size_t i = 0; i < n; ++i) {
        const int wx = weight(static_cast<unsigned char>(x[i]));
        const int wy = weight(static_cast<unsigned char>(y[i]));
        if (wx != wy) return wx < wy ? -1 : 1;
    }
    if (x.size() != y.size()) return x.size() < y.size() ? -1 : 1;
    return 0;
}

}  // namespace lovaris
