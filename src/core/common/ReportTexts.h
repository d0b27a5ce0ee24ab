#pragma once
// Texts of the printed reports and of the print and preview dialogs. The report
// list and the school levels keep their historical numbers.
#include "StringTable.h"

namespace lovaris {

enum class ReportText : int {
    // The print dialog's report list, in its order.
    ListLoadTable = 10288,
    ListLoadCharts,
    ListSubstDay,
    ListSubstPeriod,
    ListAllClasses,
    ListAllTeachers,
    ListClass,
    ListTeacher,
    // School levels as the data reports print them: 10340 + stage.
    LevelJunior = 10340,
    LevelMiddle,
    LevelSenior,

    PageNumber = 41000,  // "Стр. "
    LessonNumber,        // "№"
    TeacherName,         // "Ф.И.О."
    ShortDashes,         // "---"
    // Data reports
    TeacherLoadTitle,
    Subject,
    HoursCount,
    PhysicalCulture,
    Load,
    Total,
    ChargingTitle,
    Klass,
    PlanHours,
    ExtraHours,
    Electives,
    SectionTotal,
    // Load reports
    LoadTableTitle,
    LoadChartTitle,
    Notes,
    // Substitution reports
    SubstDayTitle,
    SubstLesson,
    SubstAbsentShort,
    SubstRoom,
    SubstSubstituteShort,
    SubstNote,
    SubstPeriodTitle,
    SubstPeriodDash,
    SubstDate,
    SubstAbsent,
    SubstReason,
    SubstSubstitute,
    SubstSignature,
    // The locale's short weekday names, Monday..Saturday, under a chart's points.
    ShortMonday,
    ShortSaturday = ShortMonday + 5,
    // Print and preview dialogs
    DialogCaption = 41100,
    ChoiceGroup,
    DataTeachers,
    DataClasses,
    Preview,
    PreviewHint,
    Print,
    PrintHint,
    Close,
    CloseHint,
    Help,
    HelpHint,
    FitHeight,
    FitWidth,
    Zoom100,
    PrintReport,
    CallHelp,
    PreviousPage,
    NextPage,
    Done,
    DoneHint,
    SavePdf,
    SavePdfHint,
    PdfFilter,
    Teacher,
    PageOfPages,  // "%hs" the page shown, then the count follows
    NoPrinter = 41150,
    GenerationRunning,
    CannotCloseWhileRunning,
};

}  // namespace lovaris
