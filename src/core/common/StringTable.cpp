#include "StringTable.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "Cp1251.h"
#include "PlanTexts.h"

namespace lovaris {
namespace {

struct Entry {
    TextId id;
    std::string_view text;
};

using T = TextId;

constexpr Entry kMessages[] = {
    {T::AppTitle, "АРМ \"Ловарис\""},
    {T::ProjectFolderName, "Project"},
    {T::NewProjectPrefix, "Новый_"},
    {T::ProjectExtension, "tbl"},
    {T::FileFormatUnknown, "Формат файла %hs не известен или не поддерживается."},
    {T::SubgroupWord, "группа"},
    {static_cast<T>(10096), "Общая"},
    {static_cast<T>(10097), "Математика"},
    {static_cast<T>(10098), "Физика"},
    {static_cast<T>(10099), "Химия"},
    {static_cast<T>(10100), "Русский язык/Литература"},
    {static_cast<T>(10101), "История"},
    {static_cast<T>(10102), "Биология"},
    {static_cast<T>(10103), "Иностранный язык"},
    {static_cast<T>(10104), "География"},
    {static_cast<T>(10105), "Информатика"},
    {static_cast<T>(10106), "Физкультура"},
    {static_cast<T>(10107), "Труд (мал.)"},
    {static_cast<T>(10108), "Труд (дев.)"},
    {static_cast<T>(10109), "Рисование"},
    {static_cast<T>(10110), "Музыка"},
    {static_cast<T>(10111), "Экономика"},
    {static_cast<T>(10112), "Черчение"},
    {static_cast<T>(10113), "Валеология"},
    {static_cast<T>(10114), "История города"},
    {static_cast<T>(10115), "Обществознание"},
    {static_cast<T>(10116), "Естествознание"},
    {T::GroupWord, "Группа"},
    {T::SeparatedHoursMissing, "\"отделены\" часы, отсутствующие в раскладке."},
    {T::PlacementImpossible, "Расстановка указанных уроков невозможна."},
    {T::PlacementImpossibleShowBest,
     "Расстановка указанных уроков невозможна. Будет показан лучший промежуточный вариант расстановки."},
    {T::PlacementAbortedShowBest, "Расстановка прервана. Будет показан лучший промежуточный вариант расстановки."},
    {T::NoVariantsForClass, "Нет вариантов расстановки уроков для класса %hs."},
    {T::OptionsMaxVariantsError,
     "Ошибка при вводе максимального числа вариантов на день в режиме \"Автомат\"."},
    {T::OptionsMaxWindowsError, "Ошибка при вводе максимального числа \"окон\" на учителя при оптимизации."},

    {T::RoomsTooFewOpen,
     "На %hs уроке свободно только %hs кабинетов вместо требующихся %hs. Произвести частичную расстановку?"},
    {T::RoomsAttachedRoomTaken, "На %hs уроке занят прикрепленный к учителю %hs кабинет. Продолжить расстановку?"},
    {T::RoomsNoSpecializedRoom,
     "На %hs уроке для учителя %hs не удается подобрать специализированный кабинет. Продолжить расстановку?"},
    {T::RoomsNoRoom, "На %hs уроке для учителя %hs не удается подобрать кабинет. Продолжить расстановку?"},

    {T::FileOpenError, "Ошибка при открытии файла %hs."},
    {T::FileWriteError, "Ошибка при записи файла %hs."},
    {T::ProjectModifiedAskSave,
     "Проект %hs был изменен. Сохранить изменения? После внесения значительных изменений старые варианты "
     "расписаний недоступны."},
    {T::ProjectModifiedAskSaveForPlanning,
     "Проект %hs был изменен. Для перехода в режим планировки проект необходимо сохранить."},
    {T::ProjectAlreadyOpen, "Проект %hs уже открыт."},
    {T::ModifiedMark, " (изменен)"},
    {T::ProjectParamsTitle, "Параметры проекта "},

    {T::ParamsCommentHintLine1, "В данном поле вводится краткое описание "},
    {T::ParamsCommentHintLine2, "проекта, например: гимназия N70"},
    {T::ParamsLessonsPerDayError, "Ошибка при вводе максимального количества уроков для школы."},
    {T::ParamsClassMinError, "Ошибка при вводе минимального количества уроков в день для класса."},
    {T::ParamsTeacherMinError, "Ошибка при вводе минимального количества уроков в день для учителя."},
    {T::ParamsShiftStartsError, "Ошибка при вводе уроков, с которых начинаются смены."},

    {T::RoomPlaceholder, "Неизвестный кабинет"},
    {T::SubjectPlaceholder, "Неизвестный предмет"},
    {T::ClassPlaceholder, "Неизвестный класс"},
    {T::TeacherPlaceholder, "Неизвестный учитель"},
    {T::NoneEntry, "Отсутствует"},
    {T::StageJunior, "Младшая"},
    {T::StageMiddle, "Средняя"},
    {T::StageSenior, "Старшая"},
    {T::RoomsCaption, "Кабинеты"},
    {T::SubjectsCaption, "Предметы"},
    {T::ClassesCaption, "Классы"},
    {T::TeachersCaption, "Учителя"},
    {T::LessonsCaption, "Уроки"},
    {T::Yes, "Да"},
    {T::No, "Нет"},
    {T::Cancel, "Отмена"},
    {T::ConfirmDeleteRecord, "Вы действительно хотите удалить данную запись?"},
    {T::RoomSeatsError, "Ошибка при вводе количества мест в кабинете."},
    {T::RoomGroupsError,
     "Ошибка при вводе максимального количества групп, одновременно обслуживаемых кабинетом."},
    {T::SubjectCoefficientError, "Ошибка при вводе коэффициента СЭС предмета."},
    {T::ClassChildrenError, "Ошибка при вводе числа учеников в классе."},
    {T::ClassStartingLessonsError, "Ошибка при вводе уроков, с которых могут начинаться занятия в классе."},
    {T::TeacherFreeDaysError, "Ошибка при вводе количества методических дней учителя."},
    {T::TeacherPlannedHoursError, "Ошибка при вводе числа часов по учебному плану."},
    {T::SubgroupChildrenError, "Ошибка при вводе числа учеников в подгруппе."},
    {T::SubgroupCountError, "Ошибка при вводе количества подгрупп."},
    {T::SpreadError, "Ошибка при вводе почасовой раскладки."},
    {T::SeparatedHoursOverlapError,
     "Ошибка при вводе почасовой раскладки: раскладка и отделенные часы вместе не могут содержать более 20 "
     "значений."},
    {T::NotSetLong, "------"},
    {T::NotSetShort, "-----"},
    {T::SeparatedHoursMark, " *"},

    {T::CheckNoErrors, "Ошибок не обнаружено."},
    {T::CheckSetName, "задайте имя."},
    {T::CheckRoomGeneralStrict, "при общей специализации кабинет не может быть строго специализирован."},
    {T::CheckRoomSeats, "задайте число мест."},
    {T::CheckSubjectGeneralStrict, "при общей специализации предмет не может быть строго специализирован."},
    {T::CheckSubjectCoefficient, "задайте коэффициент сложности предмета."},
    {T::CheckSubjectWishedRoom, "одна из ссылок на рекомендуемые кабинеты некорректна."},
    {T::CheckClassChildren, "задайте число учеников."},
    {T::CheckClassStartingLessons, "задайте номера уроков, с которых могут начинаться занятия."},
    {T::CheckAttachedRoom, "ссылка на прикрепленный кабинет некорректна."},
    {T::CheckClassParallel, "одна из ссылок на параллельные классы некорректна."},
    {T::CheckTeacherFreeHours,
     "число свободных часов (с учетом свободных дней) меньше, чем требуется по уч. плану."},
    {T::CheckLessonNoClass, "задайте класс, в котором проводится урок."},
    {T::CheckLessonBadClass, "ссылка на класс, в котором проводится урок, некорректна."},
    {T::CheckLessonNoSpread, "задайте почасовую раскладку."},
    {T::CheckLessonClassDays, "для осуществления указанной раскладки числа рабочих дней класса недостаточно."},
    {T::CheckLessonAllEmpty, "все подгруппы пусты."},
    {T::CheckLessonChildren, "общее число учеников в подгруппах не равно числу учеников в классе."},
    {T::CheckSubgroupNoSubject, "укажите предмет."},
    {T::CheckSubgroupBadSubject, "ссылка на предмет некорректна."},
    {T::CheckSubgroupNoTeacher, "укажите учителя."},
    {T::CheckSubgroupBadTeacher, "ссылка на учителя некорректна."},
    {T::CheckSubgroupTeacherDays,
     "для осуществления указанной раскладки числа рабочих дней учителя недостаточно."},
    {T::CheckLinkBad, "одна из связок некорректна."},
    {T::CheckLinkNotMutual, "одна из связок не взаимна."},
    {T::CheckLinkOtherTeacher, "у одной из связанных подгрупп другой учитель."},
    {T::CheckLinkOtherSubject, "у одной из связанных подгрупп другой предмет."},
    {T::CheckLinkOtherSpread, "у одной из связанных подгрупп другая почасовая раскладка."},
    {T::CheckTeacherHoursBegin, "суммарное количество часов ("},
    {T::CheckTeacherHoursMiddle, ") не совпадает с требуемым по уч. плану ("},
    {T::CheckTeacherHoursEnd, ")."},

    {T::TeacherGroupsCaption, "Группы учителей"},
    {T::WholeWeek, "вся неделя"},
    {T::AttachGroupWord, "Группу"},
    {T::TeacherDraftNoSpaceBegin, "В черновике учителя "},
    {T::ClassDraftNoSpaceBegin, "В черновике класса "},
    {T::DraftNoSpaceEnd, " недостаточно места."},
    {T::WeekdayMonday, "понедельник"},
    {static_cast<T>(20721), "вторник"},
    {static_cast<T>(20722), "среда"},
    {static_cast<T>(20723), "четверг"},
    {static_cast<T>(20724), "пятница"},
    {T::WeekdaySaturday, "суббота"},
};

}  // namespace

std::span<const TextEntry> MessageTexts() {
    static constexpr auto table = [] {
        std::array<TextEntry, std::size(kMessages)> out{};
        for (std::size_t i = 0; i < out.size(); ++i) out[i] = {static_cast<int>(kMessages[i].id), kMessages[i].text};
        return out;
    }();
    return table;
}

std::string WeekdayLongName(int day) {
    if (day < 1 || day > 6) return {};
    return LoadResText(static_cast<int>(TextId::WeekdayMonday) + day - 1);
}

std::string LoadResText(int id) {
    for (auto part : {MessageTexts(), ShellTexts(), EditorTexts(), LessonTexts(), CheckTexts(), RunTexts(),
                      WorkspaceTexts(), ViewTexts(), EngineDialogTexts(), GroupDialogTexts(), JournalTexts(),
                      ManualTexts(), InterchangeTexts(),
                      ReportTexts(), PlanTexts()}) {
        const auto it = std::find_if(part.begin(), part.end(), [id](const TextEntry& e) { return e.id == id; });
        if (it != part.end()) return utf8Left(it->text, 255);
    }
    return {};
}

}  // namespace lovaris
