// The printed weeks of a class, a teacher and the whole school, for the small
// school's Monday (four lessons a day).
#include <gtest/gtest.h>

#include "../views/ViewsSchool.h"
#include "ReportShape.h"
#include "core/reports/TAllClsRpForm.h"
#include "core/reports/TClassTableRpForm.h"
#include "core/reports/ReportWords.h"

namespace lovaris {
namespace {

using namespace test;

// The week table's row of lesson n: "n|Monday|Tuesday|...".
std::string WeekRow(const Report& report, int n) { return RowsOf(report)[static_cast<std::size_t>(n - 1)]; }

TEST(ClassTableReport, WeekTableShowsSubjectsCutForSubgroupsAndNothingPastTheDay) {
    const ViewsSchool school;
    const Report report = TClassTableRpForm::Build(school.context(), k5A, false);
    EXPECT_EQ(report.pages.front().bands.front().text(0), "5А");
    EXPECT_EQ(WeekRow(report, 1), "1|Математика|||||");
    EXPECT_EQ(WeekRow(report, 4), "4|Анг/Нем|||||");
    // The project has four lessons a day: rows 5..8 stand empty.
    EXPECT_EQ(WeekRow(report, 5), "5||||||");
    EXPECT_EQ(WeekRow(report, 8), "8||||||");
}

TEST(ClassTableReport, DetailBlocksPairDaysWithSubjectTeacherAndRoom) {
    const ViewsSchool school;
    const Report report = TClassTableRpForm::Build(school.context(), k5A, false);
    const auto headers = RowsOf(report, BandKind::ColumnHeader);
    ASSERT_EQ(headers.size(), 4u);
    EXPECT_EQ(headers[0], "№|Понедельник|Вторник|Среда|Четверг|Пятница|Суббота");
    EXPECT_EQ(headers[1], "№|Понедельник|Четверг");
    EXPECT_EQ(headers[2], "№|Вторник|Пятница");
    EXPECT_EQ(headers[3], "№|Среда|Суббота");
    const auto rows = RowsOf(report);
    ASSERT_EQ(rows.size(), 8u + 3 * 8);
    EXPECT_EQ(rows[8], "1|Математика\nИванова\n101|");
    EXPECT_EQ(rows[11], "4|Анг/Нем\nСмирнова/Кузнецова\n102/Лингафонный|");
    // The week and one block on the first page, two blocks on the second; every page
    // has its number and the product's name.
    ASSERT_EQ(report.pages.size(), 2u);
    EXPECT_EQ(report.pages[1].footerLeft, "Стр. 2");
    EXPECT_EQ(report.pages[1].footerRight, "\"Ловарис\"");
}

TEST(ClassTableReport, ShortFormPrintsTheWeekTableOnly) {
    const ViewsSchool school;
    const Report report = TClassTableRpForm::Build(school.context(), k5A, true);
    EXPECT_EQ(report.pages.size(), 1u);
    EXPECT_EQ(RowsOf(report).size(), 8u);
    EXPECT_EQ(RowsOf(report, BandKind::ColumnHeader).size(), 1u);
}

TEST(ClassTableReport, SubgroupsWithoutRoomsPrintNoSlashesAndMissingNamesPrintDashes) {
    ViewsSchool school;
    // 5Б's club has neither subject nor teacher.
    EXPECT_EQ(RowsOf(TClassTableRpForm::Build(school.context(), k5B, false))[8], "1|------\n------\n102|");
    // English without its fictive room and with no room given: an empty room line.
    school.session.klasses().at(k5A).lesson(kEnglish5A).subgroups[1].fictiveRoom.clear();
    school.clean(k5A, kEnglish5A, 4, 1, {});
    EXPECT_EQ(RowsOf(TClassTableRpForm::Build(school.context(), k5A, false))[11],
              "4|Анг/Нем\nСмирнова/Кузнецова\n|");
}

TEST(TeacherTableReport, ShowsClassesOfLinkedLessonsAndLeavesFreeHoursEmpty) {
    const ViewsSchool school;
    const Report report = TTeacherTableRpForm::Build(school.context(), kPetrov, false);
    EXPECT_EQ(report.pages.front().bands.front().text(0), "Петров");
    EXPECT_EQ(WeekRow(report, 3), "3|5А/5Б|||||");
    EXPECT_EQ(WeekRow(report, 1), "1||||||");
    EXPECT_EQ(RowsOf(report)[8 + 2], "3|5А/5Б\nФизкультура\nСпортзал|");

    const Report shortForm = TTeacherTableRpForm::Build(school.context(), kIvanova, true);
    EXPECT_EQ(RowsOf(shortForm), (std::vector<std::string>{"1|5А|||||", "2|5А|||||", "3||||||", "4||||||",
                                                            "5||||||", "6||||||", "7||||||", "8||||||"}));
}

TEST(AllTeachersReport, OneDayAPageWithShortSubjectsAndShadedUnwantedHours) {
    const ViewsSchool school;
    const Report report = TAllTchRpForm::Build(school.context());
    ASSERT_EQ(report.pages.size(), 6u);
    EXPECT_EQ(report.progressSteps, 6 * 6);
    const auto& monday = report.pages[0].bands;
    EXPECT_EQ(monday[1].text(0), "Понедельник");
    EXPECT_EQ(Cells(monday[2]), "Ф.И.О.|1|2|3|4|5|6|7|8");
    EXPECT_EQ(Cells(monday[3 + kPetrov]), "Петров|||5А/5Б\nФиз\nСпортзал|||||");
    EXPECT_EQ(report.pages[5].bands[1].text(0), "Суббота");
}

struct ShadeCase {
    int wishesMode;
    int teacher;
    int lesson;
    bool shaded;
};

class AllTeachersShading : public ::testing::TestWithParam<ShadeCase> {};

// A free hour is shaded when the teacher's mark there closes it under the wishes mode.
TEST_P(AllTeachersShading, FollowsTheWishesMode) {
    ViewsSchool school;
    const ShadeCase& c = GetParam();
    school.options.wishesMode = static_cast<std::uint16_t>(c.wishesMode);
    const Report report = TAllTchRpForm::Build(school.context());
    EXPECT_EQ(report.pages[0].bands[3 + static_cast<std::size_t>(c.teacher)]
                  .cells[static_cast<std::size_t>(c.lesson)]
                  .shaded,
              c.shaded);
}

INSTANTIATE_TEST_SUITE_P(Marks, AllTeachersShading,
                         ::testing::Values(ShadeCase{4, kOrlova, 1, true},       // busy: always
                                           ShadeCase{3, kOrlova, 3, true},       // high wish while mode < 4
                                           ShadeCase{4, kOrlova, 3, false},
                                           ShadeCase{2, kIvanova, 4, true},      // medium wish while mode < 3
                                           ShadeCase{3, kIvanova, 4, false},
                                           ShadeCase{1, kSmirnova, 1, true},     // low wish only in mode 1
                                           ShadeCase{2, kSmirnova, 1, false},
                                           ShadeCase{1, kOrlova, 5, false},      // past the day: white
                                           ShadeCase{1, kIvanova, 1, false}));   // taught, not free

// Seven classes: two groups of six, two days a page.
class SevenClasses : public ::testing::Test {
protected:
    SevenClasses() : school(4) {
        const int maths = school.subject("Математика");
        const int teacher = school.teacher("Иванова");
        for (const char* name : {"1А", "1Б", "2А", "2Б", "3А", "3Б", "4А"}) school.klass(name);
        school.lesson(school.project.klasses.at(6).id, {1}, {{maths, teacher}});
        variant = std::make_unique<ViewsVariant>(school.project);
        variant->clean(6, 0, 2, 1, {});
    }
    EngineSchool school;
    std::unique_ptr<ViewsVariant> variant;
};

TEST_F(SevenClasses, AllClassesReportTakesSixClassesAndTwoDaysAPage) {
    const Report report = TAllClsRpForm::Build(variant->context());
    EXPECT_EQ(report.orientation, PageOrientation::Landscape);
    EXPECT_EQ(report.progressSteps, 2 * 16);
    ASSERT_EQ(report.pages.size(), 6u);
    std::vector<std::string> days;
    for (const ReportBand* band : BandsOf(report, BandKind::GroupHeader)) days.push_back(band->text(0));
    EXPECT_EQ(days.size(), 12u);
    for (std::size_t p = 0; p < 6; ++p) {
        const auto& bands = report.pages[p].bands;
        // Every page opens with the descriptions and the group's class names.
        EXPECT_EQ(bands[1].kind, BandKind::PageHeader);
        EXPECT_EQ(Cells(bands[1]), p < 3 ? "№|1А|1Б|2А|2Б|3А|3Б" : "№|4А|||||");
        EXPECT_EQ(bands[2].text(0), DayCaption(static_cast<int>(p % 3) * 2 + 1));
        EXPECT_EQ(bands[2 + 9].text(0), DayCaption(static_cast<int>(p % 3) * 2 + 2));
    }
    // 4А's lesson at Monday 2, without a room.
    EXPECT_EQ(Cells(report.pages[3].bands[4]), "2|Математика\n|||||");
}

void ExpectPagesHoldTheirBands(const Report& report) {
    for (std::size_t p = 0; p < report.pages.size(); ++p) {
        int lines = 0;
        for (const auto& band : report.pages[p].bands) lines += band.lines;
        EXPECT_LE(lines, report.pageLines() - 2) << "page " << p + 1;
    }
}

// A school of twelve lessons a day (as FET schools may have): every timetable prints
// lessons 9 to 12, and no page holds more than it can.
class TwelveLessons : public ::testing::Test {
protected:
    TwelveLessons() : school(12) {
        const int maths = school.subject("Математика");
        const int teacher = school.teacher("Иванова");
        school.klass("9А");
        school.lesson(school.project.klasses.at(0).id, {1}, {{maths, teacher}});
        variant = std::make_unique<ViewsVariant>(school.project);
        variant->clean(0, 0, 11, 1, {});
    }
    EngineSchool school;
    std::unique_ptr<ViewsVariant> variant;
};

TEST_F(TwelveLessons, EveryTimetablePrintsLessonsNineToTwelve) {
    const Report klass = TClassTableRpForm::Build(variant->context(), 0, false);
    const auto rows = RowsOf(klass);
    ASSERT_EQ(rows.size(), 12u + 3 * 12);
    EXPECT_EQ(rows[10], "11|Математика|||||");
    EXPECT_EQ(rows[11], "12||||||");
    EXPECT_EQ(rows[12 + 10], "11|Математика\nИванова\n|");
    // A block of twelve lessons no longer fits beside the week: each opens a page of its own.
    ExpectPagesHoldTheirBands(klass);

    const Report teachers = TAllTchRpForm::Build(variant->context());
    EXPECT_EQ(Cells(teachers.pages[0].bands[2]), "Ф.И.О.|1|2|3|4|5|6|7|8|9|10|11|12");
    EXPECT_EQ(Cells(teachers.pages[0].bands[3]), "Иванова|||||||||||9А\nМат\n|");
    ExpectPagesHoldTheirBands(teachers);

    const Report classes = TAllClsRpForm::Build(variant->context());
    EXPECT_EQ(classes.progressSteps, 2 * 12);
    EXPECT_EQ(RowsOf(classes).size(), 6u * 12);
    EXPECT_EQ(RowsOf(classes)[10], "11|Математика\n|||||");
    // Two days of twelve lessons take more than a landscape page: one day a page.
    EXPECT_EQ(classes.pages.size(), 6u);
    ExpectPagesHoldTheirBands(classes);
}

// Twenty-four lessons: a day runs over a page and goes on under its header.
TEST(LongDays, ABlockLongerThanAPageGoesOnUnderItsHeader) {
    EngineSchool school(24);
    school.klass("9А");
    ViewsVariant variant(school.project);
    const Report klass = TClassTableRpForm::Build(variant.context(), 0, false);
    EXPECT_EQ(RowsOf(klass).size(), 24u + 3 * 24);
    ExpectPagesHoldTheirBands(klass);
    // Each page of a block opens with its day names.
    EXPECT_EQ(PageStarts(klass)[2], "№|Понедельник|Четверг");
    const Report classes = TAllClsRpForm::Build(variant.context());
    ExpectPagesHoldTheirBands(classes);
    for (const auto& page : classes.pages) EXPECT_EQ(page.bands[1].kind, BandKind::PageHeader);
}

}  // namespace
}  // namespace lovaris
