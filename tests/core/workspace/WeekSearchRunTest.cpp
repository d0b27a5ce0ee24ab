// The week variant search as its dialog drives it: in slices, to the same result
// as in one go, and aborted half-way.
#include <gtest/gtest.h>

#include "WorkspaceFixture.h"
#include "core/workspace/RunChecks.h"
#include "core/workspace/WeekSearchRun.h"

namespace lovaris {
namespace {

using test::WorkspaceSchool;

class WeekSearchRunTest : public ::testing::Test {
protected:
    WeekSearchRunTest() { school.addSecondClass(); }

    std::unique_ptr<VariantWorkspace> ready() {
        auto ws = school.create();
        BeginWeekSearch(*ws);
        ws->session().teachers().groups.rows = {{0, 1, 2}};  // as the week group dialog writes it back
        EXPECT_TRUE(ChooseWeekSearchGroup(*ws, 0).ready());
        return ws;
    }

    WorkspaceSchool school;
};

TEST_F(WeekSearchRunTest, SlicesChangeNothingButTheirNumber) {
    auto whole = ready();
    WeekSearchRun once(*whole, SliceLimit{});
    int events = 0;
    while (!once.over()) {
        EXPECT_NE(once.Resume(), WeekSearchEvent::SliceOver);
        ++events;
    }
    EXPECT_TRUE(whole->HoldsLesson());

    auto sliced = ready();
    WeekSearchRun run(*sliced, SliceLimit{1, {}});
    int calls = 0;
    WeekSearchEvent last = WeekSearchEvent::SliceOver;
    while (!run.over()) {
        last = run.Resume();
        ++calls;
    }
    EXPECT_EQ(last, WeekSearchEvent::Ended);
    EXPECT_GT(calls, events);
    EXPECT_TRUE(sliced->variant().sameGrids(whole->variant()));
    EXPECT_TRUE(sliced->modified());
}

TEST_F(WeekSearchRunTest, AbortKeepsTheMembersDone) {
    auto ws = ready();
    ws->state().optimizeQueue = false;
    WeekSearchRun run(*ws, SliceLimit{1, {}});
    WeekSearchEvent event = WeekSearchEvent::SliceOver;
    while (event == WeekSearchEvent::SliceOver) event = run.Resume();
    ASSERT_EQ(event, WeekSearchEvent::TeacherDone);
    EXPECT_EQ(run.Resume(), WeekSearchEvent::SliceOver);  // the second member has started
    run.Abort();  // "Прервать"
    EXPECT_EQ(run.Resume(), WeekSearchEvent::Aborted);
    EXPECT_TRUE(run.over());
    EXPECT_EQ(run.search().rows().size(), 2u);
    EXPECT_TRUE(ws->HoldsLesson());  // the first member's lessons stay
    EXPECT_TRUE(ws->modified());
}

}  // namespace
}  // namespace lovaris
