#include "PreparationEdits.h"

#include <algorithm>
#include <optional>

#include "../common/NumberText.h"

namespace lovaris {
namespace {

// The number a counter cell shows; none for an empty or foreign text.
std::optional<int> NumberIn(const DialogGrid& grid, int row, int column) {
    const auto value = ParseDecimal(grid.text(row, column));
    if (!value) return std::nullopt;
    return static_cast<int>(std::clamp<std::int64_t>(*value, 0, 65535));
}

// What stands today in a class's column.
int PlacedIn(const DialogGrid& klasses, int column) { return NumberIn(klasses, kKlassPlacedRow, column).value_or(0); }

bool LessonOnDay(const PlanningLesson& lesson, int day) {
    for (int e = 0; e < lesson.entryCount() && e < kMaxSpreadEntries; ++e)
        if (lesson.entryDays[static_cast<std::size_t>(e)] == day) return true;
    return false;
}

}  // namespace

PreparationSetup PreparationSetupOf(const ViewContext& ctx) {
    PreparationSetup setup;
    setup.day = ctx.day();
    setup.maxTeacherWindows = ctx.options.maxTeacherWindows;
    for (const TRTIKlassItem& klass : ctx.session.klasses()) {
        setup.markedKlasses.push_back(std::any_of(klass.lessonCopies.begin(), klass.lessonCopies.end(),
                                                  [&](const PlanningLesson& l) { return LessonOnDay(l, setup.day); }));
        setup.klassMaxFree.push_back(klass.maxFree);
    }
    const auto& teachers = ctx.session.teachers();
    const int group = ctx.session.state().selectedGroup;
    for (int t = 0; t < teachers.count(); ++t) setup.markedTeachers.push_back(teachers.groups.rowContains(group, t));
    return setup;
}

PreparationEdits::PreparationEdits(PreparationSetup setup, CountersFill fill)
    : setup_(std::move(setup)),
      fill_(std::move(fill)),
      klasses_(LaidKlassGrid(CountersDialog::Preparation, setup_.klassCount())),
      teachers_(LaidTeacherGrid(CountersDialog::Preparation, setup_.teacherCount())) {
    for (int k = 0; k < setup_.klassCount(); ++k) klasses_.at(0, k + 1).number = marked(CountersPage::Klasses, k + 1);
    for (int t = 0; t < setup_.teacherCount(); ++t)
        teachers_.at(0, t + 1).number = marked(CountersPage::Teachers, t + 1);
    Fill();
}

bool PreparationEdits::marked(CountersPage page, int column) const {
    const auto& marks = page == CountersPage::Klasses ? setup_.markedKlasses : setup_.markedTeachers;
    return column >= 1 && column <= static_cast<int>(marks.size()) && marks[static_cast<std::size_t>(column - 1)];
}

bool PreparationEdits::editable(CountersPage page, int row, int column) const {
    return row == editedRow(page) && marked(page, column);
}

int PreparationEdits::firstMarkedColumn(CountersPage page) const {
    const int count = page == CountersPage::Klasses ? setup_.klassCount() : setup_.teacherCount();
    for (int c = 1; c <= count; ++c)
        if (marked(page, c)) return c;
    return 0;
}

void PreparationEdits::Fill() {
    if (fill_) fill_(klasses_, teachers_);
    changed_ = false;
}

void PreparationEdits::Revert() { Fill(); }

bool PreparationEdits::EndEdit(CountersPage page, int row, int column, std::string_view typed) {
    if (!editable(page, row, column)) return false;
    if (typed.size() != 1 || typed[0] < '0' || typed[0] > '9') return false;
    int value = typed[0] - '0';
    DialogGrid& grid = page == CountersPage::Klasses ? klasses_ : teachers_;
    if (page == CountersPage::Klasses) value = std::max(value, PlacedIn(grid, column));
    grid.at(row, column).text = std::to_string(value);
    changed_ = true;
    return true;
}

void PreparationEdits::SetMostLessons(bool on) {
    mostLessons_ = on;
    for (int k = 0; k < setup_.klassCount(); ++k) {
        const int c = k + 1;
        if (!marked(CountersPage::Klasses, c)) continue;
        const bool known = static_cast<std::size_t>(k) < setup_.klassMaxFree.size();
        const int value = on && known ? setup_.klassMaxFree[static_cast<std::size_t>(k)] : PlacedIn(klasses_, c);
        klasses_.at(kKlassWillRow, c).text = std::to_string(value);
    }
}

void PreparationEdits::SetMostWindows(bool on) {
    mostWindows_ = on;
    for (int t = 0; t < setup_.teacherCount(); ++t) {
        const int c = t + 1;
        if (!marked(CountersPage::Teachers, c)) continue;
        DialogCell& cell = teachers_.at(kTeacherWindowsRow, c);
        const int own = std::max(cell.number, 0);
        cell.text = std::to_string(on ? std::max(own, setup_.maxTeacherWindows) : own);
    }
}

void ApplyPreparation(PlanningSession& session, const DialogGrid& klasses, const DialogGrid& teachers) {
    // A column the grid does not hold leaves its class or teacher as it was.
    for (int k = 0; k < session.klasses().count(); ++k)
        if (const auto value = NumberIn(klasses, kKlassWillRow, k + 1)) session.klasses().at(k).todayHours = *value;
    for (int t = 0; t < session.teachers().count(); ++t)
        if (const auto value = NumberIn(teachers, kTeacherWindowsRow, t + 1)) session.teachers().at(t).maxFree = *value;
}

}  // namespace lovaris
