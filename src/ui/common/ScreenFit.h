#pragma once
// A window that grew after it was placed is moved back onto its screen.
class QWidget;

namespace lovaris::ui {

// Moves the window, title bar and frame included, inside its screen's free area
// (the taskbar left out); a window larger than that keeps its top-left corner on it.
void KeepOnScreen(QWidget* window);

}  // namespace lovaris::ui
