#pragma once
// Busy tables of project records: 144 entries, slot = (day - 1) * 24 + lesson,
// day 1..6 (Monday..Saturday), lesson 1..24, whatever the lessons per day are.
#include <array>
#include <cstdint>

namespace lovaris {

inline constexpr int kDays = 6;
inline constexpr int kMaxLessonsPerDay = 24;
inline constexpr int kBusySlots = kDays * kMaxLessonsPerDay;  // 144

constexpr int busySlot(int day, int lesson) { return (day - 1) * kMaxLessonsPerDay + lesson; }
constexpr bool validBusySlot(int slot) { return slot >= 1 && slot <= kBusySlots; }

// A busy table of bytes (rooms, classes, lessons) or 16-bit values (teachers).
// Reading outside 1..144 yields "not free" (1); writing outside is ignored.
template <typename T>
class BusyTable {
public:
    T get(int slot) const { return validBusySlot(slot) ? values_[static_cast<std::size_t>(slot - 1)] : T{1}; }
    T at(int day, int lesson) const { return get(busySlot(day, lesson)); }
    void set(int slot, T value) {
        if (validBusySlot(slot)) values_[static_cast<std::size_t>(slot - 1)] = value;
    }
    void set(int day, int lesson, T value) { set(busySlot(day, lesson), value); }
    std::array<T, kBusySlots>& raw() { return values_; }
    const std::array<T, kBusySlots>& raw() const { return values_; }
    bool operator==(const BusyTable&) const = default;

private:
    std::array<T, kBusySlots> values_{};
};

using ByteBusyTable = BusyTable<std::uint8_t>;
using TeacherBusyTable = BusyTable<std::int16_t>;

}  // namespace lovaris
