// Laying bands out on pages: overflow, forced breaks, the running header, footers.
#include <gtest/gtest.h>

#include "ReportShape.h"
#include "core/reports/ReportPager.h"

namespace lovaris {
namespace {

using namespace test;

ReportBand Row(const std::string& text, int lines) { return RowBand(BandKind::Detail, {1}, {text}, lines); }

TEST(ReportPager, OverflowRepeatsTheHeaderAndForcedBreaksDoNotUnlessAsked) {
    // 60 lines a portrait page, two of them kept for the footer.
    ReportPager pager("r", PageOrientation::Portrait, {true, "x"});
    pager.SetPageHeader({RowBand(BandKind::PageHeader, {1}, {"head"})});
    pager.Add(Row("a", 50));
    pager.Add(Row("b", 8));   // fills the page to 58
    pager.Add(Row("c", 1));   // overflows: a new page with the header
    pager.BreakPage();
    pager.Add(Row("d", 1));   // a new page without it
    pager.BreakPage(true);
    pager.Add({Row("e", 30), Row("f", 30)});  // too tall for any page: stays after the header
    const Report report = pager.Finish();
    EXPECT_EQ(PageStarts(report), (std::vector<std::string>{"a", "head", "d", "head"}));
    EXPECT_EQ(report.pages[1].bands.size(), 2u);
    EXPECT_EQ(report.pages[3].bands.size(), 3u);
    EXPECT_EQ(report.pages[3].footerLeft, "Стр. 4");
    EXPECT_EQ(report.pages[3].footerRight, "x");
}

TEST(ReportPager, EmptyReportHasOnePage) {
    ReportPager pager("r", PageOrientation::Landscape, {});
    const Report report = pager.Finish();
    EXPECT_EQ(report.pages.size(), 1u);
    EXPECT_EQ(report.pageLines(), kLandscapePageLines);
    EXPECT_TRUE(report.pages[0].footerLeft.empty());
}

}  // namespace
}  // namespace lovaris
