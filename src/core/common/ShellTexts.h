#pragma once
// Texts of the main window, parameters dialog, message box, about box, help viewer.
#include "StringTable.h"

namespace lovaris {

enum class ShellText : int {
    ProgramName = 30000,  // Ловарис

    // Menus shared by both menu bars
    MenuNew = 30010,
    MenuOpen,
    MenuSave,
    MenuSaveAs,
    MenuClose,
    MenuPrint,
    MenuExit,
    MenuWork,
    MenuHelp,
    MenuHelpContents,
    MenuHelpQuickStart,
    MenuHelpInterface,
    MenuHelpKinds,
    MenuHelpSupport,
    MenuAbout,

    // Project menu bar
    MenuProject = 30040,
    MenuParams,
    MenuTestData,
    MenuRun,
    MenuWindows,
    MenuRooms,
    MenuSubjects,
    MenuClasses,
    MenuTeachers,
    MenuLessons,
    MenuTile,
    MenuCascade,

    // Project toolbar
    HintOpenProject = 30070,
    HintNewProject,
    HintSaveProject,
    HintPrintData,
    HintTestData,
    HintRun,
    HintProjectParams,
    HintDataHelp,

    // Planning menu bar
    MenuVariant = 30100,
    MenuOptions,
    MenuRegime,
    MenuRegimeAutomatic,
    MenuRegimeManual,
    MenuWeekVariants,
    MenuOptimize,
    MenuSetRooms,
    MenuControl,
    MenuStatistics,
    MenuSubstitutions,
    MenuAbort,
    MenuContinue,

    // Planning toolbar
    HintOpenVariant = 30130,
    HintNewVariant,
    HintSaveVariant,
    HintPrintVariant,
    HintAutomatic,
    HintEndPlanning,
    HintOptions,
    HintPlanningHelp,
    HintManual,
    HintControl,
    HintWeekVariants,
    HintOptimize,
    HintSetRooms,
    HintStatistics,
    HintSubstitutions,

    // Project file dialogs
    SaveProjectAsTitle = 30160,
    OpenProjectTitle,
    ProjectFileFilter,

    // About box
    AboutCaption = 30170,
    AboutProgram,
    AboutVersion,
    AboutDate,
    AboutClose,
    AboutCloseHint,

    // Parameters dialog
    ParamsCommentLabel = 30180,
    ParamsLessonsPerDayLabel,
    ParamsShiftStartsLabel,
    ParamsClassMinLabel,
    ParamsTeacherMinLabel,
    ParamsConfirmHint,
    DialogHelpCaption,
    DialogHelpHint,

    // Message box
    MessageBoxCaption = 30190,
    YesHint,
    NoHint,
    CancelHint,  // also the parameters dialog's "Отмена"
};

}  // namespace lovaris
