// The optimisation run as the planning window drives it: in slices, paused on each
// complete variant, continued or aborted; automatic saving with its file names and
// its stop; "find best".
#include <gtest/gtest.h>

#include "WorkspaceFixture.h"
#include "core/variant/VariantFile.h"
#include "core/workspace/OptimisationRun.h"
#include "core/workspace/RunChecks.h"

namespace lovaris {
namespace {

using test::TempFolder;
using test::WorkspaceSchool;

// The clean copy of every class on Monday, a lesson index per lesson number.
std::vector<int> CleanMonday(const VariantWorkspace& ws) {
    std::vector<int> lessons;
    for (int k = 0; k < ws.variant().classCount(); ++k)
        for (int n = 1; n <= ws.variant().lessonsPerDay(); ++n)
            lessons.push_back(ws.variant().GetCleanSlot(k, WorkspaceSchool::kMonday, n).lessonIndex);
    return lessons;
}

class OptimisationRunTest : public ::testing::Test {
protected:
    // Monday's draft holds all four lessons of 5А; the group is every teacher.
    std::unique_ptr<VariantWorkspace> ready(bool autoSave = false, int maxVariants = 10) {
        auto ws = school.create(folder.path().string());
        ws->AssignFileName(folder.file("План.rsp"));
        WorkspaceSchool::put(*ws, {0, 1, 2, 3}, true);
        if (ws->variant().classCount() > 1) WorkspaceSchool::put(*ws, {0, 1, 2}, true, WorkspaceSchool::kMonday, 1);
        EXPECT_TRUE(BeginOptimisation(*ws).ready());
        ws->session().teachers().groups.rows = {{0, 1, 2}};  // as the group dialog writes it back
        EXPECT_TRUE(ChooseOptimisationGroup(*ws, 0).ready());
        ws->session().AcceptPreparation(ws->planning(), ws->options().maxTeacherWindows);
        AnswerEveryQuestionNo no;
        EXPECT_TRUE(CheckOptimisationDay(*ws, no).ready());
        VariantOptions options = ws->options();
        options.maxVariantsPerDay = static_cast<std::uint16_t>(maxVariants);
        ws->ApplyOptions(options);
        ws->SetVariantModified(false);
        ws->state().autoSaveVariants = autoSave;
        return ws;
    }

    WorkspaceSchool school;
    TempFolder folder;
};

// Runs until the run waits or ends; the slices it took.
int RunToPause(OptimisationRun& run, RunProgress& progress) {
    int slices = 0;
    do {
        progress = run.Resume();
        ++slices;
    } while (progress.state == RunState::Running);
    return slices;
}

TEST_F(OptimisationRunTest, ContinuedAndAbortedInSlices) {
    school.addSecondClass();
    // The variants an undivided run hands over, for comparison.
    std::vector<std::vector<int>> whole;
    {
        auto ws = ready();
        OptimisationRun run(*ws, SliceLimit{});
        for (RunProgress p = run.Resume(); p.state != RunState::Ended; p = run.Resume())
            if (p.state == RunState::Waiting) {
                whole.push_back(CleanMonday(*ws));
                run.Continue();
            }
        EXPECT_EQ(run.endMessage(), "");
    }
    ASSERT_GE(whole.size(), 3u);

    auto ws = ready();
    OptimisationRun run(*ws, SliceLimit{1, {}});  // one poll a slice
    EXPECT_TRUE(ws->state().runInProgress);
    RunProgress progress;
    EXPECT_GT(RunToPause(run, progress), 2);
    ASSERT_EQ(progress.state, RunState::Waiting);
    EXPECT_TRUE(progress.variantChanged);
    EXPECT_TRUE(ws->modified());
    EXPECT_EQ(CleanMonday(*ws), whole[0]);
    EXPECT_EQ(run.Resume().state, RunState::Waiting);  // nothing happens until a button is pressed

    run.Continue();  // "Продолжить"
    RunToPause(run, progress);
    ASSERT_EQ(progress.state, RunState::Waiting);
    EXPECT_EQ(CleanMonday(*ws), whole[1]);
    EXPECT_EQ(ws->state().foundCount, 2);

    run.Abort();  // "Прервать"
    RunToPause(run, progress);
    EXPECT_EQ(progress.state, RunState::Ended);
    EXPECT_FALSE(ws->state().runInProgress);
    EXPECT_EQ(ws->state().foundCount, 2);
    EXPECT_EQ(CleanMonday(*ws), whole[1]);
    EXPECT_EQ(run.endMessage(), "");
    EXPECT_FALSE(run.opensPendingFile());
}

TEST_F(OptimisationRunTest, AutomaticSavingNamesTheFilesAndStops) {
    struct Case {
        int maxVariants;
        std::vector<std::string> saved;
    };
    const Case cases[] = {
        {0, {"Понедельник_Опт_1.rsp"}},
        {2, {"Понедельник_Опт_1.rsp", "Понедельник_Опт_2.rsp"}},
    };
    for (const auto& c : cases) {
        auto ws = ready(true, c.maxVariants);
        ws->state().findBestVariant = true;
        OptimisationRun run(*ws, SliceLimit{2, {}});
        RunProgress progress;
        RunToPause(run, progress);
        EXPECT_EQ(progress.state, RunState::Ended) << c.maxVariants;
        std::vector<std::string> saved;
        for (const auto& file : run.savedFiles()) saved.push_back(std::filesystem::path(file).filename().string());
        EXPECT_EQ(saved, c.saved) << c.maxVariants;
        EXPECT_EQ(ws->state().foundCount, static_cast<int>(c.saved.size()));
        // The last one saved is the variant's file now, and the file the window opens.
        const std::string last = folder.file(c.saved.back());
        EXPECT_EQ(ws->fileName(), last);
        EXPECT_EQ(ws->state().pendingVariantFile, last);
        EXPECT_TRUE(run.opensPendingFile());
        EXPECT_FALSE(ws->isNew());
        LoadedVariant onDisk;
        ASSERT_TRUE(OpenVariantFile(last, ws->variant().catalog(), onDisk).ok);
        EXPECT_TRUE(onDisk.variant.sameGrids(ws->variant()));
    }
}

TEST_F(OptimisationRunTest, FailedAutomaticSaveStopsTheRun) {
    auto ws = ready(true);
    ws->AssignFileName(folder.file("нет такой папки/План.rsp"));
    ws->state().findBestVariant = true;
    OptimisationRun run(*ws, SliceLimit{});
    RunProgress progress;
    RunToPause(run, progress);
    EXPECT_EQ(progress.state, RunState::Ended);
    EXPECT_EQ(ws->state().foundCount, 1);
    EXPECT_EQ(run.endMessage(), "Ошибка при записи файла Понедельник_Опт_1.rsp.");
    EXPECT_TRUE(run.saveFailed());
    EXPECT_EQ(ws->state().pendingVariantFile, "");
    EXPECT_FALSE(run.opensPendingFile());
    EXPECT_TRUE(ws->modified());
    EXPECT_EQ(ws->fileName(), folder.file("нет такой папки/План.rsp"));
}

// Иванова teaches maths at the first lesson (clean copy) and algebra from the draft,
// and cannot teach at the second: every arrangement leaves her a window or two.
TEST_F(OptimisationRunTest, FindBestEndsOnTheBestVariantHandedOver) {
    school.school.project.teachers.at(0).busy.set(1, 2, kTeacherBusy);
    auto ws = school.create(folder.path().string());
    WorkspaceSchool::put(*ws, {0}, false);
    for (int n = 1; n <= 3; ++n)
        ws->variant().SetDraftSlot(0, WorkspaceSchool::kMonday, LessonSlot::BlockHour(n, n, n), n);
    ASSERT_TRUE(BeginOptimisation(*ws).ready());
    ws->session().teachers().groups.rows = {{0, 1, 2}};
    ASSERT_TRUE(ChooseOptimisationGroup(*ws, 0).ready());
    ws->session().AcceptPreparation(ws->planning(), 3);
    ws->state().findBestVariant = true;

    OptimisationRun run(*ws, SliceLimit{});
    std::vector<int> handedOver;
    int windows = 0;
    for (RunProgress p = run.Resume(); p.state != RunState::Ended; p = run.Resume())
        if (p.state == RunState::Waiting) {
            handedOver = CleanMonday(*ws);
            windows = ws->planning().GroupWindowsTotal();
            run.Continue();
        }
    EXPECT_EQ(windows, 1);
    EXPECT_EQ(CleanMonday(*ws), handedOver);
    EXPECT_FALSE(run.opensPendingFile());  // nothing was saved
}

TEST_F(OptimisationRunTest, ChecksBeforeTheRun) {
    auto ws = school.create(folder.path().string());
    ws->session().teachers().groups.rows = {{0, 1, 2}};
    EXPECT_EQ(BeginOptimisation(*ws).message, "На текущий день не выставлено ни одного урока.");
    EXPECT_EQ(CheckStatistics(*ws), "В открытом варианте расписания не выставлено ни одного урока.");
    WorkspaceSchool::put(*ws, {0, 1}, true);
    EXPECT_EQ(CheckStatistics(*ws), std::nullopt);
    ASSERT_TRUE(BeginOptimisation(*ws).ready());
    ws->session().teachers().groups.rows = {{0, 1, 2}, {}};
    const DayCheckOutcome beyond = ChooseOptimisationGroup(*ws, 3);  // three teachers: groups 0..2
    EXPECT_EQ(beyond.kind, DayCheckOutcome::Kind::Stopped);
    EXPECT_EQ(beyond.message, "");
    EXPECT_EQ(ChooseOptimisationGroup(*ws, 1).message, "Выбранная группа пуста.");
    EXPECT_TRUE(ChooseOptimisationGroup(*ws, 0).ready());
    EXPECT_EQ(ws->state().selectedGroup, 0);
}

}  // namespace
}  // namespace lovaris
