#include "CliSupport.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>

#include "CliCommand.h"
#include "core/common/FileIO.h"
#include "core/common/MessageFormat.h"

namespace lovaris::cli {

int ReportFailure(std::string_view message, int exitCode) {
    std::fprintf(stderr, "%.*s\n", static_cast<int>(message.size()), message.data());
    return exitCode;
}

int ReportWriteFailure(const FileOutcome& outcome) {
    // A file the desktop program holds open is refused, as a held archive is.
    return ReportFailure(outcome.message, outcome.heldElsewhere ? kExitRefused : kExitFailure);
}

int OpenProject(const std::string& path, ProjectDocument& document) {
    const FileOutcome outcome = document.Open(path);
    return outcome.ok ? kExitOk : ReportFailure(outcome.message, kExitRefused);
}

int SaveProjectAs(ProjectDocument& document, const std::string& path) {
    const FileOutcome outcome = document.SaveAs(path);
    return outcome.ok ? kExitOk : ReportWriteFailure(outcome);
}

int WriteTextFile(const std::string& path, std::string_view text) {
    const std::span bytes(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
    if (WriteFileAtomically(path, bytes)) return kExitOk;
    return ReportFailure(FormatMessage(TextId::FileWriteError, FileNameWithoutFolder(path)), kExitFailure);
}

int WriteStdout(std::string_view text) {
    const bool ok = std::fwrite(text.data(), 1, text.size(), stdout) == text.size() && std::fflush(stdout) == 0;
    return ok ? kExitOk : ReportFailure("lovaris-cli: cannot write to the standard output", kExitFailure);
}

std::optional<long long> NumberOption(const CliArguments& args, std::string_view name, long long least,
                                      long long most) {
    const auto it = args.options.find(name);
    if (it == args.options.end()) return std::nullopt;
    long long value = 0;
    const std::string& text = it->second;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < least || value > most) return least - 1;
    return value;
}

std::optional<double> SecondsOption(const CliArguments& args, std::string_view name) {
    const auto it = args.options.find(name);
    if (it == args.options.end()) return std::nullopt;
    char* end = nullptr;
    const double seconds = std::strtod(it->second.c_str(), &end);
    if (it->second.empty() || *end != '\0' || !std::isfinite(seconds) || seconds < 0 || seconds > 86400) return -1.0;
    return seconds;
}

}  // namespace lovaris::cli
