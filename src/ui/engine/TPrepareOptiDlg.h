#pragma once
// "Подготовка данных": before every optimisation the planner sees the day's counters of
// every class and teacher and sets, per class of the day, how many lessons it will have
// and, per teacher of the group, how many windows it may get. "Да" goes on with these
// values, "Отмена" does not start the optimisation.
//
//   TPrepareOptiDlg dialog(window, PreparationSetupOf(ctx),
//                          [&](DialogGrid& k, DialogGrid& t) { FillPreparationGrids(ctx, k, t); });  // 0xB0DA
//   if (dialog.exec() == QDialog::Accepted) dialog.ApplyTo(session);
#include <QDialog>

#include "CountersPages.h"
#include "core/common/EngineDialogTexts.h"
#include "core/views/PreparationEdits.h"

class QPushButton;
class QRadioButton;

namespace lovaris::ui {

class TPrepareOptiDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpTopic = 30;

    TPrepareOptiDlg(QWidget* workspace, PreparationSetup setup, CountersFill fill);
    // The grids live in members, gone before the base class hides the window: the views go first.
    ~TPrepareOptiDlg() override;

    const PreparationEdits& edits() const { return edits_; }
    // What "Да" hands over: every class's lessons for today and every teacher's windows.
    void ApplyTo(PlanningSession& session) const;

    DialogGridView* view(CountersPage page) const { return pages_->view(page); }
    CountersPages* pages() const { return pages_; }
    QPushButton* revertButton() const { return revert_; }
    QRadioButton* mostLessonsButton() const { return mostLessons_; }
    QRadioButton* fewestLessonsButton() const { return fewestLessons_; }
    QRadioButton* mostWindowsButton() const { return mostWindows_; }
    QRadioButton* fewestWindowsButton() const { return fewestWindows_; }

private:
    QWidget* MakeSwitch(const char* objectName, QRadioButton*& fewest, QRadioButton*& most, EngineDialogText fewestText,
                        EngineDialogText mostText, bool mostOn);
    void refresh();

    PreparationEdits edits_;
    DialogGridModel* klassModel_;
    DialogGridModel* teacherModel_;
    CountersPages* pages_;
    QPushButton* revert_;
    QRadioButton* fewestLessons_ = nullptr;
    QRadioButton* mostLessons_ = nullptr;
    QRadioButton* fewestWindows_ = nullptr;
    QRadioButton* mostWindows_ = nullptr;
};

}  // namespace lovaris::ui
