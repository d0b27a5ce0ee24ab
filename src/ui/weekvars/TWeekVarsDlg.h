#pragma once
// "Расстановка уроков": the week variant search over the selected group, member after
// member, with a progress row for each. The search runs in short slices from the
// event loop, so "Дальше" and "Прервать" work while it runs.
#include <QDialog>
#include <QTimer>
#include <memory>

#include "core/workspace/SlicedRun.h"

class QPushButton;
class QTableView;

namespace lovaris {
class VariantWorkspace;
class WeekSearchRun;
}  // namespace lovaris

namespace lovaris::ui {

class WeekSearchModel;

// Long enough for the search to get on, short enough for the window to answer at once.
inline constexpr SliceLimit kWeekSearchSlice{0, std::chrono::milliseconds(30)};

class TWeekVarsDlg : public QDialog {
    Q_OBJECT
public:
    // The group is the planning state's selected group, already checked.
    TWeekVarsDlg(QWidget* owner, VariantWorkspace& workspace, SliceLimit slice = kWeekSearchSlice);
    ~TWeekVarsDlg() override;

    QTableView* grid() const { return grid_; }
    // The members of the group, and whether the search has ended or was aborted.
    int memberCount() const;
    bool over() const;

public slots:
    // "Прервать", Esc and the window's close box: the member in hand is left as it
    // was, the members done keep what they got.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Step();
    void Finish();

    std::unique_ptr<WeekSearchRun> run_;
    WeekSearchModel* model_;
    QTableView* grid_;
    QPushButton* done_;
    QPushButton* abort_;
    QPushButton* next_;
    QTimer slices_;
};

// The planning window's call once the week group was chosen and checked; the window
// refreshes its views afterwards (the variant is marked modified by the search).
void RunWeekVarsDialog(QWidget* owner, VariantWorkspace& workspace);

}  // namespace lovaris::ui
