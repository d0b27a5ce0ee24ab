#pragma once
// Texts of the exchange with other programs: the import from FET and the exports
// of a timetable variant (its files and the export dialog).
#include "StringTable.h"

namespace lovaris {

enum class InterchangeText : int {
    // The program's menus and dialogs
    ImportFetMenu = 42000,
    ImportFetFilter,
    ImportFetRefused,  // followed by the reason
    ImportFetReportCaption,
    ExportMenu = 42010,
    ExportCaption,
    ExportFormatBox,
    ExportHtml,
    ExportCsv,
    ExportICal,
    ExportTargetLabel,
    ExportBrowse,
    ExportForLabel,
    ExportForClass,
    ExportForTeacher,
    ExportFromLabel,
    ExportToLabel,
    ExportBellsLabel,
    ExportButton,
    ExportCancel,
    ExportHelp,
    ExportDone,  // followed by where
    ExportFailed,  // followed by the reason
    BellsFilter,
    CsvFilter,
    ICalFilter,
    ExportNoBells,  // the calendar without a bells file
    ExportBellsUnreadable,  // followed by the file

    // A bells file refused: the line, then what is wrong with it
    BellsLine = 42040,
    BellsExpected,
    BellsLessonRange,
    BellsEndsBeforeStart,
    BellsGivenTwice,  // the lesson's number follows
    BellsOverlap,  // "%hs" the later lesson, then the earlier one follows
    BellsEmpty,
    BellsNoTime,  // the lesson's number follows
    TermReversed,

    // The exported files
    CsvDay = 42100,
    CsvLesson,
    CsvClass,
    CsvSubgroup,
    CsvSubject,
    CsvTeacher,
    CsvRoom,
    CsvLinkGroup,
    HtmlTitle = 42120,  // the index page
    HtmlClasses,
    HtmlTeachers,
    HtmlRooms,
    HtmlLessonNumber,
    HtmlBackToIndex,
};

}  // namespace lovaris
