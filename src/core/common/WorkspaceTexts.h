#pragma once
// Texts of the planning window: its variant files and their dialogs, the save
// question, and the variant options dialog.
#include "StringTable.h"

namespace lovaris {

enum class WorkspaceText : int {
    VariantFolderName = 36000,  // the folder beside the program where new variants go
    NewVariantName,             // the name a new variant is proposed under
    VariantExtension,
    VariantFileFilter,
    SaveVariantAsTitle,
    OpenVariantTitle,
    VariantAlreadyOpen,      // %hs: the open variant's name
    VariantModifiedAskSave,  // %hs: the variant's name
    NoLessonInVariant,       // the statistics of a variant without a lesson

    // The options dialog
    OptionsCaption = 36100,  // then ": " and the variant's name
    OptionsCommentLabel,
    OptionsCommentPresetLine1,  // a new variant's comment until the user writes one
    OptionsCommentPresetLine2,
    OptionsMaxVariantsLabel,
    OptionsMaxWindowsLabel,
    OptionsWishesLabel,
    OptionsWishesAll,  // the list's entries, wishes modes 1..4
    OptionsWishesMediumAndHigh,
    OptionsWishesHighOnly,
    OptionsWishesNone,
    OptionsWeightsGroup,
    OptionsParallelWeightLabel,
    OptionsSanitaryWeightLabel,
    OptionsTeacherBusyWeightLabel,
};

}  // namespace lovaris
