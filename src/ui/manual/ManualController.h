#pragma once
// Manual planning in a planning window: drags in the class and teacher views, the
// popup menus of the four lesson views with their commands, "Расстановка кабинетов",
// undo and redo of the variant's edits, and the details window of the manual regime.
#include <QObject>
#include <QPointer>
#include <optional>

#include "core/manual/ManualCell.h"
#include "core/views/ViewContext.h"

class QAction;

namespace lovaris::ui {

class GridDragTracker;
class ManualActions;
class TTableDetailsManeger;
class TTableVarsManager;
class TSchoolTable;

class ManualController : public QObject {
    Q_OBJECT
public:
    explicit ManualController(TTableVarsManager* window);

    ManualActions& actions() { return *actions_; }
    GridDragTracker* dragTracker(ViewKind kind) const;
    // "Отменить" (Ctrl+Z) and "Повторить" (Ctrl+Y), for the variant menu.
    QAction* undoAction() const { return undo_; }
    QAction* redoAction() const { return redo_; }
    // The cell of a view under a point of its grid's viewport; none for headers.
    std::optional<ManualCell> cellAt(ViewKind kind, const QPoint& viewportPoint) const;

    // "Расстановка кабинетов" with its questions.
    void AssignRooms();
    // The manual regime's details window, over the planning window; closed again by
    // the automatic regime.
    void OpenDetails();
    void CloseDetails();
    TTableDetailsManeger* details() const { return details_; }

signals:
    // The details window was closed by the planner after the save question: planning ends.
    void detailsClosed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void edited(bool manyKlasses);
    void step(bool undo);
    void updateUndoActions();
    std::optional<ViewKind> kindOf(QObject* viewport) const;

    TTableVarsManager* window_;
    ManualActions* actions_;
    GridDragTracker* klassDrag_;
    GridDragTracker* teacherDrag_;
    QAction* undo_;
    QAction* redo_;
    QPointer<TTableDetailsManeger> details_;
};

}  // namespace lovaris::ui
