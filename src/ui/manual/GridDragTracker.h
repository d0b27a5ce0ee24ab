#pragma once
// A block dragged inside one timetable grid: press, move and release are tracked by
// the grid's viewport, so a drag is an ordinary sequence of mouse events (and a test
// can drive it). The owner says where a point lands and judges each step; over a
// refused target the cursor shows the refusal and the tooltip tells why; Escape
// cancels the drag.
#include <QObject>
#include <QPoint>
#include <functional>
#include <optional>

#include "core/manual/ManualCell.h"
#include "core/manual/ManualVerdict.h"

namespace lovaris::ui {

class TSchoolTable;

class GridDragTracker : public QObject {
    Q_OBJECT
public:
    struct Rules {
        // The manual cell under a viewport point; none for headers and outside.
        std::function<std::optional<ManualCell>(const QPoint&)> cellAt;
        std::function<ManualVerdict(const ManualCell&)> judgeStart;
        std::function<ManualVerdict(const ManualCell& from, const ManualCell& to)> judgeDrop;
        // The drop was accepted; the owner carries it out.
        std::function<void(const ManualCell& from, const ManualCell& to)> drop;
        // The refusal's words for the tooltip.
        std::function<QString(const ManualVerdict&)> reason;
    };

    GridDragTracker(TSchoolTable* grid, Rules rules);

    bool dragging() const { return dragging_; }
    // The target under the mouse was refused (the forbidden cursor is up).
    bool refused() const { return refused_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void begin(const QPoint& at);
    void moveTo(const QPoint& at);
    void finish(const QPoint& at);
    void reset();

    TSchoolTable* grid_;
    Rules rules_;
    std::optional<ManualCell> from_;
    QPoint pressedAt_;
    bool dragging_ = false;
    bool refused_ = false;
    bool cancelled_ = false;  // Escape ended the drag; the button is still down
};

}  // namespace lovaris::ui
