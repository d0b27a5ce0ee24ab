#include "ShellTexts.h"

namespace lovaris {
namespace {

using X = ShellText;

constexpr TextEntry kTexts[] = {
    {static_cast<int>(X::ProgramName), "Ловарис"},

    {static_cast<int>(X::MenuNew), "&Новый"},
    {static_cast<int>(X::MenuOpen), "&Открыть"},
    {static_cast<int>(X::MenuSave), "&Сохранить"},
    {static_cast<int>(X::MenuSaveAs), "Сохранить как"},
    {static_cast<int>(X::MenuClose), "Закрыть"},
    {static_cast<int>(X::MenuPrint), "&Печать"},
    {static_cast<int>(X::MenuExit), "&Выход"},
    {static_cast<int>(X::MenuWork), "&Работа"},
    {static_cast<int>(X::MenuHelp), "&Справка"},
    {static_cast<int>(X::MenuHelpContents), "&Содержание"},
    {static_cast<int>(X::MenuHelpQuickStart), "&Быстрый старт"},
    {static_cast<int>(X::MenuHelpInterface), "&Интерфейс пользователя"},
    {static_cast<int>(X::MenuHelpKinds), "&Виды справки"},
    {static_cast<int>(X::MenuHelpSupport), "&Техническая поддержка"},
    {static_cast<int>(X::MenuAbout), "&О программе"},

    {static_cast<int>(X::MenuProject), "&Проект"},
    {static_cast<int>(X::MenuParams), "Параметры"},
    {static_cast<int>(X::MenuTestData), "&Проверка данных"},
    {static_cast<int>(X::MenuRun), "&Планировка"},
    {static_cast<int>(X::MenuWindows), "&Окна"},
    {static_cast<int>(X::MenuRooms), "&Кабинеты"},
    {static_cast<int>(X::MenuSubjects), "&Предметы"},
    {static_cast<int>(X::MenuClasses), "К&лассы"},
    {static_cast<int>(X::MenuTeachers), "&Учителя"},
    {static_cast<int>(X::MenuLessons), "Ур&оки"},
    {static_cast<int>(X::MenuTile), "&Рядом"},
    {static_cast<int>(X::MenuCascade), "&Друг за другом"},

    {static_cast<int>(X::HintOpenProject), "Открыть проект"},
    {static_cast<int>(X::HintNewProject), "Создать проект"},
    {static_cast<int>(X::HintSaveProject), "Сохранить проект"},
    {static_cast<int>(X::HintPrintData), "Просмотр и печать данных"},
    {static_cast<int>(X::HintTestData), "Проверка данных"},
    {static_cast<int>(X::HintRun), "Планировка"},
    {static_cast<int>(X::HintProjectParams), "Параметры проекта"},
    {static_cast<int>(X::HintDataHelp), "Справка по вводу данных"},

    {static_cast<int>(X::MenuVariant), "&Вариант"},
    {static_cast<int>(X::MenuOptions), "Опции"},
    {static_cast<int>(X::MenuRegime), "&Режим работы"},
    {static_cast<int>(X::MenuRegimeAutomatic), "Автоматический"},
    {static_cast<int>(X::MenuRegimeManual), "Ручной"},
    {static_cast<int>(X::MenuWeekVariants), "&Подбор вариантов"},
    {static_cast<int>(X::MenuOptimize), "&Оптимизация"},
    {static_cast<int>(X::MenuSetRooms), "Расстановка кабинетов"},
    {static_cast<int>(X::MenuControl), "Общий контроль"},
    {static_cast<int>(X::MenuStatistics), "Статистика"},
    {static_cast<int>(X::MenuSubstitutions), "&Журнал замещений"},
    {static_cast<int>(X::MenuAbort), "Прервать"},
    {static_cast<int>(X::MenuContinue), "Продолжить"},

    {static_cast<int>(X::HintOpenVariant), "Открыть вариант"},
    {static_cast<int>(X::HintNewVariant), "Новый вариант"},
    {static_cast<int>(X::HintSaveVariant), "Сохранить вариант"},
    {static_cast<int>(X::HintPrintVariant), "Просмотр и печать"},
    {static_cast<int>(X::HintAutomatic), "Автомат. режим"},
    {static_cast<int>(X::HintEndPlanning), "Завершить планировку"},
    {static_cast<int>(X::HintOptions), "Опции"},
    {static_cast<int>(X::HintPlanningHelp), "Справка по планировке"},
    {static_cast<int>(X::HintManual), "Ручной режим"},
    {static_cast<int>(X::HintControl), "Контроль данных"},
    {static_cast<int>(X::HintWeekVariants), "Подбор вариантов"},
    {static_cast<int>(X::HintOptimize), "Оптимизация"},
    {static_cast<int>(X::HintSetRooms), "Расстановка кабинетов"},
    {static_cast<int>(X::HintStatistics), "Статистика"},
    {static_cast<int>(X::HintSubstitutions), "Журнал замещений"},

    {static_cast<int>(X::SaveProjectAsTitle), "Сохранить проект как"},
    {static_cast<int>(X::OpenProjectTitle), "Открыть проект"},
    {static_cast<int>(X::ProjectFileFilter), "Данные для расписаний (*.tbl)"},

    {static_cast<int>(X::AboutCaption), "О программе"},
    {static_cast<int>(X::AboutProgram), "\"Ловарис\""},
    {static_cast<int>(X::AboutVersion), " Версия: 2.86"},
    {static_cast<int>(X::AboutDate), " От: 23.01.2001"},
    {static_cast<int>(X::AboutClose), "Закрыть"},
    {static_cast<int>(X::AboutCloseHint), "Закрыть диалог"},

    {static_cast<int>(X::ParamsCommentLabel), "Комментарии (не более 80 символов):"},
    {static_cast<int>(X::ParamsLessonsPerDayLabel), "Количество уроков, проводимых в школе за день (1-24):"},
    {static_cast<int>(X::ParamsShiftStartsLabel), "Уроки, с которых начинаются смены (1 или 1,9 и т.п.):"},
    {static_cast<int>(X::ParamsClassMinLabel), "Минимальное количество уроков в день для класса:"},
    {static_cast<int>(X::ParamsTeacherMinLabel), "Рекомендуемое минимальное количество уроков в день для учителя:"},
    {static_cast<int>(X::ParamsConfirmHint), "Подтвердить"},
    {static_cast<int>(X::DialogHelpCaption), "Справка"},
    {static_cast<int>(X::DialogHelpHint), "Справка по диалогу"},

    {static_cast<int>(X::MessageBoxCaption), "Предупреждение"},
    {static_cast<int>(X::YesHint), "Согласиться"},
    {static_cast<int>(X::NoHint), "Отказаться"},
    {static_cast<int>(X::CancelHint), "Отменить"},
};

}  // namespace

std::span<const TextEntry> ShellTexts() { return kTexts; }

}  // namespace lovaris
