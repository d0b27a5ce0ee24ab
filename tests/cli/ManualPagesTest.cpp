// The command reference, manual pages and bash completion made from the tool's usage.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "CliProcess.h"
#include "CommandTable.h"
#include "ManualPages.h"

namespace {

using lovaris::test::ReadText;

TEST(ManualPages, TheReferenceInDocsIsTheToolsOwnUsage) {
    const std::string written = ReadText(std::string(LOVARIS_SOURCE_DIR) + "/docs/cli.md");
    EXPECT_TRUE(written == lovaris::cli::CliReferenceMarkdown())
        << "docs/cli.md differs from the tool's usage: build/src/cli/lovaris-docs --markdown > docs/cli.md";
}

TEST(ManualPages, TheManualPageHasASectionPerCommandWithItsHelp) {
    const std::string page = lovaris::cli::CliManPage("0.1");
    for (const auto* command : lovaris::cli::AllCommands()) {
        std::string name;
        for (char c : command->name) name += c == '-' ? std::string("\\-") : std::string(1, c);
        EXPECT_NE(page.find(".SS \"" + name + "\"\n"), std::string::npos) << command->name;
    }
    // A help line that begins with a dot must not turn into a troff request.
    EXPECT_EQ(page.find("\n.\n"), std::string::npos);
    EXPECT_EQ(page.find("\n'"), std::string::npos);
}

std::string RunShell(const std::string& command) {
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return out;
    std::array<char, 4096> buffer{};
    while (const std::size_t n = fread(buffer.data(), 1, buffer.size(), pipe)) out.append(buffer.data(), n);
    pclose(pipe);
    return out;
}

TEST(ManualPages, BashCompletesCommandsOptionsAndFilesByKind) {
    lovaris::test::ScratchDir scratch("lovaris-completion-");
    std::ofstream(scratch.file("completion.bash")) << lovaris::cli::CliBashCompletion();
    for (const char* name : {"a.tbl", "b.rsp", "c.txt", "d.pdf", "e.fet"}) std::ofstream(scratch.file(name)) << "x";

    struct Case {
        std::string words;  // the command line so far, the word being completed last
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"lovaris-cli pla", "place plan"},
        {"lovaris-cli journal-s", "journal-show journal-substitute journal-summary"},
        {"lovaris-cli plan --st", "--stages --steps"},
        {"lovaris-cli variant-show ''", "a.tbl b.rsp"},
        {"lovaris-cli import-fet ''", "a.tbl e.fet"},
        {"lovaris-cli report all-classes a.tbl b.rsp -o ''", "d.pdf"},
        {"lovaris-cli optimise a.tbl b.rsp --day ''", "1 2 3 4 5 6"},
        {"lovaris-cli nothing ''", ""},
    };
    for (const auto& c : cases) {
        const std::string script = "cd '" + scratch.path().string() + "' && source completion.bash && COMP_WORDS=(" +
                                   c.words + ") && COMP_CWORD=$((${#COMP_WORDS[@]} - 1)) && _lovaris_cli; " +
                                   "printf '%s\\n' \"${COMPREPLY[@]}\" | sort | paste -sd' '";
        std::string out = RunShell("bash -c \"" + [&] {
            std::string quoted;
            for (char ch : script) quoted += (ch == '"' || ch == '$' || ch == '\\' || ch == '`') ? std::string("\\") + ch : std::string(1, ch);
            return quoted;
        }() + "\"");
        while (!out.empty() && (out.back() == '\n' || out.back() == ' ')) out.pop_back();
        EXPECT_EQ(out, c.expected) << c.words;
    }
}

}  // namespace
