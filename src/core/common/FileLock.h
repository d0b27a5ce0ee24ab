#pragma once
// An exclusive advisory lock on a file, held for as long as this program keeps the
// file open: a second opener that asks for the lock is refused, while plain reading
// stays open to anyone. A save replaces the file by a new one; the new file is locked
// before it takes the old one's place, so the lock never lapses.
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace lovaris {

enum class LockedWrite { Written, HeldElsewhere, Failed };

class FileLock {
public:
    FileLock() = default;
    ~FileLock();
    FileLock(FileLock&& other) noexcept;
    FileLock& operator=(FileLock&& other) noexcept;
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // The lock of the file now at `path`; none when the file cannot be opened or
    // another opener holds its lock.
    static std::optional<FileLock> Take(const std::string& path);
    bool held() const { return descriptor_ >= 0; }
    // The locked file is the one now at `path`.
    bool Covers(const std::string& path) const;
    void Release();

private:
    friend LockedWrite WriteFileLocked(const std::string&, std::span<const std::uint8_t>, FileLock&);
    explicit FileLock(int descriptor) : descriptor_(descriptor) {}
    int descriptor_ = -1;
};

// Writes `data` as the file at `path` (safely, see FileIO) under the file's lock.
// `lock` is what this opener holds: that file's lock, another file's or none. A
// file whose lock another opener holds is left untouched. When written, `lock`
// holds the new file's lock and any other it held is let go.
LockedWrite WriteFileLocked(const std::string& path, std::span<const std::uint8_t> data, FileLock& lock);

}  // namespace lovaris
