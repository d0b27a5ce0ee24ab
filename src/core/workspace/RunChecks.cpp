#include "RunChecks.h"

#include "../common/WorkspaceTexts.h"

namespace lovaris {
namespace {

DayCheckOutcome ChooseGroup(VariantWorkspace& workspace, int group) {
    DayCheckOutcome check = CheckChosenGroup(workspace.session().teachers(), group);
    if (check.ready()) workspace.state().selectedGroup = group;
    return check;
}

}  // namespace

DayCheckOutcome BeginOptimisation(VariantWorkspace& workspace) {
    DayCheckOutcome check = CheckDayHasLessons(workspace.variant(), workspace.currentDay());
    if (check.ready()) workspace.session().teachers().BuildTeacherGroups(workspace.planning(), false);
    return check;
}

DayCheckOutcome ChooseOptimisationGroup(VariantWorkspace& workspace, int group) {
    DayCheckOutcome check = ChooseGroup(workspace, group);
    if (check.ready()) workspace.PrepareDayData(true);
    return check;
}

DayCheckOutcome CheckOptimisationDay(VariantWorkspace& workspace, OptimisationQuestionSink& questions) {
    return CheckDayRoomAndCleanCopy(workspace.session(), workspace.planning(), workspace.state().selectedGroup,
                                    questions);
}

void BeginWeekSearch(VariantWorkspace& workspace) {
    workspace.PrepareDayData(false);
    workspace.session().teachers().BuildTeacherGroups(workspace.planning(), true);
}

DayCheckOutcome ChooseWeekSearchGroup(VariantWorkspace& workspace, int group) { return ChooseGroup(workspace, group); }

void BeginControl(VariantWorkspace& workspace) { workspace.PrepareDayData(false); }

std::optional<std::string> CheckStatistics(const VariantWorkspace& workspace) {
    if (workspace.HoldsLesson()) return std::nullopt;
    return LoadResText(WorkspaceText::NoLessonInVariant);
}

}  // namespace lovaris
