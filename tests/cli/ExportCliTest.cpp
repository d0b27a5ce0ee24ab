// lovaris-cli export-html, export-csv and export-ical on a planned week of the sample
// school, and what they refuse.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "CliProcess.h"

namespace {

namespace fs = std::filesystem;
using lovaris::test::ReadText;
using lovaris::test::RunCli;

const std::string kSchool = LOVARIS_EXAMPLES_BUILD_DIR "/school.tbl";

class ExportCli : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        scratch_ = new lovaris::test::ScratchDir("lovaris-export-cli-");
        const auto plan = RunCli({"plan", kSchool, "-o", scratch_->file("week.rsp"), "--steps", "20000", "--improve-steps", "20000"}, scratch_->path());
        ASSERT_TRUE(plan.exitCode == 0 || plan.exitCode == 3) << plan.err;
        std::ofstream(scratch_->file("bells.txt")) << "1 08:30 09:15\n2 09:25 10:10\n3 10:30 11:15\n4 11:35 12:20\n"
                                                      "5 12:30 13:15\n6 13:25 14:10\n7 14:20 15:05\n8 15:15 16:00\n";
    }
    static void TearDownTestSuite() { delete scratch_; }

    static lovaris::test::CliOutcome run(const std::vector<std::string>& args) { return RunCli(args, scratch_->path()); }
    static std::string file(const std::string& name) { return scratch_->file(name); }
    static std::vector<std::string> ical(const std::string& out, const std::string& bells) {
        return {"export-ical", kSchool, file("week.rsp"), "--class", "5А", "--from", "2026-09-01", "--to",
                "2026-12-27", "--bells", bells, "-o", out};
    }

    static lovaris::test::ScratchDir* scratch_;
};
lovaris::test::ScratchDir* ExportCli::scratch_ = nullptr;

TEST_F(ExportCli, PlannedWeekExportsToTheThreeFormats) {
    const auto html = run({"export-html", kSchool, file("week.rsp"), file("site")});
    ASSERT_EQ(html.exitCode, 0) << html.err;
    EXPECT_TRUE(fs::exists(file("site/index.html")));
    EXPECT_TRUE(fs::exists(file("site/style.css")));
    EXPECT_NE(ReadText(file("site/class-1.html")).find("<th>Понедельник</th>"), std::string::npos);

    const auto csv = run({"export-csv", kSchool, file("week.rsp"), file("week.csv")});
    ASSERT_EQ(csv.exitCode, 0) << csv.err;
    EXPECT_NE(ReadText(file("week.csv")).find("День,Урок,Класс,Подгруппа,Предмет,Учитель,Кабинет,Связка\r\n"),
              std::string::npos);

    const auto cal = run(ical(file("5a.ics"), file("bells.txt")));
    ASSERT_EQ(cal.exitCode, 0) << cal.err;
    const std::string ics = ReadText(file("5a.ics"));
    EXPECT_TRUE(ics.starts_with("BEGIN:VCALENDAR\r\n"));
    EXPECT_NE(ics.find("RRULE:FREQ=WEEKLY;UNTIL=20261227T235959\r\n"), std::string::npos);
}

TEST_F(ExportCli, RefusedCalendarWritesNothing) {
    std::ofstream(file("bad-bells.txt")) << "1 08:30\n";
    const auto badBells = run(ical(file("bad.ics"), file("bad-bells.txt")));
    EXPECT_EQ(badBells.exitCode, 2);
    EXPECT_NE(badBells.err.find("строка 1: нужны номер урока"), std::string::npos) << badBells.err;

    auto unknown = ical(file("bad.ics"), file("bells.txt"));
    unknown[4] = "99Я";
    const auto noClass = run(unknown);
    EXPECT_EQ(noClass.exitCode, 2);
    EXPECT_NE(noClass.err.find("the project has no class \"99Я\""), std::string::npos) << noClass.err;

    auto badDate = ical(file("bad.ics"), file("bells.txt"));
    badDate[6] = "2026-02-30";
    EXPECT_EQ(run(badDate).exitCode, 1);
    EXPECT_FALSE(fs::exists(file("bad.ics")));
}

}  // namespace
