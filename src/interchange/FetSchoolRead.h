#pragma once
// Reads a FET file (.fet, XML) into a FetSchool. A file that is no FET file, is not
// complete, names what it does not define or holds numbers out of range is refused.
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "FetSchool.h"

namespace lovaris::interchange {

struct FetSchoolResult {
    std::optional<FetSchool> school;
    std::string error;  // set when refused: what is wrong and where
};

FetSchoolResult ReadFetSchool(std::span<const std::uint8_t> bytes);

}  // namespace lovaris::interchange
