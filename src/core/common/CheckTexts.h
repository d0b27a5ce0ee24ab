#pragma once
// Texts of the data check window.
#include "StringTable.h"

namespace lovaris {

enum class CheckText : int {
    First = 33000,
};

}  // namespace lovaris
