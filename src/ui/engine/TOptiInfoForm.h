#pragma once
// "Ход оптимизации": while the optimisation searches, one row per class position of the
// search with the variant tried there and the variants still open, read every second
// from the running search. The run pauses it while a variant waits for the planner.
//
//   TOptiInfoForm table(window, OpeningProgressRows(run.search(), klasses),
//                       [&] { return CurrentProgressRows(run.search(), klasses); });
//   on a variant handed over: table.Pause(false); on "Продолжить": table.Pause(true);
#include <QDialog>
#include <QTimer>
#include <functional>
#include <vector>

#include "DialogGridView.h"
#include "core/views/OptimisationProgress.h"

namespace lovaris::ui {

using ProgressSource = std::function<std::vector<ProgressRow>()>;

class TOptiInfoForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpTopic = 172;
    static constexpr int kRefreshMs = 1000;

    TOptiInfoForm(QWidget* workspace, const std::vector<ProgressRow>& opening, ProgressSource current);
    // The grids live in members, gone before the base class hides the window: the views go first.
    ~TOptiInfoForm() override;

    // false: the rows are read once more and then stand still; true: they follow the
    // search again.
    void Pause(bool resume);
    // The rows as the search stands now.
    void refresh();

    const DialogGrid& grid() const { return grid_; }
    DialogGridView* view() const { return view_; }
    QTimer* timer() { return &timer_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void reject() override;  // the table closes with its run, not by Escape

private:
    void showRows(const std::vector<ProgressRow>& rows);

    ProgressSource current_;
    DialogGrid grid_;
    DialogGridModel* model_ = nullptr;
    DialogGridView* view_ = nullptr;
    QTimer timer_;
};

}  // namespace lovaris::ui
