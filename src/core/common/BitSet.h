#pragma once
// Bit sets of the planning engine: arrays of 32-bit words, bit n is bit (n mod 32),
// from the least significant, of word n div 32.
#include <cstddef>
#include <cstdint>
#include <span>

namespace lovaris {

inline void SetBit(std::span<std::uint32_t> set, std::size_t n, bool on) {
    const std::uint32_t mask = 1u << (n % 32);
    if (on)
        set[n / 32] |= mask;
    else
        set[n / 32] &= ~mask;
}

inline int TestBit(std::span<const std::uint32_t> set, std::size_t n) { return (set[n / 32] >> (n % 32)) & 1u; }

// Slot bit rows of `lessonsPerDay` bits; lesson is 1-based.
inline void SetSlotBit(std::span<std::uint32_t> set, int lessonsPerDay, int row, int lesson, bool on) {
    SetBit(set, static_cast<std::size_t>(row * lessonsPerDay + lesson - 1), on);
}
inline int TestSlotBit(std::span<const std::uint32_t> set, int lessonsPerDay, int row, int lesson) {
    return TestBit(set, static_cast<std::size_t>(row * lessonsPerDay + lesson - 1));
}
// Rows placed by a table of row starts instead of a fixed row length.
inline void SetSlotBitAt(std::span<std::uint32_t> set, std::span<const std::int32_t> rowStart, int row, int lesson,
                         bool on) {
    SetBit(set, static_cast<std::size_t>(rowStart[static_cast<std::size_t>(row)] + lesson - 1), on);
}

// True when the two byte ranges share no set bit.
bool Disjoint(const void* a, const void* b, std::size_t byteCount);

// `vec` holds four vectors of n signed bytes: A, B, result, limit. result = A - sub;
// false as soon as a result exceeds its limit.
bool SubtractWithinLimits(std::span<std::int8_t> vec, std::span<const std::int8_t> sub, std::size_t n);

}  // namespace lovaris
