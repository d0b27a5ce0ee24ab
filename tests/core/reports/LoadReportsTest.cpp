// Each class's difficulty load per day: the table and the charts.
#include <gtest/gtest.h>

#include "../views/ViewsSchool.h"
#include "ReportShape.h"
#include "core/reports/TMedTableRpForm.h"

namespace lovaris {
namespace {

using namespace test;

// 5А's Monday: maths twice (8 each), PE (3), English and German (5 and 4: 4.5 for
// the hour), and in the draft Russian twice (5 each).
TEST(LoadTableReport, ShowsEachDayWithOneDecimalDraftIncluded) {
    const ViewsSchool school;
    const Report report = TMedTableRpForm::Build(school.context(), AllClassesMarked(school.context()));
    EXPECT_EQ(report.pages.front().bands.front().text(0), "Распределение нагрузки по дням недели");
    EXPECT_EQ(RowsOf(report, BandKind::ColumnHeader),
              (std::vector<std::string>{"Класс|Понедельник|Вторник|Среда|Четверг|Пятница|Суббота"}));
    EXPECT_EQ(RowsOf(report), (std::vector<std::string>{"5А|33,5|0,0|0,0|0,0|0,0|0,0",
                                                        "5Б|11,0|0,0|0,0|0,0|0,0|0,0",
                                                        "5В|0,0|0,0|0,0|0,0|0,0|0,0"}));
    EXPECT_EQ(report.progressSteps, 3);
}

TEST(LoadTableReport, LessonWithoutSubgroupsAddsNothingInsteadOfSpoilingTheDay) {
    ViewsSchool school;
    school.session.klasses().at(k5A).lesson(kPe5A).subgroups.clear();
    const Report report = TMedTableRpForm::Build(school.context(), AllClassesMarked(school.context()));
    EXPECT_EQ(RowsOf(report)[0], "5А|30,5|0,0|0,0|0,0|0,0|0,0");
}

TEST(LoadTableReport, IncludesOnlyMarkedClasses) {
    const ViewsSchool school;
    const Report report = TMedTableRpForm::Build(school.context(), {0, 1, 0});
    EXPECT_EQ(RowsOf(report), (std::vector<std::string>{"5Б|11,0|0,0|0,0|0,0|0,0|0,0"}));
}

TEST(LoadChartReport, OneChartPerClassWhenMarkedAlikeAndRisingMarksShareAChart) {
    const ViewsSchool school;
    const Report report = TMedChartRpForm::Build(school.context(), AllClassesMarked(school.context()));
    const auto charts = BandsOf(report, BandKind::Chart);
    ASSERT_EQ(charts.size(), 3u);
    const ReportChart& first = charts[0]->chart;
    ASSERT_EQ(first.series.size(), 1u);
    EXPECT_EQ(first.series[0].title, "5А");
    EXPECT_EQ(first.series[0].values, (std::vector<double>{33.5, 0, 0, 0, 0, 0}));
    EXPECT_EQ(first.pointLabels, (std::vector<std::string>{"Пн", "Вт", "Ср", "Чт", "Пт", "Сб"}));
    EXPECT_EQ(first.notesTitle, "ПРИМЕЧАНИЯ");
    EXPECT_EQ(charts[2]->chart.series[0].values, std::vector<double>(6, 0.0));
    EXPECT_EQ(report.pages.back().footerRight, "\"Ловарис\"");

    const Report rising = TMedChartRpForm::Build(school.context(), {1, 2, 1});
    const auto shared = BandsOf(rising, BandKind::Chart);
    ASSERT_EQ(shared.size(), 2u);
    EXPECT_EQ(shared[0]->chart.series.size(), 2u);
    EXPECT_EQ(shared[1]->chart.series[0].title, "5В");
}

}  // namespace
}  // namespace lovaris
