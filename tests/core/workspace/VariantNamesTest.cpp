// The names the planning window gives a variant: captions, the day list, the file
// of a new variant, the files a run saves, and the same file by two names.
#include <gtest/gtest.h>

#include <fstream>

#include "WorkspaceFixture.h"
#include "core/workspace/VariantNames.h"

namespace lovaris {
namespace {

TEST(VariantNames, Captions) {
    struct Case {
        const char* file;
        bool modified;
        const char* caption;
    };
    const Case cases[] = {
        {"/home/школа/Новое расписание.rsp", false, "Новое расписание"},
        {"/home/школа/Новое расписание.rsp", true, "Новое расписание (изменен)"},
        {"C:\\Школа\\Понедельник_Опт_3.rsp", false, "Понедельник_Опт_3"},
        {"/home/plan.bak1", false, "plan.bak1"},  // a four-letter extension is shown
        {"/home/plan.bak", false, "plan"},
        {"/home/план.врн", true, "план (изменен)"},  // letters, not bytes, are counted
        {"/home/my.folder/plan", false, "plan"},
        {"plan", false, "plan"},
    };
    for (const auto& c : cases) EXPECT_EQ(VariantCaption(c.file, c.modified), c.caption) << c.file;
}

TEST(VariantNames, DayListAndAutomaticSaves) {
    EXPECT_EQ(DayListText(1), "Понедельник");
    EXPECT_EQ(DayListText(6), "Суббота");
    EXPECT_EQ(AutoSaveVariantName(1, 3, true), "Понедельник_Опт_3");
    EXPECT_EQ(AutoSaveVariantName(3, 10, false), "Среда_10");
    EXPECT_EQ(VariantFileBeside("/школа/Новое расписание.rsp", "Среда_Опт_1"), "/школа/Среда_Опт_1.rsp");
}

TEST(VariantNames, NewVariantGoesToTheVariantFolderWhenThereIsOne) {
    test::TempFolder program;
    EXPECT_EQ(NewVariantFileName(program.path().string()), program.file("Новое расписание.rsp"));
    std::filesystem::create_directory(program.path() / "Variant");
    EXPECT_EQ(NewVariantFileName(program.path().string()), program.file("Variant/Новое расписание.rsp"));
}

TEST(VariantNames, SameFileWithoutRegardToCase) {
    test::TempFolder folder;
    std::ofstream(folder.file("План.rsp")) << "x";
    EXPECT_TRUE(SameVariantFile("/школа/План.RSP", "/Школа/плАн.rsp"));
    EXPECT_TRUE(SameVariantFile(folder.file("План.rsp"), (folder.path() / "." / "План.rsp").string()));
    EXPECT_FALSE(SameVariantFile("/школа/План1.rsp", "/школа/План2.rsp"));
}

}  // namespace
}  // namespace lovaris
