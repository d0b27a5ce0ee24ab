#pragma once
// Absences and substitutions per teacher over a period, from the saved day records:
// each row counts one absence for its absent teacher and one substitution for its
// substitute (a row without one counts under the empty name), split into the junior
// classes (stage 0, "1 - 3 кл.") and the rest ("5 - 11 кл."), substitutions of
// another subgroup of the same lesson apart ("(гр.)"). Names are compared case
// aside and listed in the order they first occur.
#include <string>
#include <vector>

#include "JournalDate.h"
#include "SubstitutionArchive.h"

namespace lovaris {

struct AbsenceCount {
    std::string name;
    int junior = 0;
    int senior = 0;
};

struct SubstitutionCount {
    std::string name;
    int junior = 0;
    int juniorGroup = 0;
    int senior = 0;
    int seniorGroup = 0;
};

struct PeriodSummary {
    SerialDate from = 0;
    SerialDate to = 0;
    std::vector<AbsenceCount> absences;
    std::vector<SubstitutionCount> substitutions;
};

// An end before the start is taken as the start.
PeriodSummary SummarisePeriod(const SubstitutionArchive& archive, SerialDate from, SerialDate to);
// "Пропуски и замещения: 01.09.2026 - 30.09.2026"
std::string SummaryCaption(const PeriodSummary& summary);

}  // namespace lovaris
