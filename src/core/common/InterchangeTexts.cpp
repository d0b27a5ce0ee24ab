#include "InterchangeTexts.h"

namespace lovaris {
namespace {

using X = InterchangeText;

constexpr TextEntry kTexts[] = {
    {static_cast<int>(X::ImportFetMenu), "Импорт из FET…"},
    {static_cast<int>(X::ImportFetFilter), "Школы FET (*.fet)"},
    {static_cast<int>(X::ImportFetRefused), "Файл не принят: "},
    {static_cast<int>(X::ImportFetReportCaption), "Импорт из FET"},
    {static_cast<int>(X::ExportMenu), "Экспорт…"},
    {static_cast<int>(X::ExportCaption), "Экспорт расписания"},
    {static_cast<int>(X::ExportFormatBox), " Формат "},
    {static_cast<int>(X::ExportHtml), "Страницы HTML: классы, учителя, кабинеты"},
    {static_cast<int>(X::ExportCsv), "Таблица CSV: по строке на урок"},
    {static_cast<int>(X::ExportICal), "Календарь iCalendar на четверть"},
    {static_cast<int>(X::ExportTargetLabel), "Куда:"},
    {static_cast<int>(X::ExportBrowse), "Обзор…"},
    {static_cast<int>(X::ExportForLabel), "Для:"},
    {static_cast<int>(X::ExportForClass), "класса"},
    {static_cast<int>(X::ExportForTeacher), "учителя"},
    {static_cast<int>(X::ExportFromLabel), "С:"},
    {static_cast<int>(X::ExportToLabel), "По:"},
    {static_cast<int>(X::ExportBellsLabel), "Звонки:"},
    {static_cast<int>(X::ExportButton), "Экспорт"},
    {static_cast<int>(X::ExportCancel), "Отмена"},
    {static_cast<int>(X::ExportHelp), "Справка"},
    {static_cast<int>(X::ExportDone), "Расписание выгружено: "},
    {static_cast<int>(X::ExportFailed), "Выгрузить расписание не удалось: "},
    {static_cast<int>(X::BellsFilter), "Звонки (*.txt)"},
    {static_cast<int>(X::CsvFilter), "Таблицы CSV (*.csv)"},
    {static_cast<int>(X::ICalFilter), "Календари (*.ics)"},
    {static_cast<int>(X::ExportNoBells), "не выбран файл звонков"},
    {static_cast<int>(X::ExportBellsUnreadable), "не удается прочитать файл звонков "},
    {static_cast<int>(X::BellsLine), "строка %hs: "},
    {static_cast<int>(X::BellsExpected), "нужны номер урока, его начало и конец, например «1 08:30 09:15»"},
    {static_cast<int>(X::BellsLessonRange), "номер урока должен быть от 1 до 24"},
    {static_cast<int>(X::BellsEndsBeforeStart), "урок кончается раньше, чем начинается"},
    {static_cast<int>(X::BellsGivenTwice), "время урока указано дважды: урок "},
    {static_cast<int>(X::BellsOverlap), "урок %hs начинается раньше, чем кончается урок "},
    {static_cast<int>(X::BellsEmpty), "в файле нет времени ни одного урока"},
    {static_cast<int>(X::BellsNoTime), "в звонках нет времени урока "},
    {static_cast<int>(X::TermReversed), "четверть кончается раньше, чем начинается"},

    {static_cast<int>(X::CsvDay), "День"},
    {static_cast<int>(X::CsvLesson), "Урок"},
    {static_cast<int>(X::CsvClass), "Класс"},
    {static_cast<int>(X::CsvSubgroup), "Подгруппа"},
    {static_cast<int>(X::CsvSubject), "Предмет"},
    {static_cast<int>(X::CsvTeacher), "Учитель"},
    {static_cast<int>(X::CsvRoom), "Кабинет"},
    {static_cast<int>(X::CsvLinkGroup), "Связка"},
    {static_cast<int>(X::HtmlTitle), "Расписание"},
    {static_cast<int>(X::HtmlClasses), "Классы"},
    {static_cast<int>(X::HtmlTeachers), "Учителя"},
    {static_cast<int>(X::HtmlRooms), "Кабинеты"},
    {static_cast<int>(X::HtmlLessonNumber), "№"},
    {static_cast<int>(X::HtmlBackToIndex), "Все расписания"},
};

}  // namespace

std::span<const TextEntry> InterchangeTexts() { return kTexts; }

}  // namespace lovaris
