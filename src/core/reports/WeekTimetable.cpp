#include "WeekTimetable.h"

#include "../common/ReportTexts.h"
#include "../common/StringTable.h"
#include "ReportPager.h"
#include "ReportWords.h"
#include "TimetableCells.h"

namespace lovaris {
namespace {

// Monday beside Thursday, Tuesday beside Friday, Wednesday beside Saturday.
constexpr std::array<std::array<int, 2>, 3> kDetailPairs{{{1, 4}, {2, 5}, {3, 6}}};

}  // namespace

Report BuildWeekTimetable(const WeekTimetable& week) {
    ReportPager pager(week.reportName, PageOrientation::Portrait, {true, ProductQuoted()});
    const std::string number = LoadResText(ReportText::LessonNumber);
    pager.Add({TextBand(BandKind::Title, week.title, BandStyle::Large, 2),
               TextBand(BandKind::Title, week.projectDescription), TextBand(BandKind::Title, week.variantDescription),
               TextBand(BandKind::Title, "")});

    std::vector<ReportBand> table;
    std::vector<std::string> captions{number};
    for (int d = 1; d <= 6; ++d) captions.push_back(DayCaption(d));
    table.push_back(RowBand(BandKind::ColumnHeader, {4, 16}, captions, 1, BandStyle::Bold));
    for (int n = 1; n <= week.lessons; ++n) {
        std::vector<std::string> row{std::to_string(n)};
        for (int d = 1; d <= 6; ++d) row.push_back(week.hour(d, n).week);
        table.push_back(RowBand(BandKind::Detail, {4, 16}, row, 2));
    }
    pager.Add(std::move(table));

    if (!week.shortForm) {
        for (const auto& pair : kDetailPairs) {
            std::vector<ReportBand> block;
            block.push_back(TextBand(BandKind::Title, ""));
            block.push_back(RowBand(BandKind::ColumnHeader, {4, 48},
                                    {number, DayCaption(pair[0]), DayCaption(pair[1])}, 1, BandStyle::Bold));
            const ReportBand header = block.back();
            for (int n = 1; n <= week.lessons; ++n) {
                std::vector<std::string> row{std::to_string(n)};
                for (int d : pair) {
                    const auto lines = week.hour(d, n).lines;
                    row.push_back(CellLines({lines[0], lines[1], lines[2]}));
                }
                block.push_back(RowBand(BandKind::Detail, {4, 48}, row, 3));
            }
            // A block of a long day goes on over the next page under its day names.
            pager.AddBlock(std::move(block), 2, {header});
        }
    }
    Report report = pager.Finish();
    report.fileTitle = week.reportName + " " + week.title;
    return report;
}

}  // namespace lovaris
