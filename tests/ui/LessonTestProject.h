#pragma once
// A small school for the lessons editor's tests: classes "5А" (25 pupils) and
// "6Б", two subjects, two teachers, and helpers to add lessons.
#include <QAbstractItemView>
#include <QSignalSpy>
#include <QTest>
#include <initializer_list>
#include <memory>

#include "core/data/Project.h"
#include "ui/data/TLessonsManager.h"

namespace lovaris::test {

struct LessonTestProject {
    Project project;
    std::int32_t class5 = -1, class6 = -1;
    std::int32_t maths = -1, music = -1;
    std::int32_t ivanova = -1, petrov = -1;

    LessonTestProject() {
        class5 = named(project.klasses, "5А");
        project.klasses.at(0).children = 25;
        class6 = named(project.klasses, "6Б");
        maths = named(project.subjects, "Математика");
        music = named(project.subjects, "Музыка");
        ivanova = named(project.teachers, "Иванова");
        petrov = named(project.teachers, "Петров");
    }
    template <typename Collection>
    static std::int32_t named(Collection& records, const char* name) {
        auto& record = records.add();
        record.setName(name);
        return record.id;
    }

    // A lesson of one subgroup with the subject and teacher; returns its position.
    int addLesson(std::int32_t klass, std::int32_t subject, std::int32_t teacher,
                  std::initializer_list<int> spread = {1, 1, 2}) {
        auto& l = project.lessons.add();
        l.klass = klass;
        l.subgroups[0].subject = subject;
        l.subgroups[0].teacher = teacher;
        l.setSpread(spread);
        return project.lessons.count() - 1;
    }
    TLessonItem& lesson(int position) { return project.lessons.at(position); }
    TLessonSubItem& sub(int position, int subgroup = 0) {
        return project.lessons.at(position).subgroups.at(static_cast<std::size_t>(subgroup));
    }
};

template <typename T>
T* ChildOf(QWidget* parent, const char* name) {
    auto* child = parent->findChild<T*>(QString::fromLatin1(name));
    if (!child) qFatal("no widget %s", name);
    return child;
}

// The school, the editor on it and the editor's reports of changed data.
struct LessonEditorFixture {
    std::unique_ptr<LessonTestProject> school;
    std::unique_ptr<ui::TLessonsManager> editor;
    std::unique_ptr<QSignalSpy> modified;

    void newSchool() { school = std::make_unique<LessonTestProject>(); }
    void closeSchool() {
        modified.reset();
        editor.reset();
        school.reset();
    }
    // Shows the lesson's subgroup; changes are counted from then on.
    void open(int position = 0, int subgroup = 0) {
        editor = std::make_unique<ui::TLessonsManager>(school->project);
        editor->ShowLesson(position, subgroup);
        modified = std::make_unique<QSignalSpy>(editor.get(), &ui::EditorWindow::dataChanged);
        editor->show();
    }
    template <typename T>
    T* child(const char* name) {
        return ChildOf<T>(editor.get(), name);
    }
};

// Double-clicks a row of a list as the user would.
inline void DoubleClickRow(QAbstractItemView* view, int row) {
    const QRect cell = view->visualRect(view->model()->index(row, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, cell.center());
}

}  // namespace lovaris::test
