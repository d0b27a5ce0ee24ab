#pragma once
// What the planning window's commands "Оптимизация", "Подбор вариантов",
// "Общий контроль" and "Статистика" check and ready before their dialogs and runs,
// step by step in the order the window meets them. A refusal carries the message to
// show; a silent stop none.
#include <optional>
#include <string>

#include "../optimisation/OptimisationDayChecks.h"
#include "VariantWorkspace.h"

namespace lovaris {

// "Оптимизация", before the day group dialog: the day must hold a lesson; the
// day's teacher groups are built for the dialog.
DayCheckOutcome BeginOptimisation(VariantWorkspace& workspace);
// The group the dialog chose (the dialog has written its groups back): it becomes
// the selected group, and the day's data are readied by the groups for the
// preparation dialog.
DayCheckOutcome ChooseOptimisationGroup(VariantWorkspace& workspace, int group);
// After the preparation dialog: the room checks and the clean copy's questions.
// Ready: the run may start (OptimisationRun).
DayCheckOutcome CheckOptimisationDay(VariantWorkspace& workspace, OptimisationQuestionSink& questions);

// "Подбор вариантов", before the week group dialog: the day's data and the week's
// teacher groups.
void BeginWeekSearch(VariantWorkspace& workspace);
// The group the week dialog chose; ready: the search dialog opens (WeekSearchRun).
DayCheckOutcome ChooseWeekSearchGroup(VariantWorkspace& workspace, int group);

// "Общий контроль": the day's data, without groups, for the control dialog.
void BeginControl(VariantWorkspace& workspace);
// "Статистика": the message to show instead when the variant holds no lesson.
std::optional<std::string> CheckStatistics(const VariantWorkspace& workspace);

}  // namespace lovaris
