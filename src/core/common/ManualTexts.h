#pragma once
// Texts of manual planning: the popup menus, the lesson choice and room choice
// popups, the details window, the undo commands and the reasons a manual action is
// refused.
#include "StringTable.h"

namespace lovaris {

enum class ManualText : int {
    // Popup menus of the lesson views and the details window
    MenuSetLesson = 40000,  // "Поставить урок"
    MenuToDraft,            // "Перенести в черновик"
    MenuTakeOff,            // "Снять урок"
    MenuSetRoom,            // "Назначить кабинет"

    // Lesson choice popups: tabs, columns and the rows' states
    TabDraft = 40010,  // "Черновик"
    TabCommon,         // "Общие"
    ColumnSubject,     // "Предмет"
    ColumnHours,       // "Часы"
    StateInClean,      // state 1
    StateInDraft,      // state 2
    StateKlassBusy,    // state 3, class popup
    StateTeacherBusy,  // state 3, teacher popup
    StateForbidden,    // state 5
    StateLinkBusyKlass,    // state 4, class popup
    StateLinkBusyTeacher,  // state 4, teacher popup

    // Weekdays as tabs and day headers name them
    WeekdayTabMonday = 40030,  // "Понедельник" .. "Суббота"
    WeekdayTabSaturday = 40035,
    WeekdayShortMonday = 40040,  // "Пн" .. "Сб"
    WeekdayShortSaturday = 40045,

    // Room choice popup
    RoomColumnHours = 40050,  // "Часы"
    RoomColumnTeacher,        // "Учитель"
    RoomColumnRoom,           // "Кабинет"
    RoomNoTeacher,            // "-----"

    // Details window
    DetailsCaption = 40060,  // "Ручной режим"
    PageClean,               // "Чистовик"
    PageDraft,               // "Черновик"
    PageUnplaced,            // "Нерасставленные уроки"
    SwitchVertical,          // "Верт."
    SwitchHorizontal,        // "Горз."
    NoSubjectShort,          // "---"

    // Undo and redo of variant edits
    UndoCommand = 40080,  // "Отменить"
    RedoCommand,          // "Повторить"
    EditMove,             // what each edit is called in the undo commands
    EditPlace,
    EditToDraft,
    EditTakeOff,
    EditRoom,
    EditAssignRooms,

    // Why a manual action is refused; "%hs" is a class or teacher name where named
    RefusedRunInProgress = 40100,
    RefusedNoCell,
    RefusedSameCell,
    RefusedNoLesson,
    RefusedNotFirstHour,
    RefusedTargetTaken,
    RefusedPastDayEnd,
    RefusedKlassClosed,      // %hs: class
    RefusedKlassTaken,       // %hs: class
    RefusedTeacherTeaching,  // %hs: teacher
    RefusedTeacherClosed,    // %hs: teacher
    RefusedAlreadyOnDay,
    RefusedNoMenu,
    RefusedItemDisabled,
    RefusedRowState,
    RefusedNoRoomOffered,
    HourSuffix,  // " (урок %hs)" after a reason that names an hour
    DaySuffix,   // ", день %hs"
};

// The weekday's name as a tab shows it ("Понедельник"), its short name ("Пн");
// empty for any day but 1..6.
std::string WeekdayTabName(int day);
std::string WeekdayShortName(int day);

}  // namespace lovaris
