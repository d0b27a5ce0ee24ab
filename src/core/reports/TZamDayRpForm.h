#pragma once
// The substitutions on paper, from the journal's archive: one day's rows, and the
// journal of a period with a space for each substitute's signature.
#include <functional>
#include <string>

#include "../journal/JournalDate.h"
#include "../journal/TZamDataStrings.h"
#include "Report.h"

namespace lovaris {

// The two descriptions every substitution report prints under its title.
struct SubstitutionTitles {
    std::string project;
    std::string variant;
};

// A day of the archive; an empty day when it has no record.
using JournalDayReader = std::function<TZamDataStrings(SerialDate)>;

struct TZamDayRpForm {
    static Report Build(const SubstitutionTitles& titles, SerialDate date, const TZamDataStrings& day);
};

struct TZamArcRpForm {
    // An end before the start is taken as the start.
    static Report Build(const SubstitutionTitles& titles, SerialDate start, SerialDate end,
                        const JournalDayReader& readDay);
};

}  // namespace lovaris
