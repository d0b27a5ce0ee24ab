#pragma once
// Texts of the lessons editor and its link, find and separate-hours dialogs.
#include "StringTable.h"

namespace lovaris {

enum class LessonText : int {
    // Lessons editor
    ClassLabel = 32000,
    SubgroupCountLabel,
    SpreadLabel,
    BusyLabel,
    NoAttachedRoomLabel,
    SubjectLabel,
    TeacherLabel,
    PupilsLabel,
    FictiveRoomLabel,
    LinkButton,
    LinkButtonHint,
    ClearButton,
    ClearButtonHint,
    FindButton,
    FindButtonHint,

    // Column titles of the link and find lists
    ColumnClass = 32100,
    ColumnNumber,
    ColumnSubject,
    ColumnTeacher,
    ColumnLink,
    ColumnHours,
    ColumnLinks,

    // Link dialog
    LinkDialogCaption = 32200,
    LinkDialogYes,
    LinkDialogYesHint,
    LinkDialogCancel,
    LinkDialogCancelHint,
    LinkDialogHelp,
    LinkDialogHelpHint,
    LinkRefused,  // followed by one line per link that could not be made

    // Find dialog
    FindDialogCaption = 32300,
    FindDialogShow,
    FindDialogShowHint,
    FindDialogCopy,
    FindDialogCopyHint,
    FindDialogCancel,
    FindDialogHelp,
    FindDialogHelpHint,

    // Separate-hours dialog
    SepDialogCaption = 32400,
    SepDialogYes,
    SepDialogYesHint,
    SepDialogCancel,
    SepDialogCancelHint,
    SepDialogHelp,
    SepDialogHelpHint,
};

}  // namespace lovaris
