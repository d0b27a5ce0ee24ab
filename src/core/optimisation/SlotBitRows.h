#pragma once
// Slot bit rows packed into 64-bit words: row r of a matrix with rows of L bits
// occupies bits r * L .. r * L + L - 1. A row of at most 24 bits is read whole.
#include <bit>
#include <cstddef>
#include <cstdint>

namespace lovaris {

inline std::size_t WordsForBits(std::size_t bits) { return (bits + 63) / 64; }

inline void SetRowBit(std::uint64_t* words, int bit) {
    words[static_cast<std::size_t>(bit) / 64] |= std::uint64_t{1} << (bit % 64);
}
inline bool TestRowBit(const std::uint64_t* words, int bit) {
    return (words[static_cast<std::size_t>(bit) / 64] >> (bit % 64)) & 1u;
}

// Bits first .. first + length - 1 as a mask whose bit 0 is `first`; length <= 32.
inline std::uint32_t ReadRow(const std::uint64_t* words, int first, int length) {
    const std::size_t word = static_cast<std::size_t>(first) / 64;
    const int shift = first % 64;
    std::uint64_t bits = words[word] >> shift;
    if (shift + length > 64) bits |= words[word + 1] << (64 - shift);
    return static_cast<std::uint32_t>(bits & ((std::uint64_t{1} << length) - 1));
}

// True when no word of the two ranges has a set bit in common.
inline bool DisjointWords(const std::uint64_t* a, const std::uint64_t* b, int words) {
    for (int i = 0; i < words; ++i)
        if (a[i] & b[i]) return false;
    return true;
}

// Lesson numbers (1-based) of the lowest and highest set bit of a row mask.
inline int FirstLesson(std::uint32_t mask) { return std::countr_zero(mask) + 1; }
inline int LastLesson(std::uint32_t mask) { return 32 - std::countl_zero(mask); }

}  // namespace lovaris
