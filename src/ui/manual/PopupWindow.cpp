#include "PopupWindow.h"

#include <QApplication>
#include <QCursor>
#include <algorithm>

namespace lovaris::ui {

namespace {
constexpr int kCheckInterval = 100;
constexpr int kMouseSlack = 30;
}  // namespace

PopupWindow::PopupWindow(QWidget* owner) : QFrame(owner, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), owner_(owner) {
    setFrameShape(QFrame::Box);
    setAttribute(Qt::WA_DeleteOnClose, false);
    // Where the window system hands a tool window no focus of its own, the focus
    // counts as inside until it moves somewhere else.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (isVisible() && now && !holds(now)) focusLeft_ = true;
    });
    timer_.setInterval(kCheckInterval);
    connect(&timer_, &QTimer::timeout, this, &PopupWindow::checkStillWanted);
}

QPoint PopupWindow::PlaceInside(const QSize& popup, const QSize& owner, const QPoint& mouse) {
    QPoint at = mouse - QPoint(10, 10);
    at.setX(std::max(0, std::min(at.x(), owner.width() - popup.width())));
    at.setY(std::max(0, std::min(at.y(), owner.height() - popup.height())));
    return at;
}

void PopupWindow::popupAt(const QPoint& globalMouse) {
    adjustSize();
    const QPoint inOwner = PlaceInside(size(), owner_->size(), owner_->mapFromGlobal(globalMouse));
    move(owner_->mapToGlobal(inOwner));
    focusLeft_ = false;
    show();
    raise();
    activateWindow();
    // The keyboard focus starts inside, on the first control that takes it.
    for (QWidget* child : findChildren<QWidget*>())
        if (child->focusPolicy() & Qt::TabFocus) {
            child->setFocus();
            break;
        }
    timer_.start();
}

void PopupWindow::checkStillWanted() {
    if (!isVisible()) return;
    // A room list's drop-down is a window of its own: while one is open the planner
    // is still choosing here.
    if (QApplication::activePopupWidget()) return;
    const QRect around = rect().adjusted(-kMouseSlack, -kMouseSlack, kMouseSlack, kMouseSlack);
    const bool mouseNear = around.contains(mapFromGlobal(QCursor::pos()));
    if (focusLeft_ || !mouseNear) hide();
}

bool PopupWindow::holds(const QWidget* widget) const {
    for (const QWidget* w = widget; w; w = w->parentWidget())
        if (w == this) return true;
    return false;
}

void PopupWindow::hideEvent(QHideEvent* event) {
    QFrame::hideEvent(event);
    timer_.stop();
    emit hidden();
}

}  // namespace lovaris::ui
