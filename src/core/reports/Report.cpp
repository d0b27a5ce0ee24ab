#include "Report.h"

namespace lovaris {

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
