#pragma once
// Texts of the data editors, their common controls and the move and selection dialogs.
#include "StringTable.h"

namespace lovaris {

enum class EditorText : int {
    // Common controls of every editor
    AddCaption = 31000,
    AddHint,
    MoveCaption,
    MoveHint,
    RemoveCaption,
    RemoveHint,
    PreviousCaption,
    PreviousHint,
    NextCaption,
    NextHint,
    HelpCaption,
    HelpHint,
    BusyHint,
    FreeHint,
    WishHighHint,
    WishMediumHint,
    WishLowHint,

    // Record move dialog
    MoveDialogCaption = 31100,
    MoveDialogLabel,
    MoveDialogYes,
    MoveDialogYesHint,
    MoveDialogCancel,
    MoveDialogCancelHint,
};

}  // namespace lovaris
