#include "ManualTexts.h"

namespace lovaris {
namespace {

using X = ManualText;

constexpr TextEntry kTexts[] = {
    {static_cast<int>(X::MenuSetLesson), "Поставить урок"},
    {static_cast<int>(X::MenuToDraft), "Перенести в черновик"},
    {static_cast<int>(X::MenuTakeOff), "Снять урок"},
    {static_cast<int>(X::MenuSetRoom), "Назначить кабинет"},

    {static_cast<int>(X::TabDraft), "Черновик"},
    {static_cast<int>(X::TabCommon), "Общие"},
    {static_cast<int>(X::ColumnSubject), "Предмет"},
    {static_cast<int>(X::ColumnHours), "Часы"},
    {static_cast<int>(X::StateInClean), "Такой урок уже есть в расписании."},
    {static_cast<int>(X::StateInDraft), "Такой урок уже есть в черновике."},
    {static_cast<int>(X::StateKlassBusy), "Класс занят."},
    {static_cast<int>(X::StateTeacherBusy), "Учитель занят."},
    {static_cast<int>(X::StateForbidden), "Проведение урока в эти часы запрещено."},
    {static_cast<int>(X::StateLinkBusyKlass), "Один из учителей или классов связки занят."},
    {static_cast<int>(X::StateLinkBusyTeacher), "Один из классов или учителей связки занят."},

    {static_cast<int>(X::WeekdayTabMonday), "Понедельник"},
    {40031, "Вторник"},
    {40032, "Среда"},
    {40033, "Четверг"},
    {40034, "Пятница"},
    {static_cast<int>(X::WeekdayTabSaturday), "Суббота"},
    {static_cast<int>(X::WeekdayShortMonday), "Пн"},
    {40041, "Вт"},
    {40042, "Ср"},
    {40043, "Чт"},
    {40044, "Пт"},
    {static_cast<int>(X::WeekdayShortSaturday), "Сб"},

    {static_cast<int>(X::RoomColumnHours), "Часы"},
    {static_cast<int>(X::RoomColumnTeacher), "Учитель"},
    {static_cast<int>(X::RoomColumnRoom), "Кабинет"},
    {static_cast<int>(X::RoomNoTeacher), "-----"},

    {static_cast<int>(X::DetailsCaption), "Ручной режим"},
    {static_cast<int>(X::PageClean), "Чистовик"},
    {static_cast<int>(X::PageDraft), "Черновик"},
    {static_cast<int>(X::PageUnplaced), "Нерасставленные уроки"},
    {static_cast<int>(X::SwitchVertical), "Верт."},
    {static_cast<int>(X::SwitchHorizontal), "Горз."},
    {static_cast<int>(X::NoSubjectShort), "---"},

    {static_cast<int>(X::UndoCommand), "Отменить"},
    {static_cast<int>(X::RedoCommand), "Повторить"},
    {static_cast<int>(X::EditMove), "перенос урока"},
    {static_cast<int>(X::EditPlace), "постановку урока"},
    {static_cast<int>(X::EditToDraft), "перенос урока в черновик"},
    {static_cast<int>(X::EditTakeOff), "снятие урока"},
    {static_cast<int>(X::EditRoom), "назначение кабинета"},
    {static_cast<int>(X::EditAssignRooms), "расстановку кабинетов"},

    {static_cast<int>(X::RefusedRunInProgress), "Идет расстановка: дождитесь ее окончания."},
    {static_cast<int>(X::RefusedNoCell), "Здесь нельзя выполнить это действие."},
    {static_cast<int>(X::RefusedSameCell), "Урок уже стоит на этом месте."},
    {static_cast<int>(X::RefusedNoLesson), "Здесь нет урока."},
    {static_cast<int>(X::RefusedNotFirstHour), "Урок переносится только за первый час."},
    {static_cast<int>(X::RefusedTargetTaken), "Это место занято другим уроком."},
    {static_cast<int>(X::RefusedPastDayEnd), "Урок не помещается до конца дня."},
    {static_cast<int>(X::RefusedKlassClosed), "Проведение урока в классе %hs в эти часы запрещено."},
    {static_cast<int>(X::RefusedKlassTaken), "Класс %hs занят."},
    {static_cast<int>(X::RefusedTeacherTeaching), "Учитель %hs занят."},
    {static_cast<int>(X::RefusedTeacherClosed), "Учитель %hs в эти часы не работает."},
    {static_cast<int>(X::RefusedAlreadyOnDay), "Такой урок в этот день уже есть."},
    {static_cast<int>(X::RefusedNoMenu), "Здесь меню не открывается."},
    {static_cast<int>(X::RefusedItemDisabled), "Эта команда здесь недоступна."},
    {static_cast<int>(X::RefusedRowState), "Этот урок сюда поставить нельзя."},
    {static_cast<int>(X::RefusedNoRoomOffered), "Этот кабинет на этот час не предлагается."},
    {static_cast<int>(X::HourSuffix), " (урок %hs)"},
    {static_cast<int>(X::DaySuffix), ", %hs"},
};

}  // namespace

std::span<const TextEntry> ManualTexts() { return kTexts; }

std::string WeekdayTabName(int day) {
    if (day < 1 || day > 6) return {};
    return LoadResText(static_cast<int>(X::WeekdayTabMonday) + day - 1);
}

std::string WeekdayShortName(int day) {
    if (day < 1 || day > 6) return {};
    return LoadResText(static_cast<int>(X::WeekdayShortMonday) + day - 1);
}

}  // namespace lovaris
