// Where new projects and the journal archive go: beside the program while its folder
// may be written, else in the user's data folder.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/common/DataFolder.h"
#include "core/journal/SubstitutionArchive.h"

namespace {

namespace fs = std::filesystem;

class DataFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() / ("lovaris-data-folder-" + std::to_string(::getpid()));
        fs::create_directories(root_ / "program");
        const char* old = std::getenv("XDG_DATA_HOME");
        if (old) oldXdg_ = old;
        hadXdg_ = old != nullptr;
        ::setenv("XDG_DATA_HOME", (root_ / "data").c_str(), 1);
    }
    void TearDown() override {
        if (hadXdg_)
            ::setenv("XDG_DATA_HOME", oldXdg_.c_str(), 1);
        else
            ::unsetenv("XDG_DATA_HOME");
        fs::remove_all(root_);
    }
    fs::path root_;
    std::string oldXdg_;
    bool hadXdg_ = false;
};

TEST_F(DataFolderTest, BesideTheProgramWhileWritableElseTheUsersDataFolder) {
    const std::string program = (root_ / "program").string();
    EXPECT_EQ(lovaris::DataFolder(program), program);
    EXPECT_EQ(lovaris::SubstitutionArchive::PathFor(program), (root_ / "program" / "zarch.sys").string());

    // A folder the user cannot write (here: one that is not there, as /usr/bin is not
    // the user's) sends the files to $XDG_DATA_HOME/lovaris, made on the way.
    const std::string installed = (root_ / "no-such-folder").string();
    const fs::path user = root_ / "data" / "lovaris";
    EXPECT_EQ(lovaris::DataFolder(installed), user.string());
    EXPECT_TRUE(fs::is_directory(user));
    EXPECT_EQ(lovaris::SubstitutionArchive::PathFor(installed), (user / "zarch.sys").string());
}

}  // namespace
