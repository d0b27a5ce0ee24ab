#pragma once
// "Статистика": the difficulty load of every class on every day of the week and, on a
// second page, the figures of the week's quality.
//
//   TViewStatDlg dialog(window, klassCount, [&](DialogGrid& loads) { FillLoadGrid(ctx, loads); },  // 0xB0DC
//                       [&](DialogGrid& figures) { FillQualityGrid(MeasureWeek(...), figures); });
//   dialog.exec();
#include <QDialog>
#include <functional>

#include "DialogGridView.h"

namespace lovaris::ui {

// Writes every class's name and day loads into the grid the dialog laid out.
using LoadFill = std::function<void(DialogGrid& loads)>;
// Writes the week's quality figures, one a row; none leaves the page out.
using QualityFill = std::function<void(DialogGrid& figures)>;

class TViewStatDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpTopic = 32;

    TViewStatDlg(QWidget* workspace, int klassCount, const LoadFill& fill, const QualityFill& quality = {});
    // The grids live in members, gone before the base class hides the window: the views go first.
    ~TViewStatDlg() override;

    const DialogGrid& grid() const { return loads_; }
    DialogGridView* view() const { return view_; }
    const DialogGrid& qualityGrid() const { return figures_; }
    DialogGridView* qualityView() const { return qualityView_; }  // none without the page

private:
    DialogGrid loads_;
    DialogGrid figures_;
    DialogGridView* view_;
    DialogGridView* qualityView_ = nullptr;
    QWidget* pages_;
};

}  // namespace lovaris::ui
