#include "TAllClsRpForm.h"

#include "../common/ReportTexts.h"
#include "../common/StringTable.h"
#include "../views/CellTexts.h"
#include "ReportPager.h"
#include "ReportWords.h"
#include "TimetableCells.h"

namespace lovaris {
namespace {

constexpr int kNumberWidth = 4;
constexpr int kClassWidth = 16;
constexpr int kNameWidth = 22;
constexpr int kHourWidth = 9;

std::string Descriptions(const ViewContext& ctx) {
    return DescriptionsLine(ctx.session.params().description, ctx.options.comment);
}

std::vector<std::string> TeacherCaptions(int lessons) {
    std::vector<std::string> captions{LoadResText(ReportText::TeacherName)};
    for (int n = 1; n <= lessons; ++n) captions.push_back(std::to_string(n));
    return captions;
}

}  // namespace

Report TAllClsRpForm::Build(const ViewContext& ctx) {
    ReportPager pager(LoadResText(ReportText::ListAllClasses), PageOrientation::Landscape, {true, ProductQuoted()});
    const int classes = ctx.session.klasses().count();
    const int groups = (classes + kClassesPerGroup - 1) / kClassesPerGroup;
    const int lessons = ReportLessons(ctx);
    pager.SetProgressSteps(groups * 2 * lessons);
    for (int g = 0; g < groups; ++g) {
        const int first = g * kClassesPerGroup;
        std::vector<std::string> captions{LoadResText(ReportText::LessonNumber)};
        for (int k = first; k < first + kClassesPerGroup; ++k) captions.push_back(k < classes ? KlassName(ctx, k) : "");
        pager.SetPageHeader({TextBand(BandKind::PageHeader, Descriptions(ctx)),
                             RowBand(BandKind::PageHeader, {kNumberWidth, kClassWidth}, captions, 1, BandStyle::Bold)});
        pager.BreakPage(true);
        for (int day = 1; day <= 6; ++day) {
            std::vector<ReportBand> bands{TextBand(BandKind::GroupHeader, DayCaption(day), BandStyle::Bold)};
            for (int n = 1; n <= lessons; ++n) {
                std::vector<std::string> row{std::to_string(n)};
                for (int k = first; k < first + kClassesPerGroup; ++k) {
                    if (k >= classes) {
                        row.emplace_back();
                        continue;
                    }
                    const ClassHourTexts t = ClassHour(ctx, k, day, n);
                    row.push_back(CellLines({t.subject, t.room}));
                }
                bands.push_back(RowBand(BandKind::Detail, {kNumberWidth, kClassWidth}, row, 2));
            }
            // A day longer than a page goes on over the next, under the class names.
            pager.AddBlock(std::move(bands), 1);
            // Two days to a page.
            if (day % 2 == 0 && day < 6) pager.BreakPage(true);
        }
    }
    return pager.Finish();
}

Report TAllTchRpForm::Build(const ViewContext& ctx) {
    ReportPager pager(LoadResText(ReportText::ListAllTeachers), PageOrientation::Portrait, {true, ProductQuoted()});
    const auto& teachers = ctx.session.teachers();
    pager.SetProgressSteps(teachers.count() * 6);
    const std::vector<int> widths{kNameWidth, kHourWidth};
    const int lessons = ReportLessons(ctx);
    pager.SetPageHeader({RowBand(BandKind::PageHeader, widths, TeacherCaptions(lessons), 1, BandStyle::Bold)});
    for (int day = 1; day <= 6; ++day) {
        if (day > 1) pager.BreakPage(false);
        std::vector<ReportBand> bands{
            TextBand(BandKind::GroupHeader, Descriptions(ctx)),
            TextBand(BandKind::GroupHeader, DayCaption(day), BandStyle::Bold),
            RowBand(BandKind::ColumnHeader, widths, TeacherCaptions(lessons), 1, BandStyle::Bold)};
        for (int t = 0; t < teachers.count(); ++t) {
            ReportBand row = RowBand(BandKind::Detail, widths, {teachers.at(t).displayName()}, 3);
            row.cells[0].align = CellAlign::Left;
            for (int n = 1; n <= lessons; ++n) {
                const TeacherHourTexts h = TeacherHour(ctx, t, day, n, true);
                ReportCell cell;
                if (h.taught)
                    cell.text = CellLines({h.klass, h.subject, h.room});
                else
                    cell.shaded = n <= ctx.lessonsPerDay() && teachers.at(t).closedAt(day, n, ctx.wishesMode());
                row.cells.push_back(std::move(cell));
            }
            row.widths.resize(row.cells.size(), kHourWidth);
            bands.push_back(std::move(row));
            pager.Add(std::move(bands));
            bands.clear();
        }
        if (!bands.empty()) pager.Add(std::move(bands));
    }
    return pager.Finish();
}

}  // namespace lovaris
