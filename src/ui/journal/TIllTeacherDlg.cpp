#include "TIllTeacherDlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "JournalDialogLayout.h"
#include "JournalWidgets.h"
#include "ui/common/TErrorBox.h"

namespace lovaris::ui {

TIllTeacherDlg::TIllTeacherDlg(QWidget* owner, const JournalTimetable& timetable, int weekday)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      timetable_(timetable),
      weekday_(weekday) {
    setObjectName(QStringLiteral("illTeacherDialog"));
    setWindowTitle(Res(JournalText::AbsentCaption));
    setProperty("helpContext", kJournalHelpTopic);

    teachers_ = new QListWidget(this);
    teachers_->setObjectName(QStringLiteral("TchListBox"));
    for (const auto& name : timetable.TeacherNames()) teachers_->addItem(Text(name));
    lessons_ = new QListWidget(this);
    lessons_->setObjectName(QStringLiteral("LsnsListBox"));
    connect(teachers_, &QListWidget::currentRowChanged, this, [this] { fillLessons(); });
    if (teachers_->count() > 0) teachers_->setCurrentRow(0);

    LayOutListsDialog(this, {{JournalText::AbsentTeacherLabel, teachers_}, {JournalText::AbsentLessonsLabel, lessons_}},
                      nullptr);
}

void TIllTeacherDlg::fillLessons() {
    lessons_->clear();
    lines_ = timetable_.LessonLines(selectedTeacher(), weekday_);
    for (const auto& line : lines_) {
        auto* item = new QListWidgetItem(Text(line.text), lessons_);
        item->setFlags(line.hasLesson() ? Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable
                                        : Qt::ItemIsSelectable);
        if (line.hasLesson()) item->setCheckState(Qt::Unchecked);
    }
}

int TIllTeacherDlg::selectedTeacher() const { return teachers_->currentRow(); }

std::vector<LessonLine> TIllTeacherDlg::tickedLines() const {
    std::vector<LessonLine> ticked;
    for (int i = 0; i < lessons_->count() && i < static_cast<int>(lines_.size()); ++i)
        if (lessons_->item(i)->checkState() == Qt::Checked) ticked.push_back(lines_[static_cast<std::size_t>(i)]);
    return ticked;
}

}  // namespace lovaris::ui
