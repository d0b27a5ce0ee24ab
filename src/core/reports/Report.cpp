#include "Report.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "../common/Cp1251.h"

namespace lovaris {
namespace {

// Characters of ordinary text across the page's printed width, with a share left
// for the ragged ends of wrapped lines.
constexpr double kPortraitLineChars = 110 * 0.85;
constexpr double kLandscapeLineChars = 165 * 0.85;

}  // namespace

int LinesToHold(const ReportBand& row, PageOrientation orientation, int least, int most) {
    const int total = std::accumulate(row.widths.begin(), row.widths.end(), 0);
    const double across = orientation == PageOrientation::Portrait ? kPortraitLineChars : kLandscapeLineChars;
    int lines = least;
    for (std::size_t i = 0; i < row.cells.size() && i < row.widths.size() && total > 0; ++i) {
        const double perLine = std::max(1.0, across * row.widths[i] / total - 1);
        const auto length = static_cast<double>(utf8Length(row.cells[i].text));
        lines = std::max(lines, static_cast<int>(std::ceil(length / perLine)));
    }
    return std::min(lines, most);
}

std::string CellLines(const std::vector<std::string>& lines) {
    std::string text;
    bool any = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        text += (i ? "\n" : "") + lines[i];
        any = any || !lines[i].empty();
    }
    return any ? text : std::string();
}

ReportBand TextBand(BandKind kind, std::string text, BandStyle style, int lines) {
    ReportBand band;
    band.kind = kind;
    band.style = style;
    band.lines = lines;
    band.framed = false;
    band.widths = {1};
    band.cells = {ReportCell{std::move(text)}};
    return band;
}

ReportBand RowBand(BandKind kind, std::vector<int> widths, std::vector<std::string> texts, int lines,
                   BandStyle style) {
    ReportBand band;
    band.kind = kind;
    band.style = style;
    band.lines = lines;
    band.widths = std::move(widths);
    for (auto& t : texts) band.cells.push_back(ReportCell{std::move(t)});
    band.widths.resize(band.cells.size(), band.widths.empty() ? 1 : band.widths.back());
    return band;
}

}  // namespace lovaris
