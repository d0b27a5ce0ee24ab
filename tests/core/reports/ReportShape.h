#pragma once
// Reading a report back in tests: a band's cells as one "a|b|c" text, the bands of a
// kind, what each page opens with.
#include <string>
#include <vector>

#include "core/reports/Report.h"

namespace lovaris::test {

inline std::string Cells(const ReportBand& band) {
    std::string text;
    for (std::size_t i = 0; i < band.cells.size(); ++i) text += (i ? "|" : "") + band.cells[i].text;
    return text;
}

// Every band of the kind, page after page.
inline std::vector<const ReportBand*> BandsOf(const Report& report, BandKind kind) {
    std::vector<const ReportBand*> bands;
    for (const auto& page : report.pages)
        for (const auto& band : page.bands)
            if (band.kind == kind) bands.push_back(&band);
    return bands;
}

inline std::vector<std::string> RowsOf(const Report& report, BandKind kind = BandKind::Detail) {
    std::vector<std::string> rows;
    for (const ReportBand* band : BandsOf(report, kind)) rows.push_back(Cells(*band));
    return rows;
}

// The first band's cells of each page.
inline std::vector<std::string> PageStarts(const Report& report) {
    std::vector<std::string> starts;
    for (const auto& page : report.pages) starts.push_back(page.bands.empty() ? "" : Cells(page.bands.front()));
    return starts;
}

}  // namespace lovaris::test
