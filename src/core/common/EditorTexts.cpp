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
};

}  // namespace

std::span<const TextEntry> EditorTexts() { return kTexts; }

}  // namespace lovaris
