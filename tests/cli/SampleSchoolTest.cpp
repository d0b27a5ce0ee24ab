// The sample school built from examples/school.json must open in the program
// without a single finding of the data check.
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "CliProcess.h"

namespace {

const std::string kSchool = LOVARIS_EXAMPLES_BUILD_DIR "/school.tbl";

// "[Title]" lines open a page; the lines after it, up to the next title, are its findings.
std::vector<std::pair<std::string, std::vector<std::string>>> Pages(const std::string& text) {
    std::vector<std::pair<std::string, std::vector<std::string>>> pages;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        const std::string line = text.substr(start, end - start);
        start = end + 1;
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            pages.emplace_back(line.substr(1, line.size() - 2), std::vector<std::string>{});
        } else if (!pages.empty()) {
            pages.back().second.push_back(line);
        } else {
            pages.emplace_back("", std::vector<std::string>{line});
        }
    }
    return pages;
}

TEST(SampleSchool, ChecksClean) {
    ASSERT_TRUE(std::filesystem::exists(kSchool)) << kSchool << " is missing: build the target sample_school";
    const lovaris::test::ScratchDir scratch("lovaris-sample-school-");
    const auto run = lovaris::test::RunCli({"check", kSchool}, scratch.path());
    ASSERT_EQ(run.exitCode, 0) << run.out << run.err;

    const auto pages = Pages(run.out);
    const std::vector<std::string> titles = {"Кабинеты", "Предметы", "Классы", "Учителя", "Уроки"};
    ASSERT_EQ(pages.size(), titles.size()) << run.out;
    for (std::size_t k = 0; k < pages.size(); ++k) {
        EXPECT_EQ(pages[k].first, titles[k]);
        EXPECT_EQ(pages[k].second, std::vector<std::string>{"1. Ошибок не обнаружено."})
            << "page " << pages[k].first << " has findings";
    }
}

}  // namespace
