#include "TLinkDlg.h"

#include <QLayout>
#include <QPushButton>
#include <QTableView>
#include <algorithm>

#include "LessonDialogButtons.h"
#include "LessonRowsModel.h"
#include "ui/common/HelpViewer.h"
#include "ui/common/TErrorBox.h"

namespace lovaris::ui {
namespace {

constexpr int kLinkColumn = 4;

QStringList rowTexts(const LinkCandidate& c) {
    return {Text(c.klass), Text(c.number), Text(c.subject), Text(c.teacher), Text(c.link)};
}

}  // namespace

TLinkDlg::TLinkDlg(Project& project, int lessonPosition, int subgroup, QWidget* parent)
    : QDialog(parent), project_(project), lessonPosition_(lessonPosition), subgroup_(subgroup) {
    setWindowTitle(Res(LessonText::LinkDialogCaption));
    setProperty("helpContext", 17);

    model_ = new LessonRowsModel({Res(LessonText::ColumnClass), Res(LessonText::ColumnNumber),
                                  Res(LessonText::ColumnSubject), Res(LessonText::ColumnTeacher),
                                  Res(LessonText::ColumnLink)},
                                 this);
    list_ = MakeLessonRowsView(this, "candidateList", 531, model_);

    // 0xB0CA: the lessons editor's candidates for its current subgroup.
    auto built = BuildLinkCandidates(project_, lessonPosition_, subgroup_);
    candidates_ = std::move(built.rows);
    std::vector<QStringList> rows;
    for (const auto& c : candidates_) rows.push_back(rowTexts(c));
    model_->setRows(std::move(rows));
    SelectLessonRow(list_, built.firstLinkedRow);

    auto* yes = MakeLessonDialogButton(this, "yesButton", LessonText::LinkDialogYes, LessonText::LinkDialogYesHint, 532);
    yes->setDefault(true);
    auto* cancel = MakeLessonDialogButton(this, "cancelButton", LessonText::LinkDialogCancel,
                                          LessonText::LinkDialogCancelHint, 533);
    auto* help = MakeLessonDialogButton(this, "helpButton", LessonText::LinkDialogHelp,
                                        LessonText::LinkDialogHelpHint, 534);

    connect(list_, &QTableView::doubleClicked, this, [this](const QModelIndex& index) { ToggleRow(index.row()); });
    connect(yes, &QPushButton::clicked, this, &TLinkDlg::confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] { ShowHelpTopic(this, 17); });

    LayOutLessonDialog(this, list_, {yes, cancel, help});
    const int margins = layout()->contentsMargins().left() + layout()->contentsMargins().right();
    resize(std::max(560, LessonRowsViewWidth(list_) + margins), 340);
}

void TLinkDlg::ToggleRow(int row) {
    if (row < 0 || row >= static_cast<int>(candidates_.size())) return;
    auto& candidate = candidates_[static_cast<std::size_t>(row)];
    ToggleLinkCandidate(candidate);
    model_->setCell(row, kLinkColumn, Text(candidate.link));
}

void TLinkDlg::confirm() {
    // 0xB0CB: the choice replaces the subgroup's links on both sides.
    applied_ = ApplyLinkCandidates(project_, lessonPosition_, subgroup_, candidates_);
    if (!applied_.refused.empty()) ShowMessageText(this, refusalText());
    accept();
}

QString TLinkDlg::refusalText() const {
    QString text = Res(LessonText::LinkRefused);
    for (const auto& link : applied_.refused) {
        for (const auto& c : candidates_) {
            if (c.lessonId != link.lessonId || c.subgroup != link.subgroup) continue;
            text += QLatin1Char('\n') + Text(c.klass) + QStringLiteral(", ") + Res(LessonText::ColumnNumber) +
                    QLatin1Char(' ') + Text(c.number);
            break;
        }
    }
    return text;
}

}  // namespace lovaris::ui
