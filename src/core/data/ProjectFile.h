#pragma once
// The project file: signature, parameters, reserved block to 1024, then the
// rooms, subjects, classes, teachers and lessons sections without gaps.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "Project.h"

namespace lovaris {

inline constexpr std::size_t kProjectHeaderSize = 228;  // signature + parameters
inline constexpr std::size_t kProjectDataOffset = 1024;

// The file's bytes for a project, in the current version; section headers refreshed.
std::vector<std::uint8_t> SerializeProject(const Project& project);

// Parses a project file of version 1.0 to 1.3; nullopt for anything that is not
// one in full (short, another kind, newer, inconsistent section headers, bad records).
std::optional<Project> ParseProject(std::span<const std::uint8_t> bytes);

}  // namespace lovaris
