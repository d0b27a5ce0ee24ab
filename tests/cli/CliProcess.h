#pragma once
// lovaris-cli run as a process by the tests: its exit status, stdout and stderr.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace lovaris::test {

struct CliOutcome {
    int exitCode = -1;
    std::string out;
    std::string err;
};

std::string ReadText(const std::filesystem::path& path);
// The lines of a simple comma-separated text (no quoted commas), cut into cells.
std::vector<std::vector<std::string>> CsvRows(const std::string& text);

// Runs the tool with these arguments (no shell in between); its output goes through
// two files in `scratch`.
CliOutcome RunCli(const std::vector<std::string>& args, const std::filesystem::path& scratch);

// A folder of its own under the system's temporary folder, removed with the object.
class ScratchDir {
public:
    explicit ScratchDir(std::string_view prefix);
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::filesystem::path& path() const { return dir_; }
    std::string file(const std::string& name) const { return (dir_ / name).string(); }

private:
    std::filesystem::path dir_;
};

}  // namespace lovaris::test
