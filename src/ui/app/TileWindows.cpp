#include "TileWindows.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <algorithm>
#include <cmath>

namespace lovaris::ui {

void TileSideBySide(QMdiArea* area) {
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* window : area->subWindowList(QMdiArea::CreationOrder))
        if (window->isVisible() && !window->isMinimized()) windows << window;
    if (windows.isEmpty()) return;
    const QRect room = area->viewport()->rect();
    const int count = static_cast<int>(windows.size());
    const int perRow = static_cast<int>(std::ceil(std::sqrt(static_cast<double>(count))));
    const int rows = (count + perRow - 1) / perRow;
    for (int row = 0; row < rows; ++row) {
        const QList<QMdiSubWindow*> members = windows.mid(row * perRow, perRow);
        int least = 0;
        for (QMdiSubWindow* window : members) {
            if (window->isMaximized()) window->showNormal();
            least += window->minimumSizeHint().width();
        }
        // What is left beyond the least widths goes to all alike; a shortfall is
        // taken from each by its share.
        const int spare = room.width() - least;
        const int top = room.top() + room.height() * row / rows;
        const int height = room.top() + room.height() * (row + 1) / rows - top;
        int left = room.left();
        for (int i = 0; i < members.size(); ++i) {
            QMdiSubWindow* window = members[i];
            const int own = window->minimumSizeHint().width();
            int width = spare >= 0 ? own + spare / static_cast<int>(members.size()) : own * room.width() / std::max(least, 1);
            if (i == members.size() - 1) width = room.right() + 1 - left;  // the last one takes the rounding
            window->setGeometry(left, top, width, height);
            left += width;
        }
    }
}

}  // namespace lovaris::ui
