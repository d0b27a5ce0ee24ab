// lovaris-cli import-fet: the project it writes, its report, and no file when it refuses.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "CliProcess.h"

namespace {

namespace fs = std::filesystem;

std::string Fixture(const std::string& name) { return std::string(LOVARIS_TEST_DATA_DIR) + "/fet/" + name; }

TEST(ImportFetCli, WritesAProjectTheCheckReadsAndReportsWhatItLeftOut) {
    lovaris::test::ScratchDir scratch("lovaris-import-fet-");
    const std::string out = scratch.file("school.tbl");
    const auto imported = lovaris::test::RunCli({"import-fet", Fixture("busy-hours.fet"), out, "--report"}, scratch.path());
    ASSERT_EQ(imported.exitCode, 0) << imported.err;
    EXPECT_NE(imported.out.find("2 classes, 2 teachers, 1 lessons from 1 activities"), std::string::npos) << imported.out;
    EXPECT_NE(imported.out.find("1  constraints ConstraintTeacherMaxGapsPerWeek: not expressed"), std::string::npos);

    const auto checked = lovaris::test::RunCli({"check", out}, scratch.path());
    EXPECT_EQ(checked.exitCode, 0) << checked.err;
    EXPECT_NE(checked.out.find("[Уроки]"), std::string::npos);

    // Without --report the tool says nothing.
    const auto quiet = lovaris::test::RunCli({"import-fet", Fixture("busy-hours.fet"), scratch.file("q.tbl")}, scratch.path());
    EXPECT_EQ(quiet.exitCode, 0);
    EXPECT_EQ(quiet.out, "");
}

TEST(ImportFetCli, RefusedFileLeavesNoOutput) {
    lovaris::test::ScratchDir scratch("lovaris-import-fet-");
    const std::string in = scratch.file("broken.fet");
    std::ofstream(in) << "<fet><Days_List><Day><Name>Mo</Name></Day>";
    const std::string out = scratch.file("broken.tbl");
    const auto refused = lovaris::test::RunCli({"import-fet", in, out}, scratch.path());
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_EQ(refused.err.rfind("import-fet: broken.fet: line 1: the file ends before its XML is complete", 0), 0u)
        << refused.err;
    EXPECT_FALSE(fs::exists(out));
}

}  // namespace
