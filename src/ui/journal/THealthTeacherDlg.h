#pragma once
// "Замещающий учитель": the substituted lesson ("Замещаемый урок (n):" with the
// absent teacher, the subject and the class), the possible substitutes in the order
// of their marks ("Возможные заместители:", the first selected) and the selected
// substitute's lessons of the day ("Расписание заместителя:").
#include <QDialog>
#include <optional>
#include <vector>

#include "core/journal/SubstituteCandidates.h"

class QLineEdit;
class QListWidget;

namespace lovaris::ui {

class THealthTeacherDlg : public QDialog {
    Q_OBJECT
public:
    THealthTeacherDlg(QWidget* owner, const JournalTimetable& timetable, const JournalBusyTable& busy,
                      const SubstitutedLesson& lesson);

    std::optional<SubstituteCandidate> chosen() const;
    QListWidget* candidateList() const { return candidates_; }
    QListWidget* lessonList() const { return lessons_; }
    QLineEdit* lessonEdit() const { return lessonEdit_; }

private:
    void fillLessons();

    const JournalTimetable& timetable_;
    int weekday_;
    std::vector<SubstituteCandidate> offered_;
    QLineEdit* lessonEdit_;
    QListWidget* candidates_;
    QListWidget* lessons_;
};

}  // namespace lovaris::ui
