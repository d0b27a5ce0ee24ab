#pragma once
// Texts of the data check window and of the help viewer.
#include "StringTable.h"

namespace lovaris {

enum class CheckText : int {
    // Data check window
    WindowCaption = 33000,
    CloseCaption,
    CloseHint,

    // Help viewer
    HelpViewerCaption = 33100,
    HelpContentsCaption,
    HelpContentsHint,
    HelpBackCaption,
    HelpBackHint,
    HelpForwardCaption,
    HelpForwardHint,
    HelpTopicMissing,  // %1: the topic number
};

}  // namespace lovaris
