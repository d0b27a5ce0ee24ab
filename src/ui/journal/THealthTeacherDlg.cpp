#include "THealthTeacherDlg.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

#include "JournalDialogLayout.h"
#include "JournalWidgets.h"
#include "ui/common/TErrorBox.h"

namespace lovaris::ui {

THealthTeacherDlg::THealthTeacherDlg(QWidget* owner, const JournalTimetable& timetable, const JournalBusyTable& busy,
                                     const SubstitutedLesson& lesson)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      timetable_(timetable),
      weekday_(lesson.weekday),
      offered_(SubstituteCandidates(timetable, busy, lesson)) {
    setObjectName(QStringLiteral("healthTeacherDialog"));
    setWindowTitle(Res(JournalText::SubstituteCaption));
    setProperty("helpContext", kJournalHelpTopic);

    const LessonLine line = timetable.Line(lesson.absentTeacher, lesson.weekday, lesson.number);
    auto* caption = new QLabel(Res(JournalText::SubstitutedLessonLabel) + QStringLiteral(" (") +
                                   QString::number(lesson.number) + QStringLiteral("):"),
                               this);
    lessonEdit_ = new QLineEdit(this);
    lessonEdit_->setObjectName(QStringLiteral("ZamLessEdit"));
    lessonEdit_->setReadOnly(true);
    lessonEdit_->setText(Text(timetable.teacherName(lesson.absentTeacher) + ", " + line.subject + ", " + line.classText));
    caption->setBuddy(lessonEdit_);
    auto* above = new QVBoxLayout;
    above->addWidget(caption);
    above->addWidget(lessonEdit_);

    candidates_ = new QListWidget(this);
    candidates_->setObjectName(QStringLiteral("TchListBox"));
    for (const auto& c : offered_) candidates_->addItem(Text(c.text));
    lessons_ = new QListWidget(this);
    lessons_->setObjectName(QStringLiteral("LsnsListBox"));
    lessons_->setSelectionMode(QAbstractItemView::NoSelection);
    connect(candidates_, &QListWidget::currentRowChanged, this, [this] { fillLessons(); });
    if (!offered_.empty()) candidates_->setCurrentRow(0);

    LayOutListsDialog(this, {{JournalText::CandidatesLabel, candidates_}, {JournalText::CandidateLessonsLabel, lessons_}},
                      above);
}

void THealthTeacherDlg::fillLessons() {
    lessons_->clear();
    const auto candidate = chosen();
    if (!candidate) return;
    for (const auto& line : timetable_.LessonLines(candidate->teacher, weekday_)) lessons_->addItem(Text(line.text));
}

std::optional<SubstituteCandidate> THealthTeacherDlg::chosen() const {
    const int row = candidates_->currentRow();
    if (row < 0 || row >= static_cast<int>(offered_.size())) return std::nullopt;
    return offered_[static_cast<std::size_t>(row)];
}

}  // namespace lovaris::ui
