#pragma once
// The working copy of the teacher groups that the two group dialogs edit: one column
// per group, teachers dragged between and within columns, groups attached to one
// another or added, the default grouping reloaded. The dialogs show it and call
// these operations; the copy reaches the teachers' table only by WriteBack, which
// the moves and "Добавить" do themselves.
#include <optional>
#include <span>

#include "TeacherGroups.h"

namespace lovaris {

class TRTITeachersCollection;
class VariantDayReader;
struct PlanningState;

// The day dialog works before the optimisation of the selected day, the week dialog
// before the week variant search.
enum class GroupDialogKind { Day, Week };

// A cell of the group grid: the group (column) and the place in it (teacher row, from 0).
struct GroupCell {
    int group = -1;
    int place = -1;
    bool operator==(const GroupCell&) const = default;
};

// Fewer teacher rows are never shown, whatever the groups' lengths.
inline constexpr int kMinGroupRows = 10;

class TeacherGroupTable {
public:
    // Copies the teachers' current groups, as the dialog does when it opens.
    TeacherGroupTable(GroupDialogKind kind, TRTITeachersCollection& teachers);

    GroupDialogKind kind() const { return kind_; }
    int teacherCount() const { return static_cast<int>(copy_.rows.size()); }
    // Columns shown: up to the last group that had a teacher when filled, plus added ones.
    int shownGroupCount() const { return shown_; }
    // Teacher rows of the grid (the header row comes on top of them).
    int rowCount() const;
    bool canAddGroup() const { return shown_ < teacherCount(); }

    std::span<const int> group(int index) const { return copy_.row(index); }
    // The teacher in the cell, -1 for a blank cell or one outside the grid.
    int teacherAt(GroupCell cell) const;
    // Where the teacher stands; group -1 when in none.
    GroupCell cellOf(int teacher) const;

    // The dialog's result. Out of the shown columns only while nothing is shown.
    int selectedGroup() const { return selected_; }
    // Chooses a shown column; false, nothing changed, for any other index.
    bool selectGroup(int index);

    // Drops the teacher of `from` onto `to` and writes the copy back. The teacher's new
    // cell, or nothing when the drop is refused: a blank source, a target outside the
    // shown columns and rows, the teacher's own cell, and in the day dialog any cell of
    // its own group.
    std::optional<GroupCell> Drop(GroupCell from, GroupCell to);
    // Appends every teacher of `index` to the selected group and empties `index` (its
    // column stays). The copy alone changes. False when ignored: no shown selected
    // group, `index` not shown or the selected group itself.
    bool Attach(int index);
    // Shows one more, empty, column and writes the copy back; false when every
    // teacher could already have a group of its own.
    bool AddGroup();
    // "Пересчет": the default grouping of the dialog's mode, read afresh; the week
    // dialog drops the grouping the teachers keep for week mode first.
    void Reload(const VariantDayReader& variant);
    // The whole copy into the teachers' table.
    void WriteBack() const;

    const TeacherGroups& workingCopy() const { return copy_; }

private:
    void Fill();
    int groupLength(int index) const { return static_cast<int>(copy_.row(index).size()); }
    std::vector<int>& mutableRow(int index) { return copy_.rows[static_cast<std::size_t>(index)]; }
    bool shown(int index) const { return index >= 0 && index < shown_; }

    GroupDialogKind kind_;
    TRTITeachersCollection& teachers_;
    TeacherGroups copy_;  // one row per teacher, empty rows included
    int shown_ = 0;
    int selected_ = 0;
};

// The group dialogs' settings as the program starts: the considerations on, the day
// dialog's automatic saving and best-variant search off, the week search placing
// into the clean copy.
void SetStartingGroupSettings(PlanningState& state);

}  // namespace lovaris
