#pragma once
// The preparation before an optimisation as the planner edits it: per class the
// lessons it will have today, per teacher the windows it may get. Only the columns
// of the day's work are marked for editing: the classes with a lesson on the day and
// the teachers of the selected group. The planning window supplies the counters
// through a fill; "Да" hands the edited values to the planning copies.
#include <functional>
#include <string_view>
#include <vector>

#include "CountersLayout.h"
#include "ViewContext.h"

namespace lovaris {

// Writes the planning window's counters into the two grids a dialog laid out.
using CountersFill = std::function<void(DialogGrid& klasses, DialogGrid& teachers)>;

// What the edits rest on besides the counters.
struct PreparationSetup {
    int day = 1;
    std::vector<bool> markedKlasses;   // by class: a lesson of it is planned for the day
    std::vector<bool> markedTeachers;  // by teacher: in the selected group
    std::vector<int> klassMaxFree;     // by class: the most lessons its day may take
    int maxTeacherWindows = 0;         // the variant's options

    int klassCount() const { return static_cast<int>(markedKlasses.size()); }
    int teacherCount() const { return static_cast<int>(markedTeachers.size()); }
};

// Read after the day data were prepared for the selected group.
PreparationSetup PreparationSetupOf(const ViewContext& ctx);

enum class CountersPage { Klasses, Teachers };

class PreparationEdits {
public:
    // Lays the grids out, marks the columns and fills them.
    PreparationEdits(PreparationSetup setup, CountersFill fill);

    const PreparationSetup& setup() const { return setup_; }
    const DialogGrid& grid(CountersPage page) const { return page == CountersPage::Klasses ? klasses_ : teachers_; }
    // Only "Будет" of a marked class and ""Окон"" of a marked teacher.
    bool editable(CountersPage page, int row, int column) const;
    // The column of the first marked class or teacher; 0 when none is marked.
    int firstMarkedColumn(CountersPage page) const;
    // The row a page edits.
    static int editedRow(CountersPage page) { return page == CountersPage::Klasses ? kKlassWillRow : kTeacherWindowsRow; }

    // An edit of an editable cell ended with `typed` (a single digit): a class never gets
    // fewer lessons than already stand today. Anything else, an emptied cell among
    // them, leaves the cell as it was. False when nothing was taken.
    bool EndEdit(CountersPage page, int row, int column, std::string_view typed);
    // An edit was taken since the grids were last filled ("Вернуть" is enabled).
    bool changed() const { return changed_; }
    // "Вернуть": the counters as the planning window gives them.
    void Revert();

    // "Максимум уроков" (on) or "Минимум уроков": every marked class will have the most
    // lessons its day takes, or those already placed.
    void SetMostLessons(bool on);
    bool mostLessons() const { return mostLessons_; }
    // "Максимум "окон"" (on) or "Минимум "окон"": every marked teacher may get its own
    // windows of today but at least the options' number, or only its own.
    void SetMostWindows(bool on);
    bool mostWindows() const { return mostWindows_; }

private:
    bool marked(CountersPage page, int column) const;
    void Fill();

    PreparationSetup setup_;
    CountersFill fill_;
    DialogGrid klasses_;
    DialogGrid teachers_;
    bool changed_ = false;
    bool mostLessons_ = false;
    bool mostWindows_ = true;
};

// "Да": every class's lessons for today and every teacher's allowed windows, marked or
// not, as the grids hold them. The optimisation then takes todayHours as the least
// number of lessons of a class's day and maxFree as a teacher's windows.
void ApplyPreparation(PlanningSession& session, const DialogGrid& klasses, const DialogGrid& teachers);

}  // namespace lovaris
