#include "TMedTableRpForm.h"

#include <cmath>
#include <cstdio>

#include "../common/ManualTexts.h"
#include "../common/ReportTexts.h"
#include "../common/StringTable.h"
#include "../views/CellTexts.h"
#include "ReportPager.h"
#include "ReportWords.h"

namespace lovaris {
namespace {

constexpr int kChartLines = 13;

std::vector<int> Included(const ClassMarks& marks, int classes) {
    std::vector<int> included;
    for (int k = 0; k < classes && k < static_cast<int>(marks.size()); ++k)
        if (marks[static_cast<std::size_t>(k)] != 0) included.push_back(k);
    return included;
}

std::vector<ReportBand> LoadTitle(const ViewContext& ctx, ReportText title) {
    return {TextBand(BandKind::Title, LoadResText(title), BandStyle::Large, 2),
            TextBand(BandKind::Title, ctx.session.params().description),
            TextBand(BandKind::Title, ctx.options.comment), TextBand(BandKind::Title, "")};
}

std::vector<double> WeekLoads(const ViewContext& ctx, int klass) {
    std::vector<double> loads;
    for (int d = 1; d <= 6; ++d) loads.push_back(ctx.planning.DayLoadOfClass(klass, d));
    return loads;
}

}  // namespace

ClassMarks AllClassesMarked(const ViewContext& ctx) {
    return ClassMarks(static_cast<std::size_t>(ctx.session.klasses().count()), 1);
}

std::string LoadText(double load) {
    if (!std::isfinite(load)) load = 0.0;
    char text[64];
    std::snprintf(text, sizeof text, "%.1f", load);
    std::string out(text);
    for (char& c : out)
        if (c == '.') c = ',';
    return out;
}

Report TMedTableRpForm::Build(const ViewContext& ctx, const ClassMarks& marks) {
    ReportPager pager(LoadResText(ReportText::ListLoadTable), PageOrientation::Portrait, {});
    const auto included = Included(marks, ctx.session.klasses().count());
    pager.SetProgressSteps(static_cast<int>(included.size()));
    pager.Add(LoadTitle(ctx, ReportText::LoadTableTitle));
    const std::vector<int> widths{16, 14};
    std::vector<std::string> captions{LoadResText(ReportText::Klass)};
    for (int d = 1; d <= 6; ++d) captions.push_back(DayCaption(d));
    const ReportBand header = RowBand(BandKind::ColumnHeader, widths, captions, 1, BandStyle::Bold);
    pager.SetPageHeader({header});
    pager.Add(header);
    for (int k : included) {
        std::vector<std::string> row{KlassName(ctx, k)};
        for (double load : WeekLoads(ctx, k)) row.push_back(LoadText(load));
        pager.Add(RowBand(BandKind::Detail, widths, row));
    }
    return pager.Finish();
}

Report TMedChartRpForm::Build(const ViewContext& ctx, const ClassMarks& marks) {
    ReportPager pager(LoadResText(ReportText::ListLoadCharts), PageOrientation::Portrait, {false, ProductQuoted()});
    const auto included = Included(marks, ctx.session.klasses().count());
    pager.SetProgressSteps(static_cast<int>(included.size()));
    pager.Add(LoadTitle(ctx, ReportText::LoadChartTitle));
    std::vector<std::string> days;
    for (int d = 1; d <= 6; ++d) days.push_back(WeekdayShortName(d));
    for (std::size_t i = 0; i < included.size(); ++i) {
        ReportBand band;
        band.kind = BandKind::Chart;
        band.lines = kChartLines;
        band.framed = false;
        band.chart.pointLabels = days;
        band.chart.notesTitle = LoadResText(ReportText::Notes);
        // A class joins the chart before it while the marks rise from class to class.
        const int k = included[i];
        band.chart.series.push_back({KlassName(ctx, k), WeekLoads(ctx, k)});
        while (i + 1 < included.size() && marks[static_cast<std::size_t>(included[i + 1])] >
                                              marks[static_cast<std::size_t>(included[i])]) {
            ++i;
            band.chart.series.push_back({KlassName(ctx, included[i]), WeekLoads(ctx, included[i])});
        }
        pager.Add(std::move(band));
    }
    return pager.Finish();
}

}  // namespace lovaris
