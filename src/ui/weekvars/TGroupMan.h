#pragma once
// The teacher group dialogs: the day dialog before a day's optimisation, the week
// dialog (TWeekGroupMan) before the week variant search. Both show the groups one per
// column, let the planner drag teachers between them, attach and add groups, run the
// two group commands and set the options of the runs; the result is the selected group.
#include <QDialog>
#include <functional>
#include <memory>
#include <optional>

#include "core/planning/GroupCommands.h"
#include "core/planning/TeacherGroupTable.h"

class QComboBox;
class QPushButton;
class QTableView;

namespace lovaris {
class VariantWorkspace;
}

namespace lovaris::ui {

class TeacherGroupsModel;

class TGroupMan : public QDialog {
    Q_OBJECT
public:
    // `viewsChanged` is called after a group command changed the variant.
    TGroupMan(QWidget* owner, VariantWorkspace& workspace, std::function<void()> viewsChanged = {});
    ~TGroupMan() override;

    TeacherGroupTable& table() { return *table_; }
    TeacherGroupsModel* model() const { return model_; }
    QTableView* grid() const { return grid_; }

protected:
    TGroupMan(QWidget* owner, VariantWorkspace& workspace, GroupDialogKind kind, std::function<void()> viewsChanged);

private:
    void FillLists();
    void ShowSelectedGroup();
    void FocusCell(GroupCell cell);
    void GridReleased(const QModelIndex& index);
    void AttachChosen(int group);
    void AddGroup();
    void Recompute();
    void RunCommand(GroupCommand command);

    VariantWorkspace& workspace_;
    std::function<void()> viewsChanged_;
    std::unique_ptr<TeacherGroupTable> table_;
    TeacherGroupsModel* model_;
    QTableView* grid_;
    QComboBox* selectedGroup_;
    QComboBox* attachGroup_;
    QPushButton* addGroup_;
};

class TWeekGroupMan : public TGroupMan {
    Q_OBJECT
public:
    TWeekGroupMan(QWidget* owner, VariantWorkspace& workspace, std::function<void()> viewsChanged = {})
        : TGroupMan(owner, workspace, GroupDialogKind::Week, std::move(viewsChanged)) {}
};

// The planning window's calls: the group chosen with "Расставить", after the dialog's
// groups were written back to the teachers; none when the dialog was closed otherwise.
// The caller has built the default grouping first (BeginOptimisation, BeginWeekSearch)
// and checks the group afterwards (ChooseOptimisationGroup, ChooseWeekSearchGroup).
std::optional<int> ChooseDayGroup(QWidget* owner, VariantWorkspace& workspace,
                                  std::function<void()> viewsChanged = {});
std::optional<int> ChooseWeekGroup(QWidget* owner, VariantWorkspace& workspace,
                                   std::function<void()> viewsChanged = {});

}  // namespace lovaris::ui
