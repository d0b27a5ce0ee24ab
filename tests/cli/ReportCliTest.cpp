// lovaris-cli report run as a process on the sample school: every kind as PDF, read
// back with pdftotext and pdfinfo, the text form, and the inputs it refuses.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

#include "CliProcess.h"

namespace fs = std::filesystem;
using lovaris::test::ReadText;
using lovaris::test::RunCli;
using lovaris::test::ScratchDir;

namespace {

const std::string kSchool = LOVARIS_EXAMPLES_BUILD_DIR "/school.tbl";

class ReportCli : public ::testing::Test {
protected:
    // One planned week of the sample school for every test.
    static void SetUpTestSuite() {
        scratch_ = std::make_unique<ScratchDir>("lovaris-report-cli-");
        variant_ = scratch_->file("week.rsp");
        const auto plan = RunCli({"plan", kSchool, "-o", variant_, "--steps", "20000", "--improve-steps", "20000"}, scratch_->path());
        ASSERT_TRUE(plan.exitCode == 0 || plan.exitCode == 3) << plan.err;
        // Monday 07.09.2026: Смирнова away for her first two lessons.
        archive_ = scratch_->file("zarch.sys");
        const auto absent = RunCli({"journal-add", archive_, kSchool, variant_, "--date", "2026-09-07", "--teacher",
                                    "Смирнова Елена Викторовна", "--lessons", "1,2", "--reason", "Болезнь"},
                                   scratch_->path());
        ASSERT_EQ(absent.exitCode, 0) << absent.err;
    }
    static void TearDownTestSuite() { scratch_.reset(); }

    static std::string Shell(const std::string& command, const std::string& outFile) {
        const int status = std::system((command + " > '" + outFile + "' 2>&1").c_str());
        EXPECT_EQ(status, 0) << command;
        return ReadText(outFile);
    }

    static std::unique_ptr<ScratchDir> scratch_;
    static std::string variant_;
    static std::string archive_;
};

std::unique_ptr<ScratchDir> ReportCli::scratch_;
std::string ReportCli::variant_;
std::string ReportCli::archive_;

struct KindCase {
    const char* kind;
    std::vector<std::string> options;
    bool withVariant;
    bool landscape;
    std::vector<std::string> texts;  // somewhere in the PDF's text
};

class ReportKinds : public ReportCli, public ::testing::WithParamInterface<KindCase> {};

TEST_P(ReportKinds, WritesAnA4PdfWithTheReportsTexts) {
    const KindCase& c = GetParam();
    const std::string pdf = scratch_->file(std::string(c.kind) + ".pdf");
    std::vector<std::string> args{"report", c.kind, kSchool};
    if (c.withVariant) args.push_back(variant_);
    for (const auto& option : c.options) args.push_back(option == "ARCHIVE" ? archive_ : option);
    args.insert(args.end(), {"-o", pdf});
    const auto run = RunCli(args, scratch_->path());
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const std::string text = Shell("pdftotext -layout '" + pdf + "' -", scratch_->file("text.txt"));
    for (const auto& expected : c.texts) EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
    const std::string info = Shell("pdfinfo '" + pdf + "'", scratch_->file("info.txt"));
    EXPECT_NE(info.find(c.landscape ? "842 x 595 pts" : "595 x 842 pts"), std::string::npos) << info;
    EXPECT_NE(info.find("(A4)"), std::string::npos) << info;
}

INSTANTIATE_TEST_SUITE_P(
    SampleSchool, ReportKinds,
    ::testing::Values(
        KindCase{"class", {"--class", "1А"}, true, false, {"1А", "Понедельник", "Суббота", "Стр. 1", "\"Ловарис\""}},
        KindCase{"teacher", {"--teacher", "Смирнова Елена Викторовна", "--short"}, true, false,
                 {"Смирнова Елена Викторовна", "Четверг"}},
        KindCase{"all-classes", {}, true, true, {"Средняя школа № 17", "1А", "Понедельник", "Стр. 12"}},
        KindCase{"all-teachers", {}, true, false, {"Ф.И.О.", "Смирнова", "Суббота"}},
        KindCase{"teachers-data", {}, false, false, {"Нагрузка по учебному плану", "Количество часов", "Всего"}},
        KindCase{"classes-data", {}, false, false, {"Тарификация", "Часы по УП", "10 - 11 кл.", "Итого"}},
        KindCase{"load-table", {}, true, false, {"Распределение нагрузки по дням недели", "Пятница", "1А"}},
        KindCase{"load-chart", {}, true, false, {"ПРИМЕЧАНИЯ", "1А", "Пн"}},
        KindCase{"subst-day", {"--archive", "ARCHIVE", "--date", "07.09.2026"}, false, false,
                 {"Замещения на 07.09.2026", "Ф.И.О. отсутств.", "Смирнова Елена", "Примеч."}},
        KindCase{"subst-period", {"--archive", "ARCHIVE", "--from", "2026-09-01", "--to", "2026-09-30"}, true, true,
                 {"Замещения за период 01.09.2026 - 30.09.2026", "07.09.2026", "Болезнь", "Подпись", "Стр. 1"}}),
    [](const auto& info) {
        std::string name = info.param.kind;
        for (char& ch : name)
            if (ch == '-') ch = '_';
        return name;
    });

TEST_F(ReportCli, TextFormShowsPagesAndCellsWithoutQt) {
    const auto run = RunCli({"report", "class", kSchool, variant_, "--class", "1А", "--short", "--text"},
                            scratch_->path());
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out.rfind("Расписание для класса\n", 0), 0u) << run.out;
    EXPECT_NE(run.out.find("--- 1 / 1 ---"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("№ | Понедельник | Вторник | Среда | Четверг | Пятница | Суббота"), std::string::npos);
    EXPECT_NE(run.out.find("Стр. 1    \"Ловарис\""), std::string::npos);
}

struct RefusalCase {
    const char* name;
    std::vector<std::string> args;  // after "report"; VARIANT and OUT stand for the files
    int exitCode;
    const char* message;
};

class ReportRefusals : public ReportCli, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(ReportRefusals, SaysWhyAndWritesNothing) {
    const RefusalCase& c = GetParam();
    const std::string out = scratch_->file("refused.pdf");
    std::vector<std::string> args{"report"};
    for (const auto& a : c.args) args.push_back(a == "VARIANT" ? variant_ : a == "OUT" ? out : a == "SCHOOL" ? kSchool : a);
    const auto run = RunCli(args, scratch_->path());
    EXPECT_EQ(run.exitCode, c.exitCode) << run.err;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(out));
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, ReportRefusals,
    ::testing::Values(RefusalCase{"UnknownKind", {"timetable", "SCHOOL", "--text"}, 1, "unknown report kind"},
                      RefusalCase{"NoOutput", {"all-classes", "SCHOOL", "VARIANT"}, 1, "either -o OUT.pdf or --text"},
                      RefusalCase{"TwoOutputs", {"all-classes", "SCHOOL", "VARIANT", "--text", "-o", "OUT"}, 1, "either"},
                      RefusalCase{"NoVariant", {"all-classes", "SCHOOL", "-o", "OUT"}, 1, "needs VARIANT.rsp"},
                      RefusalCase{"NoClassName", {"class", "SCHOOL", "VARIANT", "-o", "OUT"}, 1, "needs --class NAME"},
                      RefusalCase{"UnknownClass", {"class", "SCHOOL", "VARIANT", "--class", "99Я", "-o", "OUT"}, 2,
                                  "no class named"},
                      RefusalCase{"DataWithVariant", {"teachers-data", "SCHOOL", "VARIANT", "-o", "OUT"}, 1,
                                  "PROJECT.tbl only"},
                      RefusalCase{"VariantAsProject", {"load-table", "VARIANT", "VARIANT", "-o", "OUT"}, 2, ""},
                      RefusalCase{"NoArchive", {"subst-day", "SCHOOL", "--archive", "none.sys", "--date", "07.09.2026",
                                   "-o", "OUT"}, 2, "Не удается открыть журнал замещений."},
                      RefusalCase{"NoDate", {"subst-period", "SCHOOL", "--from", "07.09.2026", "-o", "OUT"}, 1, "--to"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ReportCli, UnwritableOutputFailsAndLeavesNoFile) {
    const std::string out = scratch_->file("missing-folder/report.pdf");
    const auto run = RunCli({"report", "classes-data", kSchool, "-o", out}, scratch_->path());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err, "");
    EXPECT_FALSE(fs::exists(out));
}

}  // namespace
