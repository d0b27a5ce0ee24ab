#include "GridDragTracker.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QToolTip>

#include "ui/workspace/TSchoolTable.h"

namespace lovaris::ui {

GridDragTracker::GridDragTracker(TSchoolTable* grid, Rules rules)
    : QObject(grid), grid_(grid), rules_(std::move(rules)) {
    grid_->viewport()->installEventFilter(this);
    grid_->installEventFilter(this);  // the keys reach the grid, not its viewport
}

bool GridDragTracker::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grid_) {
        // Escape puts the carried block back: the release that follows drops nothing.
        if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape || !from_)
            return false;
        reset();
        cancelled_ = true;
        return true;
    }
    if (watched != grid_->viewport()) return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        // Only the left button alone, with no key held, picks a block up.
        if (mouse->button() == Qt::LeftButton && mouse->buttons() == Qt::LeftButton &&
            mouse->modifiers() == Qt::NoModifier)
            begin(mouse->position().toPoint());
        else
            reset();
        return false;  // the grid still makes the cell current
    }
    case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (cancelled_) return mouse->buttons() & Qt::LeftButton;  // no selection by the cancelled drag
        if (!from_ || !(mouse->buttons() & Qt::LeftButton)) return false;
        moveTo(mouse->position().toPoint());
        return dragging_;  // no rubber-band selection while a block is carried
    }
    case QEvent::MouseButtonRelease: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (cancelled_ && mouse->button() == Qt::LeftButton) {
            cancelled_ = false;
            return true;
        }
        if (!from_ || mouse->button() != Qt::LeftButton) return false;
        const bool wasDragging = dragging_;
        finish(mouse->position().toPoint());
        return wasDragging;
    }
    default:
        return false;
    }
}

void GridDragTracker::begin(const QPoint& at) {
    reset();
    cancelled_ = false;
    const std::optional<ManualCell> cell = rules_.cellAt(at);
    if (!cell || !rules_.judgeStart(*cell).allowed()) return;
    from_ = cell;
    pressedAt_ = at;
}

void GridDragTracker::moveTo(const QPoint& at) {
    if (!dragging_) {
        if ((at - pressedAt_).manhattanLength() < QApplication::startDragDistance()) return;
        dragging_ = true;
    }
    const std::optional<ManualCell> to = rules_.cellAt(at);
    const ManualVerdict verdict =
        to ? rules_.judgeDrop(*from_, *to) : ManualVerdict::Refused(ManualRule::NoCell);
    refused_ = !verdict.allowed();
    grid_->viewport()->setCursor(refused_ ? Qt::ForbiddenCursor : Qt::DragMoveCursor);
    // Staying on the block's own cell is no refusal worth a word.
    if (refused_ && verdict.rule != ManualRule::SameCell && rules_.reason)
        QToolTip::showText(grid_->viewport()->mapToGlobal(at), rules_.reason(verdict), grid_->viewport());
    else
        QToolTip::hideText();
}

void GridDragTracker::finish(const QPoint& at) {
    const std::optional<ManualCell> from = from_;
    const bool dragging = dragging_;
    reset();
    if (!dragging) return;
    const std::optional<ManualCell> to = rules_.cellAt(at);
    if (to && rules_.judgeDrop(*from, *to).allowed()) rules_.drop(*from, *to);
}

void GridDragTracker::reset() {
    from_.reset();
    if (dragging_) {
        grid_->viewport()->unsetCursor();
        QToolTip::hideText();
    }
    dragging_ = false;
    refused_ = false;
}

}  // namespace lovaris::ui
