#pragma once
// What the planning window's tests share: a small school, a folder of their own for
// variant files, and dialogs answered by a script.
#include <filesystem>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "../support/EngineTestSchool.h"
#include "core/workspace/VariantWorkspace.h"

namespace lovaris::test {

class ScriptedDialogs : public WorkspaceDialogs {
public:
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    SaveAnswer AskSave(const std::string& question) override {
        questions.push_back(question);
        return answer;
    }
    std::optional<std::string> ChooseFile(const FileDialogRequest& request) override {
        requests.push_back(request);
        return file;
    }

    SaveAnswer answer = SaveAnswer::Yes;
    std::optional<std::string> file;  // the file dialog's choice; none: cancelled
    std::vector<std::string> messages;
    std::vector<std::string> questions;
    std::vector<FileDialogRequest> requests;
};

// A folder under the system's temporary folder, removed with the object.
class TempFolder {
public:
    TempFolder() {
        std::random_device seed;
        path_ = std::filesystem::temp_directory_path() /
                ("lovaris-workspace-" + std::to_string(seed()) + "-" + std::to_string(seed()));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string file(const std::string& name) const { return (path_ / name).string(); }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// One class, 5А, four lessons a day from the first; three teachers with one lesson
// each (maths, physics, history), and a fourth lesson of the maths teacher.
struct WorkspaceSchool {
    static constexpr int kMonday = 1;

    WorkspaceSchool() : school(4) {
        const int k = school.klass("5А");
        const int ivanova = school.teacher("Иванова");
        const int petrov = school.teacher("Петров");
        const int sidorova = school.teacher("Сидорова");
        school.lesson(k, {1}, {{school.subject("Математика"), ivanova}});
        school.lesson(k, {1}, {{school.subject("Физика"), petrov}});
        school.lesson(k, {1}, {{school.subject("История"), sidorova}});
        school.lesson(k, {1}, {{school.subject("Алгебра"), ivanova}});
    }

    std::unique_ptr<VariantWorkspace> create(const std::string& programFolder = {}) {
        return VariantWorkspace::CreateNew(school.project, WorkspaceSetup{programFolder, {}});
    }

    // 5Б, with a lesson of each teacher: the two classes share their teachers.
    void addSecondClass() {
        const int k = school.klass("5Б");
        for (int teacher = 1; teacher <= 3; ++teacher)
            school.lesson(k, {1}, {{school.subject("Предмет " + std::to_string(teacher)), teacher}});
    }

    // One-hour blocks of the lessons at numbers 1, 2, ... of the day's clean copy or draft.
    static void put(VariantWorkspace& ws, std::vector<int> lessons, bool draft, int day = kMonday, int klass = 0) {
        for (std::size_t i = 0; i < lessons.size(); ++i) {
            const int n = static_cast<int>(i) + 1;
            const LessonSlot slot = LessonSlot::BlockHour(lessons[i], n, n);
            draft ? ws.variant().SetDraftSlot(klass, day, slot, n) : ws.variant().SetCleanSlot(klass, day, slot, n);
        }
    }

    EngineSchool school;
};

}  // namespace lovaris::test
