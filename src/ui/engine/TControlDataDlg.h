#pragma once
// "Общий контроль": the day's counters of every class and teacher with the day's
// minimum and maximum, read-only.
//
//   TControlDataDlg dialog(window, day, teacherCount, klassCount,
//                          [&](DialogGrid& k, DialogGrid& t) { FillControlGrids(ctx, k, t); });  // 0xB0D0
//   dialog.exec();
#include <QDialog>

#include "CountersPages.h"

namespace lovaris::ui {

class TControlDataDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpTopic = 31;

    TControlDataDlg(QWidget* workspace, int day, int teacherCount, int klassCount, const CountersFill& fill);
    // The grids live in members, gone before the base class hides the window: the views go first.
    ~TControlDataDlg() override;

    const DialogGrid& grid(CountersPage page) const { return page == CountersPage::Klasses ? klasses_ : teachers_; }
    DialogGridView* view(CountersPage page) const { return pages_->view(page); }
    CountersPages* pages() const { return pages_; }

private:
    DialogGrid klasses_;
    DialogGrid teachers_;
    CountersPages* pages_;
};

}  // namespace lovaris::ui
