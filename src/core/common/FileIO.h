#pragma once
// Whole-file reading and the safe save: a save writes a temporary file beside the
// target and renames it over the target, so an interrupted save keeps the old file.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace lovaris {

std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path);
bool WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> data);

}  // namespace lovaris
