#include "ArchiveStorage.h"

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lovaris {
namespace {

// Repeats a positioned read or write until all `size` bytes are done; false on an
// error or an end of file before that.
template <typename Step>
bool whole(std::size_t size, Step step) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = step(done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

class LockedFile : public ArchiveStorage {
public:
    explicit LockedFile(int fd) : fd_(fd) {}
    ~LockedFile() override { ::close(fd_); }  // closing releases the lock
    LockedFile(const LockedFile&) = delete;
    LockedFile& operator=(const LockedFile&) = delete;

    std::optional<std::uint64_t> size() const override {
        struct stat st {};
        if (::fstat(fd_, &st) != 0 || st.st_size < 0) return std::nullopt;
        return static_cast<std::uint64_t>(st.st_size);
    }

    bool readAt(std::uint64_t offset, std::span<std::uint8_t> into) const override {
        return whole(into.size(), [&](std::size_t done) {
            return ::pread(fd_, into.data() + done, into.size() - done, static_cast<off_t>(offset + done));
        });
    }

    bool writeAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) override {
        return whole(bytes.size(), [&](std::size_t done) {
            return ::pwrite(fd_, bytes.data() + done, bytes.size() - done, static_cast<off_t>(offset + done));
        });
    }

    bool flush() override { return ::fsync(fd_) == 0; }

private:
    int fd_;
};

}  // namespace

bool MemoryStorage::readAt(std::uint64_t offset, std::span<std::uint8_t> into) const {
    if (offset > bytes_.size() || into.size() > bytes_.size() - offset) return false;
    std::copy_n(bytes_.begin() + static_cast<std::ptrdiff_t>(offset), into.size(), into.begin());
    return true;
}

bool MemoryStorage::writeAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) {
    if (offset > bytes_.size()) return false;
    if (bytes.size() > bytes_.size() - offset) bytes_.resize(static_cast<std::size_t>(offset) + bytes.size());
    std::copy(bytes.begin(), bytes.end(), bytes_.begin() + static_cast<std::ptrdiff_t>(offset));
    return true;
}

std::unique_ptr<ArchiveStorage> OpenLockedFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) return nullptr;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return nullptr;
    }
    return std::make_unique<LockedFile>(fd);
}

}  // namespace lovaris
