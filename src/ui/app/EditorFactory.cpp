#include "EditorFactory.h"

#include "ui/data/TKlassesManager.h"
#include "ui/data/TLessonsManager.h"
#include "ui/data/TRoomsManager.h"
#include "ui/data/TSubjectsManager.h"
#include "ui/data/TTeachersManager.h"

namespace lovaris::ui {

EditorWindow* CreateEditor(EditorKind kind, Project& project, QWidget* parent) {
    switch (kind) {
    case EditorKind::Rooms:
        return new TRoomsManager(project, parent);
    case EditorKind::Subjects:
        return new TSubjectsManager(project, parent);
    case EditorKind::Classes:
        return new TKlassesManager(project, parent);
    case EditorKind::Teachers:
        return new TTeachersManager(project, parent);
    case EditorKind::Lessons:
        break;
    }
    return new TLessonsManager(project, parent);
}

}  // namespace lovaris::ui
