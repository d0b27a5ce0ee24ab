#pragma once
// "Окна → Рядом": the visible editor windows side by side within the client area.
class QMdiArea;

namespace lovaris::ui {

// Rows of windows in their creation order, as many rows as a square grid needs; a row
// shares the area's width among its windows by their least widths, so that every
// window stays inside the area whenever their least widths fit at all.
void TileSideBySide(QMdiArea* area);

}  // namespace lovaris::ui
