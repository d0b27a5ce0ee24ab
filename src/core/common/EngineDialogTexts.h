#pragma once
// Texts of the engine's dialogs: the preparation before an optimisation, the control,
// the statistics, and the two progress windows of an optimisation.
#include "StringTable.h"

namespace lovaris {

enum class EngineDialogText : int {
    // The counters dialogs; a caption with a day goes on with ": " and the weekday
    PrepareCaption = 37000,
    ControlCaption,
    StatisticsCaption,
    KlassesPage,
    TeachersPage,
    LoadPage,

    // Row titles of the counters grids
    RowLessons = 37020,  // "Уроков"
    RowLeft,             // "Осталось"
    RowBlocked,          // "Занято"
    RowPlaced,           // "Выставлено"
    RowWill,             // "Будет"
    RowFreeDays,         // "Своб. дней"
    RowWindows,          // ""Окон""
    RowMinimum,
    RowMaximum,

    // The preparation's two switches, each a pair of choices
    FewestLessons = 37040,
    MostLessons,
    FewestWindows,
    MostWindows,

    // Buttons and their hints
    YesButton = 37060,
    YesHint,
    CancelButton,
    CancelHint,
    RevertButton,
    RevertHint,
    CloseButton,
    CloseHint,
    HelpButton,
    HelpHint,

    // The progress window: "2" + "-й этап из " + "2" + " - " + class name
    ProgressCaption = 37080,
    StageOf,
    StepSeparator,
    ProgressCancelButton,
    ProgressCancelHint,

    // The progress table: "3" + " из " + "12"
    ProgressTableCaption = 37100,
    KlassColumn,
    VariantColumn,
    CandidateOf,

    // The statistics' page of the week's quality: a row title, then its figure
    QualityPage = 37120,
    QualityFigure,           // "Показатель"
    QualityValue,            // "Значение"
    QualityWindows,          // teacher windows in all
    QualityDaysOverWindows,  // teacher days past the windows allowed: "3 (окон сверх нормы: 5)"
    QualityWindowsAllowed,   // the windows allowed per teacher and day
    QualityLopsided,         // classes with uneven days: "2 из 22"
    QualityWidestSpread,     // the widest spread of a class's days
    QualityLoadOff,          // the sanitary load off the week's curve
    QualityOffCurve,         // classes heaviest on the first or the last day
    QualityFreeDaysShort,    // teachers short of free days: "1 (дней: 2)"
    QualityWishes,           // wished-free hours taught: "0 / 1 / 4"
    QualityRoomless,         // subgroups without a room
    QualityOf,               // " из "
    QualityWindowsPast,      // " (окон сверх нормы: "
    QualityDaysShort,        // " (дней: "
};

}  // namespace lovaris
