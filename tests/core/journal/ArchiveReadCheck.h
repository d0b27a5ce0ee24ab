#pragma once
// What any bytes taken for an archive must come to: refused, or an archive whose
// every day reads (an unreadable one as empty), saves and reads back the same, and
// sums up over the whole period. Used by the regression test and the fuzzer.
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "core/journal/PeriodSummary.h"
#include "core/journal/SubstitutionArchive.h"

namespace lovaris::test {

inline bool ArchiveReadsSoundly(std::span<const std::uint8_t> bytes) {
    // A record alone, as the reader meets it after an entry.
    const TZamDataStrings alone = DecodeDayRecord(bytes);
    if (DecodeDayRecord(EncodeDayRecord(alone)) != alone) return false;

    auto archive = SubstitutionArchive::OpenStorage(
        std::make_unique<MemoryStorage>(std::vector<std::uint8_t>(bytes.begin(), bytes.end())));
    if (!archive) return true;
    const auto dates = archive->RecordedDates();
    for (const SerialDate date : dates) {
        const TZamDataStrings day = archive->ReadDay(date);
        if (archive->SaveDay(date, day) != ArchiveSave::Saved) return false;
        if (archive->ReadDay(date) != day) return false;
    }
    if (!dates.empty()) SummarisePeriod(*archive, dates.front(), dates.back());
    return archive->Close();
}

}  // namespace lovaris::test
