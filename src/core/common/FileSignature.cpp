#include "FileSignature.h"

namespace lovaris {

void FileSignature::write(ByteWriter& w) const {
    w.u8(10);
    std::string m = magic;
    m.resize(10, '\0');
    for (char c : m) w.u8(static_cast<std::uint8_t>(c));
    w.u8(0);
    w.i32(versionMajor);
    w.i32(versionMinor);
}

FileSignature FileSignature::read(ByteReader& r) {
    FileSignature s;
    const std::uint8_t len = r.u8();
    auto magic = r.bytes(10);
    r.skip(1);
    s.versionMajor = r.i32();
    s.versionMinor = r.i32();
    if (!r.failed()) {
        const std::size_t n = len < 10 ? len : 10;
        s.magic.assign(reinterpret_cast<const char*>(magic.data()), n);
        if (len != 10) s.magic.clear();  // a length byte other than 10 is no signature of ours
    }
    return s;
}

int CompareSignature(const FileSignature& fileSig, const FileSignature& programSig) {
    if (fileSig.magic != programSig.magic) return 1;
    if (fileSig.versionMajor > programSig.versionMajor) return 2;
    if (fileSig.versionMajor == programSig.versionMajor && fileSig.versionMinor > programSig.versionMinor) return 3;
    return 0;
}

}  // namespace lovaris
