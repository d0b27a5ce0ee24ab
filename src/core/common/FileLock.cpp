#include "FileLock.h"

#include <filesystem>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "FileIO.h"

namespace lovaris {
namespace {

// Tries before giving up on a file that its holder keeps replacing.
constexpr int kTakeTries = 3;

}  // namespace

FileLock::~FileLock() { Release(); }

FileLock::FileLock(FileLock&& other) noexcept : descriptor_(std::exchange(other.descriptor_, -1)) {}

FileLock& FileLock::operator=(FileLock&& other) noexcept {
    if (this != &other) {
        Release();
        descriptor_ = std::exchange(other.descriptor_, -1);
    }
    return *this;
}

void FileLock::Release() {
    if (descriptor_ >= 0) ::close(descriptor_);  // closing lets the lock go
    descriptor_ = -1;
}

std::optional<FileLock> FileLock::Take(const std::string& path) {
    for (int attempt = 0; attempt < kTakeTries; ++attempt) {
        const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (descriptor < 0) return std::nullopt;
        FileLock lock(descriptor);
        if (::flock(descriptor, LOCK_EX | LOCK_NB) != 0) return std::nullopt;
        // The holder may have saved between the open and the lock: the lock then sits
        // on the file it replaced, and the one now at the path is tried again.
        if (lock.Covers(path)) return lock;
    }
    return std::nullopt;
}

bool FileLock::Covers(const std::string& path) const {
    if (descriptor_ < 0) return false;
    struct stat locked {};
    struct stat named {};
    return ::fstat(descriptor_, &locked) == 0 && ::stat(path.c_str(), &named) == 0 && locked.st_dev == named.st_dev &&
           locked.st_ino == named.st_ino;
}

LockedWrite WriteFileLocked(const std::string& path, std::span<const std::uint8_t> data, FileLock& lock) {
    std::optional<FileLock> replaced;  // the lock of the file written over, held until it is gone
    std::error_code ec;
    if (!lock.Covers(path) && std::filesystem::exists(path, ec)) {
        replaced = FileLock::Take(path);
        if (!replaced) return LockedWrite::HeldElsewhere;
    }
    FileLock fresh;
    const bool written = WriteFileAtomically(path, data, [&fresh](int descriptor) {
        // A copy of the descriptor keeps the lock when the writer closes its own.
        fresh = FileLock(::dup(descriptor));
        return fresh.held() && ::flock(fresh.descriptor_, LOCK_EX | LOCK_NB) == 0;
    });
    if (!written) return LockedWrite::Failed;
    lock = std::move(fresh);
    return LockedWrite::Written;
}

}  // namespace lovaris
