#include "PeriodSummary.h"

#include <algorithm>

#include "../common/JournalTexts.h"
#include "../common/TextCompare.h"

namespace lovaris {
namespace {

struct Tally {
    std::string name;
    AbsenceCount absences;
    SubstitutionCount substitutions;
    bool absent = false;
    bool substituting = false;
};

Tally& tallyOf(std::vector<Tally>& tallies, const std::string& name) {
    const auto it = std::find_if(tallies.begin(), tallies.end(), [&](const Tally& t) { return ListTextEqual(t.name, name); });
    if (it != tallies.end()) return *it;
    tallies.push_back({name, {name}, {name}});
    return tallies.back();
}

}  // namespace

PeriodSummary SummarisePeriod(const SubstitutionArchive& archive, SerialDate from, SerialDate to) {
    PeriodSummary summary{from, std::max(from, to), {}, {}};
    std::vector<Tally> tallies;
    // The recorded days of the period in date order: the same as walking every day.
    for (const SerialDate date : archive.RecordedDates()) {
        if (date < summary.from || date > summary.to) continue;
        for (const auto& row : archive.ReadDay(date).rows) {
            const bool junior = row.tags[kColClass] == 0;
            auto& absent = tallyOf(tallies, row.texts[kColAbsent]);
            absent.absent = true;
            ++(junior ? absent.absences.junior : absent.absences.senior);
            auto& substitute = tallyOf(tallies, row.texts[kColSubstitute]);
            substitute.substituting = true;
            auto& s = substitute.substitutions;
            const bool group = row.tags[kColSubstitute] == 1;
            ++(junior ? (group ? s.juniorGroup : s.junior) : (group ? s.seniorGroup : s.senior));
        }
    }
    for (const auto& t : tallies) {
        if (t.absent) summary.absences.push_back(t.absences);
        if (t.substituting) summary.substitutions.push_back(t.substitutions);
    }
    return summary;
}

std::string SummaryCaption(const PeriodSummary& summary) {
    return LoadResText(JournalText::SummaryCaption) + DateText(summary.from) + " - " + DateText(summary.to);
}

}  // namespace lovaris
