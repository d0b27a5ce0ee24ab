#pragma once
// Texts of the planning window: the five views' tabs, the day list's label, the
// orientation switch and the run buttons' hints.
#include "StringTable.h"

namespace lovaris {

enum class ViewText : int {
    TabKlasses = 35000,
    TabTeachers,
    TabKlassesDraft,
    TabTeachersDraft,
    TabRooms,
    DayLabel,
    Vertical,
    Horizontal,
    HintContinue,
    HintAbort,
};

}  // namespace lovaris
