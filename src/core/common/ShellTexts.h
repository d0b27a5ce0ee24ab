#pragma once
// Texts of the main window, parameters dialog, message box, about box, help viewer.
#include "StringTable.h"

namespace lovaris {

enum class ShellText : int {
    First = 30000,
};

}  // namespace lovaris
