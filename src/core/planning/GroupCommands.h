#pragma once
// The two commands of the teacher group dialogs on a day of the variant:
// "В черновик" moves the group's clean-copy lessons of the day into the draft,
// "Снять" takes the group's lessons off the day, clean copy and draft. A lesson
// belongs to the group when every teacher of its link set is a member; the other
// lessons of the day stay where they are, with their rooms.
#include <optional>
#include <string>
#include <vector>

#include "../common/StringTable.h"
#include "TeacherGroupTable.h"

namespace lovaris {

class PlanningSession;
class VariantPlanning;

enum class GroupCommand : int {
    MoveToDraft = 0xB0D6,
    Remove = 0xB0D7,
};

// What one command did to one day.
struct GroupCommandOutcome {
    int day = 0;
    bool applied = false;  // false: the day was left as it was
    // Why it was left: the draft of this teacher or class has no room for the lessons.
    std::optional<TextId> message;  // TeacherDraftNoSpaceBegin or ClassDraftNoSpaceBegin
    std::string name;
};

// The message to show for an outcome that carries one, else empty.
std::string GroupCommandMessage(const GroupCommandOutcome& outcome);

// The commands on the selected day (the day dialog's form).
GroupCommandOutcome MoveGroupToDraft(PlanningSession& session, VariantPlanning& variant, int group);
GroupCommandOutcome RemoveGroupLessons(PlanningSession& session, VariantPlanning& variant, int group);
// The week dialog's form: the command on days 1..6 in turn, one outcome each; the
// selected day is the same afterwards.
std::vector<GroupCommandOutcome> MoveGroupToDraftWholeWeek(PlanningSession& session, VariantPlanning& variant,
                                                           int group);
std::vector<GroupCommandOutcome> RemoveGroupLessonsWholeWeek(PlanningSession& session, VariantPlanning& variant,
                                                             int group);

// A dialog's button: the working copy written back, then the command for the table's
// selected group, on the selected day or the whole week by the dialog's kind.
std::vector<GroupCommandOutcome> RunGroupCommand(const TeacherGroupTable& table, GroupCommand command,
                                                 PlanningSession& session, VariantPlanning& variant);

}  // namespace lovaris
