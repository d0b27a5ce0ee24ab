#pragma once
// Projects and project file bytes shared by the core tests, the fuzz target and its seeds.
#include <cstdint>
#include <span>
#include <vector>

#include "core/data/Project.h"

namespace lovaris::test {

// A small school with every record kind and every stored feature: a strictly
// specialized room, recommended rooms, starting lessons, parallels and stages,
// teacher wishes, free days and planned hours, a lesson with two linked subgroups,
// one with separated hours, one detached from attached rooms with a room name of its own.
Project MakeSmallProject();

// The project as a save and a reload give it back: a record without a name comes
// back under its placeholder name.
Project AsReloaded(const Project& project);

// The project as a file of version 1.minorVersion (0..3) holds it: no class stage
// before 1.1 (every class at stage 1), no planned hours before 1.2, no detached
// lessons before 1.3.
Project AsStoredInVersion(const Project& project, int minorVersion);

// Whether saving a loaded project and loading the saved bytes gives it back as
// AsReloaded describes.
bool SurvivesSaveAndReload(const Project& loaded);

// A current-version project file rewritten as version 1.minorVersion (0..3): the
// newer trailing fields dropped from the class, teacher and lesson records, the
// lessons' byte size and the signature adjusted. Empty for a file it cannot walk.
std::vector<std::uint8_t> DowngradeProjectFile(std::span<const std::uint8_t> current, int minorVersion);

}  // namespace lovaris::test
