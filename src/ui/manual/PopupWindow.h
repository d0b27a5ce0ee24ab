#pragma once
// A borderless window that stays on top of the planning window while the planner
// picks something in it, and hides itself once the keyboard focus leaves it or the
// mouse wanders more than 30 pixels away. Nobody waits for it in a loop of its own:
// whoever opened it finishes the action in a slot on `hidden`, so the window that
// opened it may be closed meanwhile without anything waiting on it.
#include <QFrame>
#include <QTimer>

namespace lovaris::ui {

class PopupWindow : public QFrame {
    Q_OBJECT
public:
    explicit PopupWindow(QWidget* owner);

    // Shows the popup at the mouse position less 10 pixels, moved left or up to stay
    // inside the owner's client area and never at negative coordinates.
    void popupAt(const QPoint& globalMouse);
    // The position popupAt gives, in the owner's coordinates.
    static QPoint PlaceInside(const QSize& popup, const QSize& owner, const QPoint& mouse);
    // The focus-and-mouse check the timer makes every 100 ms: the popup hides once the
    // keyboard focus has gone to a window outside it or the mouse is more than 30
    // pixels away.
    void checkStillWanted();

signals:
    // The popup hid itself (or was hidden): the action is over.
    void hidden();

protected:
    void hideEvent(QHideEvent* event) override;

private:
    bool holds(const QWidget* widget) const;

    QWidget* owner_;
    bool focusLeft_ = false;
    QTimer timer_;
};

}  // namespace lovaris::ui
