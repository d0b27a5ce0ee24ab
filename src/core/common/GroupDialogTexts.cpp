#include "GroupDialogTexts.h"

namespace lovaris {
namespace {

using X = GroupDialogText;

// Trailing blanks in the button captions are the program's own.
constexpr TextEntry kTexts[] = {
    {static_cast<int>(X::SelectedGroupLabel), "Выбрана группа:"},
    {static_cast<int>(X::AttachGroupLabel), "Присоединить:"},
    {static_cast<int>(X::PlaceButton), "Расставить"},
    {static_cast<int>(X::PlaceHint), "Расставить уроки группы"},
    {static_cast<int>(X::CloseButton), "Закрыть "},
    {static_cast<int>(X::CloseHint), "Отменить расстановку"},
    {static_cast<int>(X::AddGroupButton), "Добавить  "},
    {static_cast<int>(X::AddGroupHint), "Добавить группу"},
    {static_cast<int>(X::ToDraftButton), "В черновик"},
    {static_cast<int>(X::ToDraftHint), "Перенести уроки группы в черновик"},
    {static_cast<int>(X::RemoveButton), "Снять    "},
    {static_cast<int>(X::RemoveHint), "Снять уроки группы"},
    {static_cast<int>(X::DefaultGroupsButton), "Пересчет"},
    {static_cast<int>(X::DefaultGroupsHint), "Группы по умолчанию"},
    {static_cast<int>(X::HelpButton), "Справка "},
    {static_cast<int>(X::HelpHint), "Справка по диалогу"},
    {static_cast<int>(X::ExtraBox), " Дополнительно "},
    {static_cast<int>(X::AutoSave), "Автосохранение вариантов"},
    {static_cast<int>(X::FindBest), "Искать лучший вариант"},
    {static_cast<int>(X::IgnoreAttachedRooms), "Не учитывать прикрепл. каб."},
    {static_cast<int>(X::IgnoreSeparatedHours), "Не учитывать отделен. часы"},
    {static_cast<int>(X::IgnoreParallels), "Не учитывать \"параллели\""},
    {static_cast<int>(X::OptimizeQueue), "Опт. порядок расстановки"},
    {static_cast<int>(X::PlaceToCleanCopy), "Ставить в чистовик"},
    {static_cast<int>(X::PlaceToDraft), "Ставить в черновик"},

    {static_cast<int>(X::WeekSearchCaption), "Расстановка уроков"},
    {static_cast<int>(X::ColumnTeacher), "Учитель"},
    {static_cast<int>(X::ColumnViewed), "Просмотр. вар."},
    {static_cast<int>(X::ColumnImprovements), "Число улучшений"},
    {static_cast<int>(X::ColumnWeeklyHours), "Всего уроков"},
    {static_cast<int>(X::ColumnPlacedHours), "Распред. уроков"},
    {static_cast<int>(X::SecondPassMark), " (2)"},
    {static_cast<int>(X::DoneButton), "Готово"},
    {static_cast<int>(X::DoneHint), "Закрыть диалог"},
    {static_cast<int>(X::AbortButton), "Прервать"},
    {static_cast<int>(X::AbortHint), "Прервать расстановку"},
    {static_cast<int>(X::NextTeacherButton), "Дальше"},
    {static_cast<int>(X::NextTeacherHint), "Следующий учитель"},
};

}  // namespace

std::span<const TextEntry> GroupDialogTexts() { return kTexts; }

}  // namespace lovaris
