#pragma once
// Why a manual action may or may not happen: the rule that refuses it and whom and
// when that rule concerns, so that a window can say it and a test can check it.
#include <string>

namespace lovaris {

class PlanningSession;

enum class ManualRule : int {
    Allowed = 0,
    RunInProgress,     // a planning run is going: manual actions wait
    NoCell,            // a header, a cell outside the grid, another row, or no entity
    SameCell,          // the drop is where the drag began
    NoLesson,          // nothing stands where the action starts
    NotFirstHour,      // a block is dragged by its first hour only
    TargetTaken,       // the class holds another lesson at the target hour
    PastDayEnd,        // the block would run past the day's last lesson
    KlassClosed,       // a class of the link set is closed then for its lesson
    KlassTaken,        // a class of the link set holds another lesson then
    TeacherTeaching,   // a teacher of the link set teaches another lesson then
    TeacherClosed,     // a teacher of the link set is busy then (or a wish is honoured)
    AlreadyOnDay,      // the lesson already has hours on the target day
    TeacherDraftFull,  // "В черновике учителя ... недостаточно места."
    KlassDraftFull,    // "В черновике класса ... недостаточно места."
    NoMenu,            // the popup menu does not open on this cell
    ItemDisabled,      // the menu item is disabled on this cell
    RowState,          // a choice row that cannot be placed (its state is not 0)
    NoRoomOffered,     // the room is not in the hour's list
};

struct ManualVerdict {
    ManualRule rule = ManualRule::Allowed;
    int klass = -1;    // the class the rule concerns, -1 none
    int teacher = -1;  // the teacher the rule concerns, -1 none
    int day = 0;       // the day and lesson number it concerns, 0 none
    int hour = 0;

    bool allowed() const { return rule == ManualRule::Allowed; }
    static ManualVerdict Refused(ManualRule rule, int klass = -1, int teacher = -1, int day = 0, int hour = 0) {
        return ManualVerdict{rule, klass, teacher, day, hour};
    }
    bool operator==(const ManualVerdict&) const = default;
};

// The reason in the system's words, naming the class or teacher and the hour; the
// draft messages are exactly those the menu command shows. Empty when allowed.
std::string VerdictText(const ManualVerdict& verdict, const PlanningSession& session);

}  // namespace lovaris
