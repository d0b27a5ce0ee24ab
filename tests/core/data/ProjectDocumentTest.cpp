#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "core/common/FileIO.h"
#include "core/data/ProjectDocument.h"
#include "core/data/ProjectFile.h"

using namespace lovaris;
namespace fs = std::filesystem;

namespace {

class ProjectDocumentTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("lovaris-doc-" + std::to_string(std::random_device{}()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string path(const std::string& name) const { return (dir_ / name).string(); }

    fs::path dir_;
};

}  // namespace

TEST_F(ProjectDocumentTest, NewProjectIsWrittenAtOnceWithDefaults) {
    ProjectDocument doc;
    ASSERT_TRUE(doc.CreateNew(path("Новый_1.tbl")).ok);
    EXPECT_TRUE(doc.modified());
    EXPECT_EQ(doc.caption(), "АРМ \"Ловарис\": Новый_1 (изменен)");

    // Even when nothing else happens, the file on disk is a valid empty project.
    const auto bytes = ReadWholeFile(path("Новый_1.tbl"));
    ASSERT_TRUE(bytes);
    EXPECT_EQ(bytes->size(), kProjectDataOffset);
    const auto loaded = ParseProject(*bytes);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->params, ProjectParams{});

    ASSERT_TRUE(doc.Save().ok);
    EXPECT_FALSE(doc.modified());
    EXPECT_EQ(doc.caption(), "АРМ \"Ловарис\": Новый_1");
}

TEST_F(ProjectDocumentTest, DeletedIdsStayRetiredAcrossSaveAndOpen) {
    ProjectDocument doc;
    ASSERT_TRUE(doc.CreateNew(path("ids.tbl")).ok);
    auto& rooms = doc.project().rooms;
    for (int i = 0; i < 5; ++i) rooms.add();
    rooms.remove(rooms.indexOfId(2));
    rooms.add();
    ASSERT_TRUE(doc.Save().ok);

    ProjectDocument reopened;
    ASSERT_TRUE(reopened.Open(path("ids.tbl")).ok);
    std::vector<int> ids;
    for (const auto& r : reopened.project().rooms) ids.push_back(r.id);
    EXPECT_EQ(ids, (std::vector<int>{0, 1, 3, 4, 5}));
    EXPECT_EQ(reopened.project().rooms.nextId(), 6);
    EXPECT_EQ(reopened.project().rooms.add().id, 6);
    EXPECT_FALSE(reopened.modified());
    EXPECT_EQ(reopened.project().rooms.at(0).name, "Неизвестный кабинет") << "an empty name comes back as the placeholder";
}

TEST_F(ProjectDocumentTest, OpenRefusesForeignFilesAndKeepsTheOpenProject) {
    ProjectDocument doc;
    ASSERT_TRUE(doc.CreateNew(path("good.tbl")).ok);
    doc.project().rooms.add().name = "101";

    std::ofstream(path("short.tbl"), std::ios::binary) << std::string(227, 'x');
    const auto outcome = doc.Open(path("short.tbl"));
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.message, "Формат файла short.tbl не известен или не поддерживается.");
    EXPECT_EQ(doc.GetFileName(), path("good.tbl"));
    EXPECT_EQ(doc.project().rooms.count(), 1);

    const auto missing = doc.Open(path("absent.tbl"));
    EXPECT_EQ(missing.message, "Ошибка при открытии файла absent.tbl.");
}

TEST_F(ProjectDocumentTest, FailedSaveKeepsTheOldFileAndTheModifiedMark) {
    ProjectDocument doc;
    ASSERT_TRUE(doc.CreateNew(path("keep.tbl")).ok);
    doc.project().rooms.add().name = "101";
    ASSERT_TRUE(doc.Save().ok);
    const auto before = ReadWholeFile(path("keep.tbl"));

    doc.project().rooms.add().name = "102";
    doc.SetModified(true);
    // The temporary file cannot be created: something else stands in its place.
    fs::create_directory(path("keep.tbl.saving~"));
    const auto outcome = doc.Save();
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.message, "Ошибка при записи файла keep.tbl.");
    EXPECT_TRUE(doc.modified());
    EXPECT_EQ(ReadWholeFile(path("keep.tbl")), before);

    const auto saveAs = doc.SaveAs(path("no-such-folder/other.tbl"));
    EXPECT_FALSE(saveAs.ok);
    EXPECT_EQ(doc.GetFileName(), path("keep.tbl")) << "a failed save-as keeps the project's name";
}

TEST_F(ProjectDocumentTest, EditorStateChangesMarkModified) {
    ProjectDocument doc;
    ASSERT_TRUE(doc.CreateNew(path("state.tbl")).ok);
    ASSERT_TRUE(doc.Save().ok);
    doc.SetEditorState(EditorKind::Teachers, kWindowNormal);
    EXPECT_FALSE(doc.modified()) << "the same state is no change";
    doc.SetEditorState(EditorKind::Teachers, kWindowMaximized);
    EXPECT_TRUE(doc.modified());
    EXPECT_EQ(doc.params().windowState(EditorKind::Teachers), kWindowMaximized);
}

// The desktop program holds its open project's file: another holder, or a writer,
// is refused with the open message and the file stays as it was; a reader is not.
// The hold survives every save (each replaces the file) and moves with "save as".
TEST_F(ProjectDocumentTest, AnOpenProjectIsHeldAgainstOtherWritersNotReaders) {
    const auto heldElsewhere = [](const FileOutcome& outcome, const std::string& name) {
        EXPECT_FALSE(outcome.ok);
        EXPECT_TRUE(outcome.heldElsewhere);
        EXPECT_EQ(outcome.message, "Ошибка при открытии файла " + name + ".");
    };
    {
        ProjectDocument desktop(ProjectLocking::WhileOpen);
        ASSERT_TRUE(desktop.CreateNew(path("school.tbl")).ok);
        for (int save = 0; save < 2; ++save) {
            desktop.project().rooms.add().name = "10" + std::to_string(save);
            ASSERT_TRUE(desktop.Save().ok);
            const auto saved = ReadWholeFile(path("school.tbl"));

            ProjectDocument secondCopy(ProjectLocking::WhileOpen);
            heldElsewhere(secondCopy.Open(path("school.tbl")), "school.tbl");
            heldElsewhere(ProjectDocument().CreateNew(path("school.tbl")), "school.tbl");
            ProjectDocument reader;
            ASSERT_TRUE(reader.Open(path("school.tbl")).ok);
            EXPECT_EQ(reader.project().rooms.count(), save + 1);
            heldElsewhere(reader.Save(), "school.tbl");
            heldElsewhere(ProjectDocument().SaveAs(path("school.tbl")), "school.tbl");
            EXPECT_EQ(ReadWholeFile(path("school.tbl")), saved);
        }
        // "Save as" takes the hold to the new file and lets the old one go.
        ASSERT_TRUE(desktop.SaveAs(path("copy.tbl")).ok);
        heldElsewhere(ProjectDocument(ProjectLocking::WhileOpen).Open(path("copy.tbl")), "copy.tbl");
        EXPECT_TRUE(ProjectDocument(ProjectLocking::WhileOpen).Open(path("school.tbl")).ok);
    }
    // Closed: anyone may write again.
    ProjectDocument writer;
    ASSERT_TRUE(writer.Open(path("copy.tbl")).ok);
    EXPECT_TRUE(writer.Save().ok);
}
