#include "FileIO.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#if defined(__unix__) || defined(__APPLE__)
#include <unistd.h>
#endif

namespace lovaris {
namespace {

// Larger files are no project, variant or archive of ours; refusing them keeps
// a stray multi-gigabyte file from exhausting memory.
constexpr std::uintmax_t kMaxFileSize = 512u * 1024u * 1024u;

}  // namespace

std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
    const auto size = std::filesystem::file_size(path, ec);
    if (ec || size > kMaxFileSize) return std::nullopt;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return std::nullopt;
    std::vector<std::uint8_t> data(static_cast<std::size_t>(size));
    const std::size_t got = data.empty() ? 0 : std::fread(data.data(), 1, data.size(), f);
    const bool ok = got == data.size() && !std::ferror(f);
    std::fclose(f);
    if (!ok) return std::nullopt;
    return data;
}

bool WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> data,
                         const std::function<bool(int descriptor)>& beforeReplace) {
    namespace fs = std::filesystem;
    const fs::path target(path);
    fs::path temp = target;
    temp += ".saving~";
    std::FILE* f = std::fopen(temp.string().c_str(), "wb");
    if (!f) return false;
    bool ok = data.empty() || std::fwrite(data.data(), 1, data.size(), f) == data.size();
    ok = std::fflush(f) == 0 && ok;
#if defined(__unix__) || defined(__APPLE__)
    ok = ok && ::fsync(::fileno(f)) == 0;
#endif
    ok = ok && (!beforeReplace || beforeReplace(::fileno(f)));
    ok = std::fclose(f) == 0 && ok;
    std::error_code ec;
    if (ok) {
        fs::rename(temp, target, ec);
        ok = !ec;
    }
    if (!ok) fs::remove(temp, ec);
    return ok;
}

}  // namespace lovaris
