#include "JournalTexts.h"

namespace lovaris {
namespace {

using X = JournalText;

constexpr TextEntry kTexts[] = {
    {static_cast<int>(X::ArchiveOpenError), "Не удается открыть журнал замещений."},
    {static_cast<int>(X::DirectoryFull),
     "Журнал замещений не может содержать более 2000 записей. Удалите ненужные записи или заведите новый журнал "
     "замещений."},
    {static_cast<int>(X::LessonNotFound),
     "Замещаемый урок не обнаружен в открытом варианте расписания. Откройте нужный вариант расписания."},
    {static_cast<int>(X::DayRowsFull), "Журнал замещений не может содержать более 100 записей за один день."},
    {static_cast<int>(X::ArchiveWriteError), "Ошибка при записи журнала замещений. Изменения дня не сохранены."},
    {static_cast<int>(X::DateError), "Ошибка при вводе даты. Допустимы даты с 01.01.1900 по 31.12.9999."},
    {static_cast<int>(X::WeekdaySunday), "воскресенье"},
    {static_cast<int>(X::TextUnkept),
     "Журнал замещений хранит тексты в кодировке Windows-1251 и не может сохранить эти символы: %hs. Замените или "
     "удалите их."},

    {static_cast<int>(X::JournalCaption), "Просмотр журнала замещений"},
    {static_cast<int>(X::DateLabel), "Дата:"},
    {static_cast<int>(X::WeekdayLabel), "День недели:"},
    {static_cast<int>(X::AddRecordHint), "Добавить запись"},
    {static_cast<int>(X::DeleteRecordHint), "Удалить запись"},
    {static_cast<int>(X::ReportButton), "Отчет"},
    {static_cast<int>(X::ReportHint), "Отчет за период"},
    {static_cast<int>(X::HelpButton), "Справка"},
    {static_cast<int>(X::HelpHint), "Справка по диалогу"},
    {static_cast<int>(X::CloseButton), "Закрыть"},
    {static_cast<int>(X::CloseHint), "Закрыть диалог"},
    {static_cast<int>(X::ColumnLesson), "Урок"},
    {static_cast<int>(X::ColumnAbsent), "ФИО отсутств."},
    {static_cast<int>(X::ColumnSubject), "Предмет"},
    {static_cast<int>(X::ColumnClass), "Класс"},
    {static_cast<int>(X::ColumnRoom), "Каб."},
    {static_cast<int>(X::ColumnReason), "Причина"},
    {static_cast<int>(X::ColumnSubstitute), "ФИО замещ."},
    {static_cast<int>(X::ColumnSubstituteSubject), "Предмет"},
    {static_cast<int>(X::ColumnNote), "Примечание"},
    {static_cast<int>(X::ReasonSickLeave), "Больничный"},
    {static_cast<int>(X::ReasonUnpaid), "За свой счет"},
    {static_cast<int>(X::ReasonHoliday), "В счет отпуска"},
    {static_cast<int>(X::ReasonStudyLeave), "Учебный отпуск"},

    {static_cast<int>(X::AbsentCaption), "Замещаются уроки"},
    {static_cast<int>(X::AbsentTeacherLabel), "Отсутствующий учитель:"},
    {static_cast<int>(X::AbsentLessonsLabel), "Замещаемые уроки:"},
    {static_cast<int>(X::SubstituteCaption), "Замещающий учитель"},
    {static_cast<int>(X::SubstitutedLessonLabel), "Замещаемый урок"},
    {static_cast<int>(X::CandidatesLabel), "Возможные заместители:"},
    {static_cast<int>(X::CandidateLessonsLabel), "Расписание заместителя:"},
    {static_cast<int>(X::YesButton), "Да"},
    {static_cast<int>(X::YesHint), "Подтвердить"},
    {static_cast<int>(X::CancelButton), "Отмена"},
    {static_cast<int>(X::CancelHint), "Отменить"},
    {static_cast<int>(X::NoLesson), "Нет"},
    {static_cast<int>(X::NoName), "---"},
    {static_cast<int>(X::MarkSameLesson), "гр. "},
    {static_cast<int>(X::MarkGap), "ок. "},
    {static_cast<int>(X::MarkFreeDay), "св. "},
    {static_cast<int>(X::MarkBusy), "зн. "},

    {static_cast<int>(X::PeriodCaption), "Отчетный период"},
    {static_cast<int>(X::DayCaption), "Отчетный день"},
    {static_cast<int>(X::FromLabel), "С:"},
    {static_cast<int>(X::ToLabel), "По:"},
    {static_cast<int>(X::SummaryCaption), "Пропуски и замещения: "},
    {static_cast<int>(X::AbsencesPage), "Пропуски"},
    {static_cast<int>(X::SubstitutionsPage), "Замещения"},
    {static_cast<int>(X::ColumnTeacher), "Учитель"},
    {static_cast<int>(X::ColumnJunior), "1 - 3 кл."},
    {static_cast<int>(X::ColumnSenior), "5 - 11 кл."},
    {static_cast<int>(X::GroupMark), " (гр.)"},
    {static_cast<int>(X::NoneCell), "Нет"},
};

}  // namespace

std::span<const TextEntry> JournalTexts() { return kTexts; }

}  // namespace lovaris
