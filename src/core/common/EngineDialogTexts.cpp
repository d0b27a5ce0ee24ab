#include "EngineDialogTexts.h"

namespace lovaris {
namespace {

using X = EngineDialogText;

constexpr TextEntry kTexts[] = {
    {static_cast<int>(X::PrepareCaption), "Подготовка данных"},
    {static_cast<int>(X::ControlCaption), "Общий контроль"},
    {static_cast<int>(X::StatisticsCaption), "Статистика"},
    {static_cast<int>(X::KlassesPage), "Классы"},
    {static_cast<int>(X::TeachersPage), "Учителя"},
    {static_cast<int>(X::LoadPage), "Распределение нагрузки"},
    {static_cast<int>(X::QualityPage), "Качество недели"},
    {static_cast<int>(X::QualityFigure), "Показатель"},
    {static_cast<int>(X::QualityValue), "Значение"},
    {static_cast<int>(X::QualityWindows), "\"Окна\" учителей"},
    {static_cast<int>(X::QualityDaysOverWindows), "Дни учителей с \"окнами\" сверх нормы"},
    {static_cast<int>(X::QualityWindowsAllowed), "Норма \"окон\" на учителя в день"},
    {static_cast<int>(X::QualityLopsided), "Классы с неровными днями"},
    {static_cast<int>(X::QualityWidestSpread), "Наибольшая разница уроков по дням"},
    {static_cast<int>(X::QualityLoadOff), "Отклонение нагрузки СЭС от кривой недели"},
    {static_cast<int>(X::QualityOffCurve), "Классы с пиком нагрузки в начале или конце недели"},
    {static_cast<int>(X::QualityFreeDaysShort), "Учителя без положенных свободных дней"},
    {static_cast<int>(X::QualityWishes), "Уроки в часы пожеланий (высокий / средний / низкий)"},
    {static_cast<int>(X::QualityRoomless), "Подгруппы без кабинета"},
    {static_cast<int>(X::QualityOf), " из "},
    {static_cast<int>(X::QualityWindowsPast), " (\"окон\" сверх нормы: "},
    {static_cast<int>(X::QualityDaysShort), " (дней: "},

    {static_cast<int>(X::RowLessons), "Уроков"},
    {static_cast<int>(X::RowLeft), "Осталось"},
    {static_cast<int>(X::RowBlocked), "Занято"},
    {static_cast<int>(X::RowPlaced), "Выставлено"},
    {static_cast<int>(X::RowWill), "Будет"},
    {static_cast<int>(X::RowFreeDays), "Своб. дней"},
    {static_cast<int>(X::RowWindows), "\"Окон\""},
    {static_cast<int>(X::RowMinimum), "Минимум"},
    {static_cast<int>(X::RowMaximum), "Максимум"},

    {static_cast<int>(X::FewestLessons), "Минимум уроков"},
    {static_cast<int>(X::MostLessons), "Максимум уроков"},
    {static_cast<int>(X::FewestWindows), "Минимум \"окон\""},
    {static_cast<int>(X::MostWindows), "Максимум \"окон\""},

    {static_cast<int>(X::YesButton), "Да"},
    {static_cast<int>(X::YesHint), "Данные верны"},
    {static_cast<int>(X::CancelButton), "Отмена"},
    {static_cast<int>(X::CancelHint), "Отменить расстановку уроков"},
    {static_cast<int>(X::RevertButton), "Вернуть"},
    {static_cast<int>(X::RevertHint), "Вернуться к исходным данным"},
    {static_cast<int>(X::CloseButton), "Закрыть"},
    {static_cast<int>(X::CloseHint), "Закрыть диалог"},
    {static_cast<int>(X::HelpButton), "Справка"},
    {static_cast<int>(X::HelpHint), "Справка по диалогу"},

    {static_cast<int>(X::ProgressCaption), "Пожалуйста, подождите..."},
    {static_cast<int>(X::StageOf), "-й этап из "},
    {static_cast<int>(X::StepSeparator), " - "},
    {static_cast<int>(X::ProgressCancelButton), "Отмена"},
    {static_cast<int>(X::ProgressCancelHint), "Прервать расстановку уроков"},

    {static_cast<int>(X::ProgressTableCaption), "Ход оптимизации"},
    {static_cast<int>(X::KlassColumn), "Класс"},
    {static_cast<int>(X::VariantColumn), "Вариант"},
    {static_cast<int>(X::CandidateOf), " из "},
};

}  // namespace

std::span<const TextEntry> EngineDialogTexts() { return kTexts; }

}  // namespace lovaris
