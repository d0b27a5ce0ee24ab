// The substitution reports from journal days: a day's rows, and a period's.
#include <gtest/gtest.h>

#include <map>

#include "ReportShape.h"
#include "core/reports/TZamDayRpForm.h"

namespace lovaris {
namespace {

using namespace test;

JournalRow Row(std::array<std::string, kJournalColumns> texts) {
    JournalRow row;
    row.texts = std::move(texts);
    return row;
}

// 07.09.2026: Иванова away at lessons 2 and 3, one of them covered by Петров.
TZamDataStrings Monday() {
    TZamDataStrings day;
    day.rows = {Row({"2", "Иванова", "Математика", "5А", "101", "Болезнь", "Петров", "Алгебра", "с заданием"}),
                Row({"3", "Иванова", "Математика", "5Б", "", "Болезнь", "", "", ""})};
    return day;
}

// 07.09.2026, written out: a date computed during static initialisation is not reliable.
constexpr SerialDate kMonday = 46272;
const SubstitutionTitles kTitles{"Школа № 17", "Вариант 3"};

TEST(SubstDayReport, PrintsTheDaysRowsWithoutTheReason) {
    const Report report = TZamDayRpForm::Build(kTitles, kMonday, Monday());
    EXPECT_EQ(report.orientation, PageOrientation::Portrait);
    const auto& bands = report.pages.front().bands;
    EXPECT_EQ(bands[0].text(0), "Замещения на 07.09.2026");
    EXPECT_EQ(bands[1].text(0), "Школа № 17");
    EXPECT_EQ(bands[2].text(0), "Вариант 3");
    EXPECT_EQ(RowsOf(report, BandKind::ColumnHeader),
              (std::vector<std::string>{
                  "Урок|Ф.И.О. отсутств.|Предмет|Класс|Кабинет|Ф.И.О. замест.|Предмет|Примеч."}));
    EXPECT_EQ(RowsOf(report), (std::vector<std::string>{"2|Иванова|Математика|5А|101|Петров|Алгебра|с заданием",
                                                        "3|Иванова|Математика|5Б||||"}));
    // A day without a record: the title and the column headers only.
    EXPECT_TRUE(RowsOf(TZamDayRpForm::Build(kTitles, kMonday, {})).empty());
}

TEST(SubstPeriodReport, SkipsEmptyDaysAndDatesEachRowWithoutLessonRoomOrNote) {
    const std::map<SerialDate, TZamDataStrings> archive{{kMonday, Monday()}, {kMonday + 2, Monday()}};
    int reads = 0;
    const JournalDayReader read = [&](SerialDate d) {
        ++reads;
        const auto it = archive.find(d);
        return it == archive.end() ? TZamDataStrings{} : it->second;
    };
    const Report report = TZamArcRpForm::Build(kTitles, kMonday, kMonday + 6, read);
    EXPECT_EQ(reads, 7);
    EXPECT_EQ(report.progressSteps, 7);
    EXPECT_EQ(report.orientation, PageOrientation::Landscape);
    EXPECT_EQ(report.pages.front().bands[0].text(0), "Замещения за период 07.09.2026 - 13.09.2026");
    EXPECT_EQ(report.pages.front().footerLeft, "Стр. 1");
    EXPECT_EQ(RowsOf(report), (std::vector<std::string>{
                                  "07.09.2026|Иванова|Математика|5А|Болезнь|Петров|Алгебра|",
                                  "07.09.2026|Иванова|Математика|5Б|Болезнь|||",
                                  "09.09.2026|Иванова|Математика|5А|Болезнь|Петров|Алгебра|",
                                  "09.09.2026|Иванова|Математика|5Б|Болезнь|||",
                              }));
}

TEST(SubstPeriodReport, PeriodWithoutRecordsPrintsItsHeadersAndAnEndBeforeTheStartIsTheStart) {
    const Report empty = TZamArcRpForm::Build(kTitles, kMonday, kMonday + 3, [](SerialDate) { return TZamDataStrings{}; });
    ASSERT_EQ(empty.pages.size(), 1u);
    EXPECT_EQ(RowsOf(empty, BandKind::ColumnHeader),
              (std::vector<std::string>{"Дата|Ф.И.О. отсутствующего|Предмет|Класс|Причина отсутствия|"
                                        "Ф.И.О. замещающего|Предмет|Подпись"}));
    EXPECT_TRUE(RowsOf(empty).empty());

    const Report oneDay = TZamArcRpForm::Build(kTitles, kMonday, kMonday - 5, [](SerialDate) { return Monday(); });
    EXPECT_EQ(oneDay.progressSteps, 1);
    EXPECT_EQ(RowsOf(oneDay).size(), 2u);
    EXPECT_EQ(oneDay.pages.front().bands[0].text(0), "Замещения за период 07.09.2026 - 07.09.2026");
}

// More rows than a landscape page holds run onto further pages, each with the headers.
TEST(SubstPeriodReport, LongJournalRepeatsItsHeadersOnEveryPage) {
    TZamDataStrings busy;
    for (int i = 0; i < 30; ++i) busy.rows.push_back(Monday().rows[0]);
    const Report report = TZamArcRpForm::Build(kTitles, kMonday, kMonday + 1, [&](SerialDate) { return busy; });
    ASSERT_GT(report.pages.size(), 2u);
    for (const auto& page : report.pages) EXPECT_EQ(page.bands[3].kind, BandKind::ColumnHeader);
    EXPECT_EQ(RowsOf(report).size(), 60u);
}

}  // namespace
}  // namespace lovaris
