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

    // Item selection dialog
    SelectDialogCaption = 31150,
    SelectDialogYesHint,
    SelectDialogCancelHint,
    SelectDialogShortForm,

    // Labels shared by several editors
    NameLabel = 31200,
    SpecializationLabel,
    StrictLabel,
    BusyLabel,
    AttachedRoomLabel,

    // Rooms
    SeatsLabel = 31300,
    GroupsLabel,

    // Subjects
    CoefficientLabel = 31400,
    WishedRoomsLabel,
    AllRoomsLabel,
    WishedRoomAddHint,
    WishedRoomRemoveHint,
    WishedRoomRaiseHint,
    WishedRoomLowerHint,

    // Classes
    ChildrenLabel = 31500,
    StartingLessonsLabel,
    StageLabel,
    SpecializationPage,
    BusyPage,
    ParallelsPage,

    // Teachers
    TeacherNameLabel = 31600,
    FreeDaysLabel,
    PlannedHoursLabel,
};

}  // namespace lovaris
