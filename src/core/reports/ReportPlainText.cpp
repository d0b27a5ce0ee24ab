#include "ReportPlainText.h"

#include <algorithm>

#include "TMedTableRpForm.h"

namespace lovaris {
namespace {

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find('\n', start);
        lines.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos) return lines;
        start = end + 1;
    }
}

std::string ChartText(const ReportChart& chart) {
    std::string text;
    for (const auto& series : chart.series) {
        text += series.title + ":";
        for (std::size_t i = 0; i < series.values.size(); ++i)
            text += " " + (i < chart.pointLabels.size() ? chart.pointLabels[i] + " " : "") + LoadText(series.values[i]);
        text += "\n";
    }
    return text + chart.notesTitle + "\n";
}

std::string BandText(const ReportBand& band) {
    if (band.kind == BandKind::Chart) return ChartText(band.chart);
    std::vector<std::vector<std::string>> cells;
    std::size_t lines = 1;
    for (const auto& cell : band.cells) {
        cells.push_back(SplitLines(cell.text));
        lines = std::max(lines, cells.back().size());
    }
    std::string text;
    for (std::size_t l = 0; l < lines; ++l) {
        std::string line;
        for (std::size_t c = 0; c < cells.size(); ++c) {
            if (c > 0) line += " | ";
            if (l < cells[c].size()) line += cells[c][l];
        }
        // A framed row keeps its empty cells; an unframed blank line is left out.
        if (band.framed || line.find_first_not_of(' ') != std::string::npos) text += line + "\n";
    }
    return text;
}

}  // namespace

std::string ReportPlainText(const Report& report) {
    std::string text = report.name + "\n";
    for (std::size_t p = 0; p < report.pages.size(); ++p) {
        const ReportPage& page = report.pages[p];
        text += "\n--- " + std::to_string(p + 1) + " / " + std::to_string(report.pages.size()) + " ---\n";
        for (const auto& band : page.bands) text += BandText(band);
        if (!page.footerLeft.empty() || !page.footerRight.empty()) {
            std::string footer = page.footerLeft;
            if (!page.footerRight.empty()) footer += (footer.empty() ? "" : "    ") + page.footerRight;
            text += footer + "\n";
        }
    }
    return text;
}

}  // namespace lovaris
