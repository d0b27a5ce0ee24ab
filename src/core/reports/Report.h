#pragma once
// A printed report as data: A4 pages made of bands (title, headers, detail rows,
// footers, charts), each band a row of cells with relative widths and a height in
// text lines. The page breaks are already decided; a renderer only draws.
#include <string>
#include <vector>

namespace lovaris {

enum class BandKind { Title, PageHeader, ColumnHeader, GroupHeader, Detail, GroupFooter, Summary, Chart };
enum class BandStyle { Plain, Bold, Large };
enum class CellAlign { Center, Left, Right };
enum class PageOrientation { Portrait, Landscape };

// Text lines an A4 page holds between its margins, its footer included.
inline constexpr int kPortraitPageLines = 60;
inline constexpr int kLandscapePageLines = 42;

struct ReportCell {
    std::string text;  // lines separated by '\n'
    CellAlign align = CellAlign::Center;
    bool shaded = false;  // a free hour the teacher did not want
};

// One line of a load chart, with a value per point.
struct ChartSeries {
    std::string title;
    std::vector<double> values;
};

// A line chart beside a ruled notes area.
struct ReportChart {
    std::vector<ChartSeries> series;
    std::vector<std::string> pointLabels;  // under the points, from the first
    std::string notesTitle;
};

struct ReportBand {
    BandKind kind = BandKind::Detail;
    BandStyle style = BandStyle::Plain;
    int lines = 1;
    bool framed = true;
    std::vector<int> widths;  // relative, one per cell
    std::vector<ReportCell> cells;
    ReportChart chart;  // Chart bands only

    // Cell i's text; empty past the cells.
    std::string text(std::size_t i) const { return i < cells.size() ? cells[i].text : std::string(); }
};

struct ReportPage {
    std::vector<ReportBand> bands;
    std::string footerLeft;
    std::string footerRight;
};

struct Report {
    std::string name;  // what the print dialog's list calls it
    std::string fileTitle;  // what a file of it is called, when not its name ("Расписание для класса 5А")
    PageOrientation orientation = PageOrientation::Portrait;
    std::vector<ReportPage> pages;
    // The steps the report counts while it is generated (the progress bar's range).
    int progressSteps = 0;

    int pageLines() const {
        return orientation == PageOrientation::Portrait ? kPortraitPageLines : kLandscapePageLines;
    }
};

// The lines of a cell; nothing at all when every line is empty.
std::string CellLines(const std::vector<std::string>& lines);

// The text lines a row needs so that each of its cells' texts, wrapped at blanks
// within the cell, is printed whole in the rows' usual type: at least `least`, at
// most `most`. Estimated from the texts' lengths; the page painter makes up the rest.
int LinesToHold(const ReportBand& row, PageOrientation orientation, int least, int most);

// A band of one unframed cell across the page.
ReportBand TextBand(BandKind kind, std::string text, BandStyle style = BandStyle::Plain, int lines = 1);
// A framed row of cells with the given relative widths.
ReportBand RowBand(BandKind kind, std::vector<int> widths, std::vector<std::string> texts, int lines = 1,
                   BandStyle style = BandStyle::Plain);

}  // namespace lovaris
