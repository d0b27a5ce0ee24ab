#pragma once
// The 20 bytes that open every project, variant and archive file.
#include <cstdint>
#include <string>

#include "ByteReader.h"
#include "ByteWriter.h"

namespace lovaris {

struct FileSignature {
    static constexpr std::size_t kSize = 20;

    std::string magic;  // ten ASCII letters
    std::int32_t versionMajor = 0;
    std::int32_t versionMinor = 0;

    void write(ByteWriter& w) const;
    static FileSignature read(ByteReader& r);

    // Whether this file version is older than major.minor.
    bool olderThan(std::int32_t major, std::int32_t minor) const {
        return versionMajor < major || (versionMajor == major && versionMinor < minor);
    }
};

inline const FileSignature kProjectSignature{"TIME-TABLE", 1, 3};
inline const FileSignature kVariantSignature{"VARI-TABLE", 1, 0};
inline const FileSignature kArchiveSignature{"ZMSH-TABLE", 1, 0};

// 0 accepted (the program's version or an older one), 1 the magic differs,
// 2 the file's major version is newer, 3 same major and a newer minor.
int CompareSignature(const FileSignature& fileSig, const FileSignature& programSig);

}  // namespace lovaris
