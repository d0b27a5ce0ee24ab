#pragma once
// Little-endian writing of the binary files, field by field.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace lovaris {

class ByteWriter {
public:
    const std::vector<std::uint8_t>& data() const { return data_; }
    std::vector<std::uint8_t> take() { return std::move(data_); }
    std::size_t size() const { return data_.size(); }

    void u8(std::uint8_t v) { data_.push_back(v); }
    void u16(std::uint16_t v);
    void i16(std::int16_t v) { u16(static_cast<std::uint16_t>(v)); }
    void u32(std::uint32_t v);
    void i32(std::int32_t v) { u32(static_cast<std::uint32_t>(v)); }
    void f64(double v);
    void zeros(std::size_t n) { data_.insert(data_.end(), n, 0); }
    void bytes(std::span<const std::uint8_t> b) { data_.insert(data_.end(), b.begin(), b.end()); }
    // A UTF-8 text as NUL-terminated Windows-1251 in a field of `size` bytes,
    // cut to size - 1 characters, the rest of the field zero.
    void cstring(std::string_view utf8, std::size_t size);
    // Pads with zeros up to an absolute position.
    void padTo(std::size_t pos) {
        if (pos > data_.size()) zeros(pos - data_.size());
    }

private:
    std::vector<std::uint8_t> data_;
};

}  // namespace lovaris
