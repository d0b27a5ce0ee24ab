#include "ByteWriter.h"

#include <cstring>

#include "Cp1251.h"

namespace lovaris {

void ByteWriter::u16(std::uint16_t v) {
    data_.push_back(static_cast<std::uint8_t>(v & 0xFF));
    data_.push_back(static_cast<std::uint8_t>(v >> 8));
}

void ByteWriter::u32(std::uint32_t v) {
    for (int i = 0; i < 4; ++i) data_.push_back(static_cast<std::uint8_t>((v >> (8 * i)) & 0xFF));
}

void ByteWriter::f64(double v) {
    std::uint64_t bits;
    std::memcpy(&bits, &v, sizeof v);
    u32(static_cast<std::uint32_t>(bits & 0xFFFFFFFFu));
    u32(static_cast<std::uint32_t>(bits >> 32));
}

void ByteWriter::cstring(std::string_view utf8, std::size_t size) {
    if (size == 0) return;
    std::string encoded = utf8ToCp1251(utf8);
    if (encoded.size() > size - 1) encoded.resize(size - 1);
    const std::size_t start = data_.size();
    data_.insert(data_.end(), encoded.begin(), encoded.end());
    zeros(size - (data_.size() - start));
}

}  // namespace lovaris
