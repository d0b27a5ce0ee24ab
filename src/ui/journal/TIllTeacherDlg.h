#pragma once
// "Замещаются уроки": the absent teacher ("Отсутствующий учитель:", every teacher,
// the first selected) and the lessons of the day to be substituted ("Замещаемые
// уроки:", one line per lesson number; a line without a lesson cannot be ticked).
#include <QDialog>
#include <vector>

#include "core/journal/JournalTimetable.h"

class QListWidget;

namespace lovaris::ui {

class TIllTeacherDlg : public QDialog {
    Q_OBJECT
public:
    TIllTeacherDlg(QWidget* owner, const JournalTimetable& timetable, int weekday);

    int selectedTeacher() const;
    // The ticked lines in lesson order.
    std::vector<LessonLine> tickedLines() const;
    QListWidget* teacherList() const { return teachers_; }
    QListWidget* lessonList() const { return lessons_; }

private:
    void fillLessons();

    const JournalTimetable& timetable_;
    int weekday_;
    std::vector<LessonLine> lines_;
    QListWidget* teachers_;
    QListWidget* lessons_;
};

}  // namespace lovaris::ui
