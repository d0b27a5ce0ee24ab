#pragma once
// Damage done to a file's bytes by the malformed-file tests: a little-endian write and
// random moves that are the same on every run for a seed.
#include <cstddef>
#include <cstdint>
#include <random>
#include <span>
#include <vector>

namespace lovaris::test {

using Bytes = std::vector<std::uint8_t>;

inline void PutI32(Bytes& b, std::size_t at, std::uint32_t v) {
    for (std::size_t i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

class ByteDamage {
public:
    explicit ByteDamage(std::uint32_t seed) : rng_(seed) {}

    int pick(int n) { return static_cast<int>(rng_() % static_cast<std::uint32_t>(n)); }
    std::size_t pickIndex(std::size_t n) { return n == 0 ? 0 : rng_() % n; }

    // One byte turned into another.
    void flipByte(Bytes& b) {
        if (!b.empty()) b[pickIndex(b.size())] ^= static_cast<std::uint8_t>(1 + pick(255));
    }
    // The file cut short anywhere, to nothing at all.
    void truncate(Bytes& b) { b.resize(pickIndex(b.size() + 1)); }
    // One of the values written over the four bytes at `at`, when they are in the file.
    void overwrite(Bytes& b, std::size_t at, std::span<const std::uint32_t> values) {
        if (at + 4 <= b.size()) PutI32(b, at, values[pickIndex(values.size())]);
    }

private:
    std::mt19937 rng_;
};

}  // namespace lovaris::test
