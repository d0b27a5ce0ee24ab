// The journal commands run as processes on the sample school: a day kept from the
// first absence to the summary, one record appended per change, and the refusals
// with their exit statuses.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "CliProcess.h"
#include "core/common/FileIO.h"
#include "core/data/ProjectDocument.h"
#include "core/journal/SubstitutionArchive.h"
#include "core/planning/PlanningSession.h"
#include "core/variant/VariantFile.h"

namespace {

namespace fs = std::filesystem;
using namespace lovaris;
using lovaris::test::RunCli;

const std::string kSchool = LOVARIS_EXAMPLES_BUILD_DIR "/school.tbl";
const std::string kMonday = "2026-12-14";
const std::string kSunday = "2026-12-13";

class JournalCli : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(fs::exists(kSchool)) << kSchool << " is missing: build the target sample_school";
        // A variant of the sample school with the first class's first three lessons on Monday 1..3.
        ProjectDocument document;
        ASSERT_TRUE(document.Open(kSchool).ok);
        PlanningSession session(document.project());
        TTableVarItem variant = session.NewVariant();
        const auto& klass = session.klasses().at(0);
        for (int n = 1; n <= 3; ++n) variant.SetCleanSlot(0, 1, LessonSlot::BlockHour(n - 1, n, n), n);
        teacher = session.teachers().at(klass.lesson(0).subgroups[0].teacher).displayName();
        ASSERT_TRUE(SaveVariantFile(variantPath, variant, VariantOptions{}, 1).ok);
    }
    test::CliOutcome run(std::vector<std::string> args) { return RunCli(args, dir.path()); }
    std::vector<std::string> withVariant(const char* command) { return {command, archive, kSchool, variantPath}; }
    std::uintmax_t archiveSize() const { return fs::file_size(archive); }

    test::ScratchDir dir{"lovaris-journal-cli-"};
    std::string archive = dir.file("zarch.sys");
    std::string variantPath = dir.file("week.rsp");
    std::string teacher;
};

TEST_F(JournalCli, ADayFromTheFirstAbsenceToTheSummary) {
    auto shown = run({"journal-show", archive, "--date", kMonday});
    ASSERT_EQ(shown.exitCode, 0) << shown.err;
    EXPECT_EQ(shown.out, "14.12.2026, Понедельник\nno records\n");
    EXPECT_EQ(archiveSize(), kArchiveHeaderSize);

    auto args = withVariant("journal-add");
    args.insert(args.end(), {"--date", kMonday, "--teacher", teacher, "--lessons", "1,2", "--reason", "За свой счет"});
    auto added = run(args);
    ASSERT_EQ(added.exitCode, 0) << added.err;
    EXPECT_NE(added.out.find("1. 1 | " + teacher), std::string::npos) << added.out;
    EXPECT_NE(added.out.find("За свой счет"), std::string::npos);
    const auto afterAdd = archiveSize();
    EXPECT_GT(afterAdd, kArchiveHeaderSize);
    // The same lessons again add nothing and change nothing.
    EXPECT_EQ(run(args).exitCode, 0);
    EXPECT_EQ(archiveSize(), afterAdd);

    args = withVariant("journal-candidates");
    args.insert(args.end(), {"--date", kMonday, "--row", "1"});
    auto candidates = run(args);
    ASSERT_EQ(candidates.exitCode, 0) << candidates.err;
    // Marks in their order, each line a mark and a name.
    const std::vector<std::string> marks = {"гр. ", "ок. ", "св. ", "зн. "};
    std::size_t lastMark = 0;
    std::string first;
    std::istringstream lines(candidates.out);
    for (std::string line; std::getline(lines, line);) {
        const auto mark = std::find(marks.begin(), marks.end(), line.substr(0, marks[0].size()));
        ASSERT_NE(mark, marks.end()) << line;
        EXPECT_GE(static_cast<std::size_t>(mark - marks.begin()), lastMark) << line;
        lastMark = static_cast<std::size_t>(mark - marks.begin());
        EXPECT_NE(line.substr(mark->size()), teacher) << "the absent teacher is never offered";
        if (first.empty()) first = line.substr(mark->size());
    }
    ASSERT_FALSE(first.empty());

    args = withVariant("journal-substitute");
    args.insert(args.end(), {"--date", kMonday, "--row", "1", "--teacher", first});
    ASSERT_EQ(run(args).exitCode, 0);
    const auto afterSubstitute = archiveSize();
    EXPECT_GT(afterSubstitute, afterAdd) << "one record appended per change";

    auto edited = run({"journal-edit", archive, kSchool, "--date", "14.12.2026", "--row", "2", "--note", "контрольная"});
    ASSERT_EQ(edited.exitCode, 0) << edited.err;
    EXPECT_GT(archiveSize(), afterSubstitute);

    auto json = run({"journal-show", archive, "--date", kMonday, "--json"});
    ASSERT_EQ(json.exitCode, 0);
    const auto day = nlohmann::json::parse(json.out);
    ASSERT_EQ(day["rows"].size(), 2u);
    EXPECT_EQ(day["rows"][0]["substitute"], first);
    EXPECT_EQ(day["rows"][0]["reason"], "За свой счет");
    EXPECT_EQ(day["rows"][0]["absentLessons"], nlohmann::json::array({1, 2}));
    EXPECT_EQ(day["rows"][1]["note"], "контрольная");

    auto summary = run({"journal-summary", archive, "--from", "2026-12-01", "--to", "2026-12-31", "--json"});
    ASSERT_EQ(summary.exitCode, 0) << summary.err;
    const auto s = nlohmann::json::parse(summary.out);
    ASSERT_EQ(s["absences"].size(), 1u);
    EXPECT_EQ(s["absences"][0]["teacher"], teacher);
    EXPECT_EQ(s["absences"][0]["junior"].get<int>() + s["absences"][0]["senior"].get<int>(), 2);
    EXPECT_EQ(s["substitutions"].size(), 2u) << "the substitute and the row still without one";

    // Deleting both rows frees the day.
    ASSERT_EQ(run({"journal-delete", archive, "--date", kMonday, "--row", "2"}).exitCode, 0);
    ASSERT_EQ(run({"journal-delete", archive, "--date", kMonday, "--row", "1"}).exitCode, 0);
    EXPECT_EQ(run({"journal-show", archive, "--date", kMonday}).out, "14.12.2026, Понедельник\nno records\n");
    auto reopened = SubstitutionArchive::Open(archive);
    ASSERT_TRUE(reopened);
    EXPECT_EQ(reopened->RecordedDates().size(), 0u);
}

TEST_F(JournalCli, RefusalsAndTheirExitStatuses) {
    const std::string notArchive = dir.file("notes.sys");
    const std::vector<std::uint8_t> text(30000, 'x');
    ASSERT_TRUE(WriteFileAtomically(notArchive, text));
    auto add = [&](const std::string& date, const std::string& who, const char* lessons) {
        auto args = withVariant("journal-add");
        args.insert(args.end(), {"--date", date, "--teacher", who, "--lessons", lessons});
        return args;
    };
    struct Case {
        const char* what;
        std::vector<std::string> args;
        int exitCode;
        std::string message;
    };
    const Case cases[] = {
        {"a file that is no archive", {"journal-show", notArchive, "--date", kMonday}, 2,
         "Не удается открыть журнал замещений."},
        {"Sunday has no lessons", add(kSunday, teacher, "1"), 2,
         "Замещаемый урок не обнаружен в открытом варианте расписания. Откройте нужный вариант расписания."},
        {"a teacher the project lacks", add(kMonday, "Никто", "1"), 2, "lovaris-cli: the project has no teacher"},
        {"the free-entry date", {"journal-show", archive, "--date", "1899-12-30"}, 1, "lovaris-cli: --date takes"},
        {"no date", {"journal-delete", archive, "--row", "1"}, 1, "lovaris-cli: --date is required"},
        {"a row the day lacks", {"journal-delete", archive, "--date", kMonday, "--row", "1"}, 1,
         "lovaris-cli: --row takes"},
        {"a lesson past the day", add(kMonday, teacher, "99"), 1, "lovaris-cli: --lessons takes"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto outcome = run(c.args);
        EXPECT_EQ(outcome.exitCode, c.exitCode);
        EXPECT_EQ(outcome.err.rfind(c.message, 0), 0u) << outcome.err;
    }
    EXPECT_EQ(ReadWholeFile(notArchive), text) << "a refused file stays as it was";

    // The archive held open elsewhere is refused, not written over.
    ASSERT_EQ(run(add(kMonday, teacher, "1")).exitCode, 0);
    {
        auto held = SubstitutionArchive::Open(archive);
        ASSERT_TRUE(held);
        const auto before = ReadWholeFile(archive);
        const auto outcome = run({"journal-delete", archive, "--date", kMonday, "--row", "1"});
        EXPECT_EQ(outcome.exitCode, 2);
        EXPECT_EQ(ReadWholeFile(archive), before);
    }
    auto substitute = withVariant("journal-substitute");
    substitute.insert(substitute.end(), {"--date", kMonday, "--row", "1", "--teacher", teacher});
    EXPECT_EQ(run(substitute).exitCode, 2) << "the absent teacher is no candidate";
    EXPECT_EQ(run({"journal-edit", archive, kSchool, "--date", kMonday, "--row", "1", "--subject", "Астрология"}).exitCode, 2);

    // A note the archive cannot keep is refused, with the reason given beside it, and the day stays.
    const auto before = ReadWholeFile(archive);
    const auto unkept =
        run({"journal-edit", archive, kSchool, "--date", kMonday, "--row", "1", "--reason", "Курсы", "--note", "✓"});
    EXPECT_EQ(unkept.exitCode, 2);
    EXPECT_EQ(unkept.err.rfind("lovaris-cli: Журнал замещений хранит тексты в кодировке Windows-1251", 0), 0u)
        << unkept.err;
    EXPECT_EQ(ReadWholeFile(archive), before);
}

}  // namespace
