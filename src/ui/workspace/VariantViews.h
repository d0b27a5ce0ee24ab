#pragma once
// The five views of a variant for one day, with the day list, the orientation
// switch and the run buttons above them. What every cell shows comes from the
// core's views; this panel only lays the grids out and passes the user's choices on.
#include <QWidget>
#include <array>
#include <functional>

#include "TSchoolTable.h"
#include "core/views/ViewCell.h"

class QBoxLayout;
class QComboBox;
class QLabel;
class QSlider;
class QTabWidget;
class QToolButton;

namespace lovaris::ui {

// The orientation switch ("Верт." above, "Горз." below, position 0 vertical) with its
// labels, added at the end of `row`.
QSlider* AddOrientationSwitch(QWidget* parent, QBoxLayout* row);

class VariantViews : public QWidget {
    Q_OBJECT
public:
    explicit VariantViews(QWidget* parent = nullptr);

    // What the cells are read from; none leaves every grid empty. The context must
    // outlive the panel or be replaced first.
    void setContext(const ViewContext* context);
    TSchoolTable* grid(ViewKind kind) const { return grids_[index(kind)]; }
    QTabWidget* pages() const { return pages_; }
    ViewKind currentView() const;

    // The day shown in the list (1..6), without telling anyone.
    void showDay(int day);
    int shownDay() const;
    // The orientation the switch shows, without telling anyone.
    void showOrientation(bool vertical);
    bool vertical() const { return vertical_; }

    // Sizes every grid for the orientation and the context's school.
    void RebuildGrids();
    // Every grid asks its cells again.
    void RefreshViews();

    // The day list and its label give way to the run buttons while a run goes on.
    void showRunControls(bool running);
    QToolButton* continueButton() const { return continue_; }
    QToolButton* abortButton() const { return abort_; }

    static std::size_t index(ViewKind kind) { return static_cast<std::size_t>(kind); }

signals:
    void dayChosen(int day);
    void orientationChosen(bool vertical);
    // A double click on a data cell that was already the grid's current cell.
    void lessonCellDoubleClicked(ViewKind kind, int col, int row);
    void continueClicked();
    void abortClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TSchoolTable* twinOf(TSchoolTable* grid) const;

    const ViewContext* context_ = nullptr;
    bool vertical_ = true;
    QLabel* dayLabel_;
    QComboBox* dayList_;
    QSlider* orientation_;
    QToolButton* continue_;
    QToolButton* abort_;
    QTabWidget* pages_;
    std::array<TSchoolTable*, 5> grids_{};
};

}  // namespace lovaris::ui
