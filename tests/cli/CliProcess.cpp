#include "CliProcess.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <fstream>
#include <random>
#include <sstream>

extern char** environ;

namespace lovaris::test {

namespace fs = std::filesystem;

std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

CliOutcome RunCli(const std::vector<std::string>& args, const fs::path& scratch) {
    const std::string outFile = (scratch / "stdout.txt").string();
    const std::string errFile = (scratch / "stderr.txt").string();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::vector<std::string> all{LOVARIS_CLI_PATH};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& a : all) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    CliOutcome result;
    if (posix_spawn(&pid, LOVARIS_CLI_PATH, &actions, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        waitpid(pid, &status, 0);
        result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    result.out = ReadText(outFile);
    result.err = ReadText(errFile);
    return result;
}

ScratchDir::ScratchDir(std::string_view prefix) {
    std::random_device seed;
    dir_ = fs::temp_directory_path() / (std::string(prefix) + std::to_string(seed()) + std::to_string(seed()));
    fs::create_directories(dir_);
}

ScratchDir::~ScratchDir() {
    std::error_code ec;
    fs::remove_all(dir_, ec);
}

std::vector<std::vector<std::string>> CsvRows(const std::string& text) {
    std::vector<std::vector<std::string>> rows;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        std::vector<std::string>& cells = rows.emplace_back();
        std::istringstream cut(line);
        for (std::string cell; std::getline(cut, cell, ',');) cells.push_back(cell);
    }
    return rows;
}

}  // namespace lovaris::test
