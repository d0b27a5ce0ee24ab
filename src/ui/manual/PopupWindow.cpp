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
    show();
    raise();
    activateWindow();
    timer_.start();
}

void PopupWindow::checkStillWanted() {
    if (!isVisible()) return;
    const QWidget* focus = QApplication::focusWidget();
    const bool focusInside = focus && (focus == this || isAncestorOf(focus));
    const QRect around = rect().adjusted(-kMouseSlack, -kMouseSlack, kMouseSlack, kMouseSlack);
    const bool mouseNear = around.contains(mapFromGlobal(QCursor::pos()));
    if (!focusInside || !mouseNear) hide();
}

void PopupWindow::hideEvent(QHideEvent* event) {
    QFrame::hideEvent(event);
    timer_.stop();
    emit hidden();
}

}  // namespace lovaris::ui
