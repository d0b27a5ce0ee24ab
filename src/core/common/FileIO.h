#pragma once
// Whole-file reading and the safe save: a save writes a temporary file beside the
// target and renames it over the target, so an interrupted save keeps the old file.
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace lovaris {

std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path);
// `beforeReplace`, when given, sees the written temporary file's descriptor just
// before the file takes the target's place; false from it abandons the save.
bool WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> data,
                         const std::function<bool(int descriptor)>& beforeReplace = {});

}  // namespace lovaris
