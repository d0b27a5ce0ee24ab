#include "EditorFactory.h"

#include <QLabel>
#include <QVBoxLayout>

#include "core/common/StringTable.h"
#include "ui/app/TErrorBox.h"

#if __has_include("ui/data/TRoomsManager.h")
#include "ui/data/TRoomsManager.h"
#define LOVARIS_HAVE_ROOMS 1
#endif
#if __has_include("ui/data/TSubjectsManager.h")
#include "ui/data/TSubjectsManager.h"
#define LOVARIS_HAVE_SUBJECTS 1
#endif
#if __has_include("ui/data/TKlassesManager.h")
#include "ui/data/TKlassesManager.h"
#define LOVARIS_HAVE_CLASSES 1
#endif
#if __has_include("ui/data/TTeachersManager.h")
#include "ui/data/TTeachersManager.h"
#define LOVARIS_HAVE_TEACHERS 1
#endif
#if __has_include("ui/data/TLessonsManager.h")
#include "ui/data/TLessonsManager.h"
#define LOVARIS_HAVE_LESSONS 1
#endif

namespace lovaris::ui {
namespace {

// Stands in for an editor that is not part of the build yet.
class PendingEditor : public EditorWindow {
public:
    PendingEditor(EditorKind kind, Project& project, QWidget* parent)
        : EditorWindow(kind, 0, project.params, parent) {
        static constexpr TextId captions[] = {TextId::RoomsCaption, TextId::SubjectsCaption, TextId::ClassesCaption,
                                              TextId::TeachersCaption, TextId::LessonsCaption};
        setWindowTitle(Res(captions[static_cast<int>(kind)]));
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(new QLabel(windowTitle(), this));
        resize(420, 300);
    }
    int recordCount() const override { return 0; }

protected:
    void fillRecord(int) override {}
    void clearRecord() override {}
    int appendRecord() override { return -1; }
    void deleteRecord(int) override {}
};

}  // namespace

EditorWindow* CreateEditor(EditorKind kind, Project& project, QWidget* parent) {
    switch (kind) {
#ifdef LOVARIS_HAVE_ROOMS
    case EditorKind::Rooms:
        return new TRoomsManager(project, parent);
#endif
#ifdef LOVARIS_HAVE_SUBJECTS
    case EditorKind::Subjects:
        return new TSubjectsManager(project, parent);
#endif
#ifdef LOVARIS_HAVE_CLASSES
    case EditorKind::Classes:
        return new TKlassesManager(project, parent);
#endif
#ifdef LOVARIS_HAVE_TEACHERS
    case EditorKind::Teachers:
        return new TTeachersManager(project, parent);
#endif
#ifdef LOVARIS_HAVE_LESSONS
    case EditorKind::Lessons:
        return new TLessonsManager(project, parent);
#endif
    default:
        return new PendingEditor(kind, project, parent);
    }
}

}  // namespace lovaris::ui
