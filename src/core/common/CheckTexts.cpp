#include "CheckTexts.h"

namespace lovaris {
namespace {

using X = CheckText;

constexpr TextEntry kTexts[] = {
    {static_cast<int>(X::WindowCaption), "Проверка данных"},
    {static_cast<int>(X::CloseCaption), "Закрыть"},
    {static_cast<int>(X::CloseHint), "Закрыть диалог"},

    {static_cast<int>(X::HelpViewerCaption), "Справка"},
    {static_cast<int>(X::HelpContentsCaption), "Содержание"},
    {static_cast<int>(X::HelpContentsHint), "Перейти к содержанию справки"},
    {static_cast<int>(X::HelpBackCaption), "Назад"},
    {static_cast<int>(X::HelpBackHint), "Вернуться к предыдущему разделу"},
    {static_cast<int>(X::HelpForwardCaption), "Вперед"},
    {static_cast<int>(X::HelpForwardHint), "Перейти к следующему разделу"},
    {static_cast<int>(X::HelpTopicMissing), "Для раздела справки %1 текст пока не написан."},
};

}  // namespace

std::span<const TextEntry> CheckTexts() { return kTexts; }

}  // namespace lovaris
