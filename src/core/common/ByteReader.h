#pragma once
// Little-endian, bounds-checked reading of the binary files. Every read checks
// what remains first; a short buffer sets the failed flag instead of reading past it.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace lovaris {

class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> data) : data_(data) {}

    std::size_t position() const { return pos_; }
    std::size_t remaining() const { return failed_ ? 0 : data_.size() - pos_; }
    bool failed() const { return failed_; }
    void fail() { failed_ = true; }
    bool canRead(std::size_t n) const { return !failed_ && n <= data_.size() - pos_; }

    void seek(std::size_t pos);
    void skip(std::size_t n);
    std::uint8_t u8();
    std::uint16_t u16();
    std::int16_t i16() { return static_cast<std::int16_t>(u16()); }
    std::uint32_t u32();
    std::int32_t i32() { return static_cast<std::int32_t>(u32()); }
    double f64();
    // Raw bytes of a fixed-size field.
    std::span<const std::uint8_t> bytes(std::size_t n);
    // A NUL-terminated Windows-1251 text in a field of `size` bytes, returned as UTF-8.
    // A text that fills the whole field with no NUL is cut to size - 1 characters, the
    // most the field holds with its NUL; only a field past the end fails the reader.
    std::string cstring(std::size_t size);
    // A sub-reader over the next n bytes (fails like any short read).
    ByteReader sub(std::size_t n);

private:
    std::span<const std::uint8_t> data_;
    std::size_t pos_ = 0;
    bool failed_ = false;
};

}  // namespace lovaris
