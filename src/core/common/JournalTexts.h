#pragma once
// Texts of the substitution journal: its window, the absent-teacher, substitute and
// period dialogs, the period summary and the journal's messages.
#include "StringTable.h"

namespace lovaris {

enum class JournalText : int {
    // Messages
    ArchiveOpenError = 39000,  // "Не удается открыть журнал замещений."
    DirectoryFull,
    LessonNotFound,
    DayRowsFull,
    ArchiveWriteError,
    DateError,
    WeekdaySunday,  // the long name, not capitalised, as the other weekdays
    TextUnkept,  // "%hs": the characters the archive cannot keep

    // The journal window
    JournalCaption = 39100,
    DateLabel,
    WeekdayLabel,
    AddRecordHint,
    DeleteRecordHint,
    ReportButton,
    ReportHint,
    HelpButton,
    HelpHint,
    CloseButton,
    CloseHint,
    ColumnLesson,  // the nine column headers in order
    ColumnAbsent,
    ColumnSubject,
    ColumnClass,
    ColumnRoom,
    ColumnReason,
    ColumnSubstitute,
    ColumnSubstituteSubject,
    ColumnNote,
    ReasonSickLeave,  // the four reasons offered, the first the default
    ReasonUnpaid,
    ReasonHoliday,
    ReasonStudyLeave,

    // Absent teacher and substitute dialogs
    AbsentCaption = 39200,
    AbsentTeacherLabel,
    AbsentLessonsLabel,
    SubstituteCaption,
    SubstitutedLessonLabel,  // "Замещаемый урок", then " (", n and "):"
    CandidatesLabel,
    CandidateLessonsLabel,
    YesButton,
    YesHint,
    CancelButton,
    CancelHint,
    NoLesson,        // "Нет" on a lesson line without a lesson
    NoName,          // "---"
    MarkSameLesson,  // the four candidate marks, four characters each
    MarkGap,
    MarkFreeDay,
    MarkBusy,

    // Period dialog and the period summary
    PeriodCaption = 39300,
    DayCaption,
    FromLabel,
    ToLabel,
    SummaryCaption,  // "Пропуски и замещения: ", then the two dates
    AbsencesPage,
    SubstitutionsPage,
    ColumnTeacher,
    ColumnJunior,
    ColumnSenior,
    GroupMark,  // " (гр.)" after a column of group substitutions
    NoneCell,   // "Нет" in the first cell of an empty page
};

}  // namespace lovaris
