#include "TLessonFindDlg.h"

#include <QLayout>
#include <QPushButton>
#include <QTableView>
#include <algorithm>

#include "LessonDialogButtons.h"
#include "LessonRowsModel.h"
#include "ui/common/HelpViewer.h"
#include "ui/common/TErrorBox.h"

namespace lovaris::ui {

TLessonFindDlg::TLessonFindDlg(const Project& project, int shownPosition, int shownSubgroup, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(Res(LessonText::FindDialogCaption));
    setProperty("helpContext", 16);

    model_ = new LessonRowsModel({Res(LessonText::ColumnClass), Res(LessonText::ColumnNumber),
                                  Res(LessonText::ColumnSubject), Res(LessonText::ColumnHours),
                                  Res(LessonText::ColumnTeacher), Res(LessonText::ColumnLinks)},
                                 this);
    list_ = MakeLessonRowsView(this, "lessonList", 371, model_);

    // 0xB0CC: the rows, with the editor's lesson and subgroup among them.
    auto built = BuildLessonFindRows(project, shownPosition, shownSubgroup);
    rows_ = std::move(built.rows);
    std::vector<QStringList> texts;
    for (const auto& r : rows_)
        texts.push_back({Text(r.klass), Text(r.number), Text(r.subject), Text(r.hours), Text(r.teacher), Text(r.links)});
    model_->setRows(std::move(texts));

    auto* show = MakeLessonDialogButton(this, "showButton", LessonText::FindDialogShow,
                                        LessonText::FindDialogShowHint, 372);
    show->setDefault(true);
    auto* copy = MakeLessonDialogButton(this, "copyButton", LessonText::FindDialogCopy,
                                        LessonText::FindDialogCopyHint, 373);
    auto* cancel = MakeLessonDialogButton(this, "cancelButton", LessonText::FindDialogCancel, 374);
    auto* help = MakeLessonDialogButton(this, "helpButton", LessonText::FindDialogHelp,
                                        LessonText::FindDialogHelpHint, 375);

    connect(list_, &QTableView::doubleClicked, this, [this] { choose(Choice::Show); });
    connect(show, &QPushButton::clicked, this, [this] { choose(Choice::Show); });
    connect(copy, &QPushButton::clicked, this, [this] { choose(Choice::Copy); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] { ShowHelpTopic(this, 16); });

    LayOutLessonDialog(this, list_, {show, copy, cancel, help});
    const int margins = layout()->contentsMargins().left() + layout()->contentsMargins().right();
    resize(std::max(640, LessonRowsViewWidth(list_) + margins), 420);
    SelectLessonRow(list_, built.shownRow);
}

void TLessonFindDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Only a laid-out view can bring the editor's row into the middle.
    const QModelIndex current = list_->currentIndex();
    if (current.isValid()) list_->scrollTo(current, QAbstractItemView::PositionAtCenter);
}

void TLessonFindDlg::choose(Choice choice) {
    const int row = SelectedLessonRow(list_);
    if (row < 0) return;  // nothing chosen: the dialog stays open
    const auto& chosen = rows_[static_cast<std::size_t>(row)];
    choice_ = choice;
    chosenPosition_ = chosen.lessonPosition;
    chosenSubgroup_ = chosen.subgroup;
    accept();
}

}  // namespace lovaris::ui
