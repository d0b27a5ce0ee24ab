#pragma once
// How the week busy tables show a stored busy value and what a click stores.
// Cell states: 0 free (green), 4 busy (red), 1..3 a teacher's wish (yellow, showing
// the number: 3 high, 2 medium, 1 low priority).
#include <cstdint>

namespace lovaris {

inline constexpr int kCellFree = 0;
inline constexpr int kCellBusy = 4;

// Rooms, classes and lessons store one byte: 0 free, anything else busy.
constexpr int ByteBusyCellState(std::uint8_t value) { return value == 0 ? kCellFree : kCellBusy; }
constexpr std::uint8_t ByteBusyValueForState(int state) { return state == kCellBusy ? 1 : 0; }

// Teachers store 0, 1 or a wish 257/513/769: the low byte marks the slot, the high
// byte is the wish priority. A priority the editor does not know shows as free.
constexpr int TeacherBusyCellState(std::int16_t value) {
    const auto v = static_cast<std::uint16_t>(value);
    if ((v & 0xFF) == 0) return kCellFree;
    switch (v >> 8) {
        case 0: return kCellBusy;
        case 1: return 3;
        case 2: return 2;
        case 3: return 1;
        default: return kCellFree;
    }
}
constexpr std::int16_t TeacherBusyValueForState(int state) {
    switch (state) {
        case kCellBusy: return 1;
        case 3: return 257;
        case 2: return 513;
        case 1: return 769;
        default: return 0;
    }
}

}  // namespace lovaris
