#include "TZamDayRpForm.h"

#include "../common/ReportTexts.h"
#include "../common/StringTable.h"
#include "ReportPager.h"

namespace lovaris {
namespace {

std::string Text(ReportText id) { return LoadResText(id); }

// The day report's columns: lesson, absent teacher, subject, class, room,
// substitute, the substitute's subject, note.
constexpr int kDayColumns[] = {kColLesson, kColAbsent, kColSubject, kColClass, kColRoom,
                               kColSubstitute, kColSubstituteSubject, kColNote};
// The period report's journal columns after the date, then the empty "Подпись".
constexpr int kPeriodColumns[] = {kColAbsent, kColSubject, kColClass, kColReason, kColSubstitute,
                                  kColSubstituteSubject};

// A row never takes more than a sixth of a page.
constexpr int kMostRowLines = 7;

ReportBand LeftRow(BandKind kind, const std::vector<int>& widths, std::vector<std::string> texts, BandStyle style) {
    ReportBand band = RowBand(kind, widths, std::move(texts), 1, style);
    for (auto& cell : band.cells) cell.align = CellAlign::Left;
    return band;
}

}  // namespace

Report TZamDayRpForm::Build(const SubstitutionTitles& titles, SerialDate date, const TZamDataStrings& day) {
    ReportPager pager(Text(ReportText::ListSubstDay), PageOrientation::Portrait, {});
    pager.SetProgressSteps(1);
    pager.Add({TextBand(BandKind::Title, Text(ReportText::SubstDayTitle) + DateText(date), BandStyle::Large, 2),
               TextBand(BandKind::Title, titles.project), TextBand(BandKind::Title, titles.variant),
               TextBand(BandKind::Title, "")});
    // Room and note have as much room as the names: a mostly empty page has no need
    // to squeeze them.
    const std::vector<int> widths{5, 16, 14, 7, 13, 16, 14, 15};
    const ReportBand header = RowBand(
        BandKind::ColumnHeader, widths,
        {Text(ReportText::SubstLesson), Text(ReportText::SubstAbsentShort), Text(ReportText::Subject),
         Text(ReportText::Klass), Text(ReportText::SubstRoom), Text(ReportText::SubstSubstituteShort),
         Text(ReportText::Subject), Text(ReportText::SubstNote)},
        1, BandStyle::Bold);
    pager.SetPageHeader({header});
    pager.Add(header);
    for (int r = 1; r <= day.rowCount(); ++r) {
        std::vector<std::string> texts;
        for (int column : kDayColumns) texts.push_back(day.text(column, r));
        ReportBand row = LeftRow(BandKind::Detail, widths, std::move(texts), BandStyle::Plain);
        row.cells[0].align = CellAlign::Center;
        // Names, rooms and notes wrap rather than shrink.
        row.lines = LinesToHold(row, PageOrientation::Portrait, 2, kMostRowLines);
        pager.Add(std::move(row));
    }
    return pager.Finish();
}

Report TZamArcRpForm::Build(const SubstitutionTitles& titles, SerialDate start, SerialDate end,
                            const JournalDayReader& readDay) {
    if (end < start) end = start;
    ReportPager pager(Text(ReportText::ListSubstPeriod), PageOrientation::Landscape, {true, ""});
    pager.SetProgressSteps(end - start + 1);
    const std::vector<int> widths{9, 17, 12, 8, 14, 17, 12, 11};
    pager.SetPageHeader(
        {TextBand(BandKind::PageHeader,
                  Text(ReportText::SubstPeriodTitle) + DateText(start) + Text(ReportText::SubstPeriodDash) + DateText(end),
                  BandStyle::Bold),
         TextBand(BandKind::PageHeader, titles.project), TextBand(BandKind::PageHeader, titles.variant),
         RowBand(BandKind::ColumnHeader, widths,
                 {Text(ReportText::SubstDate), Text(ReportText::SubstAbsent), Text(ReportText::Subject),
                  Text(ReportText::Klass), Text(ReportText::SubstReason), Text(ReportText::SubstSubstitute),
                  Text(ReportText::Subject), Text(ReportText::SubstSignature)},
                 1, BandStyle::Bold)});
    pager.BreakPage(true);
    for (SerialDate date = start; date <= end; ++date) {
        const TZamDataStrings day = readDay(date);
        for (int r = 1; r <= day.rowCount(); ++r) {
            std::vector<std::string> texts{DateText(date)};
            for (int column : kPeriodColumns) texts.push_back(day.text(column, r));
            texts.emplace_back();
            ReportBand row = LeftRow(BandKind::Detail, widths, std::move(texts), BandStyle::Plain);
            row.lines = LinesToHold(row, PageOrientation::Landscape, 2, kMostRowLines);  // at least room to sign
            pager.Add(std::move(row));
        }
    }
    pager.Add(std::vector<ReportBand>{});
    return pager.Finish();
}

}  // namespace lovaris
