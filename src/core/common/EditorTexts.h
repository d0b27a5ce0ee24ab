#pragma once
// Texts of the data editors, their common controls and the move and selection dialogs.
#include "StringTable.h"

namespace lovaris {

enum class EditorText : int {
    First = 31000,
};

}  // namespace lovaris
