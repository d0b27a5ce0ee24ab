#pragma once
// Texts of the lessons editor and its link, find and separate-hours dialogs.
#include "StringTable.h"

namespace lovaris {

enum class LessonText : int {
    First = 32000,
};

}  // namespace lovaris
