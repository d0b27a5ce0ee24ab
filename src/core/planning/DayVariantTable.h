#pragma once
// The day variants of one class in an optimisation run, numbered from 1 in the
// order found. A signature holds three bit matrices of slot bit rows (teachers,
// teachers sharing an attached room, classes), each padded to whole 64-bit words
// so that they are compared a word at a time, and the window of the class's day.
#include <cstdint>
#include <vector>

#include "DayArrangement.h"

namespace lovaris {

struct DayWindow {
    std::uint16_t start = 0;  // both 0 unless the class has linked lessons to place
    std::uint16_t end = 0;
    bool operator==(const DayWindow&) const = default;
};

struct DayVariantTable {
    int signatureWords = 0;  // words of one signature, the three matrices together
    std::vector<std::uint64_t> signatures;  // count x signatureWords
    std::vector<DayWindow> windows;
    std::vector<std::vector<DayCell>> positions;  // per variant, lesson numbers 1..L
    int rowWords = 0;  // words of one compatibility row
    std::vector<std::uint64_t> compatibility;  // count x rowWords

    int count() const { return static_cast<int>(windows.size()); }
    const std::uint64_t* signature(int variant) const {  // variant from 1
        return signatures.data() + static_cast<std::size_t>(variant - 1) * static_cast<std::size_t>(signatureWords);
    }
    const std::uint64_t* compatibilityRow(int variant) const {
        return compatibility.data() + static_cast<std::size_t>(variant - 1) * static_cast<std::size_t>(rowWords);
    }
    std::uint64_t* compatibilityRow(int variant) {
        return compatibility.data() + static_cast<std::size_t>(variant - 1) * static_cast<std::size_t>(rowWords);
    }
    void clear() { *this = DayVariantTable{}; }
};

}  // namespace lovaris
