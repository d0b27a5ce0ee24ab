#pragma once
// The numbered table of every user-visible text. Numbers below 20000 are the
// program's historical message numbers; the rest are grouped by subsystem.
#include <span>
#include <string>
#include <string_view>
#include <type_traits>

namespace lovaris {

// One entry of the string table.
struct TextEntry {
    int id;
    std::string_view text;
};

enum class TextId : int {
    // Application and project
    AppTitle = 10000,  // АРМ "Ловарис"
    ProjectFolderName = 10002,
    NewProjectPrefix = 10005,
    ProjectExtension = 10006,
    FileFormatUnknown = 10049,
    SubgroupWord = 10070,  // "группа", as in the tab "1 группа"
    Specialization0 = 10096,  // ... Specialization20 = 10116
    Specialization20 = 10116,
    GroupWord = 10138,  // "Группа", as in data check findings
    SeparatedHoursMissing = 10255,

    // Optimisation outcomes
    PlacementImpossible = 10061,
    PlacementImpossibleShowBest = 10075,
    PlacementAbortedShowBest = 10076,
    NoVariantsForClass = 10147,  // %hs: the class name

    // Variant options dialog
    OptionsMaxVariantsError = 10144,
    OptionsMaxWindowsError = 10145,

    // Room assignment questions; "%hs" values in order
    RoomsTooFewOpen = 20400,  // lesson number, rooms open then, rooms needed
    RoomsAttachedRoomTaken,   // lesson number, teacher
    RoomsNoSpecializedRoom,   // lesson number, teacher
    RoomsNoRoom,              // lesson number, teacher

    FileOpenError = 20001,
    FileWriteError,
    ProjectModifiedAskSave,
    ProjectModifiedAskSaveForPlanning,
    ProjectAlreadyOpen,
    ModifiedMark,
    ProjectParamsTitle,

    // Parameters dialog
    ParamsCommentHintLine1 = 20100,
    ParamsCommentHintLine2,
    ParamsLessonsPerDayError,
    ParamsClassMinError,
    ParamsTeacherMinError,
    ParamsShiftStartsError,

    // Record names, list entries and editor messages
    RoomPlaceholder = 20200,
    SubjectPlaceholder,
    ClassPlaceholder,
    TeacherPlaceholder,
    NoneEntry,  // "Отсутствует"
    StageJunior,
    StageMiddle,
    StageSenior,
    RoomsCaption,
    SubjectsCaption,
    ClassesCaption,
    TeachersCaption,
    LessonsCaption,
    Yes,
    No,
    Cancel,
    ConfirmDeleteRecord,
    RoomSeatsError,
    RoomGroupsError,
    SubjectCoefficientError,
    ClassChildrenError,
    ClassStartingLessonsError,
    TeacherFreeDaysError,
    TeacherPlannedHoursError,
    SubgroupChildrenError,
    SubgroupCountError,
    SpreadError,
    SeparatedHoursOverlapError,
    NotSetLong,   // "------" in the lesson dialogs' lists
    NotSetShort,  // "-----" in a lesson's title in the data check
    SeparatedHoursMark,  // " *" after a lesson's hours

    // Data check
    CheckNoErrors = 20300,
    CheckSetName,
    CheckRoomGeneralStrict,
    CheckRoomSeats,
    CheckSubjectGeneralStrict,
    CheckSubjectCoefficient,
    CheckSubjectWishedRoom,
    CheckClassChildren,
    CheckClassStartingLessons,
    CheckAttachedRoom,
    CheckClassParallel,
    CheckTeacherFreeHours,
    CheckLessonNoClass,
    CheckLessonBadClass,
    CheckLessonNoSpread,
    CheckLessonClassDays,
    CheckLessonAllEmpty,
    CheckLessonChildren,
    CheckSubgroupNoSubject,
    CheckSubgroupBadSubject,
    CheckSubgroupNoTeacher,
    CheckSubgroupBadTeacher,
    CheckSubgroupTeacherDays,
    CheckLinkBad,
    CheckLinkNotMutual,
    CheckLinkOtherTeacher,
    CheckLinkOtherSubject,
    CheckLinkOtherSpread,
    CheckTeacherHoursBegin,
    CheckTeacherHoursMiddle,
    CheckTeacherHoursEnd,

    // Teacher group dialogs and their commands
    TeacherGroupsCaption = 20700,  // "Группы учителей", then ": " and the day or the week
    WholeWeek,                     // "вся неделя"
    AttachGroupWord,               // "Группу", as in "Присоединить: Группу 2"
    // "В черновике учителя " + name + " (" + weekday + ")" + " недостаточно места."
    TeacherDraftNoSpaceBegin,
    ClassDraftNoSpaceBegin,
    DraftNoSpaceEnd,
    // Long weekday names as the system gives them, not capitalised
    WeekdayMonday = 20720,  // ... WeekdaySaturday = 20725
    WeekdaySaturday = 20725,
};

// The long name of day 1..6, not capitalised; empty for any other day.
std::string WeekdayLongName(int day);

inline TextId specializationTextId(int number) { return static_cast<TextId>(static_cast<int>(TextId::Specialization0) + number); }

// The text with the given number, UTF-8, at most 255 characters; empty when there is none.
std::string LoadResText(int id);
// Any of the table's numbering enums (TextId and the window text enums).
template <typename Enum>
    requires std::is_enum_v<Enum>
std::string LoadResText(Enum id) {
    return LoadResText(static_cast<int>(id));
}

// The table is kept in parts by subsystem, each a sorted-free list of entries.
std::span<const TextEntry> MessageTexts();
std::span<const TextEntry> ShellTexts();    // main window, parameters, message box, help
std::span<const TextEntry> EditorTexts();   // data editors and their common dialogs
std::span<const TextEntry> LessonTexts();   // lessons editor and its dialogs
std::span<const TextEntry> CheckTexts();    // data check window
std::span<const TextEntry> RunTexts();      // planning runs
std::span<const TextEntry> WorkspaceTexts();  // the planning window: variant files, options
std::span<const TextEntry> ViewTexts();     // the planning window's views
std::span<const TextEntry> EngineDialogTexts();  // preparation, control, statistics, progress
std::span<const TextEntry> GroupDialogTexts();  // teacher group dialogs, week search window
std::span<const TextEntry> JournalTexts();  // substitution journal, its dialogs and summary
std::span<const TextEntry> ManualTexts();  // manual planning: menus, choice popups, details window, undo
std::span<const TextEntry> InterchangeTexts();  // import from FET, exports of a variant
std::span<const TextEntry> ReportTexts();   // printed reports, print and preview dialogs

}  // namespace lovaris
