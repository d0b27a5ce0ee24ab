#pragma once
// Makes the data editor of one kind over the project's records.
#include "core/data/Project.h"
#include "ui/data/EditorWindow.h"

namespace lovaris::ui {

EditorWindow* CreateEditor(EditorKind kind, Project& project, QWidget* parent);

}  // namespace lovaris::ui
