#pragma once
// Texts of the teacher group dialogs and of the week variant search window.
#include "StringTable.h"

namespace lovaris {

enum class GroupDialogText : int {
    // The group dialogs; their caption, "Группа" and "Группу" are message texts
    SelectedGroupLabel = 38000,
    AttachGroupLabel,
    PlaceButton,
    PlaceHint,
    CloseButton,
    CloseHint,
    AddGroupButton,
    AddGroupHint,
    ToDraftButton,
    ToDraftHint,
    RemoveButton,
    RemoveHint,
    DefaultGroupsButton,
    DefaultGroupsHint,
    HelpButton,
    HelpHint,
    ExtraBox,
    AutoSave,
    FindBest,
    IgnoreAttachedRooms,  // the box shows the inverse of its setting
    IgnoreSeparatedHours,
    IgnoreParallels,
    OptimizeQueue,
    PlaceToCleanCopy,
    PlaceToDraft,

    // The week variant search window
    WeekSearchCaption = 38100,
    ColumnTeacher,
    ColumnViewed,
    ColumnImprovements,
    ColumnWeeklyHours,
    ColumnPlacedHours,
    SecondPassMark,  // after the teacher's name during the pass without attached rooms
    DoneButton,
    DoneHint,
    AbortButton,
    AbortHint,
    NextTeacherButton,
    NextTeacherHint,
};

}  // namespace lovaris
