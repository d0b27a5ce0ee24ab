#pragma once
// The file the program was started with, as a double click in a file manager gives it.
#include <QString>

namespace lovaris::ui {

class TPrgMdiFrame;

// A project file opens as the project. A variant file opens its project (the only
// project file in its folder, else the one the planner picks there) and the
// variant in planning mode.
void OpenStartupFile(TPrgMdiFrame& frame, const QString& fileName);

}  // namespace lovaris::ui
