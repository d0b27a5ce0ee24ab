// Random manual work on the planned sample week: whatever is accepted, no teacher,
// class or room is ever used twice at one hour, and no lesson stands at an hour
// closed for its class or for itself.
#include <gtest/gtest.h>

#include <random>

#include "../weekplan/WeekPlanChecks.h"
#include "core/manual/ManualPlacement.h"
#include "core/weekplan/WeekPlan.h"

namespace lovaris::test {
namespace {

// One line per lesson standing at an hour its class or the lesson itself closes.
std::string ClosedHourUses(const PlanningSession& session, const TTableVarItem& grid) {
    std::string found;
    for (int k = 0; k < grid.classCount(); ++k)
        for (int d = 1; d <= kVariantDays; ++d)
            for (int n = 1; n <= grid.lessonsPerDay(); ++n) {
                const LessonSlot slot = grid.GetCleanSlot(k, d, n);
                if (slot.occupied() && session.klasses().SlotBlocked(k, busySlot(d, n), slot.lessonIndex))
                    found += "class " + std::to_string(k) + " day " + std::to_string(d) + " lesson " +
                             std::to_string(n) + "\n";
            }
    return found;
}

class ManualWork {
public:
    ManualWork(VariantWorkspace& workspace, std::uint32_t seed) : workspace_(workspace), manual_(workspace), random_(seed) {}

    // One random action; true when it changed the variant.
    bool Step() {
        const ManualCell cell = RandomCell();
        switch (Pick(7)) {
            case 0:
            case 1: {
                ManualCell to = cell;
                to.number = 1 + Pick(workspace_.variant().lessonsPerDay());
                if (Pick(3) == 0) to.day = 1 + Pick(kVariantDays);
                return manual_.Drop(cell, to).changed;
            }
            case 2: {
                ManualCell clean = cell;
                clean.draft = false;
                return manual_.ToDraft(clean).changed;
            }
            case 3:
                return manual_.TakeOff(cell).changed;
            case 4: {
                LessonChoice choice = manual_.OpenChoice(cell);
                if (!choice.shown()) return false;
                const int tab = Pick(static_cast<int>(choice.tabs.size()));
                const int row = Pick(static_cast<int>(choice.tabs[static_cast<std::size_t>(tab)].entries.size()));
                if (Pick(2) == 0) choice.StepSize(tab, row, +1);
                return manual_.PlaceChoice(choice, tab, row).changed;
            }
            case 5: {
                ManualCell clean = cell;
                clean.draft = false;
                const auto block = manual_.RoomBlockAt(clean);
                if (!block) return false;
                const RoomPopup popup = manual_.OpenRoomPopup(*block);
                if (!popup.shown()) return false;
                const int tab = Pick(static_cast<int>(popup.tabs.size()));
                const auto rows = manual_.RoomRows(popup, tab);
                const RoomPopupRow& row = rows[static_cast<std::size_t>(Pick(static_cast<int>(rows.size())))];
                if (row.rooms.empty()) return false;
                const int room = row.rooms[static_cast<std::size_t>(Pick(static_cast<int>(row.rooms.size())))];
                return manual_.ChooseRoom(popup, tab, row.hour, room).changed;
            }
            default:
                return Pick(2) == 0 ? workspace_.Undo() : workspace_.Redo();
        }
    }

private:
    int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }
    ManualCell RandomCell() {
        ManualCell cell;
        const PlanningSession& session = workspace_.session();
        cell.side = Pick(2) == 0 ? ManualSide::Klass : ManualSide::Teacher;
        cell.draft = Pick(4) == 0;
        cell.entity = Pick(cell.side == ManualSide::Klass ? session.klasses().count() : session.teachers().count());
        cell.day = 1 + Pick(kVariantDays);
        cell.number = 1 + Pick(workspace_.variant().lessonsPerDay());
        return cell;
    }

    VariantWorkspace& workspace_;
    ManualPlacement manual_;
    std::mt19937 random_;
};

TEST(ManualProperty, AcceptedActionsNeverBreakTheTimetablesRules) {
    const Project project = SampleSchool();
    auto workspace = VariantWorkspace::CreateNew(project, WorkspaceSetup{});
    PollBudget budget(300);
    PlanWholeWeek(workspace->session(), workspace->variant(), workspace->options(), budget);
    workspace->ReadyDayGroups();
    const PlanningSession& session = workspace->session();
    ASSERT_EQ(Collisions(session, workspace->variant()), "");
    ASSERT_EQ(ClosedHourUses(session, workspace->variant()), "");

    for (std::uint32_t seed : {1u, 2u, 3u}) {
        ManualWork work(*workspace, seed);
        int changes = 0;
        for (int step = 0; step < 400; ++step) {
            if (!work.Step()) continue;
            ++changes;
            ASSERT_EQ(Collisions(session, workspace->variant()), "") << "seed " << seed << " step " << step;
            ASSERT_EQ(ClosedHourUses(session, workspace->variant()), "") << "seed " << seed << " step " << step;
        }
        EXPECT_GT(changes, 20) << "seed " << seed;
    }
}

}  // namespace
}  // namespace lovaris::test
