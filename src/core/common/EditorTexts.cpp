#include "EditorTexts.h"

namespace lovaris {
namespace {

using X = EditorText;

constexpr TextEntry kTexts[] = {
    {static_cast<int>(X::AddCaption), "Добавить"},
    {static_cast<int>(X::AddHint), "Создать новую запись"},
    {static_cast<int>(X::MoveCaption), "Перенос"},
    {static_cast<int>(X::MoveHint), "Переместить текущую запись"},
    {static_cast<int>(X::RemoveCaption), "Удалить "},
    {static_cast<int>(X::RemoveHint), "Удалить текущую запись"},
    {static_cast<int>(X::PreviousCaption), "Наверх  "},
    {static_cast<int>(X::PreviousHint), "Показать предыдущую запись"},
    {static_cast<int>(X::NextCaption), "Вниз    "},
    {static_cast<int>(X::NextHint), "Показать следующую запись"},
    {static_cast<int>(X::HelpCaption), "Справка"},
    {static_cast<int>(X::HelpHint), "Справка по диалогу"},
    {static_cast<int>(X::BusyHint), "Занят"},
    {static_cast<int>(X::FreeHint), "Свободен"},
    {static_cast<int>(X::WishHighHint), "Высокий приоритет"},
    {static_cast<int>(X::WishMediumHint), "Средний приоритет"},
    {static_cast<int>(X::WishLowHint), "Низкий приоритет"},

    {static_cast<int>(X::MoveDialogCaption), "Переместить запись"},
    {static_cast<int>(X::MoveDialogLabel), "Разместить после записи:"},
    {static_cast<int>(X::MoveDialogYes), "Да    "},
    {static_cast<int>(X::MoveDialogYesHint), "Осуществить перенос"},
    {static_cast<int>(X::MoveDialogCancel), "Отмена "},
    {static_cast<int>(X::MoveDialogCancelHint), "Отменить перенос"},

    {static_cast<int>(X::SelectDialogCaption), "Класс"},
    {static_cast<int>(X::SelectDialogYesHint), "Осуществить выбор"},
    {static_cast<int>(X::SelectDialogCancelHint), "Отменить выбор"},
    {static_cast<int>(X::SelectDialogShortForm), "Краткая форма"},

    {static_cast<int>(X::NameLabel), "Название:"},
    {static_cast<int>(X::SpecializationLabel), "Специализация:"},
    {static_cast<int>(X::StrictLabel), "Строго специализирован:"},
    {static_cast<int>(X::BusyLabel), "Занятость:"},
    {static_cast<int>(X::AttachedRoomLabel), "Прикрепленный кабинет:"},

    {static_cast<int>(X::SeatsLabel), "Мест:"},
    {static_cast<int>(X::GroupsLabel), "Групп:"},

    {static_cast<int>(X::CoefficientLabel), "Коэффициент сложности:"},
    {static_cast<int>(X::WishedRoomsLabel), "Рекомендуемые кабинеты:"},
    {static_cast<int>(X::AllRoomsLabel), "Кабинеты (общий список):"},
    {static_cast<int>(X::WishedRoomAddHint), "Добавить"},
    {static_cast<int>(X::WishedRoomRemoveHint), "Удалить"},
    {static_cast<int>(X::WishedRoomRaiseHint), "Поднять"},
    {static_cast<int>(X::WishedRoomLowerHint), "Опустить"},

    {static_cast<int>(X::ChildrenLabel), "Учеников:"},
    {static_cast<int>(X::StartingLessonsLabel), "Начинать с уроков:"},
    {static_cast<int>(X::StageLabel), "Ступень:"},
    {static_cast<int>(X::SpecializationPage), "Специализация"},
    {static_cast<int>(X::BusyPage), "Занятость"},
    {static_cast<int>(X::ParallelsPage), "Параллели"},

    {static_cast<int>(X::TeacherNameLabel), "Имя:"},
    {static_cast<int>(X::FreeDaysLabel), "Свободных дней:"},
    {static_cast<int>(X::PlannedHoursLabel), "Часов по уч. плану: "},
};

}  // namespace

std::span<const TextEntry> EditorTexts() { return kTexts; }

}  // namespace lovaris
