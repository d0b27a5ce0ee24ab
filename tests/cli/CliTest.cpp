// lovaris-cli run as a process: exit status, stdout, stderr and the files it leaves.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "CliProcess.h"
#include "core/data/ProjectDocument.h"
#include "core/data/ProjectFile.h"

namespace {

namespace fs = std::filesystem;

using RunResult = lovaris::test::CliOutcome;
using lovaris::test::ReadText;

void WriteBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

class CliTest : public ::testing::Test {
protected:
    std::string path(const std::string& name) const { return scratch_.file(name); }

    RunResult run(const std::vector<std::string>& args) const { return lovaris::test::RunCli(args, scratch_.path()); }

    // A new project file made by the tool itself.
    std::string newProject(const std::string& name) {
        const auto result = run({"new", path(name)});
        EXPECT_EQ(result.exitCode, 0) << result.err;
        return path(name);
    }

    lovaris::test::ScratchDir scratch_{"lovaris-cli-test-"};
};

const std::vector<std::string> kCommands = {"new", "resave", "check", "export-json", "import-json"};

TEST_F(CliTest, HelpOnTheToolAndOnEveryCommand) {
    std::vector<std::vector<std::string>> calls = {{"--help"}, {"-h"}};
    for (const auto& c : kCommands) {
        calls.push_back({c, "--help"});
        calls.push_back({c, path("a"), "-h"});  // help wins over the arguments
    }
    for (const auto& call : calls) {
        const auto result = run(call);
        EXPECT_EQ(result.exitCode, 0) << call[0];
        EXPECT_TRUE(result.out.starts_with("Usage: lovaris-cli")) << call[0] << ": " << result.out;
        if (call.size() > 1) {
            EXPECT_NE(result.out.find("lovaris-cli " + call[0] + " "), std::string::npos);
        }
        EXPECT_EQ(result.err, "");
    }
    EXPECT_FALSE(fs::exists(path("a")));
}

TEST_F(CliTest, BadUsageShowsUsageOnStderr) {
    const std::vector<std::vector<std::string>> calls = {
        {},           {"frobnicate"},        {"new"},           {"new", "a", "b"},
        {"resave", "a"}, {"check"},          {"export-json", "a", "b", "c"},
        {"import-json", "a"}, {"new", "--force", "a"},
    };
    for (const auto& call : calls) {
        const auto result = run(call);
        const std::string shown = call.empty() ? "(none)" : call[0];
        EXPECT_EQ(result.exitCode, 1) << shown;
        EXPECT_NE(result.err.find("Usage: lovaris-cli"), std::string::npos) << shown;
        EXPECT_EQ(result.out, "") << shown;
    }
}

// ---------------------------------------------------------------- refused project files

struct BadFile {
    const char* name;
    std::string (*make)(const std::string& good);
};

const BadFile kBadFiles[] = {
    {"short.tbl", [](const std::string& good) { return good.substr(0, 227); }},
    {"magic.tbl", [](const std::string& good) { return std::string(good).replace(1, 4, "VARI"); }},
    // The signature's minor version sits at offset 16.
    {"newer.tbl", [](const std::string& good) { return std::string(good).replace(16, 1, 1, '\x04'); }},
};

TEST_F(CliTest, RefusedProjectFileGivesTheMessageAndNoOutput) {
    const std::string good = ReadText(newProject("good.tbl"));
    for (const auto& bad : kBadFiles) {
        WriteBytes(path(bad.name), bad.make(good));
        const std::string message = std::string("Формат файла ") + bad.name + " не известен или не поддерживается.\n";
        const std::vector<std::vector<std::string>> calls = {
            {"resave", path(bad.name), path("out.tbl")},
            {"check", path(bad.name)},
            {"export-json", path(bad.name), path("out.json")},
            {"export-json", path(bad.name)},
        };
        for (const auto& call : calls) {
            const auto result = run(call);
            EXPECT_EQ(result.exitCode, 2) << bad.name << " " << call[0];
            EXPECT_EQ(result.err, message) << call[0];
            EXPECT_EQ(result.out, "") << call[0];
        }
        EXPECT_FALSE(fs::exists(path("out.tbl"))) << bad.name;
        EXPECT_FALSE(fs::exists(path("out.json"))) << bad.name;
    }
}

TEST_F(CliTest, MissingInputIsUnreadable) {
    for (const auto& call : std::vector<std::vector<std::string>>{{"resave", path("none.tbl"), path("out.tbl")},
                                                                   {"import-json", path("none.json"), path("out.tbl")}}) {
        const auto result = run(call);
        EXPECT_EQ(result.exitCode, 2) << call[0];
        EXPECT_NE(result.err.find("Ошибка при открытии файла none."), std::string::npos) << result.err;
        EXPECT_FALSE(fs::exists(path("out.tbl")));
    }
}

TEST_F(CliTest, OutputThatCannotBeWrittenFails) {
    const std::string project = newProject("p.tbl");
    const std::string nowhere = path("missing-folder/out");
    for (const auto& call : std::vector<std::vector<std::string>>{
             {"new", nowhere}, {"resave", project, nowhere}, {"export-json", project, nowhere}}) {
        const auto result = run(call);
        EXPECT_EQ(result.exitCode, 1) << call[0];
        EXPECT_NE(result.err.find("Ошибка при записи файла out."), std::string::npos) << result.err;
    }
}

// A project the desktop program has open is held: the tool reads it, but writing over
// it is refused with the open message (exit 2) and the file stays as it was.
TEST_F(CliTest, AProjectOpenInTheDesktopProgramIsReadButNotWritten) {
    const std::string project = newProject("held.tbl");
    ASSERT_EQ(run({"export-json", project, path("held.json")}).exitCode, 0);
    const std::string before = ReadText(project);
    lovaris::ProjectDocument desktop(lovaris::ProjectLocking::WhileOpen);
    ASSERT_TRUE(desktop.Open(project).ok);

    EXPECT_EQ(run({"check", project}).exitCode, 0);
    EXPECT_EQ(run({"resave", project, path("copy.tbl")}).exitCode, 0);
    for (const auto& call : std::vector<std::vector<std::string>>{
             {"new", project}, {"resave", path("copy.tbl"), project}, {"import-json", path("held.json"), project}}) {
        const auto result = run(call);
        EXPECT_EQ(result.exitCode, 2) << call[0];
        EXPECT_EQ(result.err, "Ошибка при открытии файла held.tbl.\n") << call[0];
    }
    EXPECT_EQ(ReadText(project), before);
}

// ---------------------------------------------------------------- import-json refusals

TEST_F(CliTest, RefusedJsonNamesTheFieldAndWritesNothing) {
    const std::string project = newProject("p.tbl");
    ASSERT_EQ(run({"export-json", project, path("good.json")}).exitCode, 0);
    std::string withBadSeats = ReadText(path("good.json"));
    withBadSeats.replace(withBadSeats.find("\"items\": []"), 11,
                         R"("items": [ { "id": 0, "name": "101", "seats": 70000, "maxGroups": 1,
                            "specialization": 0, "generalUse": 1, "busy": [] } ])");
    struct Case {
        const char* file;
        std::string text;
        const char* message;
    };
    const Case cases[] = {
        {"syntax.json", "{ \"format\": ", "import-json: parse error at line 1"},
        {"seats.json", withBadSeats, "import-json: rooms.items[0].seats: expected an integer 0..65535\n"},
        {"huge.json", std::string(withBadSeats).replace(withBadSeats.find("70000"), 5, "1e30817"),
         "import-json: rooms.items[0].seats: number out of range\n"},
    };
    for (const auto& c : cases) {
        WriteBytes(path(c.file), c.text);
        const auto result = run({"import-json", path(c.file), path("out.tbl")});
        EXPECT_EQ(result.exitCode, 2) << c.file;
        EXPECT_TRUE(result.err.starts_with(c.message)) << result.err;
        EXPECT_FALSE(fs::exists(path("out.tbl"))) << c.file;
    }
}

// ---------------------------------------------------------------- check

TEST_F(CliTest, CheckPrintsTheFivePagesInOrder) {
    const auto clean = run({"check", newProject("p.tbl")});
    EXPECT_EQ(clean.exitCode, 0);
    const std::string none = "1. Ошибок не обнаружено.\n";
    EXPECT_EQ(clean.out, "[Кабинеты]\n" + none + "[Предметы]\n" + none + "[Классы]\n" + none + "[Учителя]\n" + none +
                             "[Уроки]\n" + none);

    // A finding stands on its own kind's page, and findings do not change the exit status.
    lovaris::Project project;
    auto& room = project.rooms.add();
    room.setName("101");
    room.seats = 0;
    const auto bytes = lovaris::SerializeProject(project);
    WriteBytes(path("finding.tbl"), std::string(bytes.begin(), bytes.end()));
    const auto found = run({"check", path("finding.tbl")});
    EXPECT_EQ(found.exitCode, 0);
    EXPECT_TRUE(found.out.starts_with("[Кабинеты]\n1. 101: задайте число мест.\n[Предметы]\n")) << found.out;
}

// ---------------------------------------------------------------- round trip

TEST_F(CliTest, NewExportImportResaveKeepsTheFileByteForByte) {
    const std::string original = newProject("new.tbl");
    ASSERT_EQ(run({"export-json", original, path("p.json")}).exitCode, 0);
    const auto toStdout = run({"export-json", original});
    EXPECT_EQ(toStdout.exitCode, 0);
    EXPECT_EQ(toStdout.out, ReadText(path("p.json")));
    ASSERT_EQ(run({"import-json", path("p.json"), path("imported.tbl")}).exitCode, 0);
    ASSERT_EQ(run({"resave", path("imported.tbl"), path("resaved.tbl")}).exitCode, 0);
    EXPECT_EQ(ReadText(path("imported.tbl")), ReadText(original));
    EXPECT_EQ(ReadText(path("resaved.tbl")), ReadText(original));
}

}  // namespace
