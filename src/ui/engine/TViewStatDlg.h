#pragma once
// "Статистика": the difficulty load of every class on every day of the week.
//
//   TViewStatDlg dialog(window, klassCount, [&](DialogGrid& loads) { FillLoadGrid(ctx, loads); });  // 0xB0DC
//   dialog.exec();
#include <QDialog>
#include <functional>

#include "DialogGridView.h"

namespace lovaris::ui {

// Writes every class's name and day loads into the grid the dialog laid out.
using LoadFill = std::function<void(DialogGrid& loads)>;

class TViewStatDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpTopic = 32;

    TViewStatDlg(QWidget* workspace, int klassCount, const LoadFill& fill);
    // The grids live in members, gone before the base class hides the window: the views go first.
    ~TViewStatDlg() override;

    const DialogGrid& grid() const { return loads_; }
    DialogGridView* view() const { return view_; }

private:
    DialogGrid loads_;
    DialogGridView* view_;
    QWidget* pages_;
};

}  // namespace lovaris::ui
