#pragma once
// Texts of the planning runs: the checks of a day before its optimisation, their
// questions, and the name of a variant saved during a run.
#include "StringTable.h"

namespace lovaris {

enum class RunText : int {
    DayEmpty = 34000,  // the selected day holds no lesson
    GroupEmpty,
    // "В чистовике учителя " + name + " недостаточно места для всех уроков чистовика и черновика."
    TeacherNoSpaceBegin,
    ClassNoSpaceBegin,
    NoSpaceEnd,
    // "Урок №" + number + " в чистовике учителя " + teacher + " конкурирует с уроком "напарника" "
    // + partner + ". Прервать оптимизацию?"
    LessonNumber,
    InTeacherClean,
    PartnerConflict,
    AskAbortOptimisation,
    // "Урок №" + number + " в чистовике класса " + class + " является ..." / " содержит ..."
    InClassClean,
    SeparatedNextToParent,
    FictiveMisplaced,
    OptimisedVariantMark,  // "_Опт", in the names of variants saved during a run
};

}  // namespace lovaris
