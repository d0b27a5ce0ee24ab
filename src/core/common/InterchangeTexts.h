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

    // The import from FET: its report, what the project could not hold kind by kind,
    // and "%hs" values in order
    FetReportCounts = 42200,  // days, hours, rooms, subjects, classes, teachers, lessons, activities
    FetReportClassLevel,
    FetReportLevelYears,  // "%hs": how many years
    FetReportLevelGroups,
    FetReportLevelSubgroups,
    FetReportLevelCrossing,
    FetReportNoYears,
    FetReportNotHeld,  // the total
    FetNamesCp1251 = 42220,
    FetNamesCut,  // the length kept
    FetRoomCapacity,
    FetVirtualRooms,
    FetClassesWithoutStudents,
    FetInactiveActivities,
    FetSplitMorePartsThanDays,
    FetSplitClassDays,
    FetSplitTeacherDays,
    FetPartsTooFull,
    FetPartsApart,
    FetPartsSameTime,
    FetPartTaughtToClass,
    FetActivitiesWithoutStudents,
    FetActivitiesManyParts,
    FetActivitiesManyClasses,
    FetActivitiesManyTeachers,
    FetActivitiesWithoutTeacher,
    FetTeacherTimesBelow100,
    FetPartTimes,
    FetConstraintsBelow100,  // the constraint's kind
    FetConstraintsNotHeld,  // the constraint's kind
    FetConstraintsOfNoActivity,  // the constraint's kind
    FetConstraintsOfSharedLesson,  // the constraint's kind
    FetMinDaysOfOne,
    FetMinDaysOfOneBelow100,
    FetSubjectRoomsPastTenth,
    FetSubjectRoomsSeveral,
    FetSubjectRoomsOverlap,
    FetInactiveConstraints,
    FetRepeatedNames,
    FetTimesBelow100,
    FetHomeRoomsPastFirst,
    FetPartHomeRooms,
    FetDutiesAsBusyHours,
    FetActivityRoomsOfSharedLesson,  // the constraint's kind
    FetHomeRoomsAsWishes,  // the constraint's kind

    // A FET file refused: "строка N: " (BellsLine), then what is wrong
    FetTooManyDays = 42300,  // the school's days, the most a project holds
    FetTooManyHours,  // the school's hours, the most a project holds
    FetNotMapped,  // followed by the reason
    FetNotWholeNumber,  // the element, its text, the least, the most
    FetWithoutName,  // the element
    FetListedTwice,  // the name
    FetCountDiffers,  // the element, its number, how many the list holds
    FetNotFet,  // the root element
    FetNoDays,
    FetNoHours,
    FetTeacherUndefined,
    FetSubjectUndefined,
    FetRoomUndefined,
    FetStudentsUndefined,
    FetDayUndefined,
    FetHourUndefined,
    FetTimeUndefined,
    FetActivityWithoutSubject,
    FetActivityWithoutId,
    FetActivityIdTwice,
    FetSlotWithoutDayHour,  // the element
    FetWeightNotNumber,  // its text
    FetWithoutField,  // the constraint, the field
    XmlEmpty = 42340,
    XmlTooLarge,  // MiB
    XmlDoctype,
    XmlEntity,  // the entity's name
    XmlTooDeep,
    XmlTooManyElements,
    XmlIncomplete,
    XmlMalformed,  // followed by the reader's reason
    XmlNoElement,

    // A project as a FET school, and the week FET wrote for it read back
    ExportFetMenu = 42400,
    ImportFetWeekMenu,
    ExportFetDone,  // followed by where
    ImportFetWeekDone,  // "%hs" hours placed, hours required, then where
    FetWeekNotThisProject,  // the reason follows
    FetWeekDaysDiffer,
    FetWeekActivitiesDiffer,  // the first activity that differs
    FetWeekNoActivities,

    // A week written back into its FET file: why nothing was written, and what was locked
    FetWriteBackChanged = 42380,
    FetWriteBackNoLists,
    FetWriteBackUsage,
    FetWriteBackLocked,  // activities locked at their times, in their rooms
    FetWriteBackUnplaced,  // how many, their IDs
    FetWriteBackLeftOut,  // how many, their IDs
    FetWriteBackDuties,  // how many, their IDs
};

}  // namespace lovaris
