// lovaris-cli export-fet: a planned week written back into the FET file it came from,
// and no file when the project is no longer the import of that file.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <regex>
#include <set>

#include "CliProcess.h"

namespace {

namespace fs = std::filesystem;
using Time = std::pair<std::string, std::string>;

std::string Fixture(const std::string& name) { return std::string(LOVARIS_TEST_DATA_DIR) + "/fet/" + name; }

// activity ID -> (day, hour) of its locked start.
std::map<int, Time> LockedTimes(const std::string& fet) {
    static const std::regex lock(
        "<ConstraintActivityPreferredStartingTime>\\s*<Weight_Percentage>100</Weight_Percentage>\\s*"
        "<Activity_Id>(\\d+)</Activity_Id>\\s*<Preferred_Day>([^<]*)</Preferred_Day>\\s*"
        "<Preferred_Hour>([^<]*)</Preferred_Hour>");
    std::map<int, Time> times;
    for (auto it = std::sregex_iterator(fet.begin(), fet.end(), lock); it != std::sregex_iterator(); ++it)
        times[std::stoi((*it)[1])] = {(*it)[2], (*it)[3]};
    return times;
}

// The (day, hour) of every hour of `subject` in `klass` in the variant's CSV, in the
// FET file's names.
std::set<Time> HoursInCsv(const std::string& csv, const std::string& klass, const std::string& subject) {
    const std::map<std::string, std::string> days = {
        {"Понедельник", "Mo"}, {"Вторник", "Tu"}, {"Среда", "We"}, {"Четверг", "Th"}, {"Пятница", "Fr"}};
    const std::vector<std::string> hours = {"8:00", "9:00", "10:00", "11:00", "12:00", "13:00 &amp; later"};
    std::set<Time> found;
    for (const auto& cells : lovaris::test::CsvRows(csv)) {
        if (cells.size() < 5 || cells[2] != klass || cells[4] != subject || !days.contains(cells[0])) continue;
        found.insert({days.at(cells[0]), hours.at(static_cast<std::size_t>(std::stoi(cells[1]) - 1))});
    }
    return found;
}

TEST(ExportFetCli, WritesThePlannedWeekBackIntoItsFetFile) {
    lovaris::test::ScratchDir scratch("lovaris-export-fet-");
    const std::string original = Fixture("week-write-back.fet"), project = scratch.file("school.tbl"),
                      week = scratch.file("week.rsp"), out = scratch.file("judged.fet");
    ASSERT_EQ(lovaris::test::RunCli({"import-fet", original, project}, scratch.path()).exitCode, 0);
    const auto planned = lovaris::test::RunCli({"plan", project, "-o", week, "--seconds", "2"}, scratch.path());
    ASSERT_EQ(planned.exitCode, 0) << planned.out << planned.err;

    const auto written =
        lovaris::test::RunCli({"export-fet", project, week, "--into", original, "-o", out}, scratch.path());
    ASSERT_EQ(written.exitCode, 0) << written.err;
    EXPECT_NE(written.out.find("Закреплено занятий: по времени 17"), std::string::npos) << written.out;
    EXPECT_NE(written.out.find("Пропущены импортом, оставлены незакрепленными (1): 9\n"), std::string::npos) << written.out;

    const std::string fet = lovaris::test::ReadText(out);
    const auto locked = LockedTimes(fet);
    EXPECT_EQ(locked.size(), 17u);
    const std::string csvPath = scratch.file("week.csv");
    ASSERT_EQ(lovaris::test::RunCli({"export-csv", project, week, csvPath}, scratch.path()).exitCode, 0);
    const std::string csv = lovaris::test::ReadText(csvPath);
    const struct {
        const char* klass;
        const char* subject;
        std::vector<int> activities;  // single hours each
    } lessons[] = {{"7b", "Math", {4, 5}}, {"7b", "Reading", {10, 11, 12}}, {"7a", "English", {7, 8}}};
    for (const auto& l : lessons) {
        std::set<Time> times;
        for (int id : l.activities) times.insert(locked.at(id));
        EXPECT_EQ(times, HoursInCsv(csv, l.klass, l.subject)) << l.klass << " " << l.subject;
    }
    EXPECT_NE(fet.find("<ConstraintActivitiesSameStartingTime>"), std::string::npos) << "the original's rules stay";
}

TEST(ExportFetCli, RefusesAProjectThatIsNotTheImportOfTheFileAndWritesNothing) {
    lovaris::test::ScratchDir scratch("lovaris-export-fet-");
    const std::string project = scratch.file("school.tbl"), week = scratch.file("week.rsp"),
                      out = scratch.file("judged.fet");
    ASSERT_EQ(lovaris::test::RunCli({"import-fet", Fixture("week-write-back.fet"), project}, scratch.path()).exitCode, 0);
    ASSERT_EQ(lovaris::test::RunCli({"plan", project, "-o", week, "--seconds", "1"}, scratch.path()).exitCode, 0);
    const auto refused = lovaris::test::RunCli(
        {"export-fet", project, week, "--into", Fixture("split-activity.fet"), "-o", out}, scratch.path());
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_EQ(refused.err.rfind("export-fet: split-activity.fet: проект уже не тот, что import-fet делает из этого файла FET", 0), 0u)
        << refused.err;
    EXPECT_FALSE(fs::exists(out));

    const auto usage = lovaris::test::RunCli({"export-fet", project, week, "-o", out}, scratch.path());
    EXPECT_EQ(usage.exitCode, 1) << "--into is needed";
    EXPECT_FALSE(fs::exists(out));
}

}  // namespace
