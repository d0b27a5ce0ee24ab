#pragma once
// The window of the manual regime: one lesson with everything linked to it, its
// first five classes and first five teachers side by side in every cell of the whole
// week, clean copy ("Чистовик") and draft ("Черновик"), and the lessons of those
// classes and teachers that still have unplaced hours ("Нерасставленные уроки").
// Blocks are dragged to other hours and other days; a double click makes another
// lesson the focus. It covers the planning window while the regime lasts.
#include <QWidget>
#include <array>
#include <optional>
#include <vector>

#include "core/manual/DetailsView.h"
#include "core/views/ViewContext.h"
#include "core/workspace/VariantWorkspace.h"

class QLineEdit;
class QSlider;
class QTabWidget;
class QTableView;

namespace lovaris::ui {

class GridDragTracker;
class ManualActions;
class TSchoolTable;
class TTableVarsManager;
class UnplacedRowsModel;

class TTableDetailsManeger : public QWidget {
    Q_OBJECT
public:
    TTableDetailsManeger(TTableVarsManager* owner, VariantWorkspace& workspace);
    ~TTableDetailsManeger() override;

    // The orientation of every details window of the program run; vertical: days are rows.
    static bool detailsVerticalView;

    const DetailsFocus& focus() const { return focus_; }
    QTabWidget* pages() const { return pages_; }
    TSchoolTable* grid(ManualSide side, bool draft) const;
    ManualActions& actions() { return *actions_; }
    QLineEdit* klassesEdit() const { return klassesEdit_; }
    QLineEdit* teachersEdit() const { return teachersEdit_; }
    // The lists of "Нерасставленные уроки", one per shown class (teacher).
    const std::vector<QTableView*>& unplacedLists(ManualSide side) const;

    // The manual cell under a point of a grid's viewport, by its sub-column; none
    // for headers, outside the sub-columns or without shown entries.
    std::optional<ManualCell> cellAt(ManualSide side, bool draft, const QPoint& viewportPoint) const;
    // The focus moves to another lesson's link set (a double click).
    void SetFocus(DetailsFocus focus);
    // Every grid and list asks again (after an edit or the options).
    void Refresh();
    // The planner closes the window: the planning window's save question first;
    // "Отмена" keeps it open. True when it closed.
    bool OnCloseManager();

signals:
    void edited(bool manyKlasses);
    // Closed by the planner after the save question: planning ends.
    void closedByUser();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void sizeGrids();
    void focusChanged(int sides);
    void fillUnplaced(ManualSide side);
    void doubleClicked(ManualSide side, bool draft, const QPoint& viewportPoint);
    THourElementRecord record(ManualSide side, bool draft, int col, int row) const;
    std::optional<std::pair<ManualSide, bool>> gridOf(QObject* viewport) const;
    void fitOwner();

    TTableVarsManager* owner_;
    VariantWorkspace& workspace_;
    ViewContext context_;
    DetailsFocus focus_;
    ManualActions* actions_;
    QLineEdit* klassesEdit_;
    QLineEdit* teachersEdit_;
    QSlider* orientation_;
    QTabWidget* pages_;
    std::array<TSchoolTable*, 4> grids_{};  // class clean, teacher clean, class draft, teacher draft
    std::array<QWidget*, 2> unplacedPanels_{};
    std::array<std::vector<QTableView*>, 2> unplacedLists_;
    std::array<std::vector<UnplacedRowsModel*>, 2> unplacedModels_;
};

}  // namespace lovaris::ui
