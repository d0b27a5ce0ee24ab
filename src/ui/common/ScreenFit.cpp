#include "ScreenFit.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace lovaris::ui {

void KeepOnScreen(QWidget* window) {
    const QScreen* screen = window->screen();
    if (!screen) return;
    const QRect free = screen->availableGeometry();
    const QRect frame = window->frameGeometry();
    // The frame adds the title bar above the contents and the borders around them.
    const int x = std::max(free.left(), std::min(frame.left(), free.right() + 1 - frame.width()));
    const int y = std::max(free.top(), std::min(frame.top(), free.bottom() + 1 - frame.height()));
    if (x != frame.left() || y != frame.top()) window->move(x, y);
}

}  // namespace lovaris::ui
