#include "LessonTexts.h"

namespace lovaris {
namespace {

using X = LessonText;

constexpr TextEntry kTexts[] = {
    {static_cast<int>(X::ClassLabel), "Класс, в котором проводится урок:"},
    {static_cast<int>(X::SubgroupCountLabel), "Групп:"},
    {static_cast<int>(X::SpreadLabel), "Раскладка:"},
    {static_cast<int>(X::BusyLabel), "Занятость:"},
    {static_cast<int>(X::NoAttachedRoomLabel), "Открепить кабинеты:"},
    {static_cast<int>(X::SubjectLabel), "Предмет:"},
    {static_cast<int>(X::TeacherLabel), "Учитель:"},
    {static_cast<int>(X::PupilsLabel), "Учеников:"},
    {static_cast<int>(X::FictiveRoomLabel), "Фикт. каб:"},
    {static_cast<int>(X::LinkButton), "Связка"},
    {static_cast<int>(X::LinkButtonHint), "Связать подгруппы"},
    {static_cast<int>(X::ClearButton), "Очистка"},
    {static_cast<int>(X::ClearButtonHint), "Очистка данных группы"},
    {static_cast<int>(X::FindButton), "Найти   "},
    {static_cast<int>(X::FindButtonHint), "Найти запись"},

    {static_cast<int>(X::ColumnClass), "Класс"},
    {static_cast<int>(X::ColumnNumber), "№ записи"},
    {static_cast<int>(X::ColumnSubject), "Предмет"},
    {static_cast<int>(X::ColumnTeacher), "Учитель"},
    {static_cast<int>(X::ColumnLink), "Связать"},
    {static_cast<int>(X::ColumnHours), "Часы"},
    {static_cast<int>(X::ColumnLinks), "Связки"},

    {static_cast<int>(X::LinkDialogCaption), "Связать с подгруппой"},
    {static_cast<int>(X::LinkDialogYes), "Да   "},
    {static_cast<int>(X::LinkDialogYesHint), "Подтвердить"},
    {static_cast<int>(X::LinkDialogCancel), "Отмена"},
    {static_cast<int>(X::LinkDialogCancelHint), "Отменить"},
    {static_cast<int>(X::LinkDialogHelp), "Справка"},
    {static_cast<int>(X::LinkDialogHelpHint), "Справка по диалогу"},
    {static_cast<int>(X::LinkRefused),
     "Связки со следующими записями не установлены, так как у одной из подгрупп уже пять связок:"},

    {static_cast<int>(X::FindDialogCaption), "Найти запись"},
    {static_cast<int>(X::FindDialogShow), "Показать"},
    {static_cast<int>(X::FindDialogShowHint), "Показать запись"},
    {static_cast<int>(X::FindDialogCopy), "Копировать"},
    {static_cast<int>(X::FindDialogCopyHint), "Копировать запись"},
    {static_cast<int>(X::FindDialogCancel), "Отмена"},
    {static_cast<int>(X::FindDialogHelp), "Справка "},
    {static_cast<int>(X::FindDialogHelpHint), "Справка по диалогу"},

    {static_cast<int>(X::SepDialogCaption), "Отделить часы"},
    {static_cast<int>(X::SepDialogYes), "Да    "},
    {static_cast<int>(X::SepDialogYesHint), "Запомнить"},
    {static_cast<int>(X::SepDialogCancel), "Отмена "},
    {static_cast<int>(X::SepDialogCancelHint), "Отменить изменения"},
    {static_cast<int>(X::SepDialogHelp), "Справка"},
    {static_cast<int>(X::SepDialogHelpHint), "Справка по диалогу"},
};

}  // namespace

std::span<const TextEntry> LessonTexts() { return kTexts; }

}  // namespace lovaris
