// The open variant of the planning window: creation and opening, saving, the save
// question before a close, the choice of another file, the options and the day.
#include <gtest/gtest.h>

#include <fstream>

#include "WorkspaceFixture.h"
#include "core/common/FileIO.h"
#include "core/common/StringTable.h"
#include "core/variant/VariantFile.h"

namespace lovaris {
namespace {

using test::ScriptedDialogs;
using test::TempFolder;
using test::WorkspaceSchool;

// A file name whose folder cannot be made: it lies under a plain file.
std::string Unwritable(const TempFolder& folder, const std::string& name) {
    std::ofstream(folder.file("plain")) << "x";
    return folder.file("plain/" + name);
}

class VariantWorkspaceTest : public ::testing::Test {
protected:
    // A variant whose Monday holds two lessons, saved as `name` in `in` and opened.
    std::unique_ptr<VariantWorkspace> opened(const TempFolder& in, const std::string& name = "План.rsp") {
        auto ws = school.create(in.path().string());
        WorkspaceSchool::put(*ws, {0, 1}, false);
        ws->AssignFileName(in.file(name));
        EXPECT_TRUE(ws->SaveVariant().ok);
        std::unique_ptr<VariantWorkspace> again;
        EXPECT_TRUE(VariantWorkspace::Open(school.school.project, in.file(name), {}, again).ok);
        return again;
    }

    WorkspaceSchool school;
    TempFolder folder;
    ScriptedDialogs dialogs;
};

TEST_F(VariantWorkspaceTest, NewVariantStartsEmptyWithTheDefaultOptions) {
    std::filesystem::create_directory(folder.path() / "Variant");
    PlanningState previous;
    previous.considerAttachedRooms = previous.optimizeQueue = true;
    previous.autoSaveVariants = previous.findBestVariant = true;
    const auto ws =
        VariantWorkspace::CreateNew(school.school.project, {folder.path().string(), GroupDialogSettings::From(previous)});
    EXPECT_EQ(ws->fileName(), folder.file("Variant/Новое расписание.rsp"));
    EXPECT_EQ(ws->caption(), "Новое расписание");
    EXPECT_TRUE(ws->isNew());
    EXPECT_FALSE(ws->modified());
    EXPECT_FALSE(ws->HoldsLesson());
    EXPECT_EQ(ws->currentDay(), 1);
    EXPECT_EQ(ws->options(), VariantOptions::Defaults(1, 4));
    EXPECT_DOUBLE_EQ(ws->state().teacherBusyWeight, 0.40);
    // The group dialogs' settings carry over; automatic saving and "find best" start off.
    EXPECT_TRUE(ws->state().considerAttachedRooms && ws->state().optimizeQueue);
    EXPECT_FALSE(ws->state().autoSaveVariants || ws->state().findBestVariant);
    EXPECT_EQ(ws->selectedDetail().links.klassLessons.size(), 1u);
}

TEST_F(VariantWorkspaceTest, OpeningReadsTheFileOrRefusesIt) {
    auto ws = school.create(folder.path().string());
    WorkspaceSchool::put(*ws, {2, 0}, true, 3);
    for (const int storedDay : {0, 3, 9}) {
        ws->state().currentDay = storedDay;  // saved as the file's day
        ws->AssignFileName(folder.file("day.rsp"));
        ASSERT_TRUE(ws->SaveVariant().ok);
        std::unique_ptr<VariantWorkspace> again;
        ASSERT_TRUE(VariantWorkspace::Open(school.school.project, folder.file("day.rsp"), {}, again).ok);
        EXPECT_EQ(again->currentDay(), storedDay == 3 ? 3 : 1) << storedDay;
        EXPECT_FALSE(again->isNew() || again->modified());
        EXPECT_TRUE(again->variant().sameGrids(ws->variant()));
    }

    std::ofstream(folder.file("bad.rsp")) << "VARI-TABLE but nothing else";
    struct Case {
        std::string file;
        std::string message;
    };
    const Case cases[] = {
        {folder.file("bad.rsp"), "Формат файла bad.rsp не известен или не поддерживается."},
        {folder.file("missing.rsp"), "Ошибка при открытии файла missing.rsp."},
    };
    for (const auto& c : cases) {
        std::unique_ptr<VariantWorkspace> into;
        const FileOutcome outcome = VariantWorkspace::Open(school.school.project, c.file, {}, into);
        EXPECT_FALSE(outcome.ok);
        EXPECT_EQ(outcome.message, c.message);
        EXPECT_EQ(into, nullptr);
    }
}

// What the file says its dimensions are is what it holds, whatever the file it was
// opened from: a project that gained a class writes the new size.
TEST_F(VariantWorkspaceTest, SavingWritesTheVariantsOwnDimensions) {
    auto ws = school.create(folder.path().string());
    WorkspaceSchool::put(*ws, {0, 1, 2}, false);
    ws->AssignFileName(folder.file("two.rsp"));
    ASSERT_TRUE(ws->SaveVariant().ok);

    school.school.klass("5Б");
    std::unique_ptr<VariantWorkspace> grown;
    ASSERT_TRUE(VariantWorkspace::Open(school.school.project, folder.file("two.rsp"), {}, grown).ok);
    grown->SetVariantModified(true);
    ASSERT_EQ(grown->SaveCommand(SaveKind::Save, dialogs), SaveResult::Saved);
    const auto bytes = ReadWholeFile(folder.file("two.rsp"));
    ASSERT_TRUE(bytes);
    EXPECT_EQ(bytes->size(), kVariantHeaderSize + 2 * (2 * 6 * 4 * LessonSlot::kRecordSize));
    LoadedVariant read;
    ASSERT_TRUE(OpenVariantFile(folder.file("two.rsp"), grown->variant().catalog(), read).ok);
    EXPECT_EQ(read.options.classCount, 2);
    EXPECT_TRUE(read.variant.sameGrids(grown->variant()));
}

TEST_F(VariantWorkspaceTest, SaveQuestionBeforeAClose) {
    enum class Kind { New, Opened };
    struct Case {
        const char* name;
        Kind kind;
        bool modified;
        bool withLessons;
        SaveAnswer answer;
        std::string chosen;  // the save dialog's choice: "" cancelled, "?" a file that cannot be written
        AskSaveResult result;
        bool asked;
        bool written;
        std::string message;
    };
    const std::string cannot = "Ошибка при записи файла Новый.rsp.";
    const Case cases[] = {
        {"unchanged", Kind::Opened, false, true, SaveAnswer::Yes, "", AskSaveResult::SavedOrUnchanged, false, false, ""},
        {"changed, without a lesson", Kind::New, true, false, SaveAnswer::Yes, "", AskSaveResult::Discarded, false,
         false, ""},
        {"no", Kind::Opened, true, true, SaveAnswer::No, "", AskSaveResult::Discarded, true, false, ""},
        {"cancel", Kind::Opened, true, true, SaveAnswer::Cancel, "", AskSaveResult::Cancelled, true, false, ""},
        {"yes, opened", Kind::Opened, true, true, SaveAnswer::Yes, "", AskSaveResult::SavedOrUnchanged, true, true, ""},
        {"yes, new, named", Kind::New, true, true, SaveAnswer::Yes, "Новый.rsp", AskSaveResult::SavedOrUnchanged, true,
         true, ""},
        {"yes, new, dialog cancelled", Kind::New, true, true, SaveAnswer::Yes, "", AskSaveResult::Cancelled, true,
         false, ""},
        {"yes, new, write failed", Kind::New, true, true, SaveAnswer::Yes, "?", AskSaveResult::Cancelled, true, false,
         cannot},
    };
    for (const auto& c : cases) {
        TempFolder files;
        ScriptedDialogs script;
        std::unique_ptr<VariantWorkspace> ws =
            c.kind == Kind::New ? school.create(files.path().string()) : opened(files);
        if (c.withLessons) WorkspaceSchool::put(*ws, {3}, true);  // a change not yet in any file
        ws->SetVariantModified(c.modified);
        script.answer = c.answer;
        if (c.chosen == "?")
            script.file = Unwritable(files, "Новый.rsp");
        else if (!c.chosen.empty())
            script.file = files.file(c.chosen);
        const std::string nameBefore = ws->fileName();

        EXPECT_EQ(ws->AskSaveChanges(script), c.result) << c.name;
        EXPECT_EQ(script.questions.size(), c.asked ? 1u : 0u) << c.name;
        if (c.asked) {
            const std::string shown = c.kind == Kind::New ? "Новое расписание" : "План";
            EXPECT_EQ(script.questions[0], "Вариант \"" + shown + "\" был изменен. Сохранить изменения?") << c.name;
        }
        // A cancelled close keeps the marks and the name; otherwise the mark is gone.
        const bool cancelled = c.result == AskSaveResult::Cancelled;
        EXPECT_EQ(ws->modified(), cancelled && c.modified) << c.name;
        EXPECT_EQ(ws->isNew(), c.kind == Kind::New && !c.written) << c.name;
        EXPECT_EQ(ws->fileName(), c.written ? files.file(c.kind == Kind::New ? c.chosen : "План.rsp") : nameBefore)
            << c.name;
        EXPECT_EQ(script.messages, c.message.empty() ? std::vector<std::string>{} : std::vector{c.message}) << c.name;
        if (c.kind == Kind::Opened) {
            LoadedVariant onDisk;
            ASSERT_TRUE(OpenVariantFile(nameBefore, ws->variant().catalog(), onDisk).ok) << c.name;
            EXPECT_EQ(onDisk.variant.sameGrids(ws->variant()), c.written) << c.name;
        } else {
            EXPECT_EQ(std::filesystem::exists(files.file("Новый.rsp")), c.written) << c.name;
        }
    }
}

TEST_F(VariantWorkspaceTest, SaveCommands) {
    // A new variant is always asked for a name, also by "Сохранить".
    auto fresh = school.create(folder.path().string());
    EXPECT_EQ(fresh->SaveCommand(SaveKind::Save, dialogs), SaveResult::Cancelled);
    ASSERT_EQ(dialogs.requests.size(), 1u);
    const FileDialogRequest& asked = dialogs.requests[0];
    EXPECT_TRUE(asked.save);
    EXPECT_EQ(asked.title, "Сохранить вариант как");
    EXPECT_EQ(asked.proposedName, "Новое расписание.rsp");
    EXPECT_EQ(asked.folder, folder.path().string());
    EXPECT_EQ(asked.defaultExtension, "rsp");

    // An opened variant without changes is not written; with changes it is.
    auto ws = opened(folder);
    EXPECT_EQ(ws->SaveCommand(SaveKind::Save, dialogs), SaveResult::NothingToSave);
    ws->SetVariantModified(true);
    EXPECT_EQ(ws->SaveCommand(SaveKind::Save, dialogs), SaveResult::Saved);
    EXPECT_FALSE(ws->modified());

    // A failed write says so and keeps the name and the marks.
    ws->SetVariantModified(true);
    dialogs.file = Unwritable(folder, "Другой.rsp");
    EXPECT_EQ(ws->SaveCommand(SaveKind::SaveAs, dialogs), SaveResult::Failed);
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{"Ошибка при записи файла Другой.rsp."});
    EXPECT_EQ(ws->fileName(), folder.file("План.rsp"));
    EXPECT_TRUE(ws->modified());
    EXPECT_EQ(ws->caption(), "План (изменен)");
    ws->AssignFileName(Unwritable(folder, "План.rsp"));
    dialogs.messages.clear();
    EXPECT_EQ(ws->SaveCommand(SaveKind::Save, dialogs), SaveResult::Failed);
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{"Ошибка при записи файла План.rsp."});
    EXPECT_TRUE(ws->modified());
}

TEST_F(VariantWorkspaceTest, ChoosingTheOpenFileAgainIsRefused) {
    auto ws = opened(folder, "План.rsp");
    struct Case {
        std::optional<std::string> chosen;
        std::optional<std::string> result;
        bool refused;
    };
    const Case cases[] = {
        {std::nullopt, std::nullopt, false},
        {folder.file("пЛАН.RSP"), std::nullopt, true},
        {folder.file("Другой.rsp"), folder.file("Другой.rsp"), false},
    };
    for (const auto& c : cases) {
        ScriptedDialogs script;
        script.file = c.chosen;
        EXPECT_EQ(ws->ChooseVariantFile(script), c.result);
        EXPECT_EQ(script.requests.at(0).title, "Открыть вариант");
        EXPECT_EQ(script.messages, c.refused ? std::vector<std::string>{"Вариант \"План\" уже открыт."}
                                             : std::vector<std::string>{});
    }
}

TEST_F(VariantWorkspaceTest, ConfirmedOptionsTakeEffect) {
    // Иванова wishes not to teach at Monday's first lesson, with low priority.
    school.school.project.teachers.at(0).busy.set(1, 1, kTeacherWishLow);
    auto ws = school.create();
    const auto honoured = [&] { return ws->session().teachers().at(0).wishCounts[1].honoured; };
    EXPECT_EQ(honoured(), 0);  // medium and high priority only
    EXPECT_EQ(ws->OptionsCaption(), "Опции: Новое расписание");

    VariantOptionsEntry entry = ws->OptionsEntry();
    entry.wishesIndex = 0;  // every wish
    entry.parallelWeight = 10;
    entry.sanitaryWeight = 10;
    entry.teacherBusyWeight = 20;
    EXPECT_EQ(ws->ConfirmOptions(entry), std::nullopt);
    EXPECT_EQ(honoured(), 1);
    EXPECT_TRUE(ws->modified());
    EXPECT_DOUBLE_EQ(ws->state().parallelWeight, 0.25);
    EXPECT_DOUBLE_EQ(ws->state().teacherBusyWeight, 0.5);

    entry.parallelWeight = entry.sanitaryWeight = entry.teacherBusyWeight = 0;
    EXPECT_EQ(ws->ConfirmOptions(entry), std::nullopt);
    EXPECT_DOUBLE_EQ(ws->state().sanitaryWeight, 0.33);
    EXPECT_DOUBLE_EQ(ws->state().teacherBusyWeight, 0.34);

    entry.maxWindows = "два";
    EXPECT_EQ(ws->ConfirmOptions(entry),
              "Ошибка при вводе максимального числа \"окон\" на учителя при оптимизации.");
}

TEST_F(VariantWorkspaceTest, DayChange) {
    // Петров cannot teach on Tuesday's second lesson.
    school.school.project.teachers.at(1).busy.set(2, 2, kTeacherBusy);
    auto ws = school.create();
    const auto& petrov = ws->session().teachers().at(1);
    EXPECT_EQ(petrov.blockedToday, 0);
    EXPECT_FALSE(ws->SelectDay(1));
    EXPECT_FALSE(ws->SelectDay(7));
    EXPECT_TRUE(ws->SelectDay(2));
    EXPECT_EQ(ws->currentDay(), 2);
    EXPECT_EQ(petrov.blockedToday, 1);
}

}  // namespace
}  // namespace lovaris
