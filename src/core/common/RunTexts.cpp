#include "RunTexts.h"

namespace lovaris {
namespace {

using X = RunText;

constexpr TextEntry kTexts[] = {
    {static_cast<int>(X::DayEmpty), "На текущий день не выставлено ни одного урока."},
    {static_cast<int>(X::GroupEmpty), "Выбранная группа пуста."},
    {static_cast<int>(X::TeacherNoSpaceBegin), "В чистовике учителя "},
    {static_cast<int>(X::ClassNoSpaceBegin), "В чистовике класса "},
    {static_cast<int>(X::NoSpaceEnd), " недостаточно места для всех уроков чистовика и черновика."},
    {static_cast<int>(X::LessonNumber), "Урок №"},
    {static_cast<int>(X::InTeacherClean), " в чистовике учителя "},
    {static_cast<int>(X::PartnerConflict), " конкурирует с уроком \"напарника\" "},
    {static_cast<int>(X::AskAbortOptimisation), ". Прервать оптимизацию?"},
    {static_cast<int>(X::InClassClean), " в чистовике класса "},
    {static_cast<int>(X::SeparatedNextToParent),
     " является \"отделенным\" и не должен располагаться рядом с \"родительским\" уроком"},
    {static_cast<int>(X::FictiveMisplaced), " содержит фиктивную группу и не должен располагаться на указанном месте"},
    {static_cast<int>(X::OptimisedVariantMark), "_Опт"},
};

}  // namespace

std::span<const TextEntry> RunTexts() { return kTexts; }

}  // namespace lovaris
