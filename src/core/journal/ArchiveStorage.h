#pragma once
// The bytes of the archive file as the archive reads and writes them: positioned
// reads and writes and a flush that puts what was written on the disk. The file
// on disk is held under an exclusive lock while it is open, so that a second
// program (or a second opening in this one) cannot write over it.
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace lovaris {

class ArchiveStorage {
public:
    virtual ~ArchiveStorage() = default;
    virtual std::optional<std::uint64_t> size() const = 0;
    // False unless every byte was read.
    virtual bool readAt(std::uint64_t offset, std::span<std::uint8_t> into) const = 0;
    // False unless every byte was written.
    virtual bool writeAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) = 0;
    virtual bool flush() = 0;
};

// The file opened for reading and writing under an exclusive lock; none when it
// cannot be opened or another opener holds the lock.
std::unique_ptr<ArchiveStorage> OpenLockedFile(const std::string& path);

// Bytes held in memory, as an archive file's would be: for checks of a file's
// contents without touching the disk.
class MemoryStorage : public ArchiveStorage {
public:
    explicit MemoryStorage(std::vector<std::uint8_t> bytes = {}) : bytes_(std::move(bytes)) {}
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }

    std::optional<std::uint64_t> size() const override { return bytes_.size(); }
    bool readAt(std::uint64_t offset, std::span<std::uint8_t> into) const override;
    bool writeAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) override;
    bool flush() override { return true; }

private:
    std::vector<std::uint8_t> bytes_;
};

}  // namespace lovaris
