#include "DataFolder.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

namespace lovaris {
namespace {

std::filesystem::path UserDataFolder() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg && *xdg == '/') return std::filesystem::path(xdg) / "lovaris";
    const char* home = std::getenv("HOME");
    if (home && *home) return std::filesystem::path(home) / ".local" / "share" / "lovaris";
    return {};
}

}  // namespace

std::string DataFolder(const std::string& programFolder) {
    if (::access(programFolder.c_str(), W_OK) == 0) return programFolder;
    const std::filesystem::path user = UserDataFolder();
    if (user.empty()) return programFolder;
    std::error_code ec;
    std::filesystem::create_directories(user, ec);
    return ec ? programFolder : user.string();
}

}  // namespace lovaris
