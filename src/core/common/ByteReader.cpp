#include "ByteReader.h"

#include <cstring>

#include "Cp1251.h"

namespace lovaris {

void ByteReader::seek(std::size_t pos) {
    if (failed_ || pos > data_.size()) {
        failed_ = true;
        return;
    }
    pos_ = pos;
}

void ByteReader::skip(std::size_t n) {
    if (!canRead(n)) {
        failed_ = true;
        return;
    }
    pos_ += n;
}

std::uint8_t ByteReader::u8() {
    if (!canRead(1)) {
        failed_ = true;
        return 0;
    }
    return data_[pos_++];
}

std::uint16_t ByteReader::u16() {
    if (!canRead(2)) {
        failed_ = true;
        return 0;
    }
    std::uint16_t v = static_cast<std::uint16_t>(data_[pos_] | (data_[pos_ + 1] << 8));
    pos_ += 2;
    return v;
}

std::uint32_t ByteReader::u32() {
    if (!canRead(4)) {
        failed_ = true;
        return 0;
    }
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | data_[pos_ + static_cast<std::size_t>(i)];
    pos_ += 4;
    return v;
}

double ByteReader::f64() {
    std::uint64_t lo = u32();
    std::uint64_t hi = u32();
    std::uint64_t bits = lo | (hi << 32);
    double v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

std::span<const std::uint8_t> ByteReader::bytes(std::size_t n) {
    if (!canRead(n)) {
        failed_ = true;
        return {};
    }
    auto s = data_.subspan(pos_, n);
    pos_ += n;
    return s;
}

std::string ByteReader::cstring(std::size_t size) {
    auto field = bytes(size);
    if (failed_) return {};
    const std::size_t longest = size == 0 ? 0 : size - 1;
    std::size_t len = 0;
    while (len < longest && field[len] != 0) ++len;
    return cp1251ToUtf8(std::string_view(reinterpret_cast<const char*>(field.data()), len));
}

ByteReader ByteReader::sub(std::size_t n) {
    auto s = bytes(n);
    ByteReader r(s);
    if (failed_) r.failed_ = true;
    return r;
}

}  // namespace lovaris
